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

// Records through the log when there is one: the transfers carry a possibly
// empty pointer and call this for every chunk.
inline void Record(const std::shared_ptr<TrafficLog>& log, Direction direction, std::string_view bytes)
{
    if (log && !bytes.empty()) log->Record(direction, bytes);
}

} // namespace harwick::platform
