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

// ---- The text behind a list ----------------------------------------------------------

// The editor's text as a list holds it: every line in order (any line end,
// or none on the last line), each either one of the list's rows or kept as
// it is. A list shows only the lines it can write back exactly as they
// were; OK writes its rows into their own lines and leaves every other line
// unchanged and in place, so a list never loses text it cannot show.
struct ListLines {
    struct Line {
        std::string body;
        std::string end;                  // its own line end; "" for a last line without one
        std::optional<std::size_t> row;   // which row it is, or nothing when kept as it is
    };
    std::vector<Line> lines;
    std::string lineEnd = "\r\n";       // the text's own, for lines written anew
    std::size_t keptAside = 0;            // lines kept as they are that are not blank
};

// Where each row of a list came from: the row index it had when the list
// opened, nothing for a row added since.
using RowOrigins = std::vector<std::optional<std::size_t>>;

// The text OK writes: each row that is still there in its own line (bodies
// are the rows' texts, in the list's order), added rows after the last line
// that was a row (at the end when none was), every other line as it was.
std::string WriteListBack(const ListLines& source, const std::vector<std::string>& bodies, const RowOrigins& origins);

// What the user is told when a list opens over lines it cannot show; empty
// when there are none.
std::string KeptLinesMessage(const ListLines& source, std::size_t rows);

template <typename Table>
struct ListSource {
    Table table;
    ListLines lines;
};

// ---- Coordinate list ------------------------------------------------------------------

// Every line with exactly four commas and no field over kCoordinateSlot
// bytes is a row, its fields stored by the chosen order.
ListSource<CoordinateTable> ReadCoordinateList(std::string_view editor, EditFormat format);

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

// Columns 0..4 of a row joined with commas; cells of more than
// kCoordinateSlot bytes are cut.
std::string CoordinateRowText(const CoordinateRow& row);

// ---- Code list --------------------------------------------------------------------------

// The cells the code dialogs take and the list writes back.
inline constexpr std::size_t kCodeCell = kCodeTextWidth;

// Every line «number,code» with exactly one comma, a number of at most
// kCodeNumberWidth bytes and a code of at most kCodeTextWidth is a row.
ListSource<CodeTable> ReadCodeList(std::string_view editor);
std::vector<CodeRow> CodeRows(const CodeTable& table);
std::array<std::string_view, 2> CodeColumnTitles();
// A row from the add or edit dialog's two edits, cells cut to kCodeCell.
CodeRow CodeRowFromFields(std::string_view number, std::string_view code);
// «number,code», cells cut to kCodeCell.
std::string CodeRowText(const CodeRow& row);

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

// Every line «f1,f2,x,y,z» (any line end, or none on the last line) keeps f1
// and f2 and moves the point along its direction from the instrument by
// newConstant - oldConstant, each value printed "%f", CR LF after each line;
// a point at the origin keeps its values. refresh is offered the text after
// every line, throttled.
CorrectionResult CorrectCoordinates(std::string_view editor, double oldConstant, double newConstant,
                                    const Refresh& refresh = {});

} // namespace cablemate
