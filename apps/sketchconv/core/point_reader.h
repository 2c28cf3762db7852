// The points of a GSI file as the drawing converter reads them: the file cut
// into lines by the converter's 500-byte line buffer, every line decoded by
// the converter's variant of the GSI reader (formats/gsi).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sketchconv {

// One drawn point, in file order.
struct CoordinateSurvey {
    std::string name;      // "0" when the block gives none
    double easting = 0.0;  // metres
    double northing = 0.0;
    float elevation = 0.0F; // single precision, as the label shows it
    std::string code;      // read, not drawn
};

struct GsiPoints {
    std::vector<CoordinateSurvey> points;
    // Lines that lack one of easting, northing and elevation: they are left
    // out rather than drawn at the previous block's place.
    int leftOut = 0;
};

GsiPoints ReadGsiPoints(std::string_view file);

// Whether the name's extension, in upper case, is GSI.
bool HasGsiExtension(const std::filesystem::path& path);

} // namespace sketchconv
