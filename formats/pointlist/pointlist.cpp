#include "pointlist/pointlist.h"

#include "pointlist/notes.h"

#include "idx/idx.h"
#include "kard/kard.h"
#include "memory/large_buffer.h"

#include <algorithm>
#include <cmath>

namespace harwick::pointlist {

namespace {

constexpr PrecisionInfo kMilli{"0.001", 3, gsi::kMillimetre};
constexpr PrecisionInfo kTenthMilli{"0.0001", 4, gsi::kTenthMillimetre};
constexpr PrecisionInfo kHundredthMilli{"0.00001", 5, gsi::kHundredthMillimetre};

constexpr int kFewestDecimals = 3;
// The last GSI block number that fits the point-number word's four digits.
constexpr std::size_t kLastNumberedRow = 9999;
// What each format's reader cuts at or drops.
constexpr std::string_view kKardUnfitCharacters = ",\"";
constexpr std::string_view kIdxUnfitCharacters = ",\" \t";
constexpr int kMostDecimals = 5;

std::optional<Precision> precisionOfDecimals(int decimals)
{
    switch (decimals) {
    case 3: return Precision::Milli;
    case 4: return Precision::TenthMilli;
    case 5: return Precision::HundredthMilli;
    default: return std::nullopt;
    }
}


bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// What a GSI row was read as, for rows whose cells must be written again
// with the file's finest decimals. Writing again from the value, not filling
// up with zeros: a foot value is not a whole number of finer steps.
struct ReadValues {
    double easting = 0.0;
    double northing = 0.0;
    std::optional<double> elevation;
    int decimals = 0;
};

Row gsiRow(std::string name, std::string code, const ReadValues& v, int decimals)
{
    return Row{std::move(name), text::formatFixed(v.easting, decimals), text::formatFixed(v.northing, decimals),
               v.elevation ? text::formatFixed(*v.elevation, decimals) : std::string(), std::move(code)};
}

ImportReport importGsi(Table& table, std::string_view content)
{
    ImportReport report;
    // Each row is written with its own block's finest decimals; rows of a
    // coarser unit than the file's finest are written again at the end, so
    // a uniform file (the usual one) is formatted once.
    std::vector<ReadValues> values;
    values.reserve(table.rows.capacity());
    platform::adviseLargeBuffer(values);
    int finest = 0;
    text::forEachLine(content, [&](std::string_view line) {
        if (isBlank(line)) return;
        gsi::EditorBlock block = gsi::readEditorBlock(line);
        // Measurements, station set-ups and code blocks are no points: as
        // rows without coordinates they would save as points at 0.
        if (!block.easting || !block.northing) {
            ++report.withoutCoordinates;
            return;
        }
        if (!block.name) {
            ++report.withoutName;
            return;
        }
        const ReadValues& read = values.emplace_back(ReadValues{*block.easting, *block.northing, block.elevation,
                                                                block.finestDecimals.value_or(kFewestDecimals)});
        finest = std::max(finest, read.decimals);
        table.rows.push_back(
            gsiRow(std::move(*block.name), block.code.value_or(std::string()), read, read.decimals));
        table.flavour = block.flavour;
    });
    if (table.rows.empty()) return report;
    table.precision = precisionFor(finest);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        if (values[i].decimals == finest) continue;
        Row& row = table.rows[i];
        row = gsiRow(std::move(row.name), std::move(row.code), values[i], finest);
    }
    return report;
}

// Decimals after the first "." of a cell; none without one.
int decimalsOf(std::string_view cellText)
{
    const std::size_t dot = cellText.find('.');
    return dot == std::string_view::npos ? 0 : static_cast<int>(cellText.size() - dot - 1);
}

// A list of decimal texts keeps its finest decimals when saved as GSI: the
// precision rises to the most decimals a coordinate carries, seen as each
// row goes in (a second walk over a large list would cost as much again).
class FinestCells {
public:
    explicit FinestCells(Precision p) : finest_(info(p).decimals) {}
    void see(const Row& r)
    {
        if (finest_ >= kMostDecimals) return;
        finest_ = std::max({finest_, decimalsOf(r.easting), decimalsOf(r.northing), decimalsOf(r.elevation)});
    }
    Precision precision() const { return precisionFor(finest_); }

private:
    int finest_;
};

ImportReport importKard(Table& table, std::string_view content)
{
    ImportReport report;
    FinestCells finest(table.precision);
    kard::Fields f;
    text::forEachLine(content, [&](std::string_view line) {
        if (!kard::splitLine(line, f)) return;
        if (f[kard::kKard300.name].empty()) {
            ++report.withoutName;
            return;
        }
        const Row& row = table.rows.emplace_back(
            Row{std::string(f[kard::kKard300.name]), std::string(f[kard::kKard300.easting]),
                std::string(f[kard::kKard300.northing]), std::string(f[kard::kKard300.elevation]),
                std::string(f[kard::kKard300.code])});
        finest.see(row);
    });
    table.precision = finest.precision();
    return report;
}

ImportReport importIdx(Table& table, std::string_view content)
{
    ImportReport report;
    FinestCells finest(table.precision);
    for (idx::IdxPoint& p : idx::readPoints(content)) {
        if (p.name.empty()) {
            ++report.withoutName;
            continue;
        }
        table.rows.push_back(Row{std::move(p.name), std::move(p.easting), std::move(p.northing),
                                 std::move(p.elevation), std::move(p.code)});
        finest.see(table.rows.back());
    }
    table.precision = finest.precision();
    return report;
}

// The options dialog's rule: too few decimals are filled up; too many are
// rounded after adding a tenth of the new last place, away from zero, so that
// negative coordinates round as their positive mirror does; as many stay as
// they are. An empty cell holds no value and stays empty.
void reformatCell(std::string& cellText, int decimals)
{
    if (cellText.empty()) return;
    // Unlike decimalsOf, a cell without a point counts all its characters:
    // saved lists rely on "1234" staying as it is at four decimals.
    const std::size_t dot = cellText.find('.');
    const std::size_t k = dot == std::string::npos ? cellText.size() : cellText.size() - dot - 1;
    const std::size_t d = static_cast<std::size_t>(decimals);
    if (k == d) return;
    double value = text::readNumber(cellText);
    if (k > d) {
        static constexpr double kTenthOfLastPlace[] = {0.0001, 0.00001, 0.000001};
        value += std::copysign(kTenthOfLastPlace[decimals - 3], value);
    }
    cellText = text::formatFixed(value, decimals);
}

// Replaces every occurrence of a pseudo-extension in the file name, found
// without regard to case, by ".gsi".
bool replacePseudoExtension(std::string& path, std::string_view pseudo)
{
    bool found = false;
    const std::size_t start = text::fileNameStart(path);
    std::string lower = text::toLower(path);
    std::size_t at = lower.rfind(pseudo);
    while (at != std::string::npos && at >= start) {
        path.replace(at, pseudo.size(), kGsiExtension);
        found = true;
        if (at == 0) break;
        at = lower.rfind(pseudo, at - 1);
    }
    return found;
}

std::optional<double> valueOf(const std::string& cellText)
{
    if (cellText.empty()) return std::nullopt;
    return text::readNumber(cellText);
}

// The names and codes among the first rows that the test finds unfit.
template <typename Unfit>
std::size_t countTexts(const Table& table, std::size_t rows, Unfit unfit)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        count += (unfit(table.rows[i].name) ? 1 : 0) + (unfit(table.rows[i].code) ? 1 : 0);
    }
    return count;
}

