// The editor's own words to its user: the file dialogs' filters and the
// messages about files that could not be read or written as asked. The
// editor once said nothing in these cases; a surveyor needs to know when a
// file was not opened or saved, and to be asked before a file would hold
// less than the grid (the sentences themselves are the point lists' own,
// shared with the command line).
#pragma once

#include "language/ui_text.h"
#include <array>
#include <cstddef>
#include <string_view>

namespace pointbook {

// ---- File dialogs ---------------------------------------------------------------
// The open dialog's entries, in Qt's filter syntax: the editor's three
// kinds, then the lists other tools write.
inline constexpr std::string_view kOpenFilter =
    "GSI(*.gsi);;IDX(*.idx);;KARD(*.dat);;CSV(*.csv);;GeoJSON(*.geojson *.json);;LandXML(*.xml *.landxml);;DXF(*.dxf)";

// One entry of the save dialog and the extension its choice puts on the name:
// the two GSI entries list ".gsi" files and carry a pseudo-extension that
// Save turns into the GSI flavour.
struct SaveFilter {
    std::string_view label;
    std::string_view extension;
};
inline constexpr std::array<SaveFilter, 8> kSaveFilters = {{
    {"GSI-16 Files (*.gsi)", ".gsi16"},
    {"GSI-8 Files (*.gsi)", ".gsi8"},
    {"IDX(*.idx)", ".idx"},
    {"KARD(*.dat)", ".dat"},
    {"CSV(*.csv)", ".csv"},
    {"GeoJSON(*.geojson)", ".geojson"},
    {"LandXML(*.xml)", ".xml"},
    {"DXF(*.dxf)", ".dxf"},
}};
inline constexpr std::size_t kGsi16Filter = 0;
inline constexpr std::size_t kGsi8Filter = 1;
inline constexpr std::size_t kIdxFilter = 2;
inline constexpr std::size_t kKardFilter = 3;
inline constexpr std::size_t kCsvFilter = 4;
inline constexpr std::size_t kGeoJsonFilter = 5;
inline constexpr std::size_t kLandXmlFilter = 6;
inline constexpr std::size_t kDxfFilter = 7;

// ---- Open ------------------------------------------------------------------------
inline constexpr harwick::UiText kCannotOpen = "Cannot open ";
inline constexpr harwick::UiText kNotAPointFile =
    " is not a point file the editor reads: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml "
    "(LandXML) or .dxf.";
inline constexpr harwick::UiText kCouldBe = " could be ";
inline constexpr harwick::UiText kCouldBeOr = " or ";
inline constexpr harwick::UiText kNameTheKind = ": give it the extension of the one it is.";
inline constexpr harwick::UiText kNoPointsFound = "No points were found in ";
inline constexpr harwick::UiText kGridKept = "The grid was left as it was.";
// A job of measurements: its points can be computed.
inline constexpr harwick::UiText kMeasuredHolds = " holds ";
inline constexpr harwick::UiText kMeasuredBlock = " measured block without coordinates";
inline constexpr harwick::UiText kMeasuredBlocks = " measured blocks without coordinates";
inline constexpr harwick::UiText kComputeQuestion =
    ". Compute their points from the measurements? (No opens only the points with coordinates.)";
inline constexpr harwick::UiText kComputedUntitled =
    " Computed points are saved under a new name, so that the measurements are kept.";

// ---- Save ------------------------------------------------------------------------
inline constexpr harwick::UiText kCannotSave = "Cannot save ";
inline constexpr harwick::UiText kUnknownSaveKind =
    " is not a kind of file the editor writes: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml "
    "(LandXML) or .dxf. Nothing was saved.";
inline constexpr harwick::UiText kAlreadyExists = " already exists.\nDo you want to replace it?";
inline constexpr harwick::UiText kWouldHoldLess = " would hold less than the grid:";
inline constexpr harwick::UiText kSaveAnyway = "\n\nSave anyway?";
inline constexpr harwick::UiText kNotSaved = "Nothing was saved.";

// ---- Status line -----------------------------------------------------------------
inline constexpr harwick::UiText kOpenedPrefix = "Opened ";
inline constexpr harwick::UiText kSavedPrefix = "Saved ";
inline constexpr harwick::UiText kPointsSuffix = " point(s).";
inline constexpr std::string_view kStatusSeparator = ": ";

} // namespace pointbook
