// A record of the bytes that crossed a cable, for a user to send with a bug
// report when a transfer with a real instrument goes wrong. One line per
// chunk as it was read or written:
//
//      152 ms out  0D 0A                                             ..
//      187 ms in   31 31 30 30 30 31 2B 30 30 30 30 30 30 30 31 20  110001+00000001
//
// time since the log was opened, direction, the bytes in hex, and the bytes
// as text with every unprintable one shown as ".".
//
// Logging must never cost a transfer: a log whose file stops taking lines
// turns itself off and says so once, and the transfer goes on.
#pragma once

#include "fd/unique_fd.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace harwick::platform {

enum class Direction { Out, In }; // to the instrument, from it

class TrafficLog {
public:
    using Notice = std::function<void(const std::string& message)>;

    // Creates (or empties) the file. Nothing, with error saying why, when it
    // cannot be opened for writing.
    static std::shared_ptr<TrafficLog> Open(const std::string& path, std::string& error);

    // Who hears, once, that the log stopped. Without one the message is kept
    // for StopReason.
    void SetNotice(Notice notice);

    // One line for the chunk; does nothing once the log is off. Safe from any
    // thread: lines never interleave.
    void Record(Direction direction, std::string_view bytes);

    bool Active() const;
    const std::string& Path() const { return path_; }
    // Why the log turned itself off; empty while it works.
    std::string StopReason() const;

    // The line for a chunk, without its line end.
    static std::string FormatLine(std::chrono::milliseconds sinceStart, Direction direction, std::string_view bytes);

    TrafficLog(std::string path, UniqueFd fd);

private:
    const std::string path_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    mutable std::mutex mutex_;
    UniqueFd fd_;
    Notice notice_;
    std::string stopReason_;
};

// A window's "log communication" setting: off, or a log that every transfer
// started from now on writes to. A log that stops is kept as a message for
// the window to show once the transfer is over, so that no box interrupts a
// transfer that is still running.
class TrafficLogSwitch {
public:
    // Starts logging to path (ending any log before); the reason when the
    // file cannot be opened, and logging stays off.
    std::optional<std::string> Start(const std::string& path);
    void Stop();
    bool On() const;
    // The log for the next transfer; null while off.
    std::shared_ptr<TrafficLog> Current() const;
    // Why the log turned itself off, once; nothing otherwise. The switch is
    // off afterwards.
    std::optional<std::string> TakeStopNotice();

private:
    // Shared with the log's notice, which may come from a transfer's thread
    // after the switch has gone.
    struct Notices {
        std::mutex mutex;
        std::optional<std::string> stopped;
    };
    mutable std::mutex mutex_;
    std::shared_ptr<TrafficLog> log_;
    std::shared_ptr<Notices> notices_ = std::make_shared<Notices>();
};

// Records through the log when there is one: the transfers carry a possibly
// empty pointer and call this for every chunk.
inline void Record(const std::shared_ptr<TrafficLog>& log, Direction direction, std::string_view bytes)
{
    if (log && !bytes.empty()) log->Record(direction, bytes);
}

} // namespace harwick::platform