void addGsiLosses(std::vector<std::string>& out, const Table& table, gsi::Flavour flavour,
                  const ExportResult& result)
{
    const std::string_view name = flavour == gsi::Flavour::Gsi16 ? notes::kGsi16Name : notes::kGsi8Name;
    if (result.rowsWritten > kLastNumberedRow) {
        out.push_back(text::concat({std::to_string(result.rowsWritten - kLastNumberedRow), notes::kBlockNumbersSuffix}));
    }
    if (result.valuesCut > 0) {
        out.push_back(text::concat({std::to_string(result.valuesCut), notes::kValuesCut, name, notes::kValuesCutSuffix}));
    }
    const std::size_t width = gsi::dataWidth(flavour);
    const auto tooLong = [width](const std::string& t) { return t.size() > width; };
    if (const std::size_t texts = countTexts(table, result.rowsWritten, tooLong); texts > 0) {
        out.push_back(text::concat({std::to_string(texts), notes::kTextsCut, std::to_string(width),
                                    notes::kTextsCutMiddle, name, notes::kTextsCutSuffix}));
    }
    std::size_t unplaced = 0;
    for (std::size_t i = 0; i < result.rowsWritten; ++i) {
        unplaced += table.rows[i].easting.empty() || table.rows[i].northing.empty() ? 1 : 0;
    }
    if (unplaced > 0) out.push_back(text::concat({std::to_string(unplaced), notes::kNoPlanCoordinates}));
}

