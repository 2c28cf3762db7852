#include "language/ui_text.h"
#include "dxf/dxf.h"

#include "dxf_out.h"
#include "names.h"
#include "memory/large_buffer.h"
#include "text/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

namespace harwick::dxf {

namespace {

namespace word = drawmap::word;

// ---- What the user reads ------------------------------------------------------

constexpr harwick::UiText kBadTextHeight = "the text height must be a positive number";
constexpr harwick::UiText kCodeOnLayerBefore = "the code \"";
constexpr harwick::UiText kCodeOnLayerMiddle = "\" is drawn on layer \"";
constexpr std::string_view kCodeOnLayerAfter = "\"";
constexpr harwick::UiText kNoCodeAfter = "\", the layer of points without a code";
constexpr harwick::UiText kSharedLayerBefore = "codes that differ only in letter case share layer \"";
constexpr harwick::UiText kNameTooLongBefore = "the name of row ";
constexpr harwick::UiText kNameTooLongAfter = " is too long for a label and is not shown";

constexpr harwick::UiText kBinary = "this is a binary drawing: save it as an ASCII DXF drawing to read it";
constexpr harwick::UiText kNotDxf = "the file is not a DXF drawing: it does not start with a SECTION";
constexpr harwick::UiText kNoEntities = "the drawing has no ENTITIES section";
constexpr harwick::UiText kBadCode = "a group code (a whole number) was expected here";
constexpr harwick::UiText kCutOff = "the drawing ends between a group code and its value";
constexpr harwick::UiText kBadValue = "this coordinate is not a number";

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";

// ---- Numbers ---------------------------------------------------------------------

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The whole text as a finite number, with an optional sign.
std::optional<double> number(std::string_view s)
{
    s = trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// A list's decimals are those of its most precise coordinate as the drawing
// wrote it, up to a micrometre (other programs' arithmetic leaves long
// tails); the drawing's own texts are kept where they are plain decimals, so
// no digit changes on the way.
constexpr int kMostDecimals = 6;

// A coordinate as the drawing wrote it: its value and, where its text is a
// plain decimal, how many decimals that has.
constexpr std::int8_t kNotPlain = -1;

struct Coordinate {
    double value = 0;
    std::int8_t plain = 0;
};

std::optional<Coordinate> coordinate(std::string_view s)
{
    s = trimmed(s);
    const std::optional<text::PlainDecimal> plain = text::plainDecimal(s);
    const auto decimals = [&] { return static_cast<std::int8_t>(std::min(plain->decimals, int{INT8_MAX})); };
    if (plain && plain->value) return Coordinate{*plain->value, decimals()};
    const std::optional<double> value = number(s);
    if (!value) return std::nullopt;
    return Coordinate{*value, plain ? decimals() : kNotPlain};
}

// A list's coordinate as a number, by the quick reading where it is a plain
// decimal.
std::optional<double> valueOf(std::string_view s)
{
    const std::optional<Coordinate> c = coordinate(s);
    if (!c) return std::nullopt;
    return c->value;
}

int decimalsOf(double value, std::int8_t plain)
{
    if (plain != kNotPlain) return std::min<int>(plain, kMostDecimals);
    std::array<char, 400> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (ec != std::errc()) return kMostDecimals;
    const std::string_view fixed(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = fixed.find('.');
    if (point == std::string_view::npos) return 0;
    return static_cast<int>(std::min<std::size_t>(fixed.size() - point - 1, kMostDecimals));
}

// The coordinate's text with exactly decimals decimals: its own text with
// zeros added where that is a plain decimal with no more, else printed afresh.
void fixDecimals(std::string& text, double value, std::int8_t plain, int decimals)
{
    if (plain == kNotPlain || plain > decimals) {
        text = text::formatFixed(value, decimals);
        return;
    }
    if (plain == 0 && decimals > 0) text.push_back('.');
    text.append(static_cast<std::size_t>(decimals - plain), '0');
}

// ---- Label text --------------------------------------------------------------------
// Drawings hold 8-bit text; characters beyond ASCII, and control characters
// that would break the file's lines, are written as \U+XXXX, which CAD and
// GIS programs show as the character.

constexpr std::string_view kUnicodeEscape = "\\U+";
constexpr std::size_t kEscapeDigits = 4;

void appendEscape(std::string& out, std::uint32_t codePoint)
{
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    if (codePoint > 0xFFFF) {
        // Beyond four digits the escape has no form; a surrogate pair is what
        // the readers that know it expect.
        const std::uint32_t v = codePoint - 0x10000;
        appendEscape(out, 0xD800 + (v >> 10));
        appendEscape(out, 0xDC00 + (v & 0x3FF));
        return;
    }
    out.append(kUnicodeEscape);
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(codePoint >> shift) & 0xF]);
}

// The UTF-8 sequence at s[i], or nothing when the bytes are not UTF-8.
std::optional<std::pair<std::uint32_t, std::size_t>> utf8At(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    std::uint32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + length > s.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    return std::pair{value, length};
}

std::string labelText(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(name[i++]);
        } else if (c < 0x80) {
            appendEscape(out, c);
            ++i;
        } else if (const auto sequence = utf8At(name, i)) {
            appendEscape(out, sequence->first);
            i += sequence->second;
        } else {
            // Not UTF-8: an 8-bit character the drawing carries as it is.
            out.push_back(name[i++]);
        }
    }
    return out;
}

