#include "usb_transfer.h"

#include "cable_messages.h"
#include "refresh.h"

#include <array>
#include <chrono>
#include <cstring>
#include <string>

namespace cablemate {

namespace {

using Clock = std::chrono::steady_clock;
using Packet = std::array<char, kUsbPacket + 1>;  // the 65th byte always 0

std::string_view AsString(const Packet& packet) {
    return {packet.data(), std::strlen(packet.data())};
}

bool MissingEntry(TransferContext& context, const void* entry, std::string_view name) {
    if (entry != nullptr) return false;
    context.messages->ShowMessage(std::string(kUsbEntryMissing) + std::string(name));
    return true;
}

// Builds the next packet from the send buffer at cursor: at most one line,
// zero-padded. Returns the bytes kept and whether they end a line.
std::pair<std::size_t, bool> NextPacket(std::string_view rest, Packet& packet) {
    packet.fill('\0');
    const std::size_t take = std::min(rest.size(), kUsbPacket);
    std::memcpy(packet.data(), rest.data(), take);
    const std::string_view window(packet.data(), kUsbPacket);
    const std::size_t crlf = window.find("\r\n");
    if (crlf == std::string_view::npos) return {kUsbPacket, false};
    const std::size_t kept = crlf + 2;
    std::memset(packet.data() + kept, 0, kUsbPacket - kept);
    return {kept, true};
}

void EndSend(TransferContext& context) {
    context.editor->Show(context.text.Snapshot());
    context.editor->SetBusy(false);
    WaitMilliseconds(context.timing.finalWait.count());
    context.done = true;
}

} // namespace

CableResult UsbDownload(TransferContext& context, const UsbPipe& pipe, const UsbSettings& settings) {
    if (MissingEntry(context, reinterpret_cast<const void*>(pipe.read), kReadDataEntry))
        return {CableOutcome::PortFailed};
    const auto log = context.Log();
    context.messages->ShowMessage(kPressStationFirst);
    Packet packet{};
    context.done = true;
    context.editor->SetBusy(true);
    context.text.Set({});
    context.editor->Show({});

    const auto timeout = std::chrono::milliseconds(settings.receiveTimeOut);
    auto deadline = Clock::now() + timeout;
    // Received bytes are kept in one local string and handed over in whole
    // lines, so that a long download is not a copy of everything per packet.
    std::string received;
    RefreshThrottle refresh([&](std::string_view soFar) { context.editor->Show(std::string(soFar)); });
    for (;;) {
        packet.fill('\0');
        const int got = pipe.read(packet.data(), static_cast<int>(kUsbPacket));
        if (got == 0 && Clock::now() > deadline) {
            context.done = true;
            // Data that stopped short is shown whole and called what it is,
            // never left to look like a finished download.
            context.editor->Show(received);
            context.editor->SetBusy(false);
            if (received.empty()) return {CableOutcome::NothingCame};
            context.messages->ShowMessage(kReceiveIncomplete);
            return {CableOutcome::Incomplete};
        }
        if (got != 0) deadline = Clock::now() + timeout;
        const std::string_view bytes = AsString(packet);
        if (got != 0) harwick::platform::Record(log, harwick::platform::Direction::In, bytes);
        const std::size_t lineEnd = bytes.find('\n');
        const bool ended = bytes.find(kEndOfData) != std::string_view::npos;
        // A line end before the end-of-data byte shows what came before it.
        const bool showsLine = lineEnd != std::string_view::npos && (!ended || lineEnd < bytes.find(kEndOfData));
        received.append(bytes);
        context.text.Append(bytes);
        if (showsLine) refresh.Offer(received);
        if (ended) {
            context.done = true;
            context.editor->Show(received);
            context.messages->ShowMessage(kReceiveDataOkUsb);
            break;
        }
    }
    context.done = true;
    context.editor->SetBusy(false);
    return {CableOutcome::Done};
}

CableResult UsbUpload(TransferContext& context, const UsbPipe& pipe, const UsbSettings& settings) {
    context.done = false;
    const std::string original = context.editor->Text();
    context.editor->SetBusy(true);
    const auto fail = [&](std::string_view message, CableOutcome outcome) {
        if (!message.empty()) context.messages->ShowMessage(message);
        context.text.Set(original);
        EndSend(context);
        return CableResult{outcome};
    };
    // Every packet goes on the wire whole, padding and all, and is logged so.
    const auto log = context.Log();
    const auto send = [&](const Packet& packet) {
        harwick::platform::Record(log, harwick::platform::Direction::Out,
                                  std::string_view(packet.data(), kUsbPacket));
        return pipe.write(packet.data(), static_cast<int>(kUsbPacket)) != 0;
    };
    if (MissingEntry(context, reinterpret_cast<const void*>(pipe.write), kWriteDataEntry))
        return fail({}, CableOutcome::PortFailed);
    // The send buffer holds the text and its trailer; it grows with the
    // text instead of overflowing a fixed block.
    const std::string buffer = WireText(original) + std::string(kSendTrailer);
    context.messages->ShowMessage(kPressStationFirst);
    context.text.Set({});

    std::size_t cursor = 0;
    std::size_t remaining = buffer.size() - kSendTrailer.size();
    Packet packet{};
    for (;;) {
        const auto [kept, endsLine] = NextPacket(std::string_view(buffer).substr(cursor), packet);
        if (!send(packet)) return fail(kUsbConnectedFailed, CableOutcome::SendStopped);
        if (endsLine) WaitMilliseconds(settings.rowDelay);
        packet[kUsbPacket] = '\0';
        context.text.Append(AsString(packet));
        if (kept <= remaining) {
            cursor += kept;
            remaining -= kept;
            continue;
        }
        // The trailer has gone out: close with the same packet led by 0x1A.
        // The instrument waits for it, so a send without it is not complete.
        packet[0] = kEndOfData;
        if (!send(packet)) return fail(kUsbConnectedFailed, CableOutcome::SendStopped);
        context.messages->ShowMessage(kCommunicationCompletedLower);
        break;
    }
    EndSend(context);
    return {CableOutcome::Done};
}

void ProgressRefresher(TransferContext& context) {
    for (;;) {
        WaitMilliseconds(context.timing.refresherPeriod.count());
        if (context.done) break;
        context.editor->Show(context.text.Snapshot());
    }
    context.done = true;
}

} // namespace cablemate
