#include "pointlist/detect.h"

#include "idx/idx.h"

#include <algorithm>
#include <cctype>

namespace harwick::pointlist {

namespace {

// A file's kind shows in its first lines; reading a million further lines
// would change nothing but the time.
constexpr std::size_t kLinesLooked = 50;
constexpr std::size_t kKardFields = 5;
constexpr std::string_view kIdxHeader = "HEADER";

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// "81..10+02150000": two index digits, four information characters, a sign,
// the data. Words stand at a fixed stride, so blanks inside the data (names
// with a blank, placeholders) do not split them.
bool gsiWordHead(std::string_view word)
{
    return word.size() > 6 && isDigit(word[0]) && isDigit(word[1]) && (word[6] == '+' || word[6] == '-');
}

// Every line a block of GSI words of one flavour; a GSI-16 block starts with
// "*". A file cut off inside its last word is still the GSI it was.
std::optional<gsi::Flavour> gsiFlavour(const std::vector<std::string_view>& lines)
{
    std::optional<gsi::Flavour> flavour;
    // A few characters alone are not a GSI file cut off in its first word.
    bool wholeWord = false;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::string_view line = lines[l];
        const gsi::Flavour f = line.front() == '*' ? gsi::Flavour::Gsi16 : gsi::Flavour::Gsi8;
        if (flavour && f != *flavour) return std::nullopt;
        flavour = f;
        if (f == gsi::Flavour::Gsi16) line.remove_prefix(1);
        const std::vector<std::string_view> words = gsi::splitFixedStride(line, f);
        const std::size_t full = gsi::dataWidth(f) + 7;
        for (std::size_t w = 0; w < words.size(); ++w) {
            const bool lastOfFile = l + 1 == lines.size() && w + 1 == words.size();
            if (words[w].size() < full && lastOfFile && (words[w].size() <= 6 || gsiWordHead(words[w]))) continue;
            if (words[w].size() != full || !gsiWordHead(words[w])) return std::nullopt;
            wholeWord = true;
        }
        if (words.empty()) return std::nullopt;
    }
    if (!wholeWord) return std::nullopt;
    return flavour;
}

std::string_view trimmed(std::string_view field)
{
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    return field;
}

bool numberOrEmpty(std::string_view field)
{
    field = trimmed(field);
    if (field.empty()) return true;
    if (field.front() == '+' || field.front() == '-') field.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : field) {
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

// Every line "name,code,easting,northing,elevation", with at least one
// plan coordinate somewhere: a list of five texts is not a point list.
bool kardLines(const std::vector<std::string_view>& lines)
{
    bool located = false;
    for (std::string_view line : lines) {
        const std::vector<std::string_view> f = text::splitFields(line, ",");
        if (f.size() != kKardFields) return false;
        for (std::size_t i = 2; i < kKardFields; ++i) {
            if (!numberOrEmpty(f[i])) return false;
        }
        located = located || !trimmed(f[2]).empty() || !trimmed(f[3]).empty();
    }
    return located;
}

bool idxLines(const std::vector<std::string_view>& lines, std::string_view content)
{
    std::string_view first = lines.front();
    first.remove_prefix(first.find_first_not_of(" \t"));
    return first.starts_with(kIdxHeader) && content.find(idx::kPointsHeader) != std::string_view::npos;
}

} // namespace

std::vector<ContentKind> candidateKinds(std::string_view content)
{
    std::vector<std::string_view> lines;
    // Lines keep their blanks: a GSI word's data may end in blanks.
    for (std::size_t at = 0; at < content.size() && lines.size() < kLinesLooked;) {
        const std::string_view line = text::nextTextLine(content, at).body;
        if (line.find_first_not_of(" \t") != std::string_view::npos) lines.push_back(line);
    }
    std::vector<ContentKind> kinds;
    if (lines.empty()) return kinds;
    if (const std::optional<gsi::Flavour> flavour = gsiFlavour(lines)) kinds.push_back({FileKind::Gsi, flavour});
    if (kardLines(lines)) kinds.push_back({FileKind::Kard, std::nullopt});
    if (idxLines(lines, content)) kinds.push_back({FileKind::Idx, std::nullopt});
    return kinds;
}

std::string_view kindName(const ContentKind& kind)
{
    switch (kind.kind) {
    case FileKind::Gsi: return kind.flavour == gsi::Flavour::Gsi16 ? "GSI-16" : "GSI-8";
    case FileKind::Kard: return "KARD";
    case FileKind::Idx: return "IDX";
    case FileKind::Unknown: break;
    }
    return "unknown";
}

} // namespace harwick::pointlist
