#include "instrument-sim/wake_event.h"

#include <sys/eventfd.h>
#include <unistd.h>

namespace harwick::sim {

bool WakeEvent::Open()
{
    fd_.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    return fd_.valid();
}

void WakeEvent::Raise() const
{
    const std::uint64_t one = 1;
    // An eventfd refuses a write only at its limit, where it is readable anyway.
    [[maybe_unused]] const ssize_t written = ::write(fd_.get(), &one, sizeof one);
}

std::uint64_t WakeEvent::Take() const
{
    std::uint64_t count = 0;
    if (::read(fd_.get(), &count, sizeof count) != static_cast<ssize_t>(sizeof count)) return 0;
    return count;
}

} // namespace harwick::sim
