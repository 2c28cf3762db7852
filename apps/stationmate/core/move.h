// Move is a copy to the PC and then an erase on the instrument. The erase may
// only follow a copy that is on disk whole: after a time-out, a wrong reply,
// a file that could not be written or a cancelled dialog, the instrument's
// data stays where it is, and the user is told why when he did not choose it.
#pragma once

#include "language/ui_text.h"
#include "device_tree.h"
#include "download.h"

#include <string>
#include <string_view>

namespace stationmate {

inline constexpr harwick::UiText kMoveNothingToCopy =
    "Only a code list, a job's fixpoints or measurement data, or a road alignment can be moved. "
    "Nothing was copied and nothing was erased.";
inline constexpr harwick::UiText kMoveKeptOnInstrument = "Nothing was erased on the instrument. ";
inline constexpr harwick::UiText kMoveNoLongerListed = "the object is no longer listed.";

// Whether the node is something Move can copy (and so erase afterwards).
bool CanMove(const DeviceNode& node);

struct MoveVerdict {
    bool erase = false;   // the copy is on disk whole: ask to erase
    std::string message;  // what to tell the user; empty: nothing to say
};

// What follows the copy of a Move. Cancelled by the user, or a port the
// copy already reported, says nothing more.
MoveVerdict AfterMoveCopy(const TransferResult& copied);

} // namespace stationmate
