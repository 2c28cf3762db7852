// The far end of a serial line for tests that need a real terminal device:
// the code under test opens the slave side of a pseudo-terminal as its
// port, and the test talks and listens on the master side. Every wait is
// bounded, so a line that stays silent fails a test instead of hanging it.
#pragma once

#include "fd/unique_fd.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace harwick::testing {

using harwick::platform::UniqueFd;


class PseudoTerminal {
public:
    // On failure slavePath() is empty and the line neither sends nor receives.
    PseudoTerminal()
    {
        UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY));
        std::array<char, 128> name{};
        if (master.get() < 0 || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0 ||
            ::ptsname_r(master.get(), name.data(), name.size()) != 0 ||
            ::fcntl(master.get(), F_SETFL, ::fcntl(master.get(), F_GETFL) | O_NONBLOCK) != 0) {
            return;
        }
        slave_ = name.data();
        master_ = std::move(master);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The device the code under test opens as its port.
    const std::string& slavePath() const { return slave_; }

    // Writes all of bytes, waiting while the line's buffer is full.
    void send(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(master_.get(), bytes.data(), bytes.size());
            if (n > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(n));
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                ADD_FAILURE() << "far end could not send: " << std::strerror(errno);
                return;
            } else {
                pollfd p{master_.get(), POLLOUT, 0};
                ASSERT_GT(::poll(&p, 1, 5000), 0) << "far end could not send";
            }
        }
    }

    // Reads until want bytes have come or the time is up; what came by then.
    std::string receive(std::size_t want, std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
    {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + limit;
        std::array<char, 4096> buffer;
        while (got.size() < want && master_.get() >= 0 && std::chrono::steady_clock::now() < end) {
            pollfd p{master_.get(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            const ssize_t n = ::read(master_.get(), buffer.data(), buffer.size());
            if (n > 0) got.append(buffer.data(), static_cast<std::size_t>(n));
        }
        return got;
    }

    // Closes the master side, as when the instrument is switched off or its
    // cable pulled: the port side sees the line hang up.
    void hangUp() { master_.reset(); }

    // The line's settings as the port side sees them.
    termios settings() const
    {
        termios t{};
        const UniqueFd fd = openSlave();
        if (fd.get() >= 0) ::tcgetattr(fd.get(), &t);
        return t;
    }

    // Sets the line's speed as if an earlier user had left it so.
    void setSpeed(speed_t speed)
    {
        const UniqueFd fd = openSlave();
        termios t{};
        if (fd.get() < 0 || ::tcgetattr(fd.get(), &t) != 0) return;
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
        ::tcsetattr(fd.get(), TCSANOW, &t);
    }

private:
    UniqueFd openSlave() const
    {
        return UniqueFd(::open(slave_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK));
    }

    UniqueFd master_;
    std::string slave_;
};

} // namespace harwick::testing
