#include "language/ui_text.h"
#include "geojson/geojson.h"

#include "memory/large_buffer.h"
#include "text/text.h"

#include <array>
#include <cstdint>

namespace harwick::geojson {

namespace {

// ---- What the user reads ------------------------------------------------------


constexpr harwick::UiText kBadCrs = "the coordinate system must be given as EPSG:n, for example EPSG:25832";

constexpr harwick::UiText kNotGeoJson = "the file is not GeoJSON: it holds no FeatureCollection or Feature";
constexpr harwick::UiText kBareGeometry = "the file holds a bare geometry, not a Feature or FeatureCollection";
constexpr harwick::UiText kNoFeatures = "the FeatureCollection has no \"features\" array";
constexpr harwick::UiText kNotAFeature = "this member of \"features\" is not a Feature";
constexpr harwick::UiText kBadPosition = "a Point's coordinates must be an array of two or three numbers";
constexpr harwick::UiText kExpectedValue = "a JSON value was expected here";
constexpr harwick::UiText kExpectedKey = "a member name in double quotes was expected here";
constexpr harwick::UiText kExpectedColon = "a colon was expected after the member name";
constexpr harwick::UiText kExpectedObjectNext = "a comma or a closing brace was expected here";
constexpr harwick::UiText kExpectedArrayNext = "a comma or a closing bracket was expected here";
constexpr harwick::UiText kUnfinishedString = "the string is not closed";
constexpr harwick::UiText kControlInString = "a control character must be escaped inside a string";
constexpr harwick::UiText kBadEscape = "this backslash escape is not JSON";
constexpr harwick::UiText kBadUnicode = "this \\u escape is half a surrogate pair";
constexpr harwick::UiText kBadNumber = "this number is not written as JSON writes numbers";
constexpr harwick::UiText kTooDeep = "the values are nested too deeply";
constexpr harwick::UiText kTrailing = "there is more text after the GeoJSON object";

// ---- Writing ----------------------------------------------------------------

constexpr std::string_view kCrsPrefix = "EPSG:";
constexpr std::string_view kCrsUrnPrefix = "urn:ogc:def:crs:EPSG::";
constexpr std::size_t kMaxCrsDigits = 9;
// The bytes of a written Point feature besides its names and numbers.
constexpr std::size_t kFeatureOverhead = 110;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The EPSG code of "EPSG:n" (any case), or nothing.
std::optional<std::string_view> epsgCode(std::string_view crs)
{
    if (crs.size() <= kCrsPrefix.size() || text::toLower(crs.substr(0, kCrsPrefix.size())) != "epsg:") return {};
    std::string_view code = crs.substr(kCrsPrefix.size());
    if (code.size() > kMaxCrsDigits || code[0] == '0') return {};
    for (char c : code) {
        if (!isDigit(c)) return {};
    }
    return code;
}

// Appends number as JSON's grammar has it, keeping every digit written: a
// plus sign, blanks and leading zeros go, a bare point gets its zero.
bool appendNumber(std::string& out, std::string_view number)
{
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t')) number.remove_prefix(1);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t')) number.remove_suffix(1);
    std::size_t i = 0;
    const std::size_t n = number.size();
    bool negative = false;
    if (i < n && (number[i] == '-' || number[i] == '+')) negative = number[i++] == '-';
    std::size_t intStart = i;
    while (i < n && isDigit(number[i])) ++i;
    std::string_view whole = number.substr(intStart, i - intStart);
    std::string_view fraction;
    if (i < n && number[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < n && isDigit(number[i])) ++i;
        fraction = number.substr(fracStart, i - fracStart);
    }
    if (whole.empty() && fraction.empty()) return false;
    std::string_view exponent;
    if (i < n && (number[i] == 'e' || number[i] == 'E')) {
        const std::size_t expStart = ++i;
        if (i < n && (number[i] == '-' || number[i] == '+')) ++i;
        const std::size_t digits = i;
        while (i < n && isDigit(number[i])) ++i;
        if (i == digits) return false;
        exponent = number.substr(expStart, i - expStart);
    }
    if (i != n) return false;
    if (negative) out.push_back('-');
    whole = text::stripLeadingZeros(whole);
    out.append(whole.empty() ? "0" : whole);
    if (!fraction.empty()) {
        out.push_back('.');
        out.append(fraction);
    }
    if (!exponent.empty()) {
        out.push_back('e');
        out.append(exponent);
    }
    return true;
}

} // namespace

