#include "text/text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <system_error>

namespace harwick::text {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

namespace {

// Whether every line already ends with CR LF, the last one too: each LF has
// its CR, and there are no other CRs.
bool endsEveryLineWithCrLf(std::string_view text)
{
    if (text.empty()) return true;
    if (text.back() != '\n') return false;
    std::size_t lineFeeds = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') return false;
        ++lineFeeds;
    }
    std::size_t returns = 0;
    for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1)) ++returns;
    return returns == lineFeeds;
}

} // namespace

std::string_view withCrLfLineEnds(std::string_view text, std::string& storage)
{
    if (endsEveryLineWithCrLf(text)) return text;
    storage = withCrLfLineEnds(text);
    return storage;
}

std::string withCrLfLineEnds(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16 + kCrLf.size());
    forEachTextLine(text, [&](const TextLine& line) {
        out.append(line.body);
        out.append(kCrLf);
    });
    return out;
}

std::vector<std::string_view> splitFields(std::string_view line, std::string_view sep)
{
    std::vector<std::string_view> fields(splitFieldsInto(line, sep, {}));
    splitFieldsInto(line, sep, fields);
    return fields;
}

std::size_t splitFieldsInto(std::string_view line, std::string_view sep, std::span<std::string_view> out)
{
    if (line.empty()) return 0;
    std::size_t count = 0;
    auto store = [&](std::string_view f) {
        if (count < out.size()) out[count] = f;
        ++count;
    };
    if (sep.empty()) {
        store(line);
        return count;
    }
    // Every list the suite splits has a one-character separator: memchr
    // finds it faster than a search for a string.
    const bool oneChar = sep.size() == 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = oneChar ? line.find(sep.front(), start) : line.find(sep, start);
        if (at == std::string_view::npos) {
            store(line.substr(start));
            return count;
        }
        store(line.substr(start, at - start));
        start = at + sep.size();
    }
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Length of the decimal number at the start of s (no sign), 0 when there is none.
std::size_t numberLength(std::string_view s)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

namespace {
// Fifteen digits always fit a double's 53 bits; so does every power of ten
// up to 10^22. Their quotient is then rounded once, as the exact value is.
// The same powers scale values for fixed-decimal printing below.
constexpr int kExactDigits = 15;
constexpr std::array<double, kExactDigits + 1> kTens = {1,   1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
} // namespace

std::optional<PlainDecimal> plainDecimal(std::string_view s)
{
    const bool negative = !s.empty() && s.front() == '-';
    std::size_t i = negative ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0;
    const auto take = [&] {
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++count) {
            digits = digits * 10 + static_cast<std::uint64_t>(s[i] - '0');
        }
    };
    take();
    const int whole = count;
    if (whole == 0) return std::nullopt;
    PlainDecimal plain;
    if (i < s.size()) {
        if (s[i] != '.') return std::nullopt;
        ++i;
        take();
        plain.decimals = count - whole;
        if (i != s.size() || plain.decimals == 0) return std::nullopt;
    }
    if (count <= kExactDigits) {
        const double magnitude = static_cast<double>(digits) / kTens[static_cast<std::size_t>(plain.decimals)];
        plain.value = negative ? -magnitude : magnitude;
    }
    return plain;
}

