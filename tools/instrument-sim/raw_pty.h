// A raw pseudo-terminal for the serial cable: the instrument holds the master
// side, the PC opens the slave device through the COM port name.
#pragma once

#include "fd/unique_fd.h"

#include <optional>
#include <string>

namespace harwick::sim {

struct RawPty {
    platform::UniqueFd master;  // non-blocking, close-on-exec
    std::string device;         // the slave side, e.g. /dev/pts/7
};

// A fresh pseudo-terminal whose line is raw, so that a program that opens the
// port without setting it up still gets every byte unchanged. Nothing, with
// error set, when the system refuses one.
std::optional<RawPty> OpenRawPty(std::string& error);

} // namespace harwick::sim
