#include "instrument-sim/instrument_sim.h"

#include "instrument-sim/instrument_protocol.h"
#include "instrument-sim/instrument_store.h"
#include "instrument-sim/line_writer.h"
#include "instrument-sim/port_entry.h"
#include "instrument-sim/raw_pty.h"
#include "fd/unique_fd.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace harwick::sim {

using harwick::platform::UniqueFd;

namespace {

using Clock = std::chrono::steady_clock;

// Upper bound of one wait of the serving thread; the stop event ends it sooner.
constexpr int kIdlePollMs = 100;
// While no program has the port open the line reports a hang-up at once;
// look again this often.
constexpr std::chrono::milliseconds kFarEndRetry{10};
constexpr std::size_t kReadChunk = 4096;
constexpr std::string_view kCrLf = "\r\n";

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

} // namespace

struct InstrumentSim::Impl {
    explicit Impl(SimOptions o) : options(std::move(o)), store(options.stateDir), protocol(store) {}

    void Serve();
    void ReadLine(LineWriter& writer);
    void Handle(const std::string& line, LineWriter& writer);
    void FarEndClosed();
    void HangUp();

    const SimOptions options;
    InstrumentStore store;
    InstrumentProtocol protocol;
    UniqueFd stop;
    UniqueFd master;
    std::optional<PortEntry> entry;
    std::thread thread;

    mutable std::mutex mutex;  // guards commands, devicePath and portName
    std::vector<std::string> commands;
    std::string devicePath;
    std::string portName;
    std::atomic<std::size_t> portCloses{0};

    // Serving thread only.
    std::string pending;  // bytes of a command whose CR LF has not come yet
    int received = 0;
    bool farEndGone = true;  // until a program has sent something
};

void InstrumentSim::Impl::Serve()
{
    const Misbehaviour& m = options.misbehave;
    LineWriter writer(stop.get(), LineShape{m.splitEvery, m.splitPause, m.paceBaud});
    for (;;) {
        std::array<pollfd, 2> fds{{{stop.get(), POLLIN, 0}, {master.get(), POLLIN, 0}}};
        const nfds_t count = master.valid() ? 2 : 1;
        if (::poll(fds.data(), count, kIdlePollMs) < 0 && errno != EINTR) {
            if (!writer.SleepUntil(Clock::now() + kFarEndRetry)) return;
            continue;
        }
        if (fds[0].revents & POLLIN) return;
        if (count < 2) continue;
        if (fds[1].revents & POLLIN) {
            ReadLine(writer);
        } else if (fds[1].revents & (POLLHUP | POLLERR)) {
            FarEndClosed();
            if (!writer.SleepUntil(Clock::now() + kFarEndRetry)) return;
        }
    }
}

void InstrumentSim::Impl::ReadLine(LineWriter& writer)
{
    std::array<char, kReadChunk> buffer;
    const ssize_t n = ::read(master.get(), buffer.data(), buffer.size());
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0) {
        FarEndClosed();
        return;
    }
    farEndGone = false;
    pending.append(buffer.data(), static_cast<std::size_t>(n));
    for (std::size_t end = pending.find(kCrLf); end != std::string::npos; end = pending.find(kCrLf)) {
        const std::string line = pending.substr(0, end + kCrLf.size());
        pending.erase(0, line.size());
        Handle(line, writer);  // a hang-up empties pending: the rest belonged to the old line
    }
}

void InstrumentSim::Impl::Handle(const std::string& line, LineWriter& writer)
{
    {
        const std::lock_guard lock(mutex);
        commands.push_back(line);
    }
    const Misbehaviour& m = options.misbehave;
    if (m.silentAfterCommands && ++received > *m.silentAfterCommands) return;
    std::string reply;
    if (const auto wrong = m.wrongReplies.find(line.substr(0, line.size() - kCrLf.size()));
        wrong != m.wrongReplies.end()) {
        reply = wrong->second;
    } else {
        reply = protocol.Answer(line);
        if (m.hangUpAfterRecords &&
            protocol.LastDownloadRecord() > static_cast<std::size_t>(std::max(0, *m.hangUpAfterRecords))) {
            HangUp();
            return;
        }
    }
    if (reply.empty()) return;
    reply += m.bytesAfterCrLf;
    writer.Send(master.get(), reply);
}

// The program at the other end closed the port: an open list, download or
// upload is abandoned, as the instrument does when its cable is pulled.
void InstrumentSim::Impl::FarEndClosed()
{
    if (farEndGone) return;
    farEndGone = true;
    protocol.Reset();
    pending.clear();
    ++portCloses;
}

void InstrumentSim::Impl::HangUp()
{
    master.reset();
    protocol.Reset();
    pending.clear();
    farEndGone = true;
    std::string error;
    std::optional<RawPty> pty = OpenRawPty(error);
    if (!pty || !entry || !entry->Repoint(pty->device, error)) return;  // off the line until stopped
    master = std::move(pty->master);
    const std::lock_guard lock(mutex);
    devicePath = pty->device;
}

InstrumentSim::InstrumentSim(SimOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {}

InstrumentSim::~InstrumentSim() { Stop(); }

bool InstrumentSim::Start(std::string& error)
{
    Impl& s = *impl_;
    if (s.thread.joinable()) {
        error = "the instrument is running already";
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(s.options.stateDir, ec);
    if (ec) {
        error = "cannot use the state directory " + s.options.stateDir.string() + ": " + ec.message();
        return false;
    }
    s.stop = UniqueFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!s.stop.valid()) {
        error = systemError("cannot make the stop event");
        return false;
    }
    std::optional<RawPty> pty = OpenRawPty(error);
    if (!pty) return false;
    s.entry = PortEntry::Register(s.options.portName, pty->device, error);
    if (!s.entry) return false;
    s.master = std::move(pty->master);
    {
        const std::lock_guard lock(s.mutex);
        s.devicePath = pty->device;
        s.portName = s.entry->Name();
    }
    s.protocol.SetEndMarkerOnLastLine(s.options.misbehave.endMarkerOnLastLine);
    s.thread = std::thread([&s] { s.Serve(); });
    return true;
}

void InstrumentSim::Stop()
{
    Impl& s = *impl_;
    if (s.thread.joinable()) {
        const std::uint64_t one = 1;
        // An eventfd refuses a write only at its limit, where it is readable anyway.
        [[maybe_unused]] const ssize_t written = ::write(s.stop.get(), &one, sizeof one);
        s.thread.join();
    }
    s.master.reset();
    s.entry.reset();
    s.stop.reset();
    s.protocol.Reset();
    s.pending.clear();
    s.received = 0;
    s.farEndGone = true;
    s.portCloses = 0;
}

std::string InstrumentSim::PortName() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->portName;
}

std::string InstrumentSim::DevicePath() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->devicePath;
}

std::size_t InstrumentSim::PortCloses() const { return impl_->portCloses; }

std::vector<std::string> InstrumentSim::CommandsSeen() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->commands;
}

} // namespace harwick::sim
