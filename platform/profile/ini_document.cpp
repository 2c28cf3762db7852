#include "profile/ini_document.h"

#include "text/text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace harwick::platform::ini {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A header needs its closing bracket; "[name" without one is read like any
// other line. Comments may hold "=" and still are no keys, and a line whose
// name before "=" is empty names nothing that a caller could ask for.
Line classify(std::string text)
{
    Line line;
    line.text = std::move(text);
    const std::string_view t = trimBlanks(line.text);
    if (t.empty() || t.front() == ';') return line;
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Header;
            line.name = trimBlanks(t.substr(1, close - 1));
            return line;
        }
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return line;
    const std::string_view name = trimBlanks(t.substr(0, eq));
    if (name.empty()) return line;
    line.kind = LineKind::Key;
    line.name = name;
    line.value = trimBlanks(t.substr(eq + 1));
    return line;
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

int leadingInteger(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint32_t total = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        total = total * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) total = 0u - total;
    return static_cast<int>(total);
}

Document Document::parse(std::string_view content)
{
    Document doc;
    if (content.starts_with(kUtf8Bom)) {
        doc.bom_ = kUtf8Bom;
        content.remove_prefix(kUtf8Bom.size());
    }
    // A file edited on any system: CR LF, LF and a lone CR all end a line.
    harwick::text::forEachLine(content, [&doc](std::string_view line) { doc.lines_.push_back(classify(std::string(line))); });
    return doc;
}

std::string Document::serialize() const
{
    std::string out = bom_;
    for (const Line& line : lines_) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> Document::sectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Header && !line.name.empty()) names.push_back(line.name);
    }
    return names;
}

std::vector<profile::Entry> Document::entries(std::string_view section) const
{
    std::vector<profile::Entry> out;
    const std::optional<Range> range = firstSection(section);
    if (!range) return out;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (lines_[i].kind == LineKind::Key) out.push_back({lines_[i].name, lines_[i].value});
    }
    return out;
}

const Line* Document::find(std::string_view section, std::string_view key) const
{
    const std::optional<Range> range = firstSection(section);
    if (!range) return nullptr;
    key = trimBlanks(key);
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (lines_[i].kind == LineKind::Key && sameName(lines_[i].name, key)) return &lines_[i];
    }
    return nullptr;
}

// A new key goes after the section's last key, so that comments and blank
// lines that close the section (often the preamble of the next one) stay
// where they are.
bool Document::set(std::string_view section, std::string_view key, std::string_view value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    std::string keyLine = std::string(key) + "=" + std::string(value);
    const std::optional<Range> range = firstSection(section);
    if (!range) {
        lines_.push_back(classify("[" + std::string(section) + "]"));
        lines_.push_back(classify(std::move(keyLine)));
        return true;
    }
    std::size_t insertAt = range->header + 1;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        Line& line = lines_[i];
        if (line.kind != LineKind::Key) continue;
        if (sameName(line.name, key)) {
            if (line.value == value) return false;
            line = classify(line.name + "=" + std::string(value));
            return true;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), classify(std::move(keyLine)));
    return true;
}

// Every line of that key goes, so that a second copy further down cannot
// surface as the value once the first is deleted.
bool Document::removeKey(std::string_view section, std::string_view key)
{
    const std::optional<Range> range = firstSection(section);
    if (!range) return false;
    key = trimBlanks(key);
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(range->header + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(range->end);
    const auto kept = std::remove_if(
        first, last, [&](const Line& line) { return line.kind == LineKind::Key && sameName(line.name, key); });
    if (kept == last) return false;
    lines_.erase(kept, last);
    return true;
}

// Every section of that name goes: a caller that deletes a section and writes
// it again expects to find exactly what it wrote.
bool Document::removeSection(std::string_view section)
{
    bool changed = false;
    while (const std::optional<Range> range = firstSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
        changed = true;
    }
    return changed;
}

std::optional<Document::Range> Document::firstSection(std::string_view name) const
{
    name = trimBlanks(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Header && sameName(lines_[i].name, name)) return Range{i, sectionEnd(i)};
    }
    return std::nullopt;
}

std::size_t Document::sectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Header) ++end;
    return end;
}

} // namespace harwick::platform::ini
