#include "point_reader.h"

#include "sketch_texts.h"

#include "gsi/gsi.h"
#include "text/text.h"

namespace sketchconv {

GsiPoints ReadGsiPoints(std::string_view file)
{
    namespace gsi = harwick::gsi;
    GsiPoints read;
    for (std::string_view line : gsi::splitDrawingLines(file)) {
        gsi::DrawingBlock block = gsi::readDrawingBlock(line);
        if (!block.easting || !block.northing) {
            ++read.withoutCoordinates;
            continue;
        }
        if (!block.name) {
            ++read.withoutName;
            continue;
        }
        read.points.push_back(CoordinateSurvey{std::move(*block.name), *block.easting, *block.northing,
                                               static_cast<float>(block.elevation.value_or(0.0)),
                                               block.elevation.has_value(), std::move(block.code)});
    }
    return read;
}

bool HasGsiExtension(const std::filesystem::path& path)
{
    const std::string extension = path.extension().string(); // with its dot
    return extension.size() > 1 && harwick::text::toLower(extension.substr(1)) == kGsiExtension;
}

} // namespace sketchconv
