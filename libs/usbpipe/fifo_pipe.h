// Inside usbpipe: emulated interfaces, directories holding the FIFOs PIPE00
// and PIPE01 that the instrument simulator serves.
#pragma once

#include "pipe.h"

#include <memory>

namespace usbpipe {

// The pipe for direction of the first usable emulated interface in name
// order (see usbpipe.h); null when there is none.
std::unique_ptr<Pipe> OpenEmulatedPipe(Direction direction);

// Opens the FIFO at path without blocking. Null when it does not open; for
// kOut that includes a FIFO nobody reads.
std::unique_ptr<Pipe> OpenFifoPipe(const PipePath& path, Direction direction);

} // namespace usbpipe
