#include "instrument-sim/serial_cable.h"

#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/cable_store.h"
#include "instrument-sim/cable_uploads.h"
#include "instrument-sim/line_writer.h"
#include "instrument-sim/pty_port.h"
#include "instrument-sim/serving_thread.h"
#include "instrument-sim/wake_event.h"
#include "fd/unique_fd.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace harwick::sim {

using platform::UniqueFd;

namespace {

using Clock = std::chrono::steady_clock;

// Upper bound of one wait of the serving thread; the stop event ends it sooner.
constexpr int kIdlePollMs = 100;
// While no program has the port open the line reports a hang-up at once;
// look again this often.
constexpr std::chrono::milliseconds kFarEndRetry{10};
// A streamed send goes out in pieces of this size, so it can pause between them.
constexpr std::size_t kChunkSize = 64;
constexpr std::size_t kReadChunk = 4096;
// How long a line about to close leaves what was sent for the PC to read.
constexpr std::chrono::seconds kDrainLimit{10};
constexpr std::chrono::milliseconds kDrainLook{5};
constexpr std::chrono::milliseconds kDrainGrace{100};

// Status: the line's news (a flush, a change of its settings) and no data.
enum class ReadResult { Bytes, Status, Nothing, Gone };

} // namespace

struct SerialCable::Impl {
    explicit Impl(SerialCableOptions o)
        : options(std::move(o)),
          uploads(options.stateDir.empty() ? std::filesystem::path() : options.stateDir / kSerialUploadsDir)
    {
        // Opened here, not in Start, so that PressEnter never races with its opening.
        enter.Open();
    }

    void Serve(LineWriter& writer);
    ReadResult ReadSome(std::string& bytes);
    bool FarEndClosed(const LineWriter& writer);
    bool Take(LineWriter& writer);
    void SendStream(LineWriter& writer);
    void SendBlocks(LineWriter& writer);
    bool SendPiece(std::string_view piece, LineWriter& writer);
    bool WaitForAck();
    void Answer(std::size_t block, LineWriter& writer);
    bool CountMoved();
    void DrainSent(const LineWriter& writer);
    void CloseLine();
    std::string SendText() const;

    const SerialCableOptions options;
    UploadLog uploads;
    WakeEvent enter;
    PtyPort port;

    mutable std::mutex mutex;  // guards sendText and received
    std::string sendText;
    std::string received;
    std::atomic<std::size_t> sendsStarted{0};
    std::atomic<std::size_t> portCloses{0};
    std::atomic<std::size_t> inputPurges{0};

    // Serving thread only (and Start and Stop, while no thread runs).
    SerialUploadParser parser;
    std::size_t moved = 0;
    std::size_t piecesThisSend = 0;
    bool lineClosed = false;
    bool farEndGone = true;  // until the PC has sent something

    // Last, so that its thread has ended before anything the thread uses goes.
    ServingThread serving;
};

void SerialCable::Impl::Serve(LineWriter& writer)
{
    while (!lineClosed) {
        std::array<pollfd, 3> fds{{{serving.StopFd(), POLLIN, 0}, {enter.Fd(), POLLIN, 0}, {port.Master(), POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), kIdlePollMs) < 0 && errno != EINTR) {
            if (!writer.SleepUntil(Clock::now() + kFarEndRetry)) return;
            continue;
        }
        if (fds[0].revents & POLLIN) return;
        if (fds[1].revents & POLLIN) {
            const bool streams = options.protocol == CableProtocol::None && !options.misbehave.silent;
            for (auto presses = enter.Take(); presses > 0 && streams && !lineClosed; --presses) SendStream(writer);
        }
        if (lineClosed) return;
        const bool took = (fds[2].revents & POLLIN) && Take(writer);
        if (!took && (fds[2].revents & (POLLHUP | POLLERR)) && !FarEndClosed(writer)) return;
    }
}

// The PC closed the port: an unfinished upload is dropped, as when a cable
// is pulled. While no program has the port open the line keeps reporting
// this; false when stop was asked while waiting to look again.
bool SerialCable::Impl::FarEndClosed(const LineWriter& writer)
{
    if (!farEndGone) {
        parser.Reset();
        ++portCloses;
    }
    farEndGone = true;
    return writer.SleepUntil(Clock::now() + kFarEndRetry);
}