WriteResult write(const std::vector<points::PointRow>& rows, const WriteOptions& options)
{
    WriteResult result;
    std::string& out = result.content;
    // Escapes may still add a little.
    out.reserve(256 + points::textBytes(rows, kFeatureOverhead));
    platform::adviseLargeBuffer(out);
    out.append("{\"type\":\"FeatureCollection\",");
    out.append(text::kCrLf);
    if (!options.crs.empty()) {
        std::optional<std::string_view> code = epsgCode(options.crs);
        if (!code) return WriteResult{WriteFailure{std::string(kBadCrs), 0}, {}, 0, 0};
        out.append("\"crs\":{\"type\":\"name\",\"properties\":{\"name\":\"");
        out.append(kCrsUrnPrefix);
        out.append(*code);
        out.append("\"}},");
        out.append(text::kCrLf);
    }
    out.append("\"features\":[");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const points::PointRow& row = rows[i];
        if (row.easting.empty() || row.northing.empty()) {
            ++result.leftOut;
            continue;
        }
        if (result.written > 0) out.push_back(',');
        out.append(text::kCrLf);
        out.append("{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[");
        if (!appendNumber(out, row.easting)) return WriteResult{points::notANumber(i + 1, points::kEastingWord, row.easting), {}, 0, 0};
        out.push_back(',');
        if (!appendNumber(out, row.northing)) {
            return WriteResult{points::notANumber(i + 1, points::kNorthingWord, row.northing), {}, 0, 0};
        }
        if (!row.elevation.empty()) {
            out.push_back(',');
            if (!appendNumber(out, row.elevation)) {
                return WriteResult{points::notANumber(i + 1, points::kElevationWord, row.elevation), {}, 0, 0};
            }
        }
        out.append("]},\"properties\":{\"");
        out.append(kNameProperty);
        out.append("\":\"");
        text::appendJsonEscaped(out, row.name);
        out.append("\",\"");
        out.append(kCodeProperty);
        out.append("\":\"");
        text::appendJsonEscaped(out, row.code);
        out.append("\"}}");
        ++result.written;
    }
    out.append(text::kCrLf);
    out.append("]}");
    out.append(text::kCrLf);
    return result;
}

// ---- Reading ----------------------------------------------------------------

namespace {

// Nesting the reader follows into values it passes over; deeper files are
// refused rather than risking the stack.
constexpr int kMaxDepth = 128;

// A Point feature with its name and code takes about 140 bytes as written
// here, less with short names. Guessed low: room reserved and never filled
// costs nothing, while growing a million rows copies them all.
constexpr std::size_t kBytesPerPointGuess = 100;

struct Geometry {
    std::string type;
    bool hasCoordinates = false;
    std::size_t coordinatesAt = 0;
    std::size_t count = 0; // numbers in a flat coordinates array
    bool flat = false;     // coordinates held numbers only, or nothing
    std::array<std::string_view, 3> values;
};

struct FeatureState {
    std::string type;
    Geometry geometry;
    bool hasName = false;
    std::string name;
    std::string code;
    bool hasId = false;
    std::string id;
};

class Reader {
public:
    explicit Reader(std::string_view s) : s_(s) {}

