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
    std::string name;      // "0" when the point number's data is all zeros
    double easting = 0.0;  // metres
    double northing = 0.0;
    float elevation = 0.0F; // single precision, as the label shows it; 0 for a 2D point
    bool hasElevation = true; // false: a 2D point, labelled with its name only
    std::string code;      // read, not drawn
};

struct GsiPoints {
    std::vector<CoordinateSurvey> points;
    // Blocks that are no point, left out rather than drawn somewhere they
    // were never measured: measurements, stations and set-ups without both
    // plan coordinates, and blocks without a point number.
    int withoutCoordinates = 0;
    int withoutName = 0;
};

GsiPoints ReadGsiPoints(std::string_view file);

// Whether the name's extension, in upper case, is GSI.
bool HasGsiExtension(const std::filesystem::path& path);

} // namespace sketchconv