std::optional<std::uint32_t> hexAt(std::string_view s, std::size_t i)
{
    if (i + kEscapeDigits > s.size()) return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(s.data() + i, s.data() + i + kEscapeDigits, value, 16);
    if (ec != std::errc() || end != s.data() + i + kEscapeDigits) return std::nullopt;
    return value;
}

std::string fromLabelText(std::string_view label)
{
    std::string out;
    out.reserve(label.size());
    for (std::size_t i = 0; i < label.size();) {
        const bool escape = label[i] == '\\' && i + 2 < label.size() && (label[i + 1] == 'U' || label[i + 1] == 'u') &&
                            label[i + 2] == '+';
        const std::optional<std::uint32_t> value = escape ? hexAt(label, i + kUnicodeEscape.size()) : std::nullopt;
        if (!value) {
            out.push_back(label[i++]);
            continue;
        }
        i += kUnicodeEscape.size() + kEscapeDigits;
        std::uint32_t codePoint = *value;
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && label.substr(i, kUnicodeEscape.size()) == kUnicodeEscape) {
            if (const auto low = hexAt(label, i + kUnicodeEscape.size()); low && *low >= 0xDC00 && *low <= 0xDFFF) {
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (*low - 0xDC00);
                i += kUnicodeEscape.size() + kEscapeDigits;
            }
        }
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) codePoint = 0xFFFD;
        text::appendUtf8(out, codePoint);
    }
    return out;
}

// ---- Reading -----------------------------------------------------------------------

struct Group {
    int code = 0;
    std::string_view value;
    std::size_t line = 0; // of the value
};

// Labels are found by place, to a micrometre so that a label written with
// fewer decimals than its point still meets it, and by layer.
constexpr double kKeyScale = 1e6;

struct PlaceKey {
    std::uint32_t layer = 0;
    long long x = 0;
    long long y = 0;
    bool operator==(const PlaceKey&) const = default;
};

