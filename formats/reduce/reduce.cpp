#include "language/ui_text.h"
#include "reduce/reduce.h"

#include "text/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace harwick::reduce {

namespace {

// ---- What the user reads ------------------------------------------------------
constexpr harwick::UiText kNoDistance = "a direction but no distance";
constexpr harwick::UiText kNoAngles = "a distance without its angles";
constexpr harwick::UiText kNoName = "a measurement without a point name (word 11)";
constexpr harwick::UiText kBadDirection = "its horizontal direction (word 21) cannot be read";
constexpr harwick::UiText kBadZenith = "its zenith angle (word 22) cannot be read";
constexpr harwick::UiText kBadStation = "a station block without a readable easting and northing (84, 85)";
constexpr harwick::UiText kNoStation = "its station block has no readable easting and northing";

// ---- Angles --------------------------------------------------------------------
constexpr double kAngleSteps = 100000.0;
constexpr double kMilSteps = 10000.0;
constexpr double kGonRadians = std::numbers::pi / 200.0;
constexpr double kDegreeRadians = std::numbers::pi / 180.0;
constexpr double kMilRadians = std::numbers::pi / 3200.0;
constexpr std::uint64_t kMinutesAndSeconds = 100000; // ddd.mmsss: five digits after the degrees
constexpr std::uint64_t kSecondTenths = 1000;        // sss: seconds to a tenth
constexpr std::uint64_t kSixty = 60;

std::optional<double> dmsRadians(double steps)
{
    // Exact as a whole number far beyond any angle.
    constexpr double kExact = 9007199254740992.0; // 2^53
    if (steps >= kExact) return std::nullopt;
    const auto whole = static_cast<std::uint64_t>(steps);
    const std::uint64_t degrees = whole / kMinutesAndSeconds;
    const std::uint64_t minutes = whole % kMinutesAndSeconds / kSecondTenths;
    const std::uint64_t tenths = whole % kSecondTenths;
    if (minutes >= kSixty || tenths >= kSixty * 10) return std::nullopt;
    const double decimalDegrees = static_cast<double>(degrees) + static_cast<double>(minutes) / 60.0 +
                                  static_cast<double>(tenths) / 36000.0;
    return decimalDegrees * kDegreeRadians;
}

// ---- Blocks --------------------------------------------------------------------

// One block's words that reducing looks at.
struct Block {
    std::optional<std::string> name;
    std::optional<std::string> code;
    bool hasDirection = false; // a 21 word, readable or not
    bool hasZenith = false;
    std::optional<double> hz;
    std::optional<double> v;
    std::optional<gsi::Length> slope, horizontal, heightDifference, reflector, instrument;
    std::optional<gsi::Length> easting, northing, height;                   // 81-83
    std::optional<gsi::Length> stationEasting, stationNorthing, stationHeight; // 84-86
    bool hasStationWord = false;

