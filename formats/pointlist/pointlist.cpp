#include "pointlist/pointlist.h"

#include "idx/idx.h"
#include "kard/kard.h"

#include <algorithm>
#include <cmath>

namespace harwick::pointlist {

namespace {

constexpr PrecisionInfo kMilli{"0.001", 3, gsi::kMillimetre};
constexpr PrecisionInfo kTenthMilli{"0.0001", 4, gsi::kTenthMillimetre};
constexpr PrecisionInfo kHundredthMilli{"0.00001", 5, gsi::kHundredthMillimetre};

// The editor shows imported GSI coordinates with three decimals whatever
// the unit; the precision alone remembers the finer step.
constexpr int kImportDecimals = 3;

std::optional<Precision> precisionOfDecimals(int decimals)
{
    switch (decimals) {
    case 3: return Precision::Milli;
    case 4: return Precision::TenthMilli;
    case 5: return Precision::HundredthMilli;
    default: return std::nullopt;
    }
}

std::string cell(const std::optional<double>& value)
{
    return value ? text::formatFixed(*value, kImportDecimals) : std::string();
}

void importGsi(Table& table, std::string_view content)
{
    text::forEachLine(content, [&](std::string_view line) {
        gsi::EditorBlock block = gsi::readEditorBlock(line);
        if (block.metricDecimals) table.precision = *precisionOfDecimals(*block.metricDecimals);
        // A line without a point number (a code block, a blank line) would
        // leave a row without a name, and every export stops at the first such
        // row: the points after it would silently be lost.
        if (!block.name) return;
        table.rows.push_back(Row{std::move(*block.name), cell(block.easting), cell(block.northing),
                                 cell(block.elevation), block.code.value_or(std::string())});
        table.flavour = block.flavour;
    });
}

void importKard(Table& table, std::string_view content)
{
    text::forEachLine(content, [&](std::string_view line) {
        if (std::optional<kard::KardPoint> p = kard::readLine(line)) {
            table.rows.push_back(Row{std::move(p->name), std::move(p->easting), std::move(p->northing),
                                     std::move(p->elevation), std::string()});
        }
    });
}

void importIdx(Table& table, std::string_view content)
{
    for (idx::IdxPoint& p : idx::readPoints(content)) {
        table.rows.push_back(Row{std::move(p.name), std::move(p.easting), std::move(p.northing),
                                 std::move(p.elevation), std::move(p.code)});
    }
}

// The options dialog's rule: too few decimals are filled up; too many are
// rounded after adding a tenth of the new last place, away from zero, so that
// negative coordinates round as their positive mirror does; as many stay as
// they are.
void reformatCell(std::string& cellText, int decimals)
{
    std::size_t dot = cellText.find('.');
    std::size_t k = dot == std::string::npos ? cellText.size() : cellText.size() - dot - 1;
    const std::size_t d = static_cast<std::size_t>(decimals);
    if (k == d) return;
    double value = text::readNumber(cellText);
    if (k > d) {
        static constexpr double kTenthOfLastPlace[] = {0.0001, 0.00001, 0.000001};
        value += std::copysign(kTenthOfLastPlace[decimals - 3], value);
    }
    cellText = text::formatFixed(value, decimals);
}

// Replaces every occurrence of a pseudo-extension, found without regard to
// case, by ".gsi".
bool replacePseudoExtension(std::string& path, std::string_view pseudo)
{
    bool found = false;
    std::string lower = text::toLower(path);
    std::size_t at = lower.rfind(pseudo);
    while (at != std::string::npos) {
        path.replace(at, pseudo.size(), kGsiExtension);
        found = true;
        if (at == 0) break;
        at = lower.rfind(pseudo, at - 1);
    }
    return found;
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
    std::string lower = text::toLower(path);
    if (lower.find(kGsiExtension) != std::string::npos) return FileKind::Gsi;
    if (lower.find(kKardExtension) != std::string::npos) return FileKind::Kard;
    if (lower.find(kIdxExtension) != std::string::npos) return FileKind::Idx;
    return FileKind::Unknown;
}

void importFile(Table& table, FileKind kind, std::string_view content)
{
    table.rows.clear();
    // At most one row per line; reserving spares large jobs the regrowth.
    table.rows.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    switch (kind) {
    case FileKind::Gsi: importGsi(table, content); break;
    case FileKind::Kard: importKard(table, content); break;
    case FileKind::Idx: importIdx(table, content); break;
    case FileKind::Unknown: break;
    }
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
        result.content.reserve(n * 40);
        for (std::size_t i = 0; i < n; ++i) {
            const Row& r = table.rows[i];
            kard::appendEditorLine(result.content, r.name, r.easting, r.northing, r.elevation);
        }
    } else if (kind == FileKind::Gsi && flavour) {
        const gsi::LengthUnit unit = info(table.precision).unit;
        result.content.reserve(n * (*flavour == gsi::Flavour::Gsi16 ? 130 : 82));
        for (std::size_t i = 0; i < n; ++i) {
            const Row& r = table.rows[i];
            result.valuesCut += static_cast<std::size_t>(gsi::appendEditorBlock(
                result.content, *flavour, i + 1, r.name, r.code, text::readNumber(r.easting),
                text::readNumber(r.northing), text::readNumber(r.elevation), unit));
        }
    } else {
        return result;
    }
    result.rowsWritten = n;
    return result;
}

} // namespace harwick::pointlist