struct PlaceHash {
    std::size_t operator()(const PlaceKey& k) const noexcept
    {
        std::uint64_t h = k.layer;
        h = h * 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(k.x);
        h = h * 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(k.y);
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

PlaceKey keyOf(std::uint32_t layer, Place place)
{
    return {layer, std::llround(place.x * kKeyScale), std::llround(place.y * kKeyScale)};
}

// The labels at each place, in file order: a point takes the first not yet
// taken, so two points at one place get their own names.
class LabelIndex {
public:
    struct Label {
        std::string text;
        double height = 0;
        std::uint32_t next = kNone;
    };

    void add(PlaceKey key, std::string text, double height)
    {
        const auto index = static_cast<std::uint32_t>(labels_.size());
        labels_.push_back({std::move(text), height, kNone});
        auto [at, isNew] = places_.try_emplace(key, Chain{index, index});
        if (!isNew) {
            labels_[at->second.last].next = index;
            at->second.last = index;
        }
    }

    // The first label at key not yet taken; nothing when none is left.
    const Label* peek(PlaceKey key) const
    {
        const auto at = places_.find(key);
        if (at == places_.end() || at->second.first == kNone) return nullptr;
        return &labels_[at->second.first];
    }

    std::optional<Label> take(PlaceKey key)
    {
        const auto at = places_.find(key);
        if (at == places_.end() || at->second.first == kNone) return std::nullopt;
        Label& label = labels_[at->second.first];
        at->second.first = label.next;
        return std::move(label);
    }

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    struct Chain {
        std::uint32_t first;
        std::uint32_t last;
    };
    std::vector<Label> labels_;
    std::unordered_map<PlaceKey, Chain, PlaceHash> places_;
};

// A point as the first pass found it: what matching its labels and settling
// its decimals needs. Its texts are already in its row.
struct FoundPoint {
    double x = 0;
    double y = 0;
    double z = 0;
    double nameHeight = 0;
    std::uint32_t layer = 0;
    std::int8_t xPlain = 0;
    std::int8_t yPlain = 0;
    std::int8_t zPlain = 0;
    bool named = false;
    bool elevationShown = false;
};

// A group code: a whole number, read here without the general reader for
// the short codes that make up nearly every line of a drawing.
std::optional<int> groupCode(std::string_view digits)
{
    constexpr std::size_t kShortCode = 4;
    if (!digits.empty() && digits.size() <= kShortCode &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int code = 0;
        for (const char c : digits) code = code * 10 + (c - '0');
        return code;
    }
    int code = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return code;
}

class GroupReader {
public:
    explicit GroupReader(std::string_view content) : content_(content) {}

    // The next group; nothing at the end of the content. A fault stops it.
    std::optional<Group> next()
    {
        std::string_view codeLine;
        std::size_t codeLineNumber = 0;
        // Blank lines between groups are passed over, as lenient readers do.
        do {
            if (pos_ >= content_.size()) return std::nullopt;
            codeLine = takeLine();
            codeLineNumber = line_;
        } while (trimmed(codeLine).empty());
        const std::optional<int> code = groupCode(trimmed(codeLine));
        if (!code) {
            fault_ = ReadFailure{std::string(kBadCode), codeLineNumber, 1};
            return std::nullopt;
        }
        if (pos_ >= content_.size()) {
            fault_ = ReadFailure{std::string(kCutOff), codeLineNumber, 1};
            return std::nullopt;
        }
        const std::string_view value = takeLine();
        return Group{*code, value, line_};
    }

    const std::optional<ReadFailure>& fault() const { return fault_; }

private:
    // Lines end as in every list the suite reads: CR LF, LF or a lone CR.
    std::string_view takeLine()
    {
        ++line_;
        return text::nextTextLine(content_, pos_).body;
    }

    std::string_view content_;
    std::size_t pos_ = 0;
    std::size_t line_ = 0;
    std::optional<ReadFailure> fault_;
};

// The value, without its blanks, is the word in any letter case.
bool is(std::string_view value, std::string_view word)
{
    value = trimmed(value);
    if (value.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(value[i]) != lower(word[i])) return false;
    }
    return true;
}

} // namespace

Place namePlace(double x, double y)
{
    return {x + kLabelOffset, y + kLabelOffset};
}

Place elevationPlace(double x, double y, double textHeight)
{
    return {x + kLabelOffset, y + kLabelOffset - kElevationLineSpacing * textHeight};
}

std::string layerOf(std::string_view code)
{
    if (code.empty()) return std::string(kNoCodeLayer);
    std::string layer;
    for (const char c : code.substr(0, drawmap::kMaxNameLength)) {
        if (c >= 'a' && c <= 'z') {
            layer.push_back(static_cast<char>(c - 'a' + 'A'));
        } else {
            const bool allowed = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '$' || c == '-' || c == '_';
            layer.push_back(allowed ? c : '_');
        }
    }
    return layer;
}

std::optional<double> parseTextHeight(std::string_view s)
{
    const std::optional<double> height = number(s);
    if (!height || *height <= 0) return std::nullopt;
    return height;
}

