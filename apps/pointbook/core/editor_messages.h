// The editor's own words to its user: the file dialogs' filters and the
// messages about files that could not be read or written as asked. The
// editor once said nothing in these cases; a surveyor needs to know when a
// file was not opened or saved, or saved with less than the grid holds.
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
inline constexpr std::string_view kSavedWithWarnings = "Saved ";
inline constexpr std::string_view kSavedWithWarningsColon = ", but:";

inline constexpr std::string_view kRowsStopPrefix = "Only ";
inline constexpr std::string_view kRowsStopOf = " of ";
inline constexpr std::string_view kRowsStopRow = " rows were saved: row ";
inline constexpr std::string_view kRowsStopSuffix = " has no name, and saving stops at the first row without one.";

inline constexpr std::string_view kBlockNumbersSuffix =
    " rows after row 9999 were saved without a block number: GSI has four digits for it.";

inline constexpr std::string_view kGsi16Name = "GSI-16";
inline constexpr std::string_view kGsi8Name = "GSI-8";
inline constexpr std::string_view kValuesCut = " coordinate value(s) have more digits than ";
inline constexpr std::string_view kValuesCutSuffix = " holds and keep only their rightmost digits.";
inline constexpr std::string_view kTextsCut = " name(s) or code(s) are longer than the ";
inline constexpr std::string_view kTextsCutMiddle = " characters ";
inline constexpr std::string_view kTextsCutSuffix = " holds and keep only their last characters.";

} // namespace pointbook