// The line runs in packet mode: every read brings a leading byte, zero before
// data, else the line's news alone, among it that the PC emptied its input
// queue (which it does when it starts to listen).
ReadResult SerialCable::Impl::ReadSome(std::string& bytes)
{
    std::array<char, kReadChunk> buffer;
    const ssize_t n = ::read(port.Master(), buffer.data(), buffer.size());
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return ReadResult::Nothing;
    if (n <= 0) return ReadResult::Gone;
    if (buffer[0] != TIOCPKT_DATA) {
        if ((buffer[0] & TIOCPKT_FLUSHREAD) != 0) ++inputPurges;
        return ReadResult::Status;
    }
    bytes.assign(buffer.data() + 1, static_cast<std::size_t>(n) - 1);
    if (bytes.empty()) return ReadResult::Status;
    farEndGone = false;
    const std::lock_guard lock(mutex);
    received.append(bytes);
    return ReadResult::Bytes;
}

// Bytes from the PC while the instrument is not sending; false when nothing
// came. The line's news counts as something: a PC that closes its port right
// after its last bytes leaves news (its settings put back) ahead of them,
// and the upload must not be dropped for a hang-up before they are read.
bool SerialCable::Impl::Take(LineWriter& writer)
{
    std::string bytes;
    const ReadResult read = ReadSome(bytes);
    if (read == ReadResult::Status) return true;
    if (read != ReadResult::Bytes) return false;
    for (SerialUploadParser::Event& event : parser.Feed(bytes)) {
        if (lineClosed) break;
        switch (event.kind) {
        case SerialUploadParser::Event::Kind::Enquiry:
            if (options.protocol == CableProtocol::AckNak && !options.misbehave.silent) SendBlocks(writer);
            break;
        case SerialUploadParser::Event::Kind::Block:
            Answer(event.block, writer);
            if (CountMoved()) {
                DrainSent(writer);
                CloseLine();
            }
            break;
        case SerialUploadParser::Event::Kind::Line:
            if (CountMoved()) CloseLine();
            break;
        case SerialUploadParser::Event::Kind::Upload:
            // A failed store keeps the upload in memory; the tests and the program see it there.
            if (!options.misbehave.silent) uploads.Add(std::move(event.bytes));
            break;
        }
    }
    return true;
}

void SerialCable::Impl::Answer(std::size_t block, LineWriter& writer)
{
    const CableMisbehaviour& m = options.misbehave;
    if (m.silent || options.protocol != CableProtocol::AckNak) return;
    std::string_view reply = kAckReply;
    if (!m.wrongAck.empty()) {
        reply = m.wrongAck;
    } else if (m.nakAfterBlocks && block == *m.nakAfterBlocks + 1) {
        reply = kNakReply;
    }
    writer.Send(port.Master(), reply);
}

std::string SerialCable::Impl::SendText() const
{
    const std::lock_guard lock(mutex);
    return sendText;
}

void SerialCable::Impl::SendStream(LineWriter& writer)
{
    const std::string text = SendText();
    ++sendsStarted;
    piecesThisSend = 0;
    // The EOT and what rides behind it go out in the same write as the text's end.
    const std::string end = kEot + options.misbehave.bytesAfterEot;
    std::size_t at = 0;
    for (; text.size() - at > kChunkSize; at += kChunkSize) {
        if (!SendPiece(std::string_view(text).substr(at, kChunkSize), writer)) return;
    }
    SendPiece(text.substr(at) + end, writer);
}

void SerialCable::Impl::SendBlocks(LineWriter& writer)
{
    const std::string text = SendText();
    ++sendsStarted;
    piecesThisSend = 0;
    const std::string end = kEot + options.misbehave.bytesAfterEot;
    for (const std::string_view piece : SplitAfterBlockEnds(text)) {
        // The PC ends its receive at the end block's EOT and acknowledges
        // nothing more; the closing EOT goes out in the same write, so that
        // it reaches the PC before the PC closes the port.
        if (piece == kEndBlock) {
            SendPiece(std::string(piece) + end, writer);
            return;
        }
        if (!SendPiece(piece, writer)) return;
        if (piece.ends_with(kBlockEnd) && !WaitForAck()) return;
    }
    SendPiece(end, writer);
}

