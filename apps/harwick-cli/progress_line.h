// A long transfer's sign of life on a terminal: one line on stderr, redrawn
// in place a few times a second, wiped when the transfer ends. It is drawn
// only when stderr is a terminal, so nothing of it reaches a file or a pipe.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>

namespace harwick::cli {

// Whether progress may be drawn, and how wide the line may be (0: unknown).
struct ProgressTerminal {
    bool isTerminal = false;
    std::size_t columns = 0;
};

// This process's stderr.
ProgressTerminal StderrTerminal();

struct ProgressCounts {
    std::size_t units = 0; // blocks or lines so far
    std::size_t bytes = 0;
    std::optional<std::size_t> totalUnits; // where the instrument's catalogue or the file says
    std::optional<std::size_t> totalBytes;
};

// "12 of 500 blocks, 14.2 kB, 940 B/s, 0:13 elapsed, about 5:20 left": the
// rate once a second has passed, the time left only where a total is known.
std::string ProgressText(std::string_view unit, const ProgressCounts& counts, std::chrono::milliseconds elapsed);

class ProgressLine {
public:
    using Sample = std::function<ProgressCounts()>; // called on the line's own thread
    static constexpr std::chrono::milliseconds kPeriod{250};

    // Draws on terminal when shown; otherwise never writes a byte.
    ProgressLine(std::ostream& terminal, ProgressTerminal where, bool shown, std::string unit, Sample sample,
                 std::chrono::milliseconds period = kPeriod);
    ~ProgressLine(); // Stop()
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Writes line and a line end on stream with the progress line wiped
    // first; the next redraw puts it back below.
    void Say(std::ostream& stream, std::string_view line);
    // While held nothing is drawn (a prompt waits for its answer); the
    // clock starts again at the release, since waiting moved no data.
    void Hold(bool held);
    // Wipes the line and ends the redrawing; nothing is drawn afterwards.
    void Stop();

private:
    void run(std::stop_token stop);
    void drawLocked();
    void wipeLocked();

    std::ostream& terminal_;
    std::size_t columns_;
    const bool shown_;
    const std::string unit_;
    const Sample sample_;
    const std::chrono::milliseconds period_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::chrono::steady_clock::time_point start_;
    std::size_t drawn_ = 0; // characters on the line now
    bool held_ = false;
    bool stopped_ = false;
    std::jthread ticker_; // last: it starts once everything above is set
};

} // namespace harwick::cli