void addUnfitTexts(std::vector<std::string>& out, const Table& table, std::size_t rows, std::string_view characters,
                   std::string_view which, std::string_view format)
{
    const auto holding = [characters](const std::string& t) { return t.find_first_of(characters) != std::string::npos; };
    if (const std::size_t texts = countTexts(table, rows, holding); texts > 0) {
        out.push_back(text::concat({std::to_string(texts), notes::kUnfitTexts, which, notes::kUnfitMiddle, format,
                                    notes::kUnfitSuffix}));
    }
}

} // namespace

const PrecisionInfo& info(Precision p)
{
    switch (p) {
    case Precision::TenthMilli: return kTenthMilli;
    case Precision::HundredthMilli: return kHundredthMilli;
    case Precision::Milli: break;
    }
    return kMilli;
}

std::optional<Precision> parsePrecision(std::string_view text)
{
    for (Precision p : kPrecisionChoices) {
        if (info(p).text == text) return p;
    }
    return std::nullopt;
}

FileKind kindOfPath(std::string_view path)
{
    std::string lower = text::toLower(text::fileNameOf(path));
    if (lower.find(kGsiExtension) != std::string::npos) return FileKind::Gsi;
    if (lower.find(kKardExtension) != std::string::npos) return FileKind::Kard;
    if (lower.find(kIdxExtension) != std::string::npos) return FileKind::Idx;
    return FileKind::Unknown;
}

ImportReport importFile(Table& table, FileKind kind, std::string_view content)
{
    table.rows.clear();
    // At most one row per line; reserving spares large jobs the regrowth.
    table.rows.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    platform::adviseLargeBuffer(table.rows);
    switch (kind) {
    case FileKind::Gsi: return importGsi(table, content);
    case FileKind::Kard: return importKard(table, content);
    case FileKind::Idx: return importIdx(table, content);
    case FileKind::Unknown: break;
    }
    return {};
}

std::size_t takeRows(Table& table, std::vector<Row> rows)
{
    FinestCells finest(table.precision);
    const auto nameless = [](const Row& row) { return row.name.empty(); };
    const auto withoutName = static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), nameless));
    // Rows without a name are left out; when there are none the list is
    // taken whole rather than row by row.
    if (withoutName > 0) rows.erase(std::remove_if(rows.begin(), rows.end(), nameless), rows.end());
    table.rows = std::move(rows);
    for (const Row& row : table.rows) finest.see(row);
    table.precision = finest.precision();
    return withoutName;
}

std::vector<std::string> importNotes(const ImportReport& report, FileKind kind)
{
    std::vector<std::string> out;
    const bool blocks = kind == FileKind::Gsi;
    if (report.withoutCoordinates > 0) {
        out.push_back(notes::skipped(report.withoutCoordinates, blocks, notes::kWithoutCoordinates));
    }
    if (report.withoutName > 0) out.push_back(notes::skipped(report.withoutName, blocks, notes::kWithoutName));
    return out;
}