Planned plan(const std::vector<points::PointRow>& rows, double textHeight)
{
    Planned result;
    if (!std::isfinite(textHeight) || textHeight <= 0) {
        result.failure = points::RowFault{std::string(kBadTextHeight), 0};
        return result;
    }
    Drawing& drawing = result.drawing;
    drawing.textHeight = textHeight;
    drawing.marks.reserve(rows.size());
    platform::adviseLargeBuffer(drawing.marks);
    std::map<std::string, std::string, std::less<>> layerOfCode;
    std::map<std::string, std::set<std::string>, std::less<>> codesOfLayer;
    const auto fail = [&](points::RowFault fault) {
        Planned failed;
        failed.failure = std::move(fault);
        return failed;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const points::PointRow& row = rows[i];
        if (row.easting.empty() || row.northing.empty()) {
            ++result.leftOut;
            continue;
        }
        Mark mark;
        const std::optional<double> x = valueOf(row.easting);
        if (!x) return fail(points::notANumber(i + 1, points::kEastingWord, row.easting));
        const std::optional<double> y = valueOf(row.northing);
        if (!y) return fail(points::notANumber(i + 1, points::kNorthingWord, row.northing));
        mark.x = *x;
        mark.y = *y;
        if (!row.elevation.empty()) {
            const std::optional<double> z = valueOf(row.elevation);
            if (!z) return fail(points::notANumber(i + 1, points::kElevationWord, row.elevation));
            mark.z = *z;
            mark.elevation = text::formatFixed(*z, 4);
        }
        auto known = layerOfCode.find(row.code);
        if (known == layerOfCode.end()) {
            known = layerOfCode.emplace(row.code, layerOf(row.code)).first;
            if (known->second != kNoCodeLayer && codesOfLayer[known->second].empty()) drawing.layers.push_back(known->second);
            codesOfLayer[known->second].insert(row.code);
        }
        mark.layer = known->second;
        mark.name = labelText(row.name);
        if (mark.name.size() > drawmap::kMaxTextLength) {
            result.losses.push_back(text::concat({kNameTooLongBefore, std::to_string(i + 1), kNameTooLongAfter}));
            mark.name.clear();
        }
        drawing.marks.push_back(std::move(mark));
        ++result.written;
    }
    for (const auto& [code, layer] : layerOfCode) {
        if (code.empty()) continue;
        if (layer == kNoCodeLayer) {
            // The code 0 is the layer of points without one: read back, it is gone.
            result.losses.push_back(text::concat({kCodeOnLayerBefore, code, kCodeOnLayerMiddle, layer, kNoCodeAfter}));
        } else if (text::toLower(code) != text::toLower(layer)) {
            result.losses.push_back(text::concat({kCodeOnLayerBefore, code, kCodeOnLayerMiddle, layer, kCodeOnLayerAfter}));
        }
    }
    for (const auto& [layer, codes] : codesOfLayer) {
        std::set<std::string> exact;
        for (const std::string& code : codes) {
            if (text::toLower(code) == text::toLower(layer)) exact.insert(code);
        }
        if (exact.size() > 1) result.losses.push_back(text::concat({kSharedLayerBefore, layer, kCodeOnLayerAfter}));
    }
    return result;
}

bool looksLikeDxf(std::string_view content)
{
    if (text::startsWith(content, kBinarySentinel)) return true;
    GroupReader reader(content.substr(0, 256));
    const std::optional<Group> first = reader.next();
    return first && first->code == drawmap::kStart && is(first->value, word::kSection);
}

