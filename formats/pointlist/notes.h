// What the point-list conversions tell their user about a file that held
// more than became points, or a grid that a format cannot hold whole. The
// coordinate editor shows these sentences and `harwick convert` prints them,
// so each is written here once.
#pragma once

#include "text/text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace harwick::pointlist::notes {

// ---- Reading ------------------------------------------------------------------
inline constexpr std::string_view kBlock = " block";
inline constexpr std::string_view kBlocks = " blocks";
inline constexpr std::string_view kLine = " line";
inline constexpr std::string_view kLines = " lines";
inline constexpr std::string_view kWithoutCoordinates = " without coordinates";
inline constexpr std::string_view kWithoutName = " without a point name";
inline constexpr std::string_view kWasSkipped = " was skipped";
inline constexpr std::string_view kWereSkipped = " were skipped";

// "12 blocks without coordinates were skipped." (lines instead of blocks for
// KARD and IDX).
inline std::string skipped(std::size_t count, bool blocks, std::string_view why)
{
    const bool one = count == 1;
    return text::concat({std::to_string(count), blocks ? (one ? kBlock : kBlocks) : (one ? kLine : kLines), why,
                         one ? kWasSkipped : kWereSkipped, "."});
}

// ---- Writing ------------------------------------------------------------------
inline constexpr std::string_view kRowsStopPrefix = "Only ";
inline constexpr std::string_view kRowsStopOf = " of ";
inline constexpr std::string_view kRowsStopRow = " rows are saved: row ";
inline constexpr std::string_view kRowsStopSuffix = " has no name, and saving stops at the first row without one.";

inline constexpr std::string_view kBlockNumbersSuffix =
    " rows after row 9999 are saved without a block number: GSI has four digits for it.";

inline constexpr std::string_view kGsi16Name = "GSI-16";
inline constexpr std::string_view kGsi8Name = "GSI-8";
inline constexpr std::string_view kValuesCut = " coordinate value(s) have more digits than ";
inline constexpr std::string_view kValuesCutSuffix = " holds and keep only their rightmost digits.";
inline constexpr std::string_view kTextsCut = " name(s) or code(s) are longer than the ";
inline constexpr std::string_view kTextsCutMiddle = " characters ";
inline constexpr std::string_view kTextsCutSuffix = " holds and keep only their last characters.";
inline constexpr std::string_view kNoPlanCoordinates =
    " row(s) lack an easting or a northing: GSI writes no value for them, and they will not read back as points.";

inline constexpr std::string_view kKardName = "KARD";
inline constexpr std::string_view kIdxName = "IDX";
inline constexpr std::string_view kUnfitTexts = " name(s) or code(s) hold ";
inline constexpr std::string_view kKardUnfit = "a comma or a double quote";
inline constexpr std::string_view kIdxUnfit = "a comma, a double quote or a blank";
inline constexpr std::string_view kUnfitMiddle = ", which ";
inline constexpr std::string_view kUnfitSuffix = " cannot hold: those points will not read back as they are.";

} // namespace harwick::pointlist::notes
