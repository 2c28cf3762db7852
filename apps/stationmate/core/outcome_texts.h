// What the window says when a download, upload or erase did not end done:
// what happened, and what state the PC file and the instrument are in.
#pragma once

#include "download.h"

#include <string>
#include <string_view>

namespace stationmate {

enum class Operation { Download, Upload, Erase };

// One message for the result; empty when there is nothing to add: the
// operation was done, the user cancelled it, or the port failure was shown
// already (the program's own "Port inital failed", "Connect Error", ...).
std::string OutcomeMessage(Operation operation, const TransferResult& result);

// A listing ended by a reply that is neither a record nor the end marker.
std::string ListingStoppedMessage(std::string_view reply);

} // namespace stationmate
