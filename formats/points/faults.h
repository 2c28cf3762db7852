// A written point list, and where a point-list file went wrong, said the
// same way by every format:
// "row 3: …" for a row that cannot be written, "line 2, column 61: …" for
// a place in a file that cannot be read.
#pragma once

#include "language/ui_text.h"
#include "text/text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harwick::points {

inline constexpr UiText kRowFault = "row %1: %2";
inline constexpr UiText kPlaceFault = "line %1, column %2: %3";
inline constexpr UiText kNotANumberFault = "the %1 is not a number: %2";

// The 1-based row a write failed on; 0 when the reason is not about a row.
struct RowFault {
    std::string reason;
    std::size_t row = 0;

    std::string message() const
    {
        if (row == 0) return reason;
        return Filled(kRowFault, {std::to_string(row), reason});
    }
};

// A coordinate text a writer could not take as a number, named as the user
// knows the column: "row 3: the northing is not a number: 12,5".
inline constexpr UiText kEastingWord = "easting";
inline constexpr UiText kNorthingWord = "northing";
inline constexpr UiText kElevationWord = "elevation";
inline RowFault notANumber(std::size_t row, std::string_view what, std::string_view value)
{
    return RowFault{Filled(kNotANumberFault, {what, value}), row};
}

// The 1-based place a read failed at; line 0 when the reason is about the
// file as a whole.
struct PlaceFault {
    std::string reason;
    std::size_t line = 0;
    std::size_t column = 0;

    std::string message() const
    {
        if (line == 0) return reason;
        return Filled(kPlaceFault, {std::to_string(line), std::to_string(column), reason});
    }

    // The fault at byte offset at of content, its line and column counted as
    // every reader counts lines: CR LF, LF and a lone CR each end one. An
    // offset of npos is about the file as a whole.
    static PlaceFault at(std::string_view content, std::size_t at, std::string reason)
    {
        PlaceFault f{std::move(reason), 0, 0};
        if (at == std::string_view::npos) return f;
        f.line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < at && i < content.size(); ++i) {
            if (content[i] == '\n' || (content[i] == '\r' && (i + 1 >= content.size() || content[i + 1] != '\n'))) {
                ++f.line;
                lineStart = i + 1;
            }
        }
        f.column = at - lineStart + 1;
        return f;
    }
};

// A point list written: its text, or why it could not be written.
struct WrittenList {
    std::optional<RowFault> failure; // set: content is empty
    std::string content;
    std::size_t written = 0;
    // Rows without both plan coordinates, which the format cannot hold.
    std::size_t leftOut = 0;
    bool ok() const { return !failure; }
};

} // namespace harwick::points
