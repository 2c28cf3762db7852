#include "save_rules.h"

#include "editor_messages.h"

#include "text/text.h"

namespace pointbook {

namespace {

using pointlist::FileKind;

// The last GSI block number that fits the point-number word's four digits.
constexpr std::size_t kLastNumberedRow = 9999;

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A leading dot names a hidden file, not an extension.
bool HasExtension(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return dot != std::string_view::npos && dot > 0;
}

bool EndsWithGsi(std::string_view fileName)
{
    const std::string lower = harwick::text::toLower(fileName);
    return lower.ends_with(pointlist::kGsiExtension);
}

std::size_t TextsTooLong(const pointlist::Table& table, std::size_t rows, std::size_t width)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        const pointlist::Row& r = table.rows[i];
        count += (r.name.size() > width ? 1 : 0) + (r.code.size() > width ? 1 : 0);
    }
    return count;
}

void AddGsiWarnings(std::vector<std::string>& out, const pointlist::Table& table, gsi::Flavour flavour,
                    const pointlist::ExportResult& result)
{
    const std::string_view name = flavour == gsi::Flavour::Gsi16 ? kGsi16Name : kGsi8Name;
    if (result.rowsWritten > kLastNumberedRow) {
        out.push_back(std::to_string(result.rowsWritten - kLastNumberedRow) + std::string(kBlockNumbersSuffix));
    }
    if (result.valuesCut > 0) {
        out.push_back(harwick::text::concat(
            {std::to_string(result.valuesCut), kValuesCut, name, kValuesCutSuffix}));
    }
    const std::size_t width = gsi::dataWidth(flavour);
    if (const std::size_t texts = TextsTooLong(table, result.rowsWritten, width); texts > 0) {
        out.push_back(harwick::text::concat(
            {std::to_string(texts), kTextsCut, std::to_string(width), kTextsCutMiddle, name, kTextsCutSuffix}));
    }
}

} // namespace

std::string NameForSaveFilter(std::string_view chosen, std::size_t filter)
{
    std::string name(chosen);
    if (filter >= kSaveFilters.size()) return name;
    const std::string_view fileName = FileNameOf(chosen);
    const std::string_view extension = kSaveFilters[filter].extension;
    const bool gsiEntry = filter == kGsi16Filter || filter == kGsi8Filter;
    if (gsiEntry && EndsWithGsi(fileName)) {
        name.replace(name.size() - pointlist::kGsiExtension.size(), pointlist::kGsiExtension.size(), extension);
    } else if (!HasExtension(fileName)) {
        name.append(extension);
    }
    return name;
}

std::vector<std::string> SaveWarnings(const pointlist::Table& table, const pointlist::SaveTarget& target,
                                      const pointlist::ExportResult& result)
{
    std::vector<std::string> out;
    if (result.rowsWritten < table.rows.size()) {
        out.push_back(harwick::text::concat({kRowsStopPrefix, std::to_string(result.rowsWritten), kRowsStopOf,
                                             std::to_string(table.rows.size()), kRowsStopRow,
                                             std::to_string(result.rowsWritten + 1), kRowsStopSuffix}));
    }
    if (target.kind == FileKind::Gsi && target.flavour) AddGsiWarnings(out, table, *target.flavour, result);
    return out;
}

} // namespace pointbook
