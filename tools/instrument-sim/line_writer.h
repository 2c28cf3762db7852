// Puts replies on the line the way a slow or awkward instrument would: in
// pieces with pauses between them, and no faster than a given baud rate.
// Every wait is bounded and ends early when the stop event fires.
#pragma once

#include <chrono>
#include <cstddef>
#include <string_view>

namespace harwick::sim {

struct LineShape {
    std::size_t splitEvery = 0;                // 0: a reply goes out in one write
    std::chrono::milliseconds splitPause{0};   // between two pieces
    int baud = 0;                              // 0: as fast as the line takes it
};

class LineWriter {
public:
    LineWriter(int stopFd, LineShape shape);

    // False when stop was asked, the line failed, or the far end took no byte
    // for kStallLimit; the rest of the reply is then dropped.
    bool Send(int fd, std::string_view bytes);

    // Sleeps until deadline; false when stop was asked first.
    bool SleepUntil(std::chrono::steady_clock::time_point deadline) const;

    static constexpr std::chrono::milliseconds kStallLimit{2000};

private:
    bool SendPaced(int fd, std::string_view piece);
    bool WriteAll(int fd, std::string_view bytes) const;

    int stopFd_;
    LineShape shape_;
};

} // namespace harwick::sim
