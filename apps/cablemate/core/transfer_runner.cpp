#include "transfer_runner.h"

#include "com_transfer.h"
#include "cable_messages.h"
#include "usb_transfer.h"

#include <algorithm>
#include <new>

namespace cablemate {

std::optional<TransferJob> TransferForCommand(int id) {
    using namespace command;
    switch (id) {
    case kUsbDownloadMeasured:
    case kUsbDownloadCode:
    case kUsbDownloadHz:
    case kUsbDownloadVt: return TransferJob{TransferKind::UsbDownload};
    case kUsbUploadCoordinateOrCode:
    case kUsbUploadHz:
    case kUsbUploadVt:
    case kUsbUpload32799:
    case kUsbUpload32802: return TransferJob{TransferKind::UsbUpload};
    case kComDownload: return TransferJob{TransferKind::ComDownload, DownloadPrompt::ByProtocol};
    case kComDownloadComputerFirst:
    case kComDownloadComputerFirst2: return TransferJob{TransferKind::ComDownload, DownloadPrompt::ComputerFirst};
    case kComLineUpload32789:
    case kComLineUpload32790:
    case kComLineUpload32800:
    case kComLineUpload32801: return TransferJob{TransferKind::ComLineUpload};
    case kComCodeBlocks: return TransferJob{TransferKind::ComBlockUpload, {}, BlockKind::Codes};
    case kComCoordinateBlocks: return TransferJob{TransferKind::ComBlockUpload, {}, BlockKind::Coordinates};
    default: return std::nullopt;
    }
}

CableResult RunTransfer(TransferContext& context, const TransferJob& job, const UsbPipe& pipe, const ComSettings& com,
                const UsbSettings& usb) {
    try {
        switch (job.kind) {
        case TransferKind::UsbDownload: return UsbDownload(context, pipe, usb);
        case TransferKind::UsbUpload: return UsbUpload(context, pipe, usb);
        case TransferKind::ComDownload: return ComDownload(context, com, job.prompt);
        case TransferKind::ComLineUpload: return ComLineUpload(context, com);
        case TransferKind::ComBlockUpload: return ComBlockUpload(context, com, job.blocks);
        }
    } catch (const std::bad_alloc&) {
        // The text did not fit in memory: say so and leave the editor usable.
        context.messages->ShowMessage(kMemoryAllocateFailed);
        context.editor->SetBusy(false);
        context.done = true;
    }
    return {CableOutcome::OutOfMemory};
}

TransferRunner::~TransferRunner() { Join(); }

void TransferRunner::Start(const TransferJob& job, const UsbPipe& pipe, const ComSettings& com,
                           const UsbSettings& usb, Finished onFinished) {
    std::lock_guard lock(mutex_);
    ReapEnded();
    // A send clears the flag before the refresher's first look at it.
    if (job.IsSend()) context_.done = false;
    Launch([this, job, pipe, com, usb, onFinished = std::move(onFinished)] {
        const CableResult result = RunTransfer(context_, job, pipe, com, usb);
        if (onFinished) onFinished(job, result);
    });
    if (job.IsSend()) Launch([this] { ProgressRefresher(context_); });
}

void TransferRunner::Launch(std::function<void()> body) {
    Worker& worker = threads_.emplace_back();
    worker.thread.reset(QThread::create([ended = worker.ended, body = std::move(body)] {
        body();
        *ended = true;
    }));
    worker.thread->start();
}

void TransferRunner::ReapEnded() {
    threads_.remove_if([](const Worker& worker) { return worker.ended->load(); });
}

bool TransferRunner::Running() {
    std::lock_guard lock(mutex_);
    return std::any_of(threads_.begin(), threads_.end(), [](const Worker& worker) { return !worker.ended->load(); });
}

void TransferRunner::Join() {
    std::list<Worker> threads;
    {
        std::lock_guard lock(mutex_);
        threads.swap(threads_);
    }
    threads.clear();  // joins each
}

} // namespace cablemate
