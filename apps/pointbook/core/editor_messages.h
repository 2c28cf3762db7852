// The editor's own words to its user: the file dialogs' filters and the
// messages about files that could not be read or written as asked. The
// editor once said nothing in these cases; a surveyor needs to know when a
// file was not opened or saved, and to be asked before a file would hold
// less than the grid (the sentences themselves are the point lists' own,
// shared with the command line).
#pragma once

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
inline constexpr std::string_view kCannotOpen = "Cannot open ";
inline constexpr std::string_view kNotAPointFile =
    " is not a point file the editor reads: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml "
    "(LandXML) or .dxf.";
inline constexpr std::string_view kCouldBe = " could be ";
inline constexpr std::string_view kCouldBeOr = " or ";
inline constexpr std::string_view kNameTheKind = ": give it the extension of the one it is.";
inline constexpr std::string_view kNoPointsFound = "No points were found in ";
inline constexpr std::string_view kGridKept = "The grid was left as it was.";
// A job of measurements: its points can be computed.
inline constexpr std::string_view kMeasuredHolds = " holds ";
inline constexpr std::string_view kMeasuredBlock = " measured block without coordinates";
inline constexpr std::string_view kMeasuredBlocks = " measured blocks without coordinates";
inline constexpr std::string_view kComputeQuestion =
    ". Compute their points from the measurements? (No opens only the points with coordinates.)";
inline constexpr std::string_view kComputedUntitled =
    " Computed points are saved under a new name, so that the measurements are kept.";

// ---- Save ------------------------------------------------------------------------
inline constexpr std::string_view kCannotSave = "Cannot save ";
inline constexpr std::string_view kUnknownSaveKind =
    " is not a kind of file the editor writes: name it .gsi (GSI), .dat (KARD), .idx (IDX), .csv, .geojson, .xml "
    "(LandXML) or .dxf. Nothing was saved.";
inline constexpr std::string_view kAlreadyExists = " already exists.\nDo you want to replace it?";
inline constexpr std::string_view kWouldHoldLess = " would hold less than the grid:";
inline constexpr std::string_view kSaveAnyway = "\n\nSave anyway?";
inline constexpr std::string_view kNotSaved = "Nothing was saved.";

// ---- Status line -----------------------------------------------------------------
inline constexpr std::string_view kOpenedPrefix = "Opened ";
inline constexpr std::string_view kSavedPrefix = "Saved ";
inline constexpr std::string_view kPointsSuffix = " point(s).";
inline constexpr std::string_view kStatusSeparator = ": ";

} // namespace pointbook
