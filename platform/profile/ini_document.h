// A private-profile (INI) file held as its lines. Edits change only the lines
// they must, so the comments, blank lines and odd spacing of a hand-edited
// settings file survive a save.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"

namespace harwick::platform::ini {

enum class LineKind { Other, Header, Key };

struct Line {
    std::string text; // as in the file, without its line end
    LineKind kind = LineKind::Other;
    std::string name;  // section or key name, blanks trimmed
    std::string value; // a key's value, blanks trimmed, quotes kept
};

class Document {
public:
    // LF and CR LF both end a line; a UTF-8 byte order mark is kept aside.
    static Document parse(std::string_view content);
    // Every line ends CR LF.
    std::string serialize() const;

    // Every section header in file order, duplicates included; a header with
    // an empty name cannot be told apart from a list's end and is left out.
    std::vector<std::string> sectionNames() const;
    // The key lines of the first section of that name.
    std::vector<profile::Entry> entries(std::string_view section) const;
    // The first key of that name in the first section of that name.
    const Line* find(std::string_view section, std::string_view key) const;

    // Each returns whether any line changed.
    bool set(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

private:
    struct Range {
        std::size_t header; // index of the header line
        std::size_t end;    // index of the next header, or the line count
    };
    std::optional<Range> firstSection(std::string_view name) const;
    std::size_t sectionEnd(std::size_t header) const;

    std::string bom_;
    std::vector<Line> lines_;
};

std::string_view trimBlanks(std::string_view text);
// Letter case is ignored for ASCII letters only; other bytes must match.
bool sameName(std::string_view a, std::string_view b);
// One pair of matching surrounding quotes, double or single, removed.
std::string_view unquote(std::string_view value);
// Leading blanks, an optional sign and the decimal digits that follow; no
// digits give 0. Larger numbers wrap modulo 2^32, as the platform's own
// conversion does.
int leadingInteger(std::string_view text);

} // namespace harwick::platform::ini
