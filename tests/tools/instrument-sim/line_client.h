// The program's end of the simulator's line: opens the port's device raw, as
// the exchange program does, writes commands and reads replies. Every read
// is bounded, so a silent instrument fails a test instead of hanging it.
#pragma once

#include "pty.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <termios.h>
#include <unistd.h>

namespace harwick::sim::testing {

class LineClient {
public:
    explicit LineClient(const std::string& device)
        : fd_(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC))
    {
        termios t{};
        if (fd_.get() < 0 || ::tcgetattr(fd_.get(), &t) != 0) return;
        ::cfmakeraw(&t);
        ::tcsetattr(fd_.get(), TCSANOW, &t);
    }

    bool valid() const { return fd_.get() >= 0; }
    void close() { fd_.reset(); }
    // Throws away what the line has brought and not been read, as a program
    // does before it listens.
    bool purgeInput() { return ::tcflush(fd_.get(), TCIFLUSH) == 0; }

    bool send(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_.get(), bytes.data(), bytes.size());
            if (n > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
            pollfd p{fd_.get(), POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0) return false;
        }
        return true;
    }

    // Reads until the text holds CR LF, or until limit has passed.
    std::string reply(std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
    {
        return readWhile([](const std::string& got) { return got.find("\r\n") == std::string::npos; }, limit);
    }

    // Reads until want bytes have come, or until limit has passed.
    std::string receive(std::size_t want, std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
    {
        return readWhile([want](const std::string& got) { return got.size() < want; }, limit);
    }

    std::string ask(std::string_view command)
    {
        if (!send(command)) return "(send failed)";
        return reply();
    }

    // Reads that brought bytes, since the line was opened.
    int reads() const { return reads_; }
    // The line went down: the instrument closed its end.
    bool hungUp() const { return hungUp_; }

private:
    template <typename More>
    std::string readWhile(More more, std::chrono::milliseconds limit)
    {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + limit;
        std::array<char, 4096> buffer;
        while (more(got) && !hungUp_ && std::chrono::steady_clock::now() < end) {
            pollfd p{fd_.get(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            const ssize_t n = ::read(fd_.get(), buffer.data(), buffer.size());
            if (n > 0) {
                got.append(buffer.data(), static_cast<std::size_t>(n));
                ++reads_;
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                hungUp_ = true;
            }
        }
        return got;
    }

    harwick::testing::UniqueFd fd_;
    int reads_ = 0;
    bool hungUp_ = false;
};

} // namespace harwick::sim::testing