    ReadResult run()
    {
        if (text::startsWith(s_, text::kUtf8Bom)) pos_ = text::kUtf8Bom.size();
        // A large list grows its vector once or twice rather than twenty times.
        result_.points.reserve(s_.size() / kBytesPerPointGuess);
        platform::adviseLargeBuffer(result_.points);
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != '{') {
            fail(kNotGeoJson, s_.size() == pos_ ? std::string::npos : pos_);
        } else {
            readTop();
        }
        if (!failure_) {
            skipBlanks();
            if (pos_ != s_.size()) fail(kTrailing, pos_);
        }
        if (failure_) {
            ReadResult failed;
            failed.failure = std::move(failure_);
            return failed;
        }
        return std::move(result_);
    }

private:
    void fail(std::string_view reason, std::size_t at)
    {
        if (failure_) return;
        failure_ = ReadFailure::at(s_, at, std::string(reason));
    }

    void skipBlanks()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t')) {
            ++pos_;
        }
    }

    // The next significant character, or 0 at the end.
    char peek()
    {
        skipBlanks();
        return pos_ < s_.size() ? s_[pos_] : '\0';
    }

    // Walks an object at pos_, calling member(key) with pos_ at each value;
    // member reads the value and returns false to stop.
    template <typename Member>
    bool readObject(Member&& member)
    {
        ++pos_; // '{'
        if (peek() == '}') {
            ++pos_;
            return true;
        }
        std::string key;
        while (true) {
            if (peek() != '"') return fail(kExpectedKey, pos_), false;
            if (!readString(key)) return false;
            if (peek() != ':') return fail(kExpectedColon, pos_), false;
            ++pos_;
            if (!member(key)) return false;
            const char next = peek();
            ++pos_;
            if (next == '}') return true;
            if (next != ',') return fail(kExpectedObjectNext, pos_ - 1), false;
        }
    }

    template <typename Element>
    bool readArray(Element&& element)
    {
        ++pos_; // '['
        if (peek() == ']') {
            ++pos_;
            return true;
        }
        while (true) {
            if (!element()) return false;
            const char next = peek();
            ++pos_;
            if (next == ']') return true;
            if (next != ',') return fail(kExpectedArrayNext, pos_ - 1), false;
        }
    }


    // Four hex digits at pos_, or nothing.
    std::optional<std::uint32_t> hex4()
    {
        if (s_.size() - pos_ < 4) return {};
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[pos_ + static_cast<std::size_t>(k)];
            v <<= 4;
            if (isDigit(c)) v |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f') v |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') v |= static_cast<std::uint32_t>(c - 'A' + 10);
            else return {};
        }
        pos_ += 4;
        return v;
    }

    // The string at pos_ (its opening quote), unescaped into out.
    bool readString(std::string& out)
    {
        out.clear();
        const std::size_t open = pos_++;
        std::size_t start = pos_;
        while (true) {
            while (pos_ < s_.size()) {
                const auto c = static_cast<unsigned char>(s_[pos_]);
                if (c == '"' || c == '\\' || c < 0x20) break;
                ++pos_;
            }
            if (pos_ >= s_.size()) return fail(kUnfinishedString, open), false;
            out.append(s_.substr(start, pos_ - start));
            const char c = s_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c != '\\') return fail(kControlInString, pos_), false;
            const std::size_t escape = pos_++;
            const char e = pos_ < s_.size() ? s_[pos_++] : '\0';
            switch (e) {
            case '"': out.push_back('"'); break;
            case '\\': out.push_back('\\'); break;
            case '/': out.push_back('/'); break;
            case 'b': out.push_back('\b'); break;
            case 'f': out.push_back('\f'); break;
            case 'n': out.push_back('\n'); break;
            case 'r': out.push_back('\r'); break;
            case 't': out.push_back('\t'); break;
            case 'u': {
                std::optional<std::uint32_t> cp = hex4();
                if (!cp) return fail(kBadEscape, escape), false;
                if (*cp >= 0xDC00 && *cp <= 0xDFFF) return fail(kBadUnicode, escape), false;
                if (*cp >= 0xD800 && *cp <= 0xDBFF) {
                    if (s_.substr(pos_, 2) != "\\u") return fail(kBadUnicode, escape), false;
                    pos_ += 2;
                    std::optional<std::uint32_t> low = hex4();
                    if (!low || *low < 0xDC00 || *low > 0xDFFF) return fail(kBadUnicode, escape), false;
                    *cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
                }
                text::appendUtf8(out, *cp);
                break;
            }
            default: return fail(kBadEscape, escape), false;
            }
            start = pos_;
        }
    }

    // The number at pos_ as its text, checked against JSON's grammar.
    std::optional<std::string_view> readNumber()
    {
        const std::size_t start = pos_;
        const std::size_t n = s_.size();
        auto digits = [&] {
            const std::size_t from = pos_;
            while (pos_ < n && isDigit(s_[pos_])) ++pos_;
            return pos_ - from;
        };
        if (pos_ < n && s_[pos_] == '-') ++pos_;
        const std::size_t wholeStart = pos_;
        const std::size_t whole = digits();
        bool ok = whole > 0 && !(whole > 1 && s_[wholeStart] == '0');
        if (ok && pos_ < n && s_[pos_] == '.') {
            ++pos_;
            ok = digits() > 0;
        }
        if (ok && pos_ < n && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < n && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            ok = digits() > 0;
        }
        if (!ok) return fail(kBadNumber, start), std::nullopt;
        return s_.substr(start, pos_ - start);
    }

    bool readWord(std::string_view word)
    {
        if (s_.substr(pos_, word.size()) != word) return fail(kExpectedValue, pos_), false;
        pos_ += word.size();
        return true;
    }

    // Any value, checked and passed over.
    bool skipValue(int depth)
    {
        if (depth > kMaxDepth) return fail(kTooDeep, pos_), false;
        std::string scratch;
        switch (peek()) {
        case '{': return readObject([&](const std::string&) { return skipValue(depth + 1); });
        case '[': return readArray([&] { return skipValue(depth + 1); });
        case '"': return readString(scratch);
        case 't': return readWord("true");
        case 'f': return readWord("false");
        case 'n': return readWord("null");
        default: return readNumber().has_value();
        }
    }

    // A property or id as a point's text: see read() for what each kind gives.
    bool readText(std::string& out, int depth)
    {
        out.clear();
        switch (peek()) {
        case '"': return readString(out);
        case 't': return readWord("true") && (out = "true", true);
        case 'f': return readWord("false") && (out = "false", true);
        case 'n': return readWord("null");
        case '{':
        case '[': return skipValue(depth);
        default: {
            std::optional<std::string_view> number = readNumber();
            if (number) out.assign(*number);
            return number.has_value();
        }
        }
    }

    bool readCoordinates(Geometry& g, int depth)
    {
        g.hasCoordinates = true;
        g.coordinatesAt = pos_;
        g.count = 0;
        g.flat = false;
        if (peek() != '[') return skipValue(depth);
        const std::size_t open = pos_++;
        const char first = peek();
        pos_ = open;
        if (first == '[') return skipValue(depth);
        g.flat = true;
        return readArray([&] {
            const char c = peek();
            if (c != '-' && !isDigit(c)) return fail(kBadPosition, pos_), false;
            std::optional<std::string_view> number = readNumber();
            if (!number) return false;
            if (g.count < g.values.size()) g.values[g.count] = *number;
            ++g.count;
            return true;
        });
    }

    bool readGeometry(Geometry& g, int depth)
    {
        g = Geometry{};
        if (peek() != '{') return skipValue(depth);
        return readObject([&](const std::string& key) {
            if (key == "type") return readText(g.type, depth + 1);
            if (key == "coordinates") return readCoordinates(g, depth + 1);
            return skipValue(depth + 1);
        });
    }

    bool readProperties(FeatureState& f, int depth)
    {
        if (peek() != '{') return skipValue(depth);
        return readObject([&](const std::string& key) {
            if (key == kNameProperty) {
                f.hasName = true;
                return readText(f.name, depth + 1);
            }
            if (key == kCodeProperty) return readText(f.code, depth + 1);
            return skipValue(depth + 1);
        });
    }

    // A member of a Feature; false only on a failure.
    bool featureMember(FeatureState& f, const std::string& key, int depth)
    {
        if (key == "type") return readText(f.type, depth);
        if (key == "geometry") return readGeometry(f.geometry, depth);
        if (key == "properties") return readProperties(f, depth);
        if (key == "id") {
            f.hasId = true;
            return readText(f.id, depth);
        }
        return skipValue(depth);
    }

    // Takes a finished Feature's point, or counts it passed over.
    bool finishFeature(FeatureState& f, std::size_t at)
    {
        if (f.type != "Feature") return fail(kNotAFeature, at), false;
        const Geometry& g = f.geometry;
        if (g.type != "Point" || !g.hasCoordinates || (g.flat && g.count == 0)) {
            ++result_.nonPointFeatures;
            return true;
        }
        if (!g.flat || g.count < 2) return fail(kBadPosition, g.coordinatesAt), false;
        points::PointRow row;
        row.name = f.hasName ? std::move(f.name) : std::move(f.id);
        row.code = std::move(f.code);
        row.easting.assign(g.values[0]);
        row.northing.assign(g.values[1]);
        if (g.count >= 3) row.elevation.assign(g.values[2]);
        result_.points.push_back(std::move(row));
        return true;
    }

    bool readFeatures(int depth)
    {
        if (peek() != '[') return fail(kNoFeatures, pos_), false;
        FeatureState f;
        return readArray([&] {
            const std::size_t at = pos_;
            if (peek() != '{') return fail(kNotAFeature, at), false;
            f.type.clear();
            f.geometry = Geometry{};
            f.hasName = f.hasId = false;
            f.name.clear();
            f.code.clear();
            f.id.clear();
            if (!readObject([&](const std::string& key) { return featureMember(f, key, depth + 1); })) return false;
            return finishFeature(f, at);
        });
    }

    bool readCrs(int depth)
    {
        if (peek() != '{') return skipValue(depth);
        return readObject([&](const std::string& key) {
            if (key != "properties" || peek() != '{') return skipValue(depth + 1);
            return readObject([&](const std::string& inner) {
                if (inner != "name") return skipValue(depth + 2);
                if (!readText(result_.crs, depth + 2)) return false;
                if (text::startsWith(result_.crs, kCrsUrnPrefix)) {
                    result_.crs = text::concat({kCrsPrefix, std::string_view(result_.crs).substr(kCrsUrnPrefix.size())});
                }
                return true;
            });
        });
    }

    void readTop()
    {
        const std::size_t at = pos_;
        FeatureState top;
        bool hasFeatures = false;
        const bool read = readObject([&](const std::string& key) {
            if (key == "features") {
                hasFeatures = true;
                return readFeatures(1);
            }
            if (key == "crs") return readCrs(1);
            return featureMember(top, key, 1);
        });
        if (!read) return;
        if (top.type == "FeatureCollection") {
            if (!hasFeatures) fail(kNoFeatures, at);
        } else if (top.type == "Feature") {
            result_.points.clear();
            result_.nonPointFeatures = 0;
            finishFeature(top, at);
        } else if (top.type == "Point" || top.type == "MultiPoint" || top.type == "LineString" ||
                   top.type == "MultiLineString" || top.type == "Polygon" || top.type == "MultiPolygon" ||
                   top.type == "GeometryCollection") {
            fail(kBareGeometry, at);
        } else {
            fail(kNotGeoJson, at);
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::optional<ReadFailure> failure_;
    ReadResult result_;
};

} // namespace

ReadResult read(std::string_view content) { return Reader(content).run(); }

bool looksLikeGeoJson(std::string_view content)
{
    constexpr std::size_t kLookAhead = 4096;
    if (text::startsWith(content, text::kUtf8Bom)) content.remove_prefix(text::kUtf8Bom.size());
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || content[first] != '{') return false;
    const std::string_view head = content.substr(first, kLookAhead);
    return text::contains(head, "\"type\"") &&
           (text::contains(head, "\"FeatureCollection\"") || text::contains(head, "\"Feature\""));
}

} // namespace harwick::geojson
