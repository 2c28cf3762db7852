// Inside usbpipe: emulated interfaces, directories holding the FIFOs PIPE00
// and PIPE01 that the instrument simulator serves.
#pragma once

#include "pipe.h"

#include <memory>
#include <optional>

namespace usbpipe {

// The pipe path of the first usable emulated interface in name order, the
// pipe named after direction; nothing when there is none.
std::optional<PipePath> FindEmulatedInterface(Direction direction);

// Opens the FIFO at path without blocking. Null when it does not open; for
// kOut that includes a FIFO nobody reads.
std::unique_ptr<Pipe> OpenFifoPipe(const PipePath& path, Direction direction);

} // namespace usbpipe
