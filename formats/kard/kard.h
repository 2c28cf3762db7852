// KARD coordinate files (.dat): one point per line, five comma-separated
// fields, no header. The default column order (KARD300) is
// name,code,easting,northing,elevation; the cable program also knows KARD600,
// name,easting,northing,elevation,code.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harwick::kard {

inline constexpr std::string_view kSeparator = ",";
inline constexpr std::size_t kFieldCount = 5;

// Column positions (0-based) of each order.
struct ColumnOrder {
    std::size_t name, code, easting, northing, elevation;
};
inline constexpr ColumnOrder kKard300{0, 1, 2, 3, 4};
inline constexpr ColumnOrder kKard600{0, 4, 1, 2, 3};

// A point line as read: every field's text exactly as the file holds it.
struct KardPoint {
    std::string name;
    std::string code;
    std::string easting;
    std::string northing;
    std::string elevation;
};

// A KARD300 line; nothing unless it splits into exactly five fields.
std::optional<KardPoint> readLine(std::string_view line);

// The same line's five fields as views into it, for readers that copy them
// straight to where they are kept; false unless there are exactly five.
using Fields = std::array<std::string_view, kFieldCount>;
bool splitLine(std::string_view line, Fields& fields);

// The coordinate editor's line: name, code, the three cell texts as shown,
// CR LF.
void appendEditorLine(std::string& out, std::string_view name, std::string_view code, std::string_view easting,
                      std::string_view northing, std::string_view elevation);

// The cable program's line: name, code (may be empty), each number "%.3f", CR LF.
void appendCableLine(std::string& out, std::string_view name, std::string_view code, double easting, double northing,
                     double elevation);

// The cable program keeps at most this many characters of each KARD600 field.
inline constexpr std::size_t kKard600FieldLimit = 20;

// One KARD600 line (without its line end) as a KARD300 line with CR LF:
// field 1, 5, 2, 3, 4. Nothing unless the line holds exactly four commas.
std::optional<std::string> kard600ToKard300(std::string_view line);

} // namespace harwick::kard
