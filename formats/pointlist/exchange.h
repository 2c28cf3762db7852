// The point lists other tools read — CSV for spreadsheets, GeoJSON for GIS,
// LandXML for design software, DXF for CAD — as the conversion reads and writes them
// beside GSI, KARD and IDX, and the kind of any point list told from its name
// or, where the name does not say, from its content.
#pragma once

#include "csv/csv.h"
#include "dxf/dxf.h"
#include "pointlist/detect.h"
#include "pointlist/pointlist.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::pointlist {

enum class ExchangeKind { Csv, GeoJson, LandXml, Dxf };

// Any point list the conversion handles: one of the editor's kinds (with the
// GSI flavour) or an exchange kind.
struct ListKind {
    std::optional<ContentKind> editor;
    std::optional<ExchangeKind> exchange;

    bool operator==(const ListKind&) const = default;
};

// "GSI-16", "KARD", "CSV", "GeoJSON", "LandXML", "DXF".
std::string_view listKindName(const ListKind& kind);

// A kind named on the command line: gsi16, gsi8, gsi, kard, idx, csv,
// geojson, landxml, dxf (any letter case); nothing for another word.
std::optional<ListKind> parseListKind(std::string_view word);
// The extension a file of the kind is given: ".gsi", ".dat", ".idx", ".csv",
// ".geojson", ".xml", ".dxf".
std::string_view listKindExtension(const ListKind& kind);

// The words parseListKind takes, for a message: "gsi16, gsi8, …, dxf".
std::string listKindWords();

// The kind a file name says: the editor's extensions as the editor finds
// them, then a name ending .csv, .geojson or .json, .xml or .landxml, .dxf.
std::optional<ListKind> listKindOfPath(std::string_view path);

// Every kind the content reads as (see candidateKinds), CSV, GeoJSON,
// LandXML and DXF included.
std::vector<ListKind> candidateListKinds(std::string_view content);

struct ExchangeOptions {
    csv::ReadOptions csvRead;
    csv::WriteOptions csvWrite;
    std::string crs; // GeoJSON: "EPSG:n", or empty
    double textHeight = dxf::kDefaultTextHeight; // DXF labels
};

// Reading an exchange file into the table: refused with one sentence, or the
// sentences of what was passed over.
struct ExchangeImport {
    std::optional<std::string> refusal;
    std::vector<std::string> notes;
    // CSV: the file's own layout (delimiter, decimal mark, header, the
    // columns read), for writing the list back as it came.
    std::optional<csv::WriteOptions> csvLayout;
};
ExchangeImport importExchange(Table& table, ExchangeKind kind, std::string_view content,
                              const ExchangeOptions& options);

struct ExchangeExport {
    std::optional<std::string> refusal;
    std::string content;
    // DXF: the drawing for the drawing library to write; content is empty.
    std::optional<dxf::Drawing> drawing;
    std::size_t rowsWritten = 0;
    std::vector<std::string> losses; // what the file holds less than the grid
};
// The rows up to the first without a name, as exportFile writes them.
ExchangeExport exportExchange(const Table& table, ExchangeKind kind, const ExchangeOptions& options,
                              const text::LocalDateTime& created);

} // namespace harwick::pointlist
