#include "language/ui_text.h"
#include "landxml/landxml.h"

#include "memory/large_buffer.h"
#include "gsi/gsi.h"
#include "idx/idx.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace harwick::landxml {

namespace {

// ---- What the user reads ------------------------------------------------------


constexpr harwick::UiText kControlInText = "the name or code holds a control character XML cannot carry";

constexpr harwick::UiText kNotLandXml = "the file is not LandXML: its first element is not LandXML";
constexpr harwick::UiText kNotXml = "the file is not XML: it does not start with markup";
constexpr harwick::UiText kUnknownUnitBefore = "the linear unit \"";
constexpr harwick::UiText kUnknownUnitAfter = "\" is not one this reader knows";
constexpr harwick::UiText kBadCgPoint = "a CgPoint's text must be two or three numbers: northing easting [elevation]";
constexpr harwick::UiText kEncoding = "only UTF-8 files are read; this file names another encoding";
constexpr harwick::UiText kDoctype = "document type declarations are not read";
constexpr harwick::UiText kTooDeep = "the elements are nested too deeply";
constexpr harwick::UiText kBadName = "an element or attribute name was expected here";
constexpr harwick::UiText kBadAttribute = "an attribute must be written name=\"value\"";
constexpr harwick::UiText kLessThanInValue = "a \"<\" must be written &lt; inside an attribute value";
constexpr harwick::UiText kUnclosedValue = "the attribute value is not closed";
constexpr harwick::UiText kBadReference = "this & starts no known entity or character reference";
constexpr harwick::UiText kUnclosedMarkup = "this markup is not closed";
constexpr harwick::UiText kMismatchedEnd = "this end tag does not close the element that is open";
constexpr harwick::UiText kUnclosedElement = "the file ends before its elements are closed";
constexpr harwick::UiText kTrailing = "there is more after the LandXML element";

// ---- Writing ----------------------------------------------------------------

// The bytes of a written CgPoint besides its names and numbers.
constexpr std::size_t kCgPointOverhead = 48;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A decimal number as XML Schema's double has it, infinities and NaN aside:
// sign, digits, point, digits, exponent.
bool isDecimal(std::string_view s)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '-' || s[i] == '+')) ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(s[i])) ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '-' || s[i] == '+')) ++i;
        const std::size_t from = i;
        while (i < n && isDigit(s[i])) ++i;
        if (i == from) return false;
    }
    return i == n;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isXmlBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isXmlBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Appends s escaped for a double-quoted attribute; line ends and tabs as
// character references so that attribute normalisation keeps them.
bool appendAttribute(std::string& out, std::string_view s)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::string_view entity;
        switch (c) {
        case '&': entity = "&amp;"; break;
        case '<': entity = "&lt;"; break;
        case '>': entity = "&gt;"; break;
        case '"': entity = "&quot;"; break;
        case '\t': entity = "&#9;"; break;
        case '\n': entity = "&#10;"; break;
        case '\r': entity = "&#13;"; break;
        default:
            if (c < 0x20) return false;
            continue;
        }
        out.append(s.substr(start, i - start));
        out.append(entity);
        start = i + 1;
    }
    out.append(s.substr(start));
    return true;
}

WriteResult writeFailure(std::size_t row, std::string reason)
{
    WriteResult r;
    r.failure = WriteFailure{std::move(reason), row};
    return r;
}

WriteResult notANumber(std::size_t row, std::string_view what, std::string_view value)
{
    WriteResult r;
    r.failure = points::notANumber(row, what, value);
    return r;
}

} // namespace