    bool isStation() const { return hasStationWord; }
    bool hasCoordinates() const { return easting && northing; }
    bool hasMeasurement() const { return hasDirection || hasZenith || slope || horizontal; }
};

gsi::Flavour flavourOf(std::string_view line) { return gsi::markBlankSeparated(line).flavour; }

Block readBlock(std::string_view line)
{
    const gsi::MarkedBlock marked = gsi::markBlankSeparated(line);
    const gsi::Flavour f = marked.flavour;
    Block b;
    for (std::string_view word : gsi::splitFixedStride(marked.body, f)) {
        const std::string_view index = gsi::wordIndex(word);
        const auto length = [&](std::optional<gsi::Length>& slot) { slot = gsi::decodeLength(word, f); };
        if (index == gsi::kPointNumber) {
            const std::string_view name = gsi::decodeEditorText(word);
            b.name = name.empty() ? std::string("0") : std::string(name);
        } else if (index == gsi::kPointCode) {
            b.code = std::string(gsi::decodeEditorText(word));
        } else if (index == gsi::kHorizontalDirection) {
            b.hasDirection = true;
            b.hz = decodeAngle(word, f);
        } else if (index == gsi::kZenithAngle) {
            b.hasZenith = true;
            b.v = decodeAngle(word, f);
        } else if (index == gsi::kSlopeDistance) {
            length(b.slope);
        } else if (index == gsi::kHorizontalDistance) {
            length(b.horizontal);
        } else if (index == gsi::kHeightDifference) {
            length(b.heightDifference);
        } else if (index == gsi::kReflectorHeight) {
            length(b.reflector);
        } else if (index == gsi::kInstrumentHeight) {
            length(b.instrument);
        } else if (index == gsi::kEasting) {
            length(b.easting);
        } else if (index == gsi::kNorthing) {
            length(b.northing);
        } else if (index == gsi::kElevation) {
            length(b.height);
        } else if (index == gsi::kStationEasting || index == gsi::kStationNorthing || index == gsi::kStationHeight) {
            b.hasStationWord = true;
            length(index == gsi::kStationEasting    ? b.stationEasting
                   : index == gsi::kStationNorthing ? b.stationNorthing
                                                    : b.stationHeight);
        }
    }
    return b;
}

struct Station {
    bool placed = true; // false: its block had no readable easting and northing
    bool origin = true; // no station block yet
    double easting = 0;
    double northing = 0;
    std::optional<double> height = 0.0;
    double instrument = 0;
    int decimals = 3;
};

int finer(int decimals, const std::optional<gsi::Length>& length)
{
    return length ? std::max(decimals, length->decimals) : decimals;
}

// The block's position from its measurements, or why there is none.
struct Computed {
    std::optional<Position> position;
    std::string_view why;
    int decimals = 3;
};

Computed compute(const Block& b, const Station& station)
{
    Computed c;
    if (b.hasDirection && !b.hz) return {std::nullopt, kBadDirection};
    if (b.hasZenith && !b.v) return {std::nullopt, kBadZenith};
    const bool slopeUsable = b.slope && b.v;
    if (!b.hz) return {std::nullopt, b.slope || b.horizontal ? kNoAngles : kNoDistance};
    if (!slopeUsable && !b.horizontal) return {std::nullopt, b.slope ? kNoAngles : kNoDistance};
    if (!station.placed) return {std::nullopt, kNoStation};

    double d = 0;
    std::optional<double> dh;
    if (slopeUsable) {
        // The slope distance with its zenith angle decides where a block
        // holds both distances.
        d = b.slope->metres * std::sin(*b.v);
        dh = b.slope->metres * std::cos(*b.v);
        c.decimals = finer(c.decimals, b.slope);
    } else {
        d = b.horizontal->metres;
        c.decimals = finer(c.decimals, b.horizontal);
        if (b.heightDifference) {
            dh = b.heightDifference->metres;
        } else if (b.v && std::sin(*b.v) != 0.0) {
            dh = d * std::cos(*b.v) / std::sin(*b.v);
        }
    }
    if (slopeUsable && b.heightDifference) c.decimals = finer(c.decimals, b.heightDifference);
    Position p;
    p.easting = station.easting + d * std::sin(*b.hz);
    p.northing = station.northing + d * std::cos(*b.hz);
    if (dh && station.height) {
        const double instrument = b.instrument ? b.instrument->metres : station.instrument;
        const double reflector = b.reflector ? b.reflector->metres : 0.0;
        p.height = *station.height + instrument + *dh - reflector;
        c.decimals = finer(finer(c.decimals, b.instrument), b.reflector);
    }
    c.decimals = std::max(c.decimals, station.decimals);
    c.position = p;
    return c;
}

Station stationOf(const Block& b)
{
    Station s;
    s.origin = false;
    s.placed = b.stationEasting && b.stationNorthing;
    if (!s.placed) return s;
    s.easting = b.stationEasting->metres;
    s.northing = b.stationNorthing->metres;
    s.height = b.stationHeight ? std::optional<double>(b.stationHeight->metres) : std::nullopt;
    s.instrument = b.instrument ? b.instrument->metres : 0.0;
    s.decimals = finer(finer(finer(finer(3, b.stationEasting), b.stationNorthing), b.stationHeight), b.instrument);
    return s;
}

} // namespace

std::optional<double> decodeAngle(std::string_view word, gsi::Flavour f)
{
    const std::optional<gsi::WordValue> value = gsi::wordValue(word, f);
    if (!value) return std::nullopt;
    std::optional<double> radians;
    switch (value->unitDigit) {
    case '2': radians = value->steps / kAngleSteps * kGonRadians; break;
    case '3': radians = value->steps / kAngleSteps * kDegreeRadians; break;
    case '4': radians = dmsRadians(value->steps); break;
    case '5': radians = value->steps / kMilSteps * kMilRadians; break;
    default: break;
    }
    if (radians && value->negative) *radians = -*radians;
    return radians;
}

Reduction reduceJob(std::string_view content)
{
    Reduction result;
    Station station;
    std::size_t lineNumber = 0;
    text::forEachLine(content, [&](std::string_view line) {
        ++lineNumber;
        if (line.find_first_not_of(" \t") == std::string_view::npos) return;
        const Block b = readBlock(line);
        if (b.isStation()) {
            if (!result.flavour) result.flavour = flavourOf(line);
            station = stationOf(b);
            ++result.stations;
            if (!station.placed) result.skipped.push_back({lineNumber, std::string(kBadStation)});
            return;
        }
        if (!b.hasCoordinates() && !b.hasMeasurement()) return;
        if (!b.name) {
            result.skipped.push_back({lineNumber, std::string(kNoName)});
            return;
        }
        const Computed computed = b.hasMeasurement() ? compute(b, station) : Computed{};
        ReducedPoint point;
        point.name = *b.name;
        point.code = b.code.value_or(std::string());
        point.line = lineNumber;
        point.computed = computed.position;
        if (b.hasCoordinates()) {
            point.fromInstrument = true;
            point.position = Position{b.easting->metres, b.northing->metres,
                                      b.height ? std::optional<double>(b.height->metres) : std::nullopt};
            point.decimals = finer(finer(finer(3, b.easting), b.northing), b.height);
            ++result.fromInstrument;
        } else if (computed.position) {
            point.position = *computed.position;
            point.decimals = computed.decimals;
            point.beforeStation = station.origin;
            ++result.fromMeasurements;
            if (station.origin) ++result.beforeStation;
        } else {
            result.skipped.push_back({lineNumber, std::string(computed.why)});
            return;
        }
        if (!result.flavour) result.flavour = flavourOf(line);
        result.points.push_back(std::move(point));
    });
    return result;
}

std::size_t measuredWithoutCoordinates(std::string_view content)
{
    std::size_t count = 0;
    text::forEachLine(content, [&](std::string_view line) {
        const Block b = readBlock(line);
        if (!b.isStation() && b.hasMeasurement() && !b.hasCoordinates()) ++count;
    });
    return count;
}

} // namespace harwick::reduce