double readNumber(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string_view rest = s.substr(i);
    std::size_t len = numberLength(rest);
    if (len == 0) return 0.0;
    if (const std::optional<PlainDecimal> plain = plainDecimal(rest.substr(0, len)); plain && plain->value) {
        return negative ? -*plain->value : *plain->value;
    }
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + len, value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

namespace {

// Fixed-decimal printing of the values lists are made of (coordinates to a
// tenth of a millimetre, a few hundred kilometres at most) by whole-number
// arithmetic: a million-point list prints three million of them, and the
// general printer is several times slower. The scaled value is rounded as
// the general printer rounds the exact value wherever the two cannot differ:
// away from a half, by far more than the scaling's own error.
constexpr double kQuickLimit = 1099511627776.0; // 2^40: the scaling errs by 2^-13 at most
constexpr double kClearOfHalf = 1e-3;

bool appendQuickFixed(std::string& out, double value, int decimals)
{
    if (decimals < 0 || static_cast<std::size_t>(decimals) >= kTens.size()) return false;
    const double scaled = std::fabs(value) * kTens[static_cast<std::size_t>(decimals)];
    if (!(scaled < kQuickLimit)) return false;
    auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < kClearOfHalf) return false;
    if (fraction > 0.5) ++whole;
    std::array<char, 24> digits;
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), whole);
    const auto count = static_cast<std::size_t>(end - digits.data());
    const auto places = static_cast<std::size_t>(decimals);
    // The general printer writes a minus for every negative value, minus zero too.
    if (std::signbit(value)) out.push_back('-');
    if (count <= places) {
        out.append("0.");
        out.append(places - count, '0');
        out.append(digits.data(), end);
        return true;
    }
    out.append(digits.data(), count - places);
    if (places > 0) {
        out.push_back('.');
        out.append(end - places, places);
    }
    return true;
}

} // namespace

void appendFixed(std::string& out, double value, int decimals)
{
    if (!std::isfinite(value)) value = 0.0;
    if (appendQuickFixed(out, value, decimals)) return;
    // Large enough for any finite double in fixed notation with up to 20 decimals.
    std::array<char, 400> buffer{};
    auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                   decimals);
    if (ec != std::errc()) {
        int n = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
        ptr = buffer.data() + (n > 0 ? std::min<std::size_t>(static_cast<std::size_t>(n), buffer.size() - 1) : 0);
    }
    out.append(buffer.data(), ptr);
}

std::string formatFixed(double value, int decimals)
{
    std::string out;
    appendFixed(out, value, decimals);
    return out;
}

void removeChars(std::string& s, std::string_view chars)
{
    std::erase_if(s, [chars](char c) { return chars.find(c) != std::string_view::npos; });
}

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    if (from.empty()) return;
    std::string out;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = s.find(from, start);
        if (at == std::string::npos) break;
        out.append(s, start, at - start);
        out.append(to);
        start = at + from.size();
    }
    if (start == 0) return;
    out.append(s, start, std::string::npos);
    s = std::move(out);
}

std::string concat(std::initializer_list<std::string_view> parts)
{
    std::size_t size = 0;
    for (std::string_view p : parts) size += p.size();
    std::string s;
    s.reserve(size);
    for (std::string_view p : parts) s.append(p);
    return s;
}

std::string_view stripLeadingZeros(std::string_view s)
{
    std::size_t i = s.find_first_not_of('0');
    return i == std::string_view::npos ? std::string_view{} : s.substr(i);
}

std::string toLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

void appendRightAligned(std::string& out, std::string_view s, std::size_t width, char fill)
{
    if (s.size() >= width) {
        out.append(s.substr(s.size() - width));
    } else {
        out.append(width - s.size(), fill);
        out.append(s);
    }
}

LocalDateTime localNow()
{
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string formatStamp(const LocalDateTime& t)
{
    // dd-mm-yyyy/hh:mm:ss.0: every item but the year at least two digits.
    std::string out;
    auto item = [&out](int value, std::size_t minDigits, std::string_view after) {
        std::string digits = std::to_string(value < 0 ? -value : value);
        if (std::signbit(value)) out.push_back('-');
        if (digits.size() < minDigits) out.append(minDigits - digits.size(), '0');
        out.append(digits);
        out.append(after);
    };
    item(t.day, 2, "-");
    item(t.month, 2, "-");
    item(t.year, 1, "/");
    item(t.hour, 2, ":");
    item(t.minute, 2, ":");
    item(t.second, 2, ".0");
    return out;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendJsonEscaped(std::string& out, std::string_view s)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(s.substr(start, i - start));
        start = i + 1;
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            out.append("\\u00");
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xf]);
        }
    }
    out.append(s.substr(start));
}

bool isUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2, cp = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3, cp = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4, cp = lead & 0x07;
        else return false;
        if (s.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
        if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

} // namespace harwick::text