void changePrecision(Table& table, Precision newPrecision)
{
    if (newPrecision == table.precision) return;
    table.precision = newPrecision;
    const int decimals = info(newPrecision).decimals;
    for (Row& row : table.rows) {
        reformatCell(row.easting, decimals);
        reformatCell(row.northing, decimals);
        reformatCell(row.elevation, decimals);
    }
}

std::size_t exportableRows(const Table& table)
{
    std::size_t n = 0;
    while (n < table.rows.size() && !table.rows[n].name.empty()) ++n;
    return n;
}

SaveTarget resolveSavePath(std::string_view chosenPath, std::optional<gsi::Flavour> currentFlavour)
{
    SaveTarget target{std::string(chosenPath), FileKind::Unknown, currentFlavour};
    if (replacePseudoExtension(target.path, kGsi16Extension)) target.flavour = gsi::Flavour::Gsi16;
    else if (replacePseudoExtension(target.path, kGsi8Extension)) target.flavour = gsi::Flavour::Gsi8;
    target.kind = kindOfPath(target.path);
    return target;
}

ExportResult exportFile(const Table& table, FileKind kind, std::optional<gsi::Flavour> flavour,
                        const text::LocalDateTime& created)
{
    ExportResult result;
    const std::size_t n = exportableRows(table);
    if (kind == FileKind::Idx) {
        std::vector<idx::IdxPoint> points;
        points.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const Row& r = table.rows[i];
            points.push_back(idx::IdxPoint{r.name, r.code, r.easting, r.northing, r.elevation});
        }
        result.content = idx::write(points, created);
    } else if (kind == FileKind::Kard) {
        result.content.reserve(n * 48);
        platform::adviseLargeBuffer(result.content);
        for (std::size_t i = 0; i < n; ++i) {
            const Row& r = table.rows[i];
            kard::appendEditorLine(result.content, r.name, r.code, r.easting, r.northing, r.elevation);
        }
    } else if (kind == FileKind::Gsi && flavour) {
        const gsi::LengthUnit unit = info(table.precision).unit;
        result.content.reserve(n * (*flavour == gsi::Flavour::Gsi16 ? 130 : 82));
        platform::adviseLargeBuffer(result.content);
        for (std::size_t i = 0; i < n; ++i) {
            const Row& r = table.rows[i];
            result.valuesCut += static_cast<std::size_t>(gsi::appendEditorBlock(
                result.content, *flavour, i + 1, r.name, r.code, valueOf(r.easting), valueOf(r.northing),
                valueOf(r.elevation), unit));
        }
    } else {
        return result;
    }
    result.rowsWritten = n;
    return result;
}

Precision precisionFor(int decimals)
{
    return *precisionOfDecimals(std::clamp(decimals, kFewestDecimals, kMostDecimals));
}

} // namespace harwick::pointlist

namespace harwick::pointlist {

std::vector<std::string> saveLosses(const Table& table, const SaveTarget& target, const ExportResult& result)
{
    std::vector<std::string> out;
    if (result.rowsWritten < table.rows.size()) {
        out.push_back(text::concat({notes::kRowsStopPrefix, std::to_string(result.rowsWritten), notes::kRowsStopOf,
                                    std::to_string(table.rows.size()), notes::kRowsStopRow,
                                    std::to_string(result.rowsWritten + 1), notes::kRowsStopSuffix}));
    }
    switch (target.kind) {
    case FileKind::Gsi:
        if (target.flavour) addGsiLosses(out, table, *target.flavour, result);
        break;
    case FileKind::Kard:
        addUnfitTexts(out, table, result.rowsWritten, kKardUnfitCharacters, notes::kKardUnfit, notes::kKardName);
        break;
    case FileKind::Idx:
        addUnfitTexts(out, table, result.rowsWritten, kIdxUnfitCharacters, notes::kIdxUnfit, notes::kIdxName);
        break;
    case FileKind::Unknown: break;
    }
    return out;
}

} // namespace harwick::pointlist
