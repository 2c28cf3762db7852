// Starts transfers on worker threads as the command handlers do: the
// transfer, and beside every send the progress refresher. The handler
// returns at once; the runner joins its threads before it goes, so no
// thread outlives the state it works on.
#pragma once

#include "commands.h"
#include "settings.h"
#include "transfer_state.h"
#include "usb_binding.h"

#include <QThread>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>

namespace cablemate {

// The body of one transfer, with the settings as they were when it started.
CableResult RunTransfer(TransferContext& context, const TransferJob& job, const UsbPipe& pipe, const ComSettings& com,
                const UsbSettings& usb);

class TransferRunner {
public:
    using Finished = std::function<void(const TransferJob& job, CableResult result)>;

    explicit TransferRunner(TransferContext& context) : context_(context) {}
    ~TransferRunner();  // Join()
    TransferRunner(const TransferRunner&) = delete;
    TransferRunner& operator=(const TransferRunner&) = delete;

    // onFinished runs on the transfer's thread when it ends.
    void Start(const TransferJob& job, const UsbPipe& pipe, const ComSettings& com, const UsbSettings& usb,
               Finished onFinished = {});
    // Waits for every thread started so far.
    void Join();
    // Whether a thread started so far still runs.
    bool Running();

private:
    // Qt threads, so that the serial port may set up its notifiers in them.
    struct Worker {
        Worker() = default;
        Worker(const Worker&) = delete;
        Worker& operator=(const Worker&) = delete;
        ~Worker() {
            if (thread) thread->wait();
        }
        std::shared_ptr<std::atomic<bool>> ended = std::make_shared<std::atomic<bool>>(false);
        std::unique_ptr<QThread> thread;
    };
    // Joins the threads that have ended, so a long session does not pile them up.
    void ReapEnded();
    void Launch(std::function<void()> body);

    TransferContext& context_;
    std::mutex mutex_;
    std::list<Worker> threads_;
};

} // namespace cablemate
