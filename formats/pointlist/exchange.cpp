#include "language/ui_text.h"
#include "pointlist/exchange.h"

#include "dxf/dxf.h"
#include "geojson/geojson.h"
#include "landxml/landxml.h"
#include "pointlist/notes.h"

#include <array>

namespace harwick::pointlist {

namespace {

constexpr std::string_view kCsvName = "CSV";
constexpr std::string_view kGeoJsonName = "GeoJSON";
constexpr std::string_view kLandXmlName = "LandXML";
constexpr std::string_view kDxfName = "DXF";
constexpr harwick::UiText kNumbered = " point(s) had no name label beside them and are named by their place in the drawing.";
constexpr harwick::UiText kNotPoints = " feature(s) that are not points were passed over.";
constexpr harwick::UiText kNoCoordinates = " point(s) without both plan coordinates were passed over.";
constexpr harwick::UiText kLeftOut = " row(s) lack an easting or a northing, which ";
constexpr harwick::UiText kLeftOutSuffix = " cannot hold: they are left out.";
constexpr harwick::UiText kNoUnits = "The file names no units; its values are taken as metres.";

struct Named {
    std::string_view word;
    ListKind kind;
};
const std::array<Named, 9> kWords{{
    {"gsi16", {ContentKind{FileKind::Gsi, gsi::Flavour::Gsi16}, std::nullopt}},
    {"gsi8", {ContentKind{FileKind::Gsi, gsi::Flavour::Gsi8}, std::nullopt}},
    {"gsi", {ContentKind{FileKind::Gsi, std::nullopt}, std::nullopt}},
    {"kard", {ContentKind{FileKind::Kard, std::nullopt}, std::nullopt}},
    {"idx", {ContentKind{FileKind::Idx, std::nullopt}, std::nullopt}},
    {"csv", {std::nullopt, ExchangeKind::Csv}},
    {"geojson", {std::nullopt, ExchangeKind::GeoJson}},
    {"landxml", {std::nullopt, ExchangeKind::LandXml}},
    {"dxf", {std::nullopt, ExchangeKind::Dxf}},
}};

struct Ending {
    std::string_view extension;
    ExchangeKind kind;
};
constexpr std::array<Ending, 6> kEndings{{{".csv", ExchangeKind::Csv},
                                          {".geojson", ExchangeKind::GeoJson},
                                          {".json", ExchangeKind::GeoJson},
                                          {".xml", ExchangeKind::LandXml},
                                          {".landxml", ExchangeKind::LandXml},
                                          {".dxf", ExchangeKind::Dxf}}};

std::string counted(std::size_t count, std::string_view sentence)
{
    return text::concat({std::to_string(count), sentence});
}

// The rows written: the table's own when all of them are (a copy of a
// million rows costs more than some writers), else a copy of those before
// the first without a name.
const std::vector<Row>& exportable(const Table& table, std::vector<Row>& storage)
{
    const std::size_t count = exportableRows(table);
    if (count == table.rows.size()) return table.rows;
    storage.assign(table.rows.begin(), table.rows.begin() + static_cast<std::ptrdiff_t>(count));
    return storage;
}

// What a GeoJSON or LandXML writer made, as the conversion reports it.
ExchangeExport exported(points::WrittenList written, std::string_view format)
{
    ExchangeExport result;
    if (!written.ok()) {
        result.refusal = written.failure->message();
        return result;
    }
    result.content = std::move(written.content);
    result.rowsWritten = written.written;
    if (written.leftOut > 0) {
        result.losses.push_back(text::concat({std::to_string(written.leftOut), kLeftOut, format, kLeftOutSuffix}));
    }
    return result;
}

void noteNameless(ExchangeImport& result, std::size_t withoutName)
{
    if (withoutName > 0) result.notes.push_back(notes::skipped(withoutName, false, notes::kWithoutName));
}

// The points a reader found into the table, or its refusal; false when refused.
template <typename Read>
bool taken(ExchangeImport& result, Table& table, Read& read)
{
    if (!read.ok()) {
        result.refusal = read.failure->message();
        return false;
    }
    noteNameless(result, takeRows(table, std::move(read.points)));
    return true;
}

} // namespace

std::string_view listKindName(const ListKind& kind)
{
    if (kind.editor) {
        if (kind.editor->kind == FileKind::Gsi && !kind.editor->flavour) return "GSI";
        return kindName(*kind.editor);
    }
    if (!kind.exchange) return "unknown";
    switch (*kind.exchange) {
    case ExchangeKind::Csv: return kCsvName;
    case ExchangeKind::GeoJson: return kGeoJsonName;
    case ExchangeKind::LandXml: return kLandXmlName;
    case ExchangeKind::Dxf: break;
    }
    return kDxfName;
}

std::string_view listKindExtension(const ListKind& kind)
{
    if (kind.editor) {
        switch (kind.editor->kind) {
        case FileKind::Gsi: return kGsiExtension;
        case FileKind::Kard: return kKardExtension;
        case FileKind::Idx: return kIdxExtension;
        case FileKind::Unknown: break;
        }
        return {};
    }
    for (const Ending& ending : kEndings) {
        if (kind.exchange && ending.kind == *kind.exchange) return ending.extension;
    }
    return {};
}

std::string listKindWords()
{
    std::string words;
    for (const Named& named : kWords) {
        if (!words.empty()) words += ", ";
        words += named.word;
    }
    return words;
}

std::optional<ListKind> parseListKind(std::string_view word)
{
    const std::string lower = text::toLower(word);
    for (const Named& named : kWords) {
        if (named.word == lower) return named.kind;
    }
    return std::nullopt;
}

std::optional<ListKind> listKindOfPath(std::string_view path)
{
    const FileKind editorKind = kindOfPath(path);
    if (editorKind != FileKind::Unknown) return ListKind{ContentKind{editorKind, std::nullopt}, std::nullopt};
    const std::string lower = text::toLower(text::fileNameOf(path));
    for (const Ending& ending : kEndings) {
        if (lower.ends_with(ending.extension)) return ListKind{std::nullopt, ending.kind};
    }
    return std::nullopt;
}

std::vector<ListKind> candidateListKinds(std::string_view content)
{
    std::vector<ListKind> kinds;
    for (const ContentKind& kind : candidateKinds(content)) kinds.push_back({kind, std::nullopt});
    if (csv::looksLikeCsv(content)) kinds.push_back({std::nullopt, ExchangeKind::Csv});
    if (geojson::looksLikeGeoJson(content)) kinds.push_back({std::nullopt, ExchangeKind::GeoJson});
    if (landxml::looksLikeLandXml(content)) kinds.push_back({std::nullopt, ExchangeKind::LandXml});
    if (dxf::looksLikeDxf(content)) kinds.push_back({std::nullopt, ExchangeKind::Dxf});
    return kinds;
}

ExchangeImport importExchange(Table& table, ExchangeKind kind, std::string_view content,
                              const ExchangeOptions& options)
{
    ExchangeImport result;
    switch (kind) {
    case ExchangeKind::Csv: {
        csv::Result<csv::ReadResult> read = csv::read(content, options.csvRead);
        if (!read.ok()) {
            result.refusal = read.error;
            return result;
        }
        const csv::Layout& layout = read.value->layout;
        csv::WriteOptions written{{}, layout.delimiter, layout.decimalComma, layout.header};
        for (const std::optional<csv::Column>& field : layout.fields) {
            if (field) written.columns.push_back(*field);
        }
        result.csvLayout = std::move(written);
        noteNameless(result, takeRows(table, std::move(read.value->rows)));
        return result;
    }
    case ExchangeKind::GeoJson: {
        geojson::ReadResult read = geojson::read(content);
        if (taken(result, table, read) && read.nonPointFeatures > 0) {
            result.notes.push_back(counted(read.nonPointFeatures, kNotPoints));
        }
        return result;
    }
    case ExchangeKind::Dxf: {
        // A drawing holds numbers: its coordinates get at least the decimals
        // the list had before, as a list of that precision would show them.
        dxf::ReadResult read = dxf::read(content, info(table.precision).decimals);
        if (taken(result, table, read) && read.numbered > 0) {
            result.notes.push_back(counted(read.numbered, kNumbered));
        }
        return result;
    }
    case ExchangeKind::LandXml: break;
    }
    landxml::ReadResult read = landxml::read(content);
    if (!taken(result, table, read)) return result;
    if (read.withoutCoordinates > 0) result.notes.push_back(counted(read.withoutCoordinates, kNoCoordinates));
    if (read.linearUnit.empty()) result.notes.emplace_back(kNoUnits);
    return result;
}

ExchangeExport exportExchange(const Table& table, ExchangeKind kind, const ExchangeOptions& options,
                              const text::LocalDateTime& created)
{
    ExchangeExport result;
    std::vector<Row> storage;
    const std::vector<Row>& rows = exportable(table, storage);
    switch (kind) {
    case ExchangeKind::Csv: {
        csv::Result<std::string> written = csv::write(rows, options.csvWrite);
        if (!written.ok()) {
            result.refusal = written.error;
            return result;
        }
        result.content = std::move(*written.value);
        result.rowsWritten = rows.size();
        return result;
    }
    case ExchangeKind::GeoJson:
        return exported(geojson::write(rows, geojson::WriteOptions{options.crs}), kGeoJsonName);
    case ExchangeKind::Dxf: {
        dxf::Planned planned = dxf::plan(rows, options.textHeight);
        ExchangeExport drawn = exported(points::WrittenList{planned.failure, {}, planned.written, planned.leftOut}, kDxfName);
        if (drawn.refusal) return drawn;
        drawn.drawing = std::move(planned.drawing);
        drawn.losses.insert(drawn.losses.end(), planned.losses.begin(), planned.losses.end());
        return drawn;
    }
    case ExchangeKind::LandXml: break;
    }
    return exported(landxml::write(rows, created), kLandXmlName);
}

} // namespace harwick::pointlist
