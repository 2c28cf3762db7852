// The programs the launcher offers, in the order of its buttons from top to
// bottom: the file each button starts from the launcher's own directory and
// the caption under its picture. The file name also names the program's
// icon.
#pragma once

#include <array>
#include <string_view>

namespace toolhub {

struct ProgramButton {
    std::string_view program;  // the executable beside the launcher
    std::string_view caption;
};

inline constexpr std::array<ProgramButton, 6> kProgramButtons = {{
    {"stationmate", "Instrument Exchange"},
    {"pointbook", "Coordinate Editor"},
    {"featurebook", "Codelist Manager"},
    // Not one of the suite: the button starts it only where it has been
    // put beside the launcher.
    {"roadbook", "Road Designer"},
    {"sketchconv", "GSI to DXF"},
    {"cablemate", "Cable Transfer"},
}};

} // namespace toolhub
