#include "instrument-sim/emulated_usb.h"

#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/cable_store.h"
#include "instrument-sim/cable_uploads.h"
#include "instrument-sim/line_writer.h"
#include "instrument-sim/serving_thread.h"
#include "instrument-sim/usb_interface_dir.h"
#include "instrument-sim/wake_event.h"
#include "runtime/runtime.h"
#include "usbif/usbif.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <optional>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace harwick::sim {

using platform::kUsbPacketSize;

namespace {

using Clock = std::chrono::steady_clock;

// Upper bound of one wait of the serving thread; the stop event ends it sooner.
constexpr int kIdlePollMs = 100;
// A PC that takes no packet for this long has gone; the rest of the send is dropped.
constexpr std::chrono::seconds kSendStall{60};
// How long a line about to close leaves its last packet for the PC to read.
constexpr std::chrono::seconds kDrainLimit{10};
constexpr std::chrono::milliseconds kDrainLook{5};
constexpr std::size_t kReadChunk = 4096;

} // namespace

struct EmulatedUsb::Impl {
    explicit Impl(UsbOptions o)
        : options(std::move(o)),
          uploads(options.stateDir.empty() ? std::filesystem::path() : options.stateDir / kUsbUploadsDir)
    {
        // Opened here, not in Start, so that PressEnter never races with its opening.
        enter.Open();
    }

    void Serve();
    void Send();
    bool WritePacket(const std::string& packet);
    void Receive();
    bool CountMoved();
    void DrainSent(const LineWriter& waits);
    void CloseLine();

    const UsbOptions options;
    UploadLog uploads;
    WakeEvent enter;
    UsbInterfaceDir dir;

    mutable std::mutex mutex;  // guards sendText, packets, times and interfacePath
    std::string sendText;
    std::vector<std::string> packets;
    std::vector<Clock::time_point> times;
    std::filesystem::path interfacePath;
    std::atomic<std::size_t> packetsSent{0};
    std::atomic<std::size_t> sendsStarted{0};

    // Serving thread only (and Stop, once the thread has ended).
    UsbUploadAssembler assembler;
    std::string partial;  // bytes of a packet that is not yet whole
    std::size_t moved = 0;
    bool lineClosed = false;

    // Last, so that its thread has ended before anything the thread uses goes.
    ServingThread serving;
};

void EmulatedUsb::Impl::Serve()
{
    const LineWriter waits(serving.StopFd(), LineShape{});
    while (!lineClosed) {
        std::array<pollfd, 3> fds{{{serving.StopFd(), POLLIN, 0}, {enter.Fd(), POLLIN, 0}, {dir.FromPc(), POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), kIdlePollMs) < 0) {
            if (errno == EINTR) continue;
            if (!waits.SleepUntil(Clock::now() + std::chrono::milliseconds(kIdlePollMs))) return;
        }
        if (fds[0].revents & POLLIN) return;
        if (fds[1].revents & POLLIN) {
            for (auto presses = enter.Take(); presses > 0 && !lineClosed; --presses) {
                if (!options.misbehave.silent) Send();
            }
        }
        if (!lineClosed && (fds[2].revents & POLLIN)) Receive();
    }
}

void EmulatedUsb::Impl::Send()
{
    std::string text;
    {
        const std::lock_guard lock(mutex);
        text = sendText;
    }
    text.push_back(kEndOfData);
    ++sendsStarted;
    const CableMisbehaviour& m = options.misbehave;
    const LineWriter waits(serving.StopFd(), LineShape{});
    std::size_t sent = 0;
    for (std::size_t at = 0; at < text.size(); at += kUsbPacketSize) {
        std::string packet = text.substr(at, kUsbPacketSize);
        packet.resize(kUsbPacketSize, '\0');
        if (!WritePacket(packet)) return;
        ++packetsSent;
        ++sent;
        if (CountMoved()) {
            DrainSent(waits);
            CloseLine();
            return;
        }
        if (m.pauseAfterPacket && sent == *m.pauseAfterPacket && !waits.SleepUntil(Clock::now() + m.pause)) return;
    }
}

// A packet of at most PIPE_BUF bytes goes into a FIFO whole or not at all, so
// the PC's 64-byte reads always find packet boundaries.
bool EmulatedUsb::Impl::WritePacket(const std::string& packet)
{
    const auto stallEnd = Clock::now() + kSendStall;
    for (;;) {
        const ssize_t n = ::write(dir.ToPc(), packet.data(), packet.size());
        if (n == static_cast<ssize_t>(packet.size())) return true;
        if (n >= 0 || (errno != EAGAIN && errno != EINTR) || Clock::now() > stallEnd) return false;
        std::array<pollfd, 2> fds{{{dir.ToPc(), POLLOUT, 0}, {serving.StopFd(), POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), kIdlePollMs) > 0 && (fds[1].revents & POLLIN)) return false;
    }
}

