// The one thread that serves a simulated line, and the stop event that ends
// it. The owner sets its line up between Prepare and Run and takes it down
// after Stop, so what only the serving thread touches needs no lock.
#pragma once

#include "instrument-sim/wake_event.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <thread>

namespace harwick::sim {

class ServingThread {
public:
    // Opens the stop event; Prepare reports it when the system refused one.
    ServingThread();
    ~ServingThread();  // Stop()
    ServingThread(const ServingThread&) = delete;
    ServingThread& operator=(const ServingThread&) = delete;

    // Readable once Stop has asked the thread to end: for its polls and waits.
    int StopFd() const { return stop_.Fd(); }

    // The checks before a start. False with error set when the thread runs
    // already (error is then alreadyServed), or when the stop event or one
    // of the owner's events could not be opened. Otherwise clears what was
    // raised on them before, so that only what comes after this start counts.
    bool Prepare(std::string_view alreadyServed, std::initializer_list<const WakeEvent*> ownerEvents,
                 std::string& error);

    // Runs serve on the thread; only after Prepare has succeeded.
    void Run(std::function<void()> serve);

    // Raises the stop event and waits for the thread to end. Bounded as long
    // as serve never waits without the stop event beside it, or for longer
    // than a short poll. Safe to call when no thread runs.
    void Stop();

private:
    WakeEvent stop_;
    std::thread thread_;
};

} // namespace harwick::sim
