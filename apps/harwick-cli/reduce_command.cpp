#include "reduce_command.h"

#include "fileio/fileio.h"
#include "json_out.h"
#include "pointlist/reduced.h"
#include "reduce/reduce.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace harwick::cli {

namespace {

constexpr std::string_view kCommand = "harwick reduce: ";
constexpr harwick::UiText kJobKind = "GSI job";
constexpr harwick::UiText kReduced = "reduced %1 point(s) from %2 '%3' to %4 '%5' (precision %6)";
// The comparison's table: the names' column, then the differences (whose
// symbols and unit read the same in every language), then what they mean.
constexpr harwick::UiText kPointColumn = "point";
constexpr harwick::UiText kDistanceColumn = "dist (m)";
constexpr harwick::UiText kComputedMinusInstrument = "   computed minus instrument";
constexpr harwick::UiText kLargestInPosition = "largest difference over %1 point(s): %2 m in position (%3)";
constexpr harwick::UiText kLargestInHeight = ", %1 m in height (%2)";
constexpr harwick::UiText kJsonIsForCompare = "--json is for --compare";
constexpr harwick::UiText kJsonNoOutput = "--compare --json prints the comparison alone: no OUTPUT";
constexpr harwick::UiText kCompareTakes = "reduce --compare takes an INPUT and, if it is to be written, an OUTPUT";
constexpr harwick::UiText kReduceTakes = "reduce takes an INPUT and an OUTPUT file";
constexpr harwick::UiText kNoPoints = "'%1': no points: it holds no measured blocks that give one";
constexpr harwick::UiText kNothingToCompare =
    "'%1': nothing to compare: no block carries both measurements and the instrument's coordinates";
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

// A difference that rounds to nothing has no sign, in JSON too.
std::string plainFixed(double value)
{
    const std::string text = signedFixed(value);
    return text.front() == '+' ? text.substr(1) : text;
}

struct Difference {
    std::string name;
    double dE = 0;
    double dN = 0;
    std::optional<double> dH;
    double distance = 0;
};

struct Largest {
    double value = -1; // below 0: none
    std::string name;
    void take(double v, const std::string& n)
    {
        if (v > value) {
            value = v;
            name = n;
        }
    }
};

// Computed minus the instrument's, for each point that has both.
struct Comparison {
    std::vector<Difference> rows;
    Largest horizontal, height;
};

Comparison compareWithInstrument(const reduce::Reduction& reduction)
{
    Comparison c;
    for (const reduce::ReducedPoint& p : reduction.points) {
        if (!p.fromInstrument || !p.computed) continue;
        Difference d{p.name, p.computed->easting - p.position.easting, p.computed->northing - p.position.northing,
                     std::nullopt, 0};
        d.distance = std::hypot(d.dE, d.dN);
        if (p.computed->height && p.position.height) {
            d.dH = *p.computed->height - *p.position.height;
            c.height.take(std::fabs(*d.dH), p.name);
        }
        c.horizontal.take(d.distance, p.name);
        c.rows.push_back(std::move(d));
    }
    return c;
}

void printComparison(const Comparison& c, std::ostream& out)
{
    out << std::left << std::setw(kNameWidth) << kPointColumn.View() << std::right << std::setw(kValueWidth)
        << "dE (m)" << std::setw(kValueWidth) << "dN (m)" << std::setw(kValueWidth) << "dH (m)"
        << std::setw(kValueWidth) << kDistanceColumn.View() << kComputedMinusInstrument << '\n';
    for (const Difference& d : c.rows) {
        out << std::left << std::setw(kNameWidth) << d.name << std::right << std::setw(kValueWidth) << signedFixed(d.dE)
            << std::setw(kValueWidth) << signedFixed(d.dN) << std::setw(kValueWidth) << (d.dH ? signedFixed(*d.dH) : "-")
            << std::setw(kValueWidth) << text::formatFixed(d.distance, kCompareDecimals) << '\n';
    }
    out << Filled(kLargestInPosition, {std::to_string(c.rows.size()),
                                       text::formatFixed(c.horizontal.value, kCompareDecimals), c.horizontal.name});
    if (c.height.value >= 0) {
        out << Filled(kLargestInHeight, {text::formatFixed(c.height.value, kCompareDecimals), c.height.name});
    }
    out << '\n';
}

// The same for scripts, metres to a tenth of a millimetre; the notes on the
// job ride along, since nothing else may go to stdout.
std::string comparisonJson(const std::string& input, const std::vector<std::string>& notes, const Comparison& c)
{
    JsonOut json;
    json.beginObject();
    json.key("input").string(input);
    json.key("notes").beginArray();
    for (const std::string& note : notes) json.string(note);
    json.endArray();
    json.key("points").beginArray();
    for (const Difference& d : c.rows) {
        json.beginObject();
        json.key("name").string(d.name);
        json.key("dE").decimal(plainFixed(d.dE));
        json.key("dN").decimal(plainFixed(d.dN));
        json.key("dH");
        if (d.dH) json.decimal(plainFixed(*d.dH));
        else json.null();
        json.key("distance").decimal(text::formatFixed(d.distance, kCompareDecimals));
        json.endObject();
    }
    json.endArray();
    const auto largest = [&](std::string_view member, const Largest& l) {
        json.key(member);
        if (l.value < 0) {
            json.null();
            return;
        }
        json.beginObject().key("name").string(l.name);
        json.key("difference").decimal(text::formatFixed(l.value, kCompareDecimals)).endObject();
    };
    json.key("largest").beginObject();
    largest("position", c.horizontal);
    largest("height", c.height);
    json.endObject();
    json.endObject();
    return json.text();
}

} // namespace

int reduceUsage(std::ostream& err, std::string_view problem) { return usageError(err, "reduce", problem); }

int reduceCommand(const ConvertRequest& given, bool compare, bool json, const std::vector<std::string>& files,
                  const text::LocalDateTime& now, std::ostream& out, std::ostream& err)
{
    if (json && !compare) return reduceUsage(err, kJsonIsForCompare);
    if (json && files.size() != 1) return reduceUsage(err, kJsonNoOutput);
    if (files.size() != 2 && !(compare && files.size() == 1)) {
        return reduceUsage(err, compare ? kCompareTakes : kReduceTakes);
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
        return failLine(err, kCommand, Filled(kNoPoints, {request.input}));
    }
    const std::vector<std::string> notes = pointlist::reductionNotes(reduction);
    if (!json) {
        for (const std::string& note : notes) out << note << '\n';
    }
    // A comparison that cannot be made fails the whole command before
    // anything is written: a script sees one outcome.
    if (compare) {
        const Comparison comparison = compareWithInstrument(reduction);
        if (comparison.rows.empty()) {
            return failLine(err, kCommand, Filled(kNothingToCompare, {request.input}));
        }
        if (json) out << comparisonJson(request.input, notes, comparison);
        else printComparison(comparison, out);
    }
    if (writing) {
        pointlist::Table table;
        pointlist::takeReduction(table, reduction, request.precision);
        const int written = writeList(request, *plan, table, ListDone{kCommand, kReduced, std::string(kJobKind)}, now,
                                      out, err);
        if (written != kExitOk) return written;
    }
    return kExitOk;
}

} // namespace harwick::cli