WriteResult write(const std::vector<points::PointRow>& rows, const text::LocalDateTime& created)
{
    WriteResult result;
    std::string& out = result.content;
    // Escapes may still add a little.
    out.reserve(512 + points::textBytes(rows, kCgPointOverhead));
    platform::adviseLargeBuffer(out);
    std::array<char, 64> stamp{};
    const int stampSize =
        std::snprintf(stamp.data(), stamp.size(), "date=\"%04d-%02d-%02d\" time=\"%02d:%02d:%02d\"", created.year,
                      created.month, created.day, created.hour, created.minute, created.second);
    out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    out.append(text::kCrLf);
    out.append(text::concat({"<LandXML xmlns=\"", kNamespace, "\" version=\"", kVersion, "\" "}));
    out.append(stamp.data(), static_cast<std::size_t>(std::max(stampSize, 0)));
    out.append(">");
    out.append(text::kCrLf);
    out.append("  <Units>");
    out.append(text::kCrLf);
    out.append("    <Metric linearUnit=\"meter\" areaUnit=\"squareMeter\" volumeUnit=\"cubicMeter\" "
               "angularUnit=\"decimal degrees\" directionUnit=\"decimal degrees\"/>");
    out.append(text::kCrLf);
    out.append("  </Units>");
    out.append(text::kCrLf);
    out.append("  <CgPoints>");
    out.append(text::kCrLf);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const points::PointRow& row = rows[i];
        if (row.easting.empty() || row.northing.empty()) {
            ++result.leftOut;
            continue;
        }
        const std::string_view northing = trimmed(row.northing);
        const std::string_view easting = trimmed(row.easting);
        const std::string_view elevation = trimmed(row.elevation);
        if (!isDecimal(northing)) return notANumber(i + 1, points::kNorthingWord, row.northing);
        if (!isDecimal(easting)) return notANumber(i + 1, points::kEastingWord, row.easting);
        if (!row.elevation.empty() && !isDecimal(elevation)) return notANumber(i + 1, points::kElevationWord, row.elevation);
        out.append("    <CgPoint name=\"");
        if (!appendAttribute(out, row.name)) return writeFailure(i + 1, std::string(kControlInText));
        if (!row.code.empty()) {
            out.append("\" code=\"");
            if (!appendAttribute(out, row.code)) return writeFailure(i + 1, std::string(kControlInText));
        }
        out.append("\">");
        out.append(northing);
        out.push_back(' ');
        out.append(easting);
        if (!elevation.empty()) {
            out.push_back(' ');
            out.append(elevation);
        }
        out.append("</CgPoint>");
        out.append(text::kCrLf);
        ++result.written;
    }
    out.append("  </CgPoints>");
    out.append(text::kCrLf);
    out.append("</LandXML>");
    out.append(text::kCrLf);
    return result;
}

// ---- Reading ----------------------------------------------------------------

namespace {

// A CgPoint with its name and code takes about 80 bytes as written here,
// less with short names. Guessed low: room reserved and never filled costs
// nothing, while growing a million rows copies them all.
constexpr std::size_t kBytesPerPointGuess = 56;
constexpr std::string_view kNamespaceStem = "http://www.landxml.org/schema/LandXML";
// Deeper documents are refused: the reader keeps one entry per open element.
constexpr std::size_t kMaxDepth = 256;
// Conversions never print more decimals than a double holds for survey values.
constexpr int kMaxDecimals = 12;

struct Unit {
    std::string_view system;
    std::string_view name;
    double metres;
    int extraDecimals; // decimals a converted value needs beyond the value read
};

constexpr std::array<Unit, 7> kUnits = {{
    {"Metric", "meter", 1.0, 0},
    {"Metric", "millimeter", 0.001, 3},
    {"Metric", "centimeter", 0.01, 2},
    {"Metric", "kilometer", 1000.0, -3},
    {"Imperial", "USSurveyFoot", idx::kUsSurveyFootMetres, 1},
    {"Imperial", "foot", gsi::kInternationalFootMetres, 1},
    {"Imperial", "internationalFoot", gsi::kInternationalFootMetres, 1},
}};

std::string_view localName(std::string_view qualified)
{
    const std::size_t colon = qualified.rfind(':');
    return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

bool isNameChar(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(static_cast<char>(c)) || c == '_' ||
           c == ':' || c == '-' || c == '.' || c >= 0x80;
}

bool isXmlChar(std::uint32_t cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD) ||
           (cp >= 0x10000 && cp <= 0x10FFFF);
}


// Decimals a value's text shows: after its point, less its exponent.
int decimalsOf(std::string_view number)
{
    int decimals = 0;
    const std::size_t point = number.find('.');
    std::size_t e = number.find_first_of("eE");
    if (point != std::string_view::npos) {
        decimals = static_cast<int>((e == std::string_view::npos ? number.size() : e) - point - 1);
    }
    if (e != std::string_view::npos) {
        // An exponent beyond any decimals a list shows is held to that range
        // before it becomes an int: 1e55 has none, 1e-55 more than enough.
        const double exponent = std::clamp(text::readNumber(number.substr(e + 1)), -1000.0, 1000.0);
        decimals -= static_cast<int>(exponent);
    }
    return decimals;
}

std::string converted(std::string_view value, const Unit& unit)
{
    if (unit.metres == 1.0) return std::string(value);
    const int decimals = std::clamp(decimalsOf(value) + unit.extraDecimals, idx::kFeetDecimals, kMaxDecimals);
    return text::formatFixed(text::readNumber(value) * unit.metres, decimals);
}

struct Attribute {
    std::string_view name;
    std::string value;
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
        readDocument();
        if (!failure_) applyUnit();
        if (failure_) {
            ReadResult failed;
            failed.failure = std::move(failure_);
            return failed;
        }
        return std::move(result_);
    }

private:
    bool fail(std::string_view reason, std::size_t at)
    {
        if (failure_) return false;
        failure_ = ReadFailure::at(s_, at, std::string(reason));
        return false;
    }

