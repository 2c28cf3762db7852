// What the drawing converter says and names, each text once.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace sketchconv {

inline constexpr std::string_view kProgramName = "sketchconv";
// The launcher shows the program under this title too.
inline constexpr std::string_view kProgramTitle = "GSI to DXF";

// ---- Messages ------------------------------------------------------------------
inline constexpr harwick::UiText kOpenFailed = "Open File False!";
inline constexpr harwick::UiText kResultCaption = "tip";
inline constexpr harwick::UiText kDoneFormat = "Writing dxf file done,%d Point convert ok!";
inline constexpr harwick::UiText kWriteFailed = "Error while writing dxf file!";
inline constexpr harwick::UiText kReplaceFormat = "%s already exists.\nDo you want to replace it?";

// ---- File dialogs --------------------------------------------------------------
inline constexpr harwick::UiText kOpenTitle = "Open GSI file";
inline constexpr harwick::UiText kOpenFilter = "GSI File (*.gsi)";
inline constexpr harwick::UiText kSaveTitle = "Save as DXF file";
inline constexpr harwick::UiText kSaveFilter = "DXF File (*.dxf)";
inline constexpr std::string_view kDxfSuffix = "dxf";
inline constexpr std::string_view kDxfExtension = ".dxf";
// Only files with this extension, in any case, are read.
inline constexpr std::string_view kGsiExtension = "gsi";

// ---- The drawing ---------------------------------------------------------------
// Point name, two blanks, elevation with four decimals; a 2D point has no
// elevation to show and is labelled with its name alone.
inline constexpr const char* kLabelFormat = "%s  %.4f";
inline constexpr std::string_view kContinuous = "Continuous";
inline constexpr std::string_view kPointLayer = "POINT";
inline constexpr std::string_view kAnnotationLayer = "ANNOTATION";

struct LayerEntry {
    std::string_view name;
    int color; // DXF colour index
};
inline constexpr LayerEntry kLayers[] = {
    {"ATTRIBUTE", 3}, {"LINE", 2}, {kAnnotationLayer, 1}, {"PLANFORM", 4}, {"SYMBOL", 5}, {kPointLayer, 2},
};

} // namespace sketchconv
