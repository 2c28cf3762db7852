// The PC's end of the emulated USB interface, as the PC library uses it:
// every transfer opens a FIFO, moves one 64-byte packet and closes it again.
// Every wait is bounded.
#pragma once

#include "cable_packets.h"
#include "fd/unique_fd.h"
#include "usbif/usbif.h"

#include <array>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace harwick::sim::testing {

// One read: a packet, or what came of it within limit ("" for nothing).
inline std::string pcRead(const std::filesystem::path& interface,
                          std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
{
    const platform::UniqueFd fd(
        ::open((interface / platform::kReadPipeName).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    std::string got;
    std::array<char, kPacket> buffer;
    const auto end = std::chrono::steady_clock::now() + limit;
    while (fd.valid() && got.size() < kPacket && std::chrono::steady_clock::now() < end) {
        pollfd p{fd.get(), POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        const ssize_t n = ::read(fd.get(), buffer.data(), kPacket - got.size());
        if (n > 0) got.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return got;
}

// One write; false when the interface took nothing.
inline bool pcWrite(const std::filesystem::path& interface, std::string_view packet)
{
    const platform::UniqueFd fd(
        ::open((interface / platform::kWritePipeName).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    return fd.valid() && ::write(fd.get(), packet.data(), packet.size()) == static_cast<ssize_t>(packet.size());
}

} // namespace harwick::sim::testing
