#include "dxf_export.h"

#include "coordinate_lists.h"
#include "line_counts.h"
#include "cable_messages.h"

#include "text/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace cablemate {

namespace {

namespace txt = harwick::text;

// Group codes, right-aligned in three characters.
constexpr std::string_view kCode0 = "  0";
constexpr std::string_view kCode1 = "  1";
constexpr std::string_view kCode2 = "  2";
constexpr std::string_view kCode6 = "  6";
constexpr std::string_view kCode8 = "  8";
constexpr std::string_view kCode9 = "  9";
constexpr std::string_view kCode10 = " 10";
constexpr std::string_view kCode20 = " 20";
constexpr std::string_view kCode30 = " 30";
constexpr std::string_view kCode40 = " 40";
constexpr std::string_view kCode62 = " 62";
constexpr std::string_view kCode70 = " 70";

constexpr std::string_view kSection = "SECTION";
constexpr std::string_view kEndSection = "ENDSEC";
constexpr std::string_view kHeader = "HEADER";
constexpr std::string_view kTables = "TABLES";
constexpr std::string_view kTable = "TABLE";
constexpr std::string_view kEndTable = "ENDTAB";
constexpr std::string_view kLayer = "LAYER";
constexpr std::string_view kBlocks = "BLOCKS";
constexpr std::string_view kEntities = "ENTITIES";
constexpr std::string_view kEndOfFile = "EOF";
constexpr std::string_view kExtMin = "$EXTMIN";
constexpr std::string_view kExtMax = "$EXTMAX";
constexpr std::string_view kLimMin = "$LIMMIN";
constexpr std::string_view kLimMax = "$LIMMAX";
constexpr std::string_view kPoint = "POINT";
constexpr std::string_view kText = "TEXT";
constexpr std::string_view kLayerFlags = "64";
constexpr std::string_view kLineType = "CONTINUOUS";

constexpr std::string_view kPointLayer = "Point";
constexpr std::string_view kNameLayer = "PointNumber";
constexpr std::string_view kLevelLayer = "Level";
constexpr std::string_view kCodeLayer = "Code";

struct LayerEntry {
    std::string_view name;
    std::string_view colour;
};
// "Code" is declared for drawings that want it; nothing is put on it.
constexpr std::array<LayerEntry, 4> kLayers{{
    {kPointLayer, "7"},
    {kNameLayer, "2"},
    {kLevelLayer, "3"},
    {kCodeLayer, "4"},
}};

constexpr std::string_view kNameHeight = " 0";
constexpr std::string_view kLevelHeight = " 0.1";
constexpr std::string_view kLevelElevation = "0";
constexpr char kPlus = '+';
constexpr char kMinus = '-';
constexpr char kDecimalPoint = '.';
constexpr char kFieldSeparator = ',';
constexpr int kLabelDecimals = 4;

// Roughly what one point's 38 lines take, to reserve the text once.
constexpr std::size_t kBytesPerPoint = 420;
constexpr std::size_t kFixedBytes = 1024;

void line(std::string& out, std::string_view text)
{
    out.append(text);
    out.append(txt::kCrLf);
}

void pair(std::string& out, std::string_view code, std::string_view value)
{
    line(out, code);
    line(out, value);
}

void fixedPair(std::string& out, std::string_view code, double value)
{
    line(out, code);
    txt::appendFixed(out, value, kLabelDecimals);
    out.append(txt::kCrLf);
}

// "%d" of a whole number, held in the range "%d" can print.
std::string wholeNumber(double value)
{
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    return std::to_string(static_cast<int>(std::clamp(std::trunc(value), kLow, kHigh)));
}

// The leading decimal integer of a field, as an integer reading of it gives:
// blanks skipped, optional sign, digits up to the first other character; held
// in the int range instead of running over.
int leadingInteger(std::string_view s)
{
    std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    const bool negative = s[i] == kMinus;
    if (s[i] == kMinus || s[i] == kPlus) ++i;
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) value = std::min(value * 10 + (s[i] - '0'), kLimit);
    value = negative ? -value : std::min<long long>(value, std::numeric_limits<int>::max());
    return static_cast<int>(value);
}

// A coordinate for its 14-byte slot: a longer one may lose trailing decimals
// only; nothing when the cut would change the number's magnitude.
std::optional<std::string> fitCoordinate(std::string_view field)
{
    if (field.size() <= kCoordinateSlot) return std::string(field);
    const std::string_view kept = field.substr(0, kCoordinateSlot);
    const std::string_view dropped = field.substr(kCoordinateSlot);
    const bool keptHasPoint = kept.find(kDecimalPoint) != std::string_view::npos;
    const bool keptHasExponent = kept.find_first_of("eE") != std::string_view::npos;
    const bool droppedDigitsOnly = dropped.find_first_not_of("0123456789") == std::string_view::npos;
    if (!keptHasPoint || keptHasExponent || !droppedDigitsOnly) return std::nullopt;
    return std::string(kept);
}

// A point's coordinates as numbers, read once for the extents and the labels.
struct Position {
    double e, n, z;
};

