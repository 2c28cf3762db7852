// An event that other threads raise and the serving thread polls for, next to
// its line: the stop request, and the Enter key pressed on the instrument.
#pragma once

#include "fd/unique_fd.h"

#include <cstdint>

namespace harwick::sim {

class WakeEvent {
public:
    // False when the system refuses the event.
    bool Open();
    void Close() { fd_.reset(); }
    bool IsOpen() const { return fd_.valid(); }

    int Fd() const { return fd_.get(); }

    // Safe from any thread while the event is open.
    void Raise() const;

    // How often the event was raised since the last Take (0: not at all).
    std::uint64_t Take() const;

private:
    platform::UniqueFd fd_;
};

} // namespace harwick::sim
