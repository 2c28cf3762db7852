#include "save_rules.h"

#include "editor_messages.h"

#include "text/text.h"

namespace pointbook {

namespace {

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

} // namespace

std::string NameForSaveFilter(std::string_view chosen, std::size_t filter)
{
    std::string name(chosen);
    if (filter >= kSaveFilters.size()) return name;
    const std::string_view fileName = harwick::text::fileNameOf(chosen);
    const std::string_view extension = kSaveFilters[filter].extension;
    const bool gsiEntry = filter == kGsi16Filter || filter == kGsi8Filter;
    if (gsiEntry && EndsWithGsi(fileName)) {
        name.replace(name.size() - pointlist::kGsiExtension.size(), pointlist::kGsiExtension.size(), extension);
    } else if (!HasExtension(fileName)) {
        name.append(extension);
    }
    return name;
}

} // namespace pointbook