// The point lines as the table, or the message that refuses the export.
std::string_view readPoints(std::string_view editor, std::size_t n, CoordinateTable& table,
                            std::vector<Position>& positions)
{
    table.reserve(n);
    positions.reserve(n);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::optional<std::string_view> text = NextCrLfLine(editor, pos);
        const auto f = text ? SplitPointLine(*text) : std::nullopt;
        // Exactly four commas: a fifth would put two numbers in one elevation.
        if (!f || (*f)[4].find(kFieldSeparator) != std::string_view::npos) return kInvalidKard300Format;
        for (const std::string_view field : *f) {
            if (field.size() > kDxfFieldLimit) return kTransformFailed;
        }
        std::optional<std::string> e = fitCoordinate((*f)[2]), nn = fitCoordinate((*f)[3]), z = fitCoordinate((*f)[4]);
        if (!e || !nn || !z) return kTransformFailed;
        table.push_back({std::string(FitSlot((*f)[0], kCoordinateSlot)), std::string(FitSlot((*f)[1], kCoordinateSlot)),
                         std::move(*e), std::move(*nn), std::move(*z)});
        const CoordinateRecord& r = table.back();
        positions.push_back({txt::readNumber(r.c1), txt::readNumber(r.c2), txt::readNumber(r.c3)});
    }
    return {};
}

struct Extents {
    double minE = 0, minN = 0, minZ = 0, maxE = 0, maxN = 0, maxZ = 0;
};

Extents extentsOf(const std::vector<Position>& positions)
{
    Extents x;
    bool first = true;
    for (const auto& [e, n, z] : positions) {
        if (first) {
            x = {e, n, z, e, n, z};
            first = false;
            continue;
        }
        x.minE = std::min(x.minE, e), x.minN = std::min(x.minN, n), x.minZ = std::min(x.minZ, z);
        x.maxE = std::max(x.maxE, e), x.maxN = std::max(x.maxN, n), x.maxZ = std::max(x.maxZ, z);
    }
    return x;
}

void appendHeader(std::string& out, const Extents& x)
{
    pair(out, kCode0, kSection);
    pair(out, kCode2, kHeader);
    for (const auto& [name, e, n, z] : {std::tuple{kExtMin, x.minE, x.minN, x.minZ},
                                        std::tuple{kExtMax, x.maxE, x.maxN, x.maxZ}}) {
        pair(out, kCode9, name);
        pair(out, kCode10, wholeNumber(e));
        pair(out, kCode20, wholeNumber(n));
        pair(out, kCode30, wholeNumber(z));
    }
    for (const auto& [name, e, n] : {std::tuple{kLimMin, x.minE, x.minN}, std::tuple{kLimMax, x.maxE, x.maxN}}) {
        pair(out, kCode9, name);
        pair(out, kCode10, wholeNumber(e));
        pair(out, kCode20, wholeNumber(n));
    }
    pair(out, kCode0, kEndSection);
}

void appendTablesAndBlocks(std::string& out)
{
    pair(out, kCode0, kSection);
    pair(out, kCode2, kTables);
    pair(out, kCode0, kTable);
    pair(out, kCode2, kLayer);
    pair(out, kCode70, std::to_string(kLayers.size()));
    for (const LayerEntry& layer : kLayers) {
        pair(out, kCode0, kLayer);
        pair(out, kCode2, layer.name);
        pair(out, kCode70, kLayerFlags);
        pair(out, kCode62, layer.colour);
        pair(out, kCode6, kLineType);
    }
    pair(out, kCode0, kEndTable);
    pair(out, kCode0, kEndSection);
    pair(out, kCode0, kSection);
    pair(out, kCode2, kBlocks);
    pair(out, kCode0, kEndSection);
}

// The elevation with four decimals and its sign; zero counts as positive.
void appendSignedLevel(std::string& out, double z)
{
    out.push_back(z < 0 ? kMinus : kPlus);
    txt::appendFixed(out, std::fabs(z), kLabelDecimals);
    out.append(txt::kCrLf);
}

void appendPoint(std::string& out, const CoordinateRecord& r, const Position& at)
{
    pair(out, kCode0, kPoint);
    pair(out, kCode8, kPointLayer);
    pair(out, kCode10, std::to_string(leadingInteger(r.c1)));
    pair(out, kCode20, std::to_string(leadingInteger(r.c2)));
    pair(out, kCode30, std::to_string(leadingInteger(r.c3)));

    const auto& [e, n, z] = at;
    pair(out, kCode0, kText);
    pair(out, kCode8, kNameLayer);
    fixedPair(out, kCode10, e);
    fixedPair(out, kCode20, n);
    fixedPair(out, kCode30, z);
    pair(out, kCode40, kNameHeight);
    pair(out, kCode1, FitSlot(r.name, kNameLabelWidth));

    pair(out, kCode0, kText);
    pair(out, kCode8, kLevelLayer);
    fixedPair(out, kCode10, e);
    fixedPair(out, kCode20, n);
    pair(out, kCode30, kLevelElevation);
    pair(out, kCode40, kLevelHeight);
    line(out, kCode1);
    appendSignedLevel(out, z);
}

} // namespace

DxfResult ExportDxf(std::string_view editor)
{
    DxfResult result;
    // Every line counts, the last one too when nothing ends it.
    std::string storage;
    const std::string_view text = txt::withCrLfLineEnds(editor, storage);
    const std::size_t n = CountKardLines(text);
    if (n == 0) {
        result.message = kInvalidKard300Format;
        return result;
    }
    CoordinateTable table;
    std::vector<Position> positions;
    result.message = readPoints(text, n, table, positions);
    if (!result.message.empty()) return result;

    std::string out;
    out.reserve(kFixedBytes + table.size() * kBytesPerPoint);
    appendHeader(out, extentsOf(positions));
    appendTablesAndBlocks(out);
    pair(out, kCode0, kSection);
    pair(out, kCode2, kEntities);
    for (std::size_t i = 0; i < table.size(); ++i) appendPoint(out, table[i], positions[i]);
    pair(out, kCode0, kEndSection);
    pair(out, kCode0, kEndOfFile);

    result.text = std::move(out);
    result.table = std::move(table);
    return result;
}

} // namespace cablemate
