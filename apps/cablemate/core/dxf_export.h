// The DXF export: a KARD300 point list («name,code,easting,northing,elevation»
// CR LF per point) as the text of a minimal DXF drawing, written line by line.
// Each point becomes a point entity on layer "Point", its name as a label on
// "PointNumber" and its signed elevation as a label on "Level".
#pragma once

#include "tables.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cablemate {

// A field longer than this refuses the export.
inline constexpr std::size_t kDxfFieldLimit = 20;
// The name label shows at most this many bytes of the point's name.
inline constexpr std::size_t kNameLabelWidth = 10;

// On success: no message, the drawing's text (CR LF per line) and the table it
// was drawn from. Otherwise kInvalidKard300Format (no KARD300 line count, or
// a counted line without exactly four commas) or kTransformFailed (a field
// too long), no text and an empty table.
struct DxfResult {
    std::string_view message;
    std::optional<std::string> text;
    CoordinateTable table;
};

// Name and code keep at most kCoordinateSlot bytes. A coordinate of 15 to 20
// characters keeps its first kCoordinateSlot when what is dropped are only
// trailing decimals; any other cut would change the number, so it refuses the
// export like a field that is too long.
DxfResult ExportDxf(std::string_view editor);

} // namespace cablemate
