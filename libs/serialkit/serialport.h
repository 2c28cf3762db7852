// Inside a connection: the open port, its threads, its receivers and the
// signals between them. The port outlives its connection object for as long
// as one of its threads or a queued message still needs it: the watcher and
// the receive thread own it with the connection, and send tasks hold it
// weakly, so a message still queued in a pool when its connection is
// destroyed fails instead of writing to freed memory, and a receiver may
// destroy the connection from inside OnReceive.
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


struct Port : std::enable_shared_from_this<Port> {
    std::atomic<bool> connected{false};
    // Set by a close and cleared by an open: a block stops going round the
    // receivers once one of them closed or destroyed the connection, as the
    // rest may be gone with it.
    std::atomic<bool> closing{false};
    // The descriptor is read and written under a shared hold and closed under
    // an exclusive one, so no thread uses it while the watcher closes it.
    std::shared_mutex fdLock;
    UniqueFd fd;
    // Writes from pool workers and callers must not interleave on the line.
    std::mutex writeLock;
    Signals signals;

    std::mutex receiversLock;
    std::vector<RcvInterface*> receivers;

    // One open at a time, so two callers never open the device twice.
    std::mutex openLock;
    // Guards the thread objects, the wake descriptor and the joining count.
    // Never held while joining: the thread joined may be closing too.
    std::mutex lifeLock;
    std::condition_variable joined;
    int joining = 0; // closers joining threads they took out
    UniqueFd wake;   // eventfd: tells the watcher to close
    std::thread watcher;
    std::thread receiver;

    int write(const char* data, int length);
    int read(char* buffer, int length);
    // Hands a received block to each receiver in turn.
    void deliver(char* data, int length);
    // Puts an opened device and its wake descriptor in place and starts the
    // watcher; false (and nothing open) when the thread cannot be had.
    bool start(UniqueFd device, UniqueFd wakeFd, const CMiniDCB& dcb);
    // Starts the receive thread unless one runs or the port is closed; false
    // when the thread cannot be had.
    bool startReceiver();
    // Wakes the watcher to close the port and waits for both threads, also
    // those another closer took out, except the calling thread itself. True
    // for the one call that found the port open.
    bool stop();
    // True on this port's own receive thread.
    bool isServing() const;
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

void watch(const std::shared_ptr<Port>& port);

// Called first on a receive thread: which port it serves.
void markServing(const Port& port);

} // namespace serialkit_detail