// False when the send is over: stop asked, the line failed or closed.
bool SerialCable::Impl::SendPiece(std::string_view piece, LineWriter& writer)
{
    if (!writer.Send(port.Master(), piece)) return false;
    ++piecesThisSend;
    if (CountMoved()) {
        DrainSent(writer);
        CloseLine();
        return false;
    }
    const CableMisbehaviour& m = options.misbehave;
    if (m.pauseAfterPacket && piecesThisSend == *m.pauseAfterPacket) return writer.SleepUntil(Clock::now() + m.pause);
    return true;
}

// Reads what the PC sends until an ACK is among it; false after kAckWait,
// when the PC closed the port, or when stop was asked.
bool SerialCable::Impl::WaitForAck()
{
    const auto deadline = Clock::now() + kAckWait;
    while (Clock::now() < deadline) {
        std::array<pollfd, 2> fds{{{serving.StopFd(), POLLIN, 0}, {port.Master(), POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), kIdlePollMs) < 0 && errno != EINTR) return false;
        if (fds[0].revents & POLLIN) return false;
        if (fds[1].revents & POLLIN) {
            std::string bytes;
            const ReadResult result = ReadSome(bytes);
            if (result == ReadResult::Gone) return false;
            if (bytes.find(kAck) != std::string::npos) return true;
        } else if (fds[1].revents & (POLLHUP | POLLERR)) {
            return false;
        }
    }
    return false;
}

// True when what just moved is the last before the line closes.
bool SerialCable::Impl::CountMoved()
{
    const std::optional<std::size_t>& limit = options.misbehave.closeAfterPackets;
    return limit && ++moved >= *limit;
}

// Waits until the PC has read what was sent: a hang-up discards what the far
// end has not read yet, and the PC is to get everything before the cut. The
// line takes a moment to show written bytes as queued, so a queue that was
// never seen filled is trusted to be empty only after kDrainGrace.
void SerialCable::Impl::DrainSent(const LineWriter& writer)
{
    const std::string device = port.Device();
    const UniqueFd peek(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    const auto start = Clock::now();
    bool seenQueued = false;
    int queued = 0;
    while (peek.valid() && Clock::now() < start + kDrainLimit && ::ioctl(peek.get(), FIONREAD, &queued) == 0) {
        seenQueued = seenQueued || queued > 0;
        if (queued == 0 && (seenQueued || Clock::now() > start + kDrainGrace)) return;
        if (!writer.SleepUntil(Clock::now() + kDrainLook)) return;
    }
}

void SerialCable::Impl::CloseLine()
{
    port.Close();
    parser.Reset();
    lineClosed = true;
    farEndGone = true;
}

SerialCable::SerialCable(SerialCableOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {}

SerialCable::~SerialCable() { Stop(); }

bool SerialCable::Start(std::string& error)
{
    Impl& s = *impl_;
    if (!s.serving.Prepare("the serial cable is served already", {&s.enter}, error)) return false;
    if (!s.port.Open(s.options.portName, error)) return false;
    int packetMode = 1;
    if (::ioctl(s.port.Master(), TIOCPKT, &packetMode) != 0) {
        error = "cannot watch the line of " + s.port.Name();
        s.port.Close();
        return false;
    }
    s.moved = 0;
    s.portCloses = 0;
    s.inputPurges = 0;
    s.lineClosed = false;
    s.farEndGone = true;
    s.serving.Run([&s] {
        LineWriter writer(s.serving.StopFd(), LineShape{});
        s.Serve(writer);
    });
    return true;
}

void SerialCable::Stop()
{
    Impl& s = *impl_;
    s.serving.Stop();
    s.CloseLine();
}

std::string SerialCable::PortName() const { return impl_->port.Name(); }

std::string SerialCable::DevicePath() const { return impl_->port.Device(); }

void SerialCable::SetSendText(std::string bytes)
{
    const std::lock_guard lock(impl_->mutex);
    impl_->sendText = std::move(bytes);
}

void SerialCable::PressEnter() { impl_->enter.Raise(); }

std::string SerialCable::BytesReceived() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->received;
}

std::vector<std::string> SerialCable::Uploads() const { return impl_->uploads.All(); }

std::size_t SerialCable::UploadCount() const { return impl_->uploads.Count(); }

std::size_t SerialCable::SendsStarted() const { return impl_->sendsStarted; }

std::size_t SerialCable::PortCloses() const { return impl_->portCloses; }

std::size_t SerialCable::InputPurges() const { return impl_->inputPurges; }

} // namespace harwick::sim
