// What the point-list conversions tell their user about a file that held
// more than became points, or a grid that a format cannot hold whole. The
// coordinate editor shows these sentences and `harwick convert` prints them,
// so each is written here once.
#pragma once

#include "language/ui_text.h"
#include "text/text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace harwick::pointlist::notes {

// ---- Reading ------------------------------------------------------------------
inline constexpr harwick::UiText kBlock = " block";
inline constexpr harwick::UiText kBlocks = " blocks";
inline constexpr harwick::UiText kLine = " line";
inline constexpr harwick::UiText kLines = " lines";
inline constexpr harwick::UiText kWithoutCoordinates = " without coordinates";
inline constexpr harwick::UiText kWithoutName = " without a point name";
inline constexpr harwick::UiText kWasSkipped = " was skipped";
inline constexpr harwick::UiText kWereSkipped = " were skipped";

// "12 blocks without coordinates were skipped." (lines instead of blocks for
// KARD and IDX).
inline std::string skipped(std::size_t count, bool blocks, std::string_view why)
{
    const bool one = count == 1;
    return text::concat({std::to_string(count), blocks ? (one ? kBlock : kBlocks) : (one ? kLine : kLines), why,
                         one ? kWasSkipped : kWereSkipped, "."});
}

// ---- Writing ------------------------------------------------------------------
inline constexpr harwick::UiText kRowsStopPrefix = "Only ";
inline constexpr harwick::UiText kRowsStopOf = " of ";
inline constexpr harwick::UiText kRowsStopRow = " rows are saved: row ";
inline constexpr harwick::UiText kRowsStopSuffix = " has no name, and saving stops at the first row without one.";

inline constexpr harwick::UiText kBlockNumbersSuffix =
    " rows after row 9999 are saved without a block number: GSI has four digits for it.";

inline constexpr std::string_view kGsi16Name = "GSI-16";
inline constexpr std::string_view kGsi8Name = "GSI-8";
inline constexpr harwick::UiText kValuesCut = " coordinate value(s) have more digits than ";
inline constexpr harwick::UiText kValuesCutSuffix = " holds and keep only their rightmost digits.";
inline constexpr harwick::UiText kTextsCut = " name(s) or code(s) are longer than the ";
inline constexpr harwick::UiText kTextsCutMiddle = " characters ";
inline constexpr harwick::UiText kTextsCutSuffix = " holds and keep only their last characters.";
inline constexpr harwick::UiText kNoPlanCoordinates =
    " row(s) lack an easting or a northing: GSI writes no value for them, and they will not read back as points.";

inline constexpr std::string_view kKardName = "KARD";
inline constexpr std::string_view kIdxName = "IDX";
inline constexpr harwick::UiText kUnfitTexts = " name(s) or code(s) hold ";
inline constexpr harwick::UiText kKardUnfit = "a comma or a double quote";
inline constexpr harwick::UiText kIdxUnfit = "a comma, a double quote or a blank";
inline constexpr harwick::UiText kUnfitMiddle = ", which ";
inline constexpr harwick::UiText kUnfitSuffix = " cannot hold: those points will not read back as they are.";

} // namespace harwick::pointlist::notes
