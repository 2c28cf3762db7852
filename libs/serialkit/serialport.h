// Inside a connection: the open port, its threads and the signals between
// them. Send tasks hold the port weakly, so a message still queued in a pool
// when its connection is destroyed fails instead of writing to freed memory.
#pragma once

#include "serialkit.h"

#include "fd/unique_fd.h"

#include <condition_variable>
#include <optional>
#include <termios.h>
#include <shared_mutex>
#include <thread>

namespace serialkit_detail {

// What the watcher tells the receive thread, in the order it looks at them.
enum Signal { kError, kRx, kTxEmpty, kBreak, kClose, kSignalCount };

// Manual-reset signals that one thread waits on together.
class Signals {
public:
    void set(Signal s);
    void reset(Signal s);
    // Blocks until one is set; the first set one in Signal order.
    Signal waitAny();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool set_[kSignalCount] = {};
};

using harwick::platform::UniqueFd;


struct Port {
    std::atomic<bool> connected{false};
    // The descriptor is read and written under a shared hold and closed under
    // an exclusive one, so no thread uses it while the watcher closes it.
    std::shared_mutex fdLock;
    UniqueFd fd;
    // Writes from pool workers and callers must not interleave on the line.
    std::mutex writeLock;
    UniqueFd wake; // eventfd: tells the watcher to close
    Signals signals;
    std::thread watcher;
    std::thread receiver;

    int write(const char* data, int length);
    int read(char* buffer, int length);
    // Wakes the watcher to close the port, then waits for both threads
    // (except the calling one).
    void stopThreads();
};

// Opens the device exclusively in raw mode; -1 when it cannot be had.
int openDevice(const std::string& path);

// The line state with the settings put in: speed, data bits, parity and stop
// bits; a baud rate or data bits that do not scan keep the current value.
// Nothing when a value is one no line can take.
std::optional<termios> withSettings(const termios& current, const CMiniDCB& dcb);

// Applies the settings as one change: a value the port cannot take leaves
// the port as it was, as a serial driver refusing a whole state would.
bool applySettings(int fd, const CMiniDCB& dcb);

void watch(Port& port);

} // namespace serialkit_detail