void EmulatedUsb::Impl::Receive()
{
    std::array<char, kReadChunk> buffer;
    const ssize_t n = ::read(dir.FromPc(), buffer.data(), buffer.size());
    if (n <= 0) return;  // EAGAIN: another poll; the FIFO never reports an end while we hold it
    const auto now = Clock::now();
    partial.append(buffer.data(), static_cast<std::size_t>(n));
    std::size_t at = 0;
    for (; partial.size() - at >= kUsbPacketSize && !lineClosed; at += kUsbPacketSize) {
        std::string packet = partial.substr(at, kUsbPacketSize);
        {
            const std::lock_guard lock(mutex);
            packets.push_back(packet);
            times.push_back(now);
        }
        if (!options.misbehave.silent) {
            // A failed store keeps the upload in memory; the tests and the program see it there.
            if (std::optional<std::string> upload = assembler.Take(packet)) uploads.Add(std::move(*upload));
        }
        if (CountMoved()) CloseLine();
    }
    partial.erase(0, at);
}

// True when the packet just moved is the last before the line closes.
bool EmulatedUsb::Impl::CountMoved()
{
    const std::optional<std::size_t>& limit = options.misbehave.closeAfterPackets;
    return limit && ++moved >= *limit;
}

// Waits until the PC has read what was sent, so that it gets exactly the
// packets before the line went down.
void EmulatedUsb::Impl::DrainSent(const LineWriter& waits)
{
    const auto end = Clock::now() + kDrainLimit;
    int queued = 0;
    while (Clock::now() < end && ::ioctl(dir.ToPc(), FIONREAD, &queued) == 0 && queued > 0) {
        if (!waits.SleepUntil(Clock::now() + kDrainLook)) return;
    }
}

void EmulatedUsb::Impl::CloseLine()
{
    dir.Remove();
    lineClosed = true;
    partial.clear();
    assembler.Reset();
}

EmulatedUsb::EmulatedUsb(UsbOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {}

EmulatedUsb::~EmulatedUsb() { Stop(); }

bool EmulatedUsb::Start(std::string& error)
{
    Impl& s = *impl_;
    if (!s.serving.Prepare("the USB interface is served already", {&s.enter}, error)) return false;
    // The programs pass over pipes in a runtime folder that is not the
    // user's own; the simulator will not make them there either. A missing
    // one it makes itself, private, and takes away again at Stop.
    std::error_code missing;
    if (std::filesystem::exists(std::filesystem::symlink_status(platform::SuiteRuntimeDirectory(), missing)) &&
        !platform::OpenSuiteRuntimeDirectory(error))
        return false;
    const std::filesystem::path base = platform::EmulatedUsbDirectory();
    if (!s.dir.Create(base, s.options.interfaceName, error)) return false;
    {
        const std::lock_guard lock(s.mutex);
        s.interfacePath = s.dir.Path();
    }
    s.moved = 0;
    s.lineClosed = false;
    s.serving.Run([&s] { s.Serve(); });
    return true;
}

void EmulatedUsb::Stop()
{
    Impl& s = *impl_;
    s.serving.Stop();
    s.CloseLine();
    s.dir.RemoveMadeParents();
}

std::filesystem::path EmulatedUsb::InterfacePath() const
{
    const std::lock_guard lock(impl_->mutex);
    if (!impl_->interfacePath.empty()) return impl_->interfacePath;
    return std::filesystem::path(platform::EmulatedUsbDirectory()) / impl_->options.interfaceName;
}

void EmulatedUsb::SetSendText(std::string bytes)
{
    const std::lock_guard lock(impl_->mutex);
    impl_->sendText = std::move(bytes);
}

void EmulatedUsb::PressEnter() { impl_->enter.Raise(); }

std::vector<std::string> EmulatedUsb::PacketsReceived() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->packets;
}

std::vector<std::chrono::steady_clock::time_point> EmulatedUsb::PacketTimes() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->times;
}

std::vector<std::string> EmulatedUsb::Uploads() const { return impl_->uploads.All(); }

std::size_t EmulatedUsb::UploadCount() const { return impl_->uploads.Count(); }

std::size_t EmulatedUsb::PacketsSent() const { return impl_->packetsSent; }

std::size_t EmulatedUsb::SendsStarted() const { return impl_->sendsStarted; }

} // namespace harwick::sim
