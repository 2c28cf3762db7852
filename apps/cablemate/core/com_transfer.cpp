#include "com_transfer.h"

#include "block_stream.h"
#include "com_port.h"
#include "cable_messages.h"
#include "refresh.h"
#include "usb_transfer.h"

#include <chrono>
#include <new>
#include <thread>

namespace cablemate {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kReceiveChunk = 512;
// Where a block longer than this goes out in pieces of kBlockPiece.
constexpr std::size_t kLongBlock = 150;
constexpr std::size_t kBlockPiece = 128;
// Blocks end with ETX CR LF; the instrument acknowledges each with this.
constexpr std::string_view kBlockEnd = "\x03\r\n";
constexpr std::string_view kBlockAck = "\x06\r\n";
constexpr std::string_view kLineEnd = "\r\n";
// How long one poll for input waits before the deadline is looked at again.
constexpr std::chrono::milliseconds kPollSlice{20};
constexpr std::chrono::milliseconds kSettle{5};
constexpr std::size_t kCoordinateHeaderBlocks = 2;

bool AckNak(const ComSettings& settings) { return settings.protocol == 1; }

std::string_view DownloadPromptText(const ComSettings& settings, DownloadPrompt prompt) {
    if (prompt == DownloadPrompt::ByProtocol && AckNak(settings)) return kPressStationFirst;
    return kPressComputerFirst;
}

// The end of a transfer that reached the port: editor usable, flag set.
void Finish(TransferContext& context, ComPort& port) {
    port.Close();
    context.editor->Show(context.text.Snapshot());
    context.editor->SetBusy(false);
    context.done = true;
}

// What the block builders make of the editor's text; nothing when refused.
std::optional<std::string> BuildStream(std::string_view text, BlockKind kind) {
    if (kind == BlockKind::Codes) return BuildCodeBlocks(text);
    auto blocks = BuildCoordinateBlocks(text);
    if (!blocks) return blocks;
    return std::string(kCoordinateUploadHeader) + *blocks;
}

// Opens the port and puts the editor into its sending state; false when the
// port did not open (the editor untouched).
bool BeginSend(TransferContext& context, ComPort& port, const ComSettings& settings) {
    if (!port.Open(settings, *context.messages)) {
        context.done = true;
        return false;
    }
    port.ClearError();
    context.messages->ShowMessage(kPressStationFirst);
    context.editor->SetBusy(true);
    context.text.Set({});
    return true;
}

// A send whose port stopped taking bytes: said so, the editor's text as it
// was before, never "completed".
CableResult SendStopped(TransferContext& context, ComPort& port, const std::string& original) {
    context.messages->ShowMessage(kSendStopped);
    context.text.Set(original);
    Finish(context, port);
    return {CableOutcome::SendStopped};
}

} // namespace