    bool at(std::string_view what) const { return s_.substr(pos_, what.size()) == what; }

    void skipBlanks()
    {
        while (pos_ < s_.size() && isXmlBlank(s_[pos_])) ++pos_;
    }

    // Moves past the next end, or fails at start when there is none.
    bool skipPast(std::string_view end, std::size_t start)
    {
        const std::size_t found = s_.find(end, pos_);
        if (found == std::string_view::npos) return fail(kUnclosedMarkup, start);
        pos_ = found + end.size();
        return true;
    }

    std::string_view readName()
    {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && isNameChar(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        return s_.substr(start, pos_ - start);
    }

    // Text with its references resolved, appended to out.
    bool decode(std::string_view raw, std::size_t rawAt, std::string& out)
    {
        std::size_t start = 0;
        while (true) {
            const std::size_t amp = raw.find('&', start);
            if (amp == std::string_view::npos) break;
            out.append(raw.substr(start, amp - start));
            const std::size_t semi = raw.find(';', amp);
            if (semi == std::string_view::npos || semi - amp > 12) return fail(kBadReference, rawAt + amp);
            const std::string_view ref = raw.substr(amp + 1, semi - amp - 1);
            if (ref == "lt") out.push_back('<');
            else if (ref == "gt") out.push_back('>');
            else if (ref == "amp") out.push_back('&');
            else if (ref == "quot") out.push_back('"');
            else if (ref == "apos") out.push_back('\'');
            else if (ref.size() >= 2 && ref[0] == '#') {
                const bool hex = ref[1] == 'x';
                const std::string_view digits = ref.substr(hex ? 2 : 1);
                std::uint32_t cp = 0;
                bool ok = !digits.empty();
                for (char c : digits) {
                    std::uint32_t d = 0;
                    if (isDigit(c)) d = static_cast<std::uint32_t>(c - '0');
                    else if (hex && c >= 'a' && c <= 'f') d = static_cast<std::uint32_t>(c - 'a' + 10);
                    else if (hex && c >= 'A' && c <= 'F') d = static_cast<std::uint32_t>(c - 'A' + 10);
                    else ok = false;
                    cp = cp * (hex ? 16 : 10) + d;
                    if (cp > 0x10FFFF) ok = false;
                    if (!ok) break;
                }
                if (!ok || !isXmlChar(cp)) return fail(kBadReference, rawAt + amp);
                text::appendUtf8(out, cp);
            } else {
                return fail(kBadReference, rawAt + amp);
            }
            start = semi + 1;
        }
        out.append(raw.substr(start));
        return true;
    }

    // Attributes up to ">" or "/>"; pos_ is left on that end.
    bool readAttributes()
    {
        attributes_.clear();
        while (true) {
            const std::size_t before = pos_;
            skipBlanks();
            if (pos_ >= s_.size()) return fail(kUnclosedMarkup, before);
            if (s_[pos_] == '>' || at("/>") || at("?>")) return true;
            if (pos_ == before) return fail(kBadAttribute, pos_);
            const std::string_view name = readName();
            if (name.empty()) return fail(kBadName, pos_);
            skipBlanks();
            if (pos_ >= s_.size() || s_[pos_] != '=') return fail(kBadAttribute, pos_);
            ++pos_;
            skipBlanks();
            if (pos_ >= s_.size() || (s_[pos_] != '"' && s_[pos_] != '\'')) return fail(kBadAttribute, pos_);
            const char quote = s_[pos_++];
            const std::size_t close = s_.find(quote, pos_);
            if (close == std::string_view::npos) return fail(kUnclosedValue, pos_ - 1);
            const std::string_view raw = s_.substr(pos_, close - pos_);
            const std::size_t lt = raw.find('<');
            if (lt != std::string_view::npos) return fail(kLessThanInValue, pos_ + lt);
            Attribute& a = attributes_.emplace_back();
            a.name = name;
            if (!decode(raw, pos_, a.value)) return false;
            pos_ = close + 1;
        }
    }

    const std::string* attribute(std::string_view name) const
    {
        for (const Attribute& a : attributes_) {
            if (a.name == name) return &a.value;
        }
        return nullptr;
    }

    // The XML declaration's encoding, when it names one that is not UTF-8.
    bool readDeclaration()
    {
        const std::size_t start = pos_;
        pos_ += 5; // "<?xml"
        if (!readAttributes()) return false;
        if (!at("?>")) return fail(kUnclosedMarkup, start);
        pos_ += 2;
        const std::string* encoding = attribute("encoding");
        if (encoding) {
            const std::string lower = text::toLower(*encoding);
            if (lower != "utf-8" && lower != "utf8" && lower != "us-ascii") return fail(kEncoding, start);
        }
        return true;
    }

    // Comments, processing instructions and blanks before or after the root.
    bool skipMisc()
    {
        while (true) {
            skipBlanks();
            const std::size_t start = pos_;
            if (at("<!--")) {
                if (!skipPast("-->", start)) return false;
            } else if (at("<!DOCTYPE") || at("<!doctype")) {
                return fail(kDoctype, start);
            } else if (at("<?")) {
                if (!skipPast("?>", start)) return false;
            } else {
                return true;
            }
        }
    }

    void readDocument()
    {
        if (at("<?xml") && pos_ + 5 < s_.size() && isXmlBlank(s_[pos_ + 5]) && !readDeclaration()) return;
        if (!skipMisc()) return;
        if (pos_ >= s_.size() || s_[pos_] != '<') {
            fail(kNotXml, pos_ >= s_.size() ? std::string::npos : pos_);
            return;
        }
        const std::size_t rootAt = pos_;
        ++pos_;
        const std::string_view root = readName();
        if (localName(root) != "LandXML") {
            fail(kNotLandXml, rootAt);
            return;
        }
        if (!readAttributes()) return;
        const std::size_t colon = root.rfind(':');
        const std::string xmlnsName =
            colon == std::string_view::npos ? "xmlns" : text::concat({"xmlns:", root.substr(0, colon)});
        const std::string* ns = attribute(xmlnsName);
        if (ns && !text::startsWith(*ns, kNamespaceStem)) {
            fail(kNotLandXml, rootAt);
            return;
        }
        if (at("/>")) {
            pos_ += 2;
        } else {
            ++pos_;
            open_.push_back(root);
            if (!readContent()) return;
        }
        if (!skipMisc()) return;
        if (pos_ != s_.size()) fail(kTrailing, pos_);
    }

    bool inCgPoint() const { return !open_.empty() && localName(open_.back()) == "CgPoint"; }
    bool inUnits() const { return !open_.empty() && localName(open_.back()) == "Units"; }

    bool readContent()
    {
        while (!open_.empty()) {
            const std::size_t lt = s_.find('<', pos_);
            if (lt == std::string_view::npos) return fail(kUnclosedElement, std::string::npos);
            const std::string_view raw = s_.substr(pos_, lt - pos_);
            if (inCgPoint()) {
                if (!decode(raw, pos_, cgText_)) return false;
            } else if (raw.find('&') != std::string_view::npos) {
                scratch_.clear();
                if (!decode(raw, pos_, scratch_)) return false;
            }
            pos_ = lt;
            if (at("<!--")) {
                if (!skipPast("-->", lt)) return false;
            } else if (at("<![CDATA[")) {
                pos_ += 9;
                const std::size_t end = s_.find("]]>", pos_);
                if (end == std::string_view::npos) return fail(kUnclosedMarkup, lt);
                if (inCgPoint()) cgText_.append(s_.substr(pos_, end - pos_));
                pos_ = end + 3;
            } else if (at("<!")) {
                return fail(kDoctype, lt);
            } else if (at("<?")) {
                if (!skipPast("?>", lt)) return false;
            } else if (at("</")) {
                pos_ += 2;
                const std::string_view name = readName();
                skipBlanks();
                if (name != open_.back() || pos_ >= s_.size() || s_[pos_] != '>') return fail(kMismatchedEnd, lt);
                ++pos_;
                const bool closesCgPoint = inCgPoint();
                open_.pop_back();
                if (closesCgPoint && !finishCgPoint()) return false;
            } else if (!readStartTag(lt)) {
                return false;
            }
        }
        return true;
    }

    bool readStartTag(std::size_t lt)
    {
        ++pos_;
        const std::string_view name = readName();
        if (name.empty()) return fail(kBadName, pos_);
        if (!readAttributes()) return false;
        const std::string_view local = localName(name);
        if (inUnits() && (local == "Metric" || local == "Imperial")) {
            const std::string* linear = attribute("linearUnit");
            unitSystem_ = local;
            unitName_ = linear ? *linear : std::string();
            unitAt_ = lt;
            hasUnit_ = true;
        }
        const bool cgPoint = local == "CgPoint";
        if (cgPoint) {
            const std::string* pointName = attribute("name");
            const std::string* code = attribute("code");
            cgName_ = pointName ? *pointName : std::string();
            cgCode_ = code ? *code : std::string();
            cgText_.clear();
            cgAt_ = lt;
        }
        if (at("/>")) {
            pos_ += 2;
            return !cgPoint || finishCgPoint();
        }
        ++pos_;
        if (open_.size() >= kMaxDepth) return fail(kTooDeep, lt);
        open_.push_back(name);
        return true;
    }

    bool finishCgPoint()
    {
        std::array<std::string_view, 4> values;
        std::size_t count = 0;
        const std::string_view t = cgText_;
        std::size_t i = 0;
        while (i < t.size()) {
            while (i < t.size() && isXmlBlank(t[i])) ++i;
            const std::size_t start = i;
            while (i < t.size() && !isXmlBlank(t[i])) ++i;
            if (i == start) break;
            if (count == values.size()) return fail(kBadCgPoint, cgAt_);
            values[count++] = t.substr(start, i - start);
        }
        if (count == 0) {
            ++result_.withoutCoordinates;
            return true;
        }
        if (count < 2 || count > 3) return fail(kBadCgPoint, cgAt_);
        for (std::size_t k = 0; k < count; ++k) {
            if (!isDecimal(values[k])) return fail(kBadCgPoint, cgAt_);
        }
        points::PointRow& row = result_.points.emplace_back();
        row.name = cgName_;
        row.code = cgCode_;
        row.northing.assign(values[0]);
        row.easting.assign(values[1]);
        if (count == 3) row.elevation.assign(values[2]);
        return true;
    }

    void applyUnit()
    {
        if (!hasUnit_) return;
        const Unit* unit = nullptr;
        for (const Unit& u : kUnits) {
            if (u.system == unitSystem_ && u.name == unitName_) unit = &u;
        }
        if (!unit) {
            fail(text::concat({kUnknownUnitBefore, unitName_, kUnknownUnitAfter}), unitAt_);
            return;
        }
        result_.linearUnit = unitName_;
        if (unit->metres == 1.0) return;
        for (points::PointRow& row : result_.points) {
            row.easting = converted(row.easting, *unit);
            row.northing = converted(row.northing, *unit);
            if (!row.elevation.empty()) row.elevation = converted(row.elevation, *unit);
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::optional<ReadFailure> failure_;
    ReadResult result_;
    std::vector<std::string_view> open_;
    std::vector<Attribute> attributes_;
    std::string scratch_;
    std::string cgName_, cgCode_, cgText_;
    std::size_t cgAt_ = 0;
    bool hasUnit_ = false;
    std::string_view unitSystem_;
    std::string unitName_;
    std::size_t unitAt_ = 0;
};

} // namespace

ReadResult read(std::string_view content) { return Reader(content).run(); }

bool looksLikeLandXml(std::string_view content)
{
    constexpr std::size_t kLookAhead = 4096;
    if (text::startsWith(content, text::kUtf8Bom)) content.remove_prefix(text::kUtf8Bom.size());
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || content[first] != '<') return false;
    const std::string_view head = content.substr(first, kLookAhead);
    return text::contains(head, "<LandXML") || text::contains(head, ":LandXML");
}

} // namespace harwick::landxml
