#include "language/ui_text.h"
#include "pointlist/reduced.h"

#include "text/text.h"

#include <algorithm>

namespace harwick::pointlist {

namespace {

constexpr harwick::UiText kComputed = " computed from measurements";
constexpr harwick::UiText kFromOrigin =
    " measured before any station block, computed from the origin with instrument height 0";
constexpr harwick::UiText kAsGiven = " with the instrument's own coordinates";
constexpr harwick::UiText kPoint = " point";
constexpr harwick::UiText kPoints = " points";
constexpr harwick::UiText kSkippedBlock = " measured block skipped";
constexpr harwick::UiText kSkippedBlocks = " measured blocks skipped";
constexpr harwick::UiText kLinePrefix = "line ";
constexpr std::string_view kLineSeparator = ": ";

std::string counted(std::size_t n, std::string_view one, std::string_view many, std::string_view what)
{
    return text::concat({std::to_string(n), n == 1 ? one : many, what, "."});
}

std::string fixed(double value, int decimals) { return text::formatFixed(value, decimals); }

} // namespace

void takeReduction(Table& table, const reduce::Reduction& reduction, std::optional<Precision> precision)
{
    int finest = info(Precision::Milli).decimals;
    for (const reduce::ReducedPoint& p : reduction.points) finest = std::max(finest, p.decimals);
    // Computed values are printed once, at the decimals they are kept with.
    if (precision) finest = info(*precision).decimals;
    table.rows.clear();
    table.rows.reserve(reduction.points.size());
    for (const reduce::ReducedPoint& p : reduction.points) {
        const reduce::Position& at = p.position;
        table.rows.push_back(Row{p.name, fixed(at.easting, finest), fixed(at.northing, finest),
                                 at.height ? fixed(*at.height, finest) : std::string(), p.code});
    }
    table.precision = precisionFor(finest);
    if (reduction.flavour) table.flavour = reduction.flavour;
}

std::vector<std::string> reductionNotes(const reduce::Reduction& reduction)
{
    std::vector<std::string> out;
    if (reduction.fromMeasurements > 0) out.push_back(counted(reduction.fromMeasurements, kPoint, kPoints, kComputed));
    if (reduction.beforeStation > 0) out.push_back(counted(reduction.beforeStation, kPoint, kPoints, kFromOrigin));
    if (reduction.fromInstrument > 0) out.push_back(counted(reduction.fromInstrument, kPoint, kPoints, kAsGiven));
    if (!reduction.skipped.empty()) out.push_back(counted(reduction.skipped.size(), kSkippedBlock, kSkippedBlocks, ""));
    return out;
}

std::string skippedText(const reduce::Skipped& skipped)
{
    return text::concat({kLinePrefix, std::to_string(skipped.line), kLineSeparator, skipped.reason});
}

} // namespace harwick::pointlist