CableResult ComDownload(TransferContext& context, const ComSettings& settings, DownloadPrompt prompt) {
    ComPort port(context);
    if (!port.Open(settings, *context.messages)) return {CableOutcome::PortFailed};
    port.ClearError();
    context.messages->ShowMessage(DownloadPromptText(settings, prompt));
    context.editor->SetBusy(true);
    context.text.Set({});
    context.editor->Show({});

    const auto timeout = std::chrono::milliseconds(settings.receiveTimeOut);
    auto deadline = Clock::now() + timeout;
    port.ClearError();
    port.Purge(true, true);
    std::string received;
    RefreshThrottle refresh([&](std::string_view soFar) { context.editor->Show(std::string(soFar)); });
    bool enquired = false;
    while (Clock::now() <= deadline) {
        if (AckNak(settings) && !enquired) {
            port.Write(std::string_view(&kEnq, 1));
            enquired = true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (port.Queued(std::clamp(left, std::chrono::milliseconds(1), kPollSlice)) == 0) {
            // A port that went away brings nothing more: waiting out the
            // time-out would only hide why the data stopped.
            if (port.LineFailed()) {
                context.messages->ShowMessage(kReceiveStopped);
                Finish(context, port);
                return {received.empty() ? CableOutcome::NothingCame : CableOutcome::Incomplete};
            }
            continue;
        }
        std::this_thread::sleep_for(kSettle);
        deadline = Clock::now() + timeout;
        const std::string chunk = port.Read(kReceiveChunk);
        // The chunk counts as a string: up to its first zero byte.
        const std::string_view text(chunk.c_str());
        for (const char byte : chunk) {
            if (byte == '\n') {
                refresh.Offer(received);
            } else if (byte == kEot) {
                received.append(text);
                context.text.Append(text);
                context.editor->Show(received);
                context.messages->ShowMessage(kReceiveDataOkCom);
                Finish(context, port);
                return {CableOutcome::Done};
            } else if (byte == kEtx && AckNak(settings)) {
                port.Write(std::string_view(&kAck, 1));
            }
        }
        received.append(text);
        context.text.Append(text);
    }
    context.messages->ShowMessage(kTimeout);
    Finish(context, port);
    return {received.empty() ? CableOutcome::NothingCame : CableOutcome::Incomplete};
}

CableResult ComLineUpload(TransferContext& context, const ComSettings& settings) {
    context.done = false;
    const std::string original = context.editor->Text();
    context.text.Set(original);
    ComPort port(context);
    if (!BeginSend(context, port, settings)) return {CableOutcome::PortFailed};

    const std::string wire = WireText(original);
    std::string sent;
    RefreshThrottle refresh([&](std::string_view soFar) { context.editor->Show(std::string(soFar)); });
    std::size_t cursor = 0;
    for (;;) {
        const std::size_t end = wire.find(kLineEnd, cursor);
        const std::size_t length = end == std::string::npos ? 0 : end + kLineEnd.size() - cursor;
        port.ClearError();
        const std::string_view line = std::string_view(wire).substr(cursor, length);
        if (length != 0 && !port.Write(line)) return SendStopped(context, port, original);
        WaitMilliseconds(settings.rowDelay);
        if (length == 0) break;
        sent.append(line);
        context.text.Append(line);
        refresh.Offer(sent);
        cursor += length;
    }
    if (!port.Write(kSendTrailer)) return SendStopped(context, port, original);
    context.messages->ShowMessage(kCommunicationCompleted);
    Finish(context, port);
    return {CableOutcome::Done};
}

CableResult ComBlockUpload(TransferContext& context, const ComSettings& settings, BlockKind kind) {
    const bool codes = kind == BlockKind::Codes;
    context.done = false;
    const std::string original = context.editor->Text();
    context.text.Set(original);
    std::optional<std::string> stream;
    try {
        stream = BuildStream(WireText(original), kind);
    } catch (const std::bad_alloc&) {
        context.messages->ShowMessage(codes ? kMemoryAllocateFailedSpaced : kMemoryAllocateFailed);
        context.done = true;
        return {CableOutcome::OutOfMemory};
    }
    if (!stream) {
        context.messages->ShowMessage(kInvalidFormat);
        context.done = true;
        return {CableOutcome::Refused};
    }
    ComPort port(context);
    if (!BeginSend(context, port, settings)) return {CableOutcome::PortFailed};

    std::string shown;
    RefreshThrottle refresh([&](std::string_view soFar) { context.editor->Show(std::string(soFar)); });
    std::size_t cursor = 0;
    for (std::size_t block = 0;; ++block) {
        const std::size_t end = stream->find(kBlockEnd, cursor);
        if (end == std::string::npos) {
            context.messages->ShowMessage(codes ? kCommunicationCompletedLower : kCommunicationEnded);
            Finish(context, port);
            return {CableOutcome::Done};
        }
        std::size_t length = end + kBlockEnd.size() - cursor;
        if (length > kLongBlock) length = kBlockPiece;
        const std::string_view piece = std::string_view(*stream).substr(cursor, length);
        port.ClearError();
        if (!port.Write(piece)) return SendStopped(context, port, original);
        WaitMilliseconds(settings.rowDelay);
        if (codes || block >= kCoordinateHeaderBlocks) {
            shown.append(piece);
            context.text.Append(piece);
            refresh.Offer(shown);
        }
        if (piece.find(kEndBlock) == std::string_view::npos && AckNak(settings)) {
            const std::string reply = port.ReadExact(kBlockAck.size());
            if (reply != kBlockAck && port.LineFailed()) return SendStopped(context, port, original);
            port.Purge(true, false);
            if (reply != kBlockAck) {
                context.messages->ShowMessage(codes ? kDeviceAckErrorCodes : kDeviceAckErrorCoords);
                context.text.Set(original);
                Finish(context, port);
                return {CableOutcome::WrongReply};
            }
        }
        cursor += length;
    }
}

} // namespace cablemate
