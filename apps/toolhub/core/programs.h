// The programs the launcher offers, in the order of its buttons from top to
// bottom: the file each button starts from the launcher's own directory and
// the caption under its picture. The file name also names the program's
// icon.
#pragma once

#include "language/ui_text.h"

#include <array>
#include <string_view>

namespace toolhub {

struct ProgramButton {
    std::string_view program;  // the executable beside the launcher
    harwick::UiText caption;
};

inline constexpr harwick::UiText kExchangeCaption = "Instrument Exchange";
inline constexpr harwick::UiText kEditorCaption = "Coordinate Editor";
inline constexpr harwick::UiText kCodelistCaption = "Codelist Manager";
inline constexpr harwick::UiText kRoadCaption = "Road Designer";
inline constexpr harwick::UiText kSketchCaption = "GSI to DXF";
inline constexpr harwick::UiText kCableCaption = "Cable Transfer";

inline constexpr std::array<ProgramButton, 6> kProgramButtons = {{
    {"stationmate", kExchangeCaption},
    {"pointbook", kEditorCaption},
    {"featurebook", kCodelistCaption},
    // Not one of the suite: the button starts it only where it has been
    // put beside the launcher.
    {"roadbook", kRoadCaption},
    {"sketchconv", kSketchCaption},
    {"cablemate", kCableCaption},
}};

} // namespace toolhub
