#include "instrument-sim/serving_thread.h"

#include <utility>

namespace harwick::sim {

ServingThread::ServingThread() { stop_.Open(); }

ServingThread::~ServingThread() { Stop(); }

bool ServingThread::Prepare(std::string_view alreadyServed, std::initializer_list<const WakeEvent*> ownerEvents,
                            std::string& error)
{
    if (thread_.joinable()) {
        error = alreadyServed;
        return false;
    }
    bool open = stop_.IsOpen();
    for (const WakeEvent* event : ownerEvents) open = open && event->IsOpen();
    if (!open) {
        error = "cannot make the serving thread's events";
        return false;
    }
    stop_.Take();
    for (const WakeEvent* event : ownerEvents) event->Take();
    return true;
}

void ServingThread::Run(std::function<void()> serve) { thread_ = std::thread(std::move(serve)); }

void ServingThread::Stop()
{
    if (!thread_.joinable()) return;
    stop_.Raise();
    thread_.join();
}

} // namespace harwick::sim
