// Text helpers every format module shares: line walking, field splitting,
// the suite's number reading and fixed-decimal printing, and its date stamp.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <cstdint>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::text {

// Every file the suite writes ends its lines with CR LF, whatever the platform.
inline constexpr std::string_view kCrLf = "\r\n";

// One line of a text as typed on any system: its bytes and the line end that
// closed it ("\r\n", "\n", a lone "\r", or "" for a last line without one).
struct TextLine {
    std::string_view body;
    std::string_view end;
};

// The line of text that begins at start, where CR LF, LF and a lone CR
// (older instruments write CR alone) all end a line, and start moved past
// its line end. A last line without a line end is still a line.
inline TextLine nextTextLine(std::string_view text, std::size_t& start)
{
    // Most lines are short (a drawing's are a few bytes): the first bytes are
    // looked at one by one. Past them, the next LF and then a CR before it
    // are found with memchr's speed. Each byte is looked at a bounded number
    // of times, whatever the line ends are.
    constexpr std::size_t kShortLine = 32;
    const std::size_t quick = std::min(text.size(), start + kShortLine);
    std::size_t end = start;
    while (end < quick && text[end] != '\n' && text[end] != '\r') ++end;
    if (end == quick && end < text.size()) {
        const std::size_t lf = text.find('\n', end);
        const std::size_t limit = lf == std::string_view::npos ? text.size() : lf;
        end = std::min(limit, text.substr(0, limit).find('\r', end));
    }
    std::size_t endSize = 0;
    if (end < text.size()) endSize = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    const TextLine line{text.substr(start, end - start), text.substr(end, endSize)};
    start = end + endSize;
    return line;
}

// Calls fn(TextLine) for each line of text, as nextTextLine finds them; text
// ending in a line end has no empty line after it. The bodies and ends put
// together give the text back unchanged.
template <typename Fn>
void forEachTextLine(std::string_view text, Fn&& fn)
{
    std::size_t start = 0;
    while (start < text.size()) fn(nextTextLine(text, start));
}

// Calls fn(line) for each line of text, without its line end: every reader
// of the suite takes CR LF, LF and a lone CR alike, as forEachTextLine does.
template <typename Fn>
void forEachLine(std::string_view text, Fn&& fn)
{
    forEachTextLine(text, [&fn](const TextLine& line) { fn(line.body); });
}

// The text with every line end (CR LF, LF or a lone CR) written CR LF and a
// last line without one given CR LF: what goes on the wire for any text.
std::string withCrLfLineEnds(std::string_view text);
// The same without a copy when the text already is so: text itself, or the
// rewritten text kept in storage.
std::string_view withCrLfLineEnds(std::string_view text, std::string& storage);

// The lines of text as forEachLine walks them.
std::vector<std::string> splitLines(std::string_view text);

// Cuts a line at every occurrence of sep. An empty line gives no fields; a
// line with k separators gives k + 1 fields; fields are not trimmed.
std::vector<std::string_view> splitFields(std::string_view line, std::string_view sep);

// The same cut without allocating: stores the first out.size() fields in out
// and returns how many fields the line has in all.
std::size_t splitFieldsInto(std::string_view line, std::string_view sep, std::span<std::string_view> out);

// A plain decimal: an optional minus, digits, and at most one point with
// digits after it ("-12", "12.345"; not "12.", ".5", "+1" or "1e3").
struct PlainDecimal {
    int decimals = 0;
    // Where the digits are fifteen or fewer, read exactly as the general
    // reader reads it, by one division. Lists hold millions of these.
    std::optional<double> value;
};

// s as a plain decimal, or nothing when it is any other text.
std::optional<PlainDecimal> plainDecimal(std::string_view s);

// Reads the longest decimal number at the start of s (after leading white
// space): optional sign, digits, optional point and digits, optional
// exponent. Text that holds no such number, or one out of range, reads as 0.
// Hexadecimal, infinities and NaN are not numbers here.
double readNumber(std::string_view s);

// Appends value printed with the given number of decimals, as "%0.Nf" prints it.
void appendFixed(std::string& out, double value, int decimals);
std::string formatFixed(double value, int decimals);

// Removes every occurrence of each character of chars.
void removeChars(std::string& s, std::string_view chars);

// Replaces every occurrence of from (left to right, without overlap) by to.
void replaceAll(std::string& s, std::string_view from, std::string_view to);

// The UTF-8 byte order mark some programs put before a text file's first
// line; readers pass it over.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The code point (at most 0x10FFFF) appended as UTF-8.
void appendUtf8(std::string& out, std::uint32_t codePoint);

// s as the inside of a JSON string: quotes, backslashes and control
// characters escaped, every other byte as it is.
void appendJsonEscaped(std::string& out, std::string_view s);

// Whether s is well-formed UTF-8 (no overlong forms, surrogates or code
// points beyond 0x10FFFF).
bool isUtf8(std::string_view s);

// Where the file name starts in a path: after its last "/", or at 0.
inline std::size_t fileNameStart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}
inline std::string_view fileNameOf(std::string_view path) { return path.substr(fileNameStart(path)); }

inline bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }
inline bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
// The parts one after the other.
std::string concat(std::initializer_list<std::string_view> parts);

// s without its leading '0' characters.
std::string_view stripLeadingZeros(std::string_view s);

// Lower-case copy of s (ASCII letters only).
std::string toLower(std::string_view s);

// Text filled on the left with fill up to width; a longer text keeps its
// rightmost width characters.
void appendRightAligned(std::string& out, std::string_view s, std::size_t width, char fill);

// A local date and time, as stamped into the files the suite writes.
struct LocalDateTime {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The machine's local time now.
LocalDateTime localNow();

// "dd-mm-yyyy/hh:mm:ss.0", the stamp of IDX headers and IDEX code lists.
std::string formatStamp(const LocalDateTime& t);

} // namespace harwick::text
