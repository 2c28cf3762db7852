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
// The open dialog's three entries, in Qt's filter syntax.
inline constexpr std::string_view kOpenFilter = "GSI(*.gsi);;IDX(*.idx);;KARD(*.dat)";

// One entry of the save dialog and the extension its choice puts on the name:
// the two GSI entries list ".gsi" files and carry a pseudo-extension that
// Save turns into the GSI flavour.
struct SaveFilter {
    std::string_view label;
    std::string_view extension;
};
inline constexpr std::array<SaveFilter, 4> kSaveFilters = {{
    {"GSI-16 Files (*.gsi)", ".gsi16"},
    {"GSI-8 Files (*.gsi)", ".gsi8"},
    {"IDX(*.idx)", ".idx"},
    {"KARD(*.dat)", ".dat"},
}};
inline constexpr std::size_t kGsi16Filter = 0;
inline constexpr std::size_t kGsi8Filter = 1;
inline constexpr std::size_t kIdxFilter = 2;
inline constexpr std::size_t kKardFilter = 3;

// ---- Open ------------------------------------------------------------------------
inline constexpr std::string_view kCannotOpen = "Cannot open ";
inline constexpr std::string_view kNotAPointFile =
    " is not a point file the editor reads: name it .gsi (GSI), .dat (KARD) or .idx (IDX).";
inline constexpr std::string_view kNoPointsFound = "No points were found in ";
inline constexpr std::string_view kGridKept = "The grid was left as it was.";

// ---- Save ------------------------------------------------------------------------
inline constexpr std::string_view kCannotSave = "Cannot save ";
inline constexpr std::string_view kUnknownSaveKind =
    " is not a kind of file the editor writes: name it .gsi (GSI), .dat (KARD) or .idx (IDX). Nothing was saved.";
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
