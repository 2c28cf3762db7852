#include "instrument-sim/instrument_sim.h"

#include "instrument-sim/instrument_protocol.h"
#include "instrument-sim/instrument_store.h"
#include "instrument-sim/line_writer.h"
#include "instrument-sim/pty_port.h"
#include "instrument-sim/serving_thread.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <poll.h>
#include <unistd.h>

namespace harwick::sim {

namespace {

using Clock = std::chrono::steady_clock;

// Upper bound of one wait of the serving thread; the stop event ends it sooner.
constexpr int kIdlePollMs = 100;
// While no program has the port open the line reports a hang-up at once;
// look again this often.
constexpr std::chrono::milliseconds kFarEndRetry{10};
constexpr std::size_t kReadChunk = 4096;
constexpr std::string_view kCrLf = "\r\n";

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
    PtyPort port;

    mutable std::mutex mutex;  // guards commands
    std::vector<std::string> commands;
    std::atomic<std::size_t> portCloses{0};

    // Serving thread only.
    std::string pending;  // bytes of a command whose CR LF has not come yet
    int received = 0;
    bool farEndGone = true;  // until a program has sent something

    // Last, so that its thread has ended before anything the thread uses goes.
    ServingThread serving;
};

void InstrumentSim::Impl::Serve()
{
    const Misbehaviour& m = options.misbehave;
    LineWriter writer(serving.StopFd(), LineShape{m.splitEvery, m.splitPause, m.paceBaud});
    for (;;) {
        std::array<pollfd, 2> fds{{{serving.StopFd(), POLLIN, 0}, {port.Master(), POLLIN, 0}}};
        const nfds_t count = port.OnLine() ? 2 : 1;
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
    const ssize_t n = ::read(port.Master(), buffer.data(), buffer.size());
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
    writer.Send(port.Master(), reply);
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
    protocol.Reset();
    pending.clear();
    farEndGone = true;
    std::string error;
    port.Replug(error);  // when that fails, off the line until stopped
}

InstrumentSim::InstrumentSim(SimOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {}

InstrumentSim::~InstrumentSim() { Stop(); }

bool InstrumentSim::Start(std::string& error)
{
    Impl& s = *impl_;
    if (!s.serving.Prepare("the instrument is running already", {}, error)) return false;
    std::error_code ec;
    std::filesystem::create_directories(s.options.stateDir, ec);
    if (ec) {
        error = "cannot use the state directory " + s.options.stateDir.string() + ": " + ec.message();
        return false;
    }
    if (!s.port.Open(s.options.portName, error)) return false;
    s.protocol.SetEndMarkerOnLastLine(s.options.misbehave.endMarkerOnLastLine);
    s.serving.Run([&s] { s.Serve(); });
    return true;
}

void InstrumentSim::Stop()
{
    Impl& s = *impl_;
    s.serving.Stop();
    s.port.Close();
    s.protocol.Reset();
    s.pending.clear();
    s.received = 0;
    s.farEndGone = true;
    s.portCloses = 0;
}

std::string InstrumentSim::PortName() const { return impl_->port.Name(); }

std::string InstrumentSim::DevicePath() const { return impl_->port.Device(); }

std::size_t InstrumentSim::PortCloses() const { return impl_->portCloses; }

std::vector<std::string> InstrumentSim::CommandsSeen() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->commands;
}

} // namespace harwick::sim
