#include "instrument-sim/line_writer.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace harwick::sim {

namespace {

constexpr auto kSpinBefore = std::chrono::microseconds(1500);

using Clock = std::chrono::steady_clock;

// A byte on an asynchronous line: start bit, eight data bits, stop bit.
constexpr long long kBitsPerByte = 10;
constexpr int kWritablePollMs = 50;

bool stopAsked(const pollfd& stop) { return (stop.revents & POLLIN) != 0; }

} // namespace

LineWriter::LineWriter(int stopFd, LineShape shape) : stopFd_(stopFd), shape_(shape) {}

bool LineWriter::Send(int fd, std::string_view bytes)
{
    const std::size_t step = shape_.splitEvery == 0 ? bytes.size() : shape_.splitEvery;
    for (std::size_t at = 0; at < bytes.size(); at += step) {
        if (at > 0 && shape_.splitPause.count() > 0 && !SleepUntil(Clock::now() + shape_.splitPause)) return false;
        const std::string_view piece = bytes.substr(at, step);
        if (!(shape_.baud > 0 ? SendPaced(fd, piece) : WriteAll(fd, piece))) return false;
    }
    return true;
}

// Byte i leaves at the end of its own slot, so a reply of k bytes is never
// complete at the far end before k byte times have passed.
bool LineWriter::SendPaced(int fd, std::string_view piece)
{
    const auto byteTime = std::chrono::nanoseconds(kBitsPerByte * 1'000'000'000LL / shape_.baud);
    const auto start = Clock::now();
    std::size_t sent = 0;
    while (sent < piece.size()) {
        const auto elapsed = Clock::now() - start;
        const auto due = std::min<std::size_t>(piece.size(), static_cast<std::size_t>(elapsed / byteTime));
        if (due > sent) {
            if (!WriteAll(fd, piece.substr(sent, due - sent))) return false;
            sent = due;
        } else {
            const auto slotEnd = start + byteTime * static_cast<long long>(sent + 1);
            // A sleeping thread may wake a millisecond late, eleven bytes at
            // 115,200 baud. Bytes before the last catch up in one write, but
            // the last one ends the reply: its slot is waited out awake, so the
            // reply ends when the line would have carried it.
            const bool last = sent + 1 == piece.size();
            if (!SleepUntil(last ? slotEnd - kSpinBefore : slotEnd)) return false;
            while (last && Clock::now() < slotEnd) {
            }
        }
    }
    return true;
}

bool LineWriter::WriteAll(int fd, std::string_view bytes) const
{
    auto stallEnd = Clock::now() + kStallLimit;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            stallEnd = Clock::now() + kStallLimit;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;
        if (Clock::now() > stallEnd) return false;
        pollfd fds[2] = {{fd, POLLOUT, 0}, {stopFd_, POLLIN, 0}};
        if (::poll(fds, 2, kWritablePollMs) > 0 && stopAsked(fds[1])) return false;
    }
    return true;
}

bool LineWriter::SleepUntil(Clock::time_point deadline) const
{
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - now);
        const timespec timeout{static_cast<time_t>(left.count() / 1'000'000'000),
                               static_cast<long>(left.count() % 1'000'000'000)};
        pollfd stop{stopFd_, POLLIN, 0};
        if (::ppoll(&stop, 1, &timeout, nullptr) > 0 && stopAsked(stop)) return false;
    }
    return true;
}

} // namespace harwick::sim
