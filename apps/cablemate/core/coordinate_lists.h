// The coordinate and code list dialogs as data: the tables they build from
// the editor's text, the rows and titles they show, the text an OK writes
// back, the check of a new row; and the coordinate correction for a changed
// prism constant. No widgets: the window calls these and shows the results.
#pragma once

#include "refresh.h"
#include "tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cablemate {

// The column order the user picks each time the coordinate list opens:
// KARD300 «name,code,c1,c2,c3», KARD600 «name,c1,c2,c3,code».
enum class EditFormat { Kard300, Kard600 };

inline constexpr std::size_t kPointFields = 5;
using CoordinateRow = std::array<std::string, kPointFields>;
using CodeRow = std::array<std::string, 2>;

// The edit format dialog opens on KARD600.
inline constexpr EditFormat kDefaultEditFormat = EditFormat::Kard600;

inline constexpr int kCoordinateColumnWidth = 100;
inline constexpr std::array<int, 2> kCodeColumnWidths{150, 200};
// Grid lines and full-row selection.
inline constexpr int kListExtendedStyle = 545;

// ---- Shared line handling -----------------------------------------------------------

// The line starting at pos, without its CR LF, and pos moved past the CR LF;
// nothing when no CR LF follows pos.
std::optional<std::string_view> NextCrLfLine(std::string_view text, std::size_t& pos);

// A point line's five fields: cut at the first four commas, the fifth runs
// to the line's end (further commas stay in it). Nothing with fewer than
// four commas.
std::optional<std::array<std::string_view, kPointFields>> SplitPointLine(std::string_view line);

// At most limit bytes of text, cut where no UTF-8 character is split.
std::string_view FitSlot(std::string_view text, std::size_t limit);

// ---- Coordinate list ------------------------------------------------------------------

// CountKardLines records from the editor's text, fields stored by the chosen
// order; stops early at the first line without four commas or without its
// CR LF. Each field keeps at most kCoordinateSlot bytes.
CoordinateTable BuildCoordinateTable(std::string_view editor, EditFormat format);

// The list's cells in column order: KARD600 name, c1, c2, c3, code; KARD300
// name, code, c1, c2, c3.
std::vector<CoordinateRow> CoordinateRows(const CoordinateTable& table, EditFormat format);
std::array<std::string_view, kPointFields> CoordinateColumnTitles(EditFormat format);

// What the add and edit dialogs show and take: the point by meaning.
struct PointFields {
    std::string name, easting, northing, elevation, code;
};
// Where the dialogs' edits go in a row, and where the edit dialog takes them
// from; each cell keeps at most kCoordinateSlot bytes.
CoordinateRow RowFromFields(const PointFields& fields, EditFormat format);
PointFields FieldsFromRow(const CoordinateRow& row, EditFormat format);

// Columns 0..4 of each row joined with commas, CR LF after each; cells of
// more than kCoordinateSlot bytes are cut.
std::string CoordinateListText(const std::vector<CoordinateRow>& rows);

// ---- Code list --------------------------------------------------------------------------

// The cells the code dialogs take and the list writes back.
inline constexpr std::size_t kCodeCell = kCodeTextWidth;

// CountCodeLines records «number,code»: the number keeps kCodeNumberWidth
// bytes, the code kCodeTextWidth.
CodeTable BuildCodeTable(std::string_view editor);
std::vector<CodeRow> CodeRows(const CodeTable& table);
std::array<std::string_view, 2> CodeColumnTitles();
// A row from the add or edit dialog's two edits, cells cut to kCodeCell.
CodeRow CodeRowFromFields(std::string_view number, std::string_view code);
// «number,code» CR LF per row, cells cut to kCodeCell.
std::string CodeListText(const std::vector<CodeRow>& rows);

// The add dialogs' (and the code edit dialog's) check: kNameEmpty, kCodeEmpty,
// or empty when the row may go in.
std::string_view CheckNewRow(std::string_view name, std::string_view code);

// ---- Coordinate correction --------------------------------------------------------------

// The corrected text and kInvalidSourceData when the correction stopped at a
// line that is not «f1,f2,x,y,z»; the lines before it are rewritten, that line
// and the rest follow unchanged.
struct CorrectionResult {
    std::string text;
    std::string_view message;
};

// Every CR LF line «f1,f2,x,y,z» keeps f1 and f2 and moves the point along its
// direction from the instrument by newConstant - oldConstant, each value
// printed "%f"; a point at the origin keeps its values. Text after the last
// CR LF follows unchanged. refresh is offered the text after every
// line, throttled.
CorrectionResult CorrectCoordinates(std::string_view editor, double oldConstant, double newConstant,
                                    const Refresh& refresh = {});

} // namespace cablemate