ReadResult read(std::string_view content, int leastDecimals)
{
    ReadResult result;
    const auto failed = [](ReadFailure failure) {
        ReadResult r;
        r.failure = std::move(failure);
        return r;
    };
    if (text::startsWith(content, kBinarySentinel)) return failed(ReadFailure{std::string(kBinary), 0, 0});
    if (!looksLikeDxf(content)) return failed(ReadFailure{std::string(kNotDxf), 0, 0});

    GroupReader reader(content);
    std::vector<FoundPoint> found;
    // A point with its two labels takes some 250 bytes, or less with short
    // texts. Room reserved and never filled costs nothing; growing a
    // vector of a million rows costs a copy of them all.
    const std::size_t expected = content.size() / 160;
    found.reserve(expected);
    platform::adviseLargeBuffer(found);
    std::vector<points::PointRow>& rows = result.points;
    rows.reserve(expected);
    platform::adviseLargeBuffer(rows);
    LabelIndex labels;
    // Layer names, each once.
    std::vector<std::string> layerNames;
    std::unordered_map<std::string, std::uint32_t> layerIds;
    std::uint32_t lastLayer = 0;
    const auto layerId = [&](std::string_view name) {
        // Points come in runs on one layer.
        if (lastLayer < layerNames.size() && layerNames[lastLayer] == name) return lastLayer;
        const auto [at, isNew] = layerIds.try_emplace(std::string(name), static_cast<std::uint32_t>(layerNames.size()));
        if (isNew) layerNames.emplace_back(name);
        lastLayer = at->second;
        return at->second;
    };
    bool sawEntities = false;
    bool inEntities = false;
    bool expectSectionName = false;
    // The entity being gathered: its type and the values that matter.
    // Views into content, which outlives them.
    enum class Kind { Point, Text, Other };
    Kind kind = Kind::Other;
    std::string_view type;
    std::string_view layer = kNoCodeLayer;
    constexpr std::string_view kZero = "0";
    Coordinate x, y, z;
    double height = 0;
    std::string_view xText, yText, zText;
    std::string_view label;
    const auto finish = [&] {
        if (!inEntities) return;
        if (kind == Kind::Point) {
            const std::uint32_t id = layerId(layer);
            found.push_back({x.value, y.value, z.value, 0, id, x.plain, y.plain, z.plain, false, false});
            points::PointRow& row = rows.emplace_back();
            row.easting = xText;
            row.northing = yText;
            row.elevation = zText;
            if (!is(layer, kNoCodeLayer)) row.code = layerNames[id];
        } else if (kind == Kind::Text) {
            const std::uint32_t id = layerId(layer);
            const PlaceKey at = keyOf(id, {x.value, y.value});
            // Labels written right after their point, as ours are, need no search.
            if (!found.empty() && found.back().layer == id) {
                FoundPoint& last = found.back();
                if (!last.named && at == keyOf(id, namePlace(last.x, last.y))) {
                    rows.back().name = fromLabelText(label);
                    last.named = true;
                    last.nameHeight = height;
                    return;
                }
                if (last.named && !last.elevationShown && last.nameHeight > 0 &&
                    at == keyOf(id, elevationPlace(last.x, last.y, last.nameHeight))) {
                    last.elevationShown = true;
                    return;
                }
            }
            labels.add(at, fromLabelText(label), height);
        }
    };
    while (const std::optional<Group> group = reader.next()) {
        if (group->code == drawmap::kStart) {
            finish();
            type = trimmed(group->value);
            kind = is(type, word::kPoint) ? Kind::Point : is(type, word::kTextEntity) ? Kind::Text : Kind::Other;
            layer = kNoCodeLayer;
            x = y = z = Coordinate{};
            height = 0;
            xText = yText = zText = kZero;
            label = {};
            expectSectionName = false;
            if (kind != Kind::Other) continue;
            if (is(type, word::kEndSection)) inEntities = false;
            if (is(type, word::kEof)) break;
            expectSectionName = is(type, word::kSection);
            continue;
        }
        if (expectSectionName && group->code == drawmap::kName) {
            inEntities = is(group->value, word::kEntities);
            sawEntities = sawEntities || inEntities;
            expectSectionName = false;
            type = {};
            kind = Kind::Other;
            continue;
        }
        // Only points and their labels are read; other entities, whatever
        // they hold, are passed over.
        if (!inEntities || kind == Kind::Other) continue;
        const auto readCoordinate = [&](Coordinate& slot, std::string_view& written) -> bool {
            const std::optional<Coordinate> c = coordinate(group->value);
            if (!c) return false;
            slot = *c;
            written = trimmed(group->value);
            return true;
        };
        bool ok = true;
        switch (group->code) {
        case drawmap::kLayerName: layer = trimmed(group->value); break;
        case drawmap::kText: label = group->value; break;
        case drawmap::kX: ok = readCoordinate(x, xText); break;
        case drawmap::kX + 10: ok = readCoordinate(y, yText); break;
        case drawmap::kX + 20: ok = kind == Kind::Text || readCoordinate(z, zText); break;
        case drawmap::kHeight:
            if (kind == Kind::Text) {
                const std::optional<double> h = number(group->value);
                ok = h.has_value();
                height = h.value_or(0);
            }
            break;
        default: break;
        }
        if (!ok) return failed(ReadFailure{std::string(kBadValue), group->line, 1});
    }
    if (reader.fault()) return failed(*reader.fault());
    finish();
    if (!sawEntities) return failed(ReadFailure{std::string(kNoEntities), 0, 0});

    int decimals = std::clamp(leastDecimals, 0, kMostDecimals);
    for (const FoundPoint& p : found) {
        decimals = std::max({decimals, decimalsOf(p.x, p.xPlain), decimalsOf(p.y, p.yPlain), decimalsOf(p.z, p.zPlain)});
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        const FoundPoint& p = found[i];
        points::PointRow& row = rows[i];
        fixDecimals(row.easting, p.x, p.xPlain, decimals);
        fixDecimals(row.northing, p.y, p.yPlain, decimals);
        bool hasElevation = p.z != 0 || p.elevationShown;
        if (!p.named) {
            if (std::optional<LabelIndex::Label> name = labels.take(keyOf(p.layer, namePlace(p.x, p.y)))) {
                row.name = std::move(name->text);
                if (!hasElevation) hasElevation = labels.peek(keyOf(p.layer, elevationPlace(p.x, p.y, name->height)));
            }
        }
        if (row.name.empty()) {
            row.name = std::to_string(i + 1);
            ++result.numbered;
        }
        if (hasElevation) {
            fixDecimals(row.elevation, p.z, p.zPlain, decimals);
        } else {
            row.elevation.clear();
        }
    }
    return result;
}

} // namespace harwick::dxf
