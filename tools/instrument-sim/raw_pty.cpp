#include "instrument-sim/raw_pty.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace harwick::sim {

namespace {

using platform::UniqueFd;

constexpr std::size_t kDeviceNameSize = 128;

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

bool makeRaw(const std::string& device, std::string& error)
{
    const UniqueFd slave(::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios t{};
    if (!slave.valid() || ::tcgetattr(slave.get(), &t) != 0) {
        error = systemError("cannot open " + device);
        return false;
    }
    ::cfmakeraw(&t);
    if (::tcsetattr(slave.get(), TCSANOW, &t) != 0) {
        error = systemError("cannot set up " + device);
        return false;
    }
    return true;
}

} // namespace

std::optional<RawPty> OpenRawPty(std::string& error)
{
    UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY));
    std::array<char, kDeviceNameSize> name{};
    if (!master.valid() || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0 ||
        ::ptsname_r(master.get(), name.data(), name.size()) != 0 ||
        ::fcntl(master.get(), F_SETFD, FD_CLOEXEC) != 0 ||
        ::fcntl(master.get(), F_SETFL, ::fcntl(master.get(), F_GETFL) | O_NONBLOCK) != 0) {
        error = systemError("cannot open a pseudo-terminal");
        return std::nullopt;
    }
    if (!makeRaw(name.data(), error)) return std::nullopt;
    return RawPty{std::move(master), name.data()};
}

} // namespace harwick::sim
