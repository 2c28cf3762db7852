#include "save_rules.h"

#include "editor_messages.h"

#include "text/text.h"

namespace pointbook {

namespace {

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

} // namespace pointbook
