// The coordinate editor's point list and its import and export rules, shared
// by the editor's window and by the batch converter: which files are read as
// what, how each kind fills the rows, how the precision reformats the cells,
// and how the rows are written back as GSI-8, GSI-16, KARD or IDX.
#pragma once

#include "gsi/gsi.h"
#include "points/point_row.h"
#include "text/text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::pointlist {

// The editor's precision setting: decimals shown and GSI unit written.
enum class Precision { Milli, TenthMilli, HundredthMilli };

struct PrecisionInfo {
    std::string_view text;
    int decimals;
    gsi::LengthUnit unit;
};

const PrecisionInfo& info(Precision p);

// "0.001", "0.0001" or "0.00001"; nothing for any other text.
std::optional<Precision> parsePrecision(std::string_view text);

// The options dialog lists the precisions in this order.
inline constexpr std::array<Precision, 3> kPrecisionChoices = {Precision::HundredthMilli, Precision::TenthMilli,
                                                               Precision::Milli};

// One row of the grid; every cell is text.
using Row = points::PointRow;

struct Table {
    std::vector<Row> rows;                 // rows 1..n of the grid, without the entry row
    Precision precision = Precision::Milli;
    std::optional<gsi::Flavour> flavour;   // the GSI flavour Save writes
};

enum class FileKind { Gsi, Kard, Idx, Unknown };

// Extensions searched for, in this order, anywhere in the lower-cased file
// name (never in the names of the folders above it).
inline constexpr std::string_view kGsiExtension = ".gsi";
inline constexpr std::string_view kKardExtension = ".dat";
inline constexpr std::string_view kIdxExtension = ".idx";
// Pseudo-extensions of the save dialog's two GSI choices.
inline constexpr std::string_view kGsi16Extension = ".gsi16";
inline constexpr std::string_view kGsi8Extension = ".gsi8";

FileKind kindOfPath(std::string_view path);

// What an import read past: blocks and lines that are no point.
struct ImportReport {
    // GSI blocks without both plan coordinates (81 and 82): measurements,
    // station set-ups, code blocks.
    std::size_t withoutCoordinates = 0;
    // GSI blocks with coordinates but no point number (word 11); KARD and
    // IDX point lines with an empty name.
    std::size_t withoutName = 0;
};

// Replaces the rows with the file's points. A GSI block is a point when it
// has a point number and both plan coordinates; a point without elevation
// keeps its elevation cell empty, as does every value the file does not
// carry (never 0). GSI sets the flavour (from the "*" mark) and the
// precision, and shows every coordinate with the decimals of the finest unit
// read; KARD and IDX keep the flavour and raise the precision to the
// decimals their coordinates carry.
ImportReport importFile(Table& table, FileKind kind, std::string_view content);

// Replaces the rows with points another format read, skipping those without
// a name as KARD does, and raises the precision to the decimals their
// coordinates carry. The number skipped.
std::size_t takeRows(Table& table, std::vector<Row> rows);

// One sentence per kind of block or line the import read past; none when it
// read every one as a point.
std::vector<std::string> importNotes(const ImportReport& report, FileKind kind);

// Reformats every coordinate cell for a new precision, as the options dialog
// does; nothing happens when the precision is unchanged. An empty cell stays
// empty: a value the file did not carry is not 0.
void changePrecision(Table& table, Precision newPrecision);

// The precision that shows decimals decimals: 0.001 for three or fewer,
// 0.00001 for five or more.
Precision precisionFor(int decimals);

// Rows written by every export: up to, not including, the first row whose
// name is empty.
std::size_t exportableRows(const Table& table);

// Where Save writes: a file name holding ".gsi16" or ".gsi8" chooses that
// flavour and has the pseudo-extension turned into ".gsi".
struct SaveTarget {
    std::string path;
    FileKind kind = FileKind::Unknown;
    std::optional<gsi::Flavour> flavour;
};
SaveTarget resolveSavePath(std::string_view chosenPath, std::optional<gsi::Flavour> currentFlavour);

// The flavour written for a GSI target that names none: GSI-16, which holds
// every name, code and coordinate the grid can hold at any precision.
inline constexpr gsi::Flavour kDefaultFlavour = gsi::Flavour::Gsi16;

struct ExportResult {
    std::string content;
    std::size_t rowsWritten = 0;
    std::size_t valuesCut = 0; // GSI values whose steps did not fit the data width
};

// The file's bytes for kind (a GSI export needs a flavour; without one it is
// empty, as the editor leaves it). created stamps an IDX header. An empty
// coordinate cell writes no GSI word and an empty KARD or IDX field.
ExportResult exportFile(const Table& table, FileKind kind, std::optional<gsi::Flavour> flavour,
                        const text::LocalDateTime& created);

// One sentence per way the written file holds less than the grid: rows after
// the first row without a name, block numbers beyond 9999, values and names
// too long for the GSI words, GSI rows without plan coordinates, names and
// codes holding characters KARD or IDX cannot hold. Empty when the file holds
// everything the grid does.
std::vector<std::string> saveLosses(const Table& table, const SaveTarget& target, const ExportResult& result);

} // namespace harwick::pointlist
