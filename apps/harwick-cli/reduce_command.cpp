#include "reduce_command.h"

#include "fileio/fileio.h"
#include "pointlist/reduced.h"
#include "reduce/reduce.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace harwick::cli {

namespace {

constexpr std::string_view kCommand = "harwick reduce: ";
constexpr std::string_view kJobKind = "GSI job";
constexpr int kCompareDecimals = 4; // a tenth of a millimetre
constexpr int kNameWidth = 16;
constexpr int kValueWidth = 11;

std::string signedFixed(double value)
{
    // A difference that rounds to nothing has no sign.
    const std::string magnitude = text::formatFixed(std::fabs(value), kCompareDecimals);
    const bool zero = magnitude.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !zero ? "-" : "+") + magnitude;
}

// Computed minus the instrument's, for each point that has both; false when
// none has.
bool compareWithInstrument(const reduce::Reduction& reduction, std::ostream& out)
{
    struct Largest {
        double value = -1;
        std::string name;
        void take(double v, const std::string& n)
        {
            if (v > value) {
                value = v;
                name = n;
            }
        }
    } horizontal, height;
    std::size_t compared = 0;
    for (const reduce::ReducedPoint& p : reduction.points) {
        if (!p.fromInstrument || !p.computed) continue;
        if (compared++ == 0) {
            out << std::left << std::setw(kNameWidth) << "point" << std::right << std::setw(kValueWidth) << "dE (m)"
                << std::setw(kValueWidth) << "dN (m)" << std::setw(kValueWidth) << "dH (m)" << std::setw(kValueWidth)
                << "dist (m)" << "   computed minus instrument\n";
        }
        const double dE = p.computed->easting - p.position.easting;
        const double dN = p.computed->northing - p.position.northing;
        const double distance = std::hypot(dE, dN);
        out << std::left << std::setw(kNameWidth) << p.name << std::right << std::setw(kValueWidth) << signedFixed(dE)
            << std::setw(kValueWidth) << signedFixed(dN);
        if (p.computed->height && p.position.height) {
            const double dH = *p.computed->height - *p.position.height;
            out << std::setw(kValueWidth) << signedFixed(dH);
            height.take(std::fabs(dH), p.name);
        } else {
            out << std::setw(kValueWidth) << "-";
        }
        out << std::setw(kValueWidth) << text::formatFixed(distance, kCompareDecimals) << '\n';
        horizontal.take(distance, p.name);
    }
    if (compared == 0) return false;
    out << "largest difference over " << compared << " point(s): "
        << text::formatFixed(horizontal.value, kCompareDecimals) << " m in position (" << horizontal.name << ")";
    if (height.value >= 0) {
        out << ", " << text::formatFixed(height.value, kCompareDecimals) << " m in height (" << height.name << ")";
    }
    out << '\n';
    return true;
}

} // namespace

int reduceUsage(std::ostream& err, std::string_view problem) { return usageError(err, "reduce", problem); }

int reduceCommand(const ConvertRequest& given, bool compare, const std::vector<std::string>& files,
                  const text::LocalDateTime& now, std::ostream& out, std::ostream& err)
{
    if (files.size() != 2 && !(compare && files.size() == 1)) {
        return reduceUsage(err, compare ? "reduce --compare takes an INPUT and, if it is to be written, an OUTPUT"
                                        : "reduce takes an INPUT and an OUTPUT file");
    }
    ConvertRequest request = given;
    request.input = files[0];
    const bool writing = files.size() == 2;
    std::optional<OutputPlan> plan;
    if (writing) {
        request.output = files[1];
        plan = planOutput(request, err, kCommand);
        if (!plan) return kExitFailed;
    }
    std::string error;
    const std::optional<std::string> content = platform::readWholeFile(request.input, error);
    if (!content) return failLine(err, kCommand, error);
    const reduce::Reduction reduction = reduce::reduceJob(*content);
    for (const reduce::Skipped& skipped : reduction.skipped) {
        warnLine(err, kCommand, pointlist::skippedText(skipped));
    }
    if (reduction.points.empty()) {
        return failLine(err, kCommand, "'" + request.input + "': no points: it holds no measured blocks that give one");
    }
    for (const std::string& note : pointlist::reductionNotes(reduction)) out << note << '\n';
    // A comparison that cannot be made fails the whole command before
    // anything is written: a script sees one outcome.
    if (compare && !compareWithInstrument(reduction, out)) {
        return failLine(err, kCommand,
                        "'" + request.input +
                            "': nothing to compare: no block carries both measurements and the instrument's coordinates");
    }
    if (writing) {
        pointlist::Table table;
        pointlist::takeReduction(table, reduction, request.precision);
        const int written = writeList(request, *plan, table, ListDone{kCommand, "reduced", std::string(kJobKind)}, now,
                                      out, err);
        if (written != kExitOk) return written;
    }
    return kExitOk;
}

} // namespace harwick::cli
