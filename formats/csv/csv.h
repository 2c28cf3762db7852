// CSV point lists: the rows of a spreadsheet or a GIS program, one point per
// record, quoted as RFC 4180 quotes (a field holding the delimiter, a quote,
// CR or LF is put in quotes, its quotes doubled). The writer ends every line
// CR LF and writes a header row of the long column names; the reader finds
// the delimiter, the header row and a decimal comma itself, and refuses a
// file whose columns it cannot tell apart rather than guess.
//
// Reading without a header row: a file of five columns is read as name,
// easting, northing, elevation, code (the writer's default order) when, in
// the rows looked at for detection, the second and third column hold a number
// in every row and the fourth a number or nothing. Any other file without a
// header row needs its columns passed: no other order can be told from the
// values (easting from northing least of all).
//
// A header row is the first record when every cell is text that is no
// number, each known name at most once, and easting and northing among them
// (case and blanks aside: name, point, pt, id; e, east, easting, y; n, north,
// northing, x; z, h, elev, elevation, height; code, desc, description). Its
// other columns are left unread and listed in the layout.
//
// The delimiter is the one of ",", ";" and tab that splits the records looked
// at into the same number of fields (quotes respected) and whose columns can
// be told apart; when two would do, the file is refused. A decimal comma is
// taken with ";" or tab when the coordinates are numbers with it and not with
// a point. Lines holding nothing but delimiters are passed over, as is a
// UTF-8 byte order mark; a quote inside an unquoted field is kept as text.
//
// Every coordinate cell of every row must be a number or empty; the first
// row where one is not refuses the whole file, naming its line, so that a
// list is never taken in half. Values stay the text the file holds (blanks
// around a coordinate trimmed, a decimal comma turned into a point), so that
// decimals survive.
#pragma once

#include "points/point_row.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace harwick::csv {

// What an operation gave, or why it gave nothing.
template <typename T>
struct Result {
    std::optional<T> value;
    std::string error; // one sentence for the user, empty when there is a value

    bool ok() const { return value.has_value(); }
    static Result success(T v) { return Result{std::move(v), {}}; }
    static Result failure(std::string why) { return Result{std::nullopt, std::move(why)}; }
};

enum class Column { Name, Easting, Northing, Elevation, Code };
using Columns = std::vector<Column>;

inline const Columns kDefaultColumns{Column::Name, Column::Easting, Column::Northing, Column::Elevation,
                                     Column::Code};

// The long name the writer puts in its header row ("easting").
std::string_view columnName(Column c);

// A columns choice as a user types it, "name,n,e,z,code": each of name,
// e or easting, n or northing, z or elevation, code, at most once, in the
// file's order (case and blanks around a name do not matter). A bad choice is
// refused with a message listing the accepted names.
Result<Columns> parseColumns(std::string_view typed);

inline constexpr char kTab = '\t';
// ",", ";", "tab" or a tab character; a delimiter the module does not write
// or read is refused.
Result<char> parseDelimiter(std::string_view typed);

struct WriteOptions {
    Columns columns = kDefaultColumns;
    char delimiter = ',';
    // Coordinates written with a comma for their decimal point; needs the
    // delimiter ";" or tab.
    bool decimalComma = false;
    bool header = true;
};

// The whole file, every line ending CR LF. Names, codes and coordinates are
// written as the rows hold them; a bad choice of options is refused.
Result<std::string> write(const std::vector<points::PointRow>& rows, const WriteOptions& options = {});

// What the reader takes from the user instead of finding it.
struct ReadOptions {
    // The file's columns in order; a first row whose coordinate cells all hold
    // text that is no number is then taken as a header row and skipped.
    std::optional<Columns> columns;
    std::optional<char> delimiter;
    std::optional<bool> decimalComma;
};

// How a file is laid out, found or given.
struct Layout {
    char delimiter = ',';
    bool decimalComma = false;
    bool header = false;
    // One entry per field of a record: the column it fills, or nothing for a
    // header column of no known name.
    std::vector<std::optional<Column>> fields;
    // The header names of the fields left unread, in file order.
    std::vector<std::string> ignoredColumns;
};

// The layout, from the first records of content (see kDetectionRecords).
Result<Layout> detectLayout(std::string_view content, const ReadOptions& options = {});

// Detection looks at this many records; later rows are only read.
inline constexpr std::size_t kDetectionRecords = 1000;

struct ReadResult {
    std::vector<points::PointRow> rows;
    Layout layout;
};

// Every point row of content, in file order.
Result<ReadResult> read(std::string_view content, const ReadOptions& options = {});

// For telling file kinds apart: whether read() would find the columns of
// content by itself. Only detection runs; no row is read.
bool looksLikeCsv(std::string_view content);

} // namespace harwick::csv
