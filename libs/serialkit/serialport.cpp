#include "serialport.h"

#include "comports/comports.h"

#include <cerrno>
#include <cstdint>
#include <system_error>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace serialkit_detail {

namespace {

constexpr int kWatchRounds = 100;
constexpr auto kWatchPause = std::chrono::milliseconds(5);

int waitingBytes(int fd)
{
    int n = 0;
    return ::ioctl(fd, FIONREAD, &n) == 0 ? n : 0;
}

// Keeps the receive thread reading while bytes wait, a bounded number of
// rounds; the next poll brings the watcher back if bytes are still there.
void announceWaiting(Port& port, int fd)
{
    for (int i = 0; i < kWatchRounds && port.connected; ++i) {
        if (waitingBytes(fd) == 0) return;
        port.signals.set(kRx);
        std::this_thread::sleep_for(kWatchPause);
    }
}

// The far end hung up (a pseudo-terminal's master closed, a USB adapter
// pulled): hand over what is still waiting, then end the connection.
void drainAfterHangup(Port& port, int fd)
{
    while (port.connected && waitingBytes(fd) > 0) announceWaiting(port, fd);
    port.connected = false;
}

void closePort(Port& port)
{
    std::unique_lock hold(port.fdLock);
    const int fd = port.fd.get();
    ::tcflush(fd, TCIOFLUSH);
    int dtr = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIC, &dtr); // not every tty has modem lines; nothing to do then
    port.fd.reset();
    hold.unlock();
    // The receive thread waits for this to see the connection closed.
    port.signals.set(kTxEmpty);
}

} // namespace

void Signals::set(Signal s)
{
    {
        std::lock_guard lock(mutex_);
        set_[s] = true;
    }
    changed_.notify_all();
}

void Signals::reset(Signal s)
{
    std::lock_guard lock(mutex_);
    set_[s] = false;
}

Signal Signals::waitAny()
{
    std::unique_lock lock(mutex_);
    Signal found = kSignalCount;
    changed_.wait(lock, [&] {
        for (int s = 0; s < kSignalCount; ++s) {
            if (set_[s]) {
                found = static_cast<Signal>(s);
                return true;
            }
        }
        return false;
    });
    return found;
}

int openDevice(const std::string& path)
{
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return -1;
    // Exclusive, like a serial port on the platform the suite came from:
    // a second opener is refused.
    if (::ioctl(fd.get(), TIOCEXCL) != 0) return -1;
    termios t{};
    if (::tcgetattr(fd.get(), &t) != 0) return -1;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::tcsetattr(fd.get(), TCSANOW, &t);
    return fd.release();
}

void watch(const std::shared_ptr<Port>& held)
{
    Port& port = *held;
    const int fd = port.fd.get(); // stays open until this thread closes it
    pollfd fds[2] = {{fd, POLLIN, 0}, {port.wake.get(), POLLIN, 0}};
    while (port.connected) {
        fds[0].revents = fds[1].revents = 0;
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            port.signals.set(kError);
            break;
        }
        if (fds[1].revents != 0) break; // Close
        if (fds[0].revents & POLLIN) announceWaiting(port, fd);
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            port.signals.set(kError);
            drainAfterHangup(port, fd);
        }
    }
    port.connected = false;
    closePort(port);
}

int Port::write(const char* data, int length)
{
    if (!connected || length < 0) return 0;
    std::lock_guard serial(writeLock);
    std::shared_lock hold(fdLock);
    if (!fd) return 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(CSerialCom::kWriteTimeoutMs);
    int written = 0;
    while (written < length) {
        ssize_t n = ::write(fd.get(), data + written, static_cast<std::size_t>(length - written));
        if (n > 0) {
            written += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) break;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd.get(), POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
    if (written == 0 && length > 0) {
        ::tcflush(fd.get(), TCOFLUSH);
        return 0;
    }
    return 1;
}

int Port::read(char* buffer, int length)
{
    if (!connected || length <= 0) return 0;
    std::shared_lock hold(fdLock);
    if (!fd) return 0;
    // Everything that is waiting, up to length: one read() hands over at most
    // what the line discipline holds (4 KB), while more may wait behind it. A
    // fast line (921,600 baud brings 4.6 KB per 50 ms pause) needs it all.
    int total = 0;
    while (total < length) {
        ssize_t n = ::read(fd.get(), buffer + total, static_cast<std::size_t>(length - total));
        if (n > 0) {
            total += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && total == 0) ::tcflush(fd.get(), TCIFLUSH);
        break;
    }
    return total;
}

void Port::deliver(char* data, int length)
{
    // A copy, so a receiver may register another without deadlock or race.
    std::vector<RcvInterface*> each;
    {
        std::lock_guard hold(receiversLock);
        each = receivers;
    }
    for (RcvInterface* r : each) {
        if (closing) return;
        if (r != nullptr) r->OnReceive(0, data, length);
    }
}

bool Port::start(UniqueFd device, UniqueFd wakeFd, const CMiniDCB& dcb)
{
    std::lock_guard life(lifeLock);
    const int raw = device.get();
    {
        // A pool worker may be about to write on the old descriptor.
        std::unique_lock hold(fdLock);
        fd = std::move(device);
    }
    wake = std::move(wakeFd);
    for (int s = 0; s < kSignalCount; ++s) signals.reset(static_cast<Signal>(s));
    closing = false;
    connected = true;
    ::tcflush(raw, TCIFLUSH);
    ::tcflush(raw, TCOFLUSH);
    applySettings(raw, dcb);
    try {
        watcher = std::thread(watch, shared_from_this());
    } catch (const std::system_error&) {
        // Without its watcher the port would never report a byte.
        connected = false;
        closing = true;
        std::unique_lock hold(fdLock);
        fd.reset();
        wake.reset();
        return false;
    }
    return true;
}

bool Port::startReceiver()
{
    std::lock_guard life(lifeLock);
    if (!connected || receiver.joinable()) return true;
    try {
        receiver = std::thread([held = shared_from_this()] { VqSerialPro::ReceiveMsgProc(held.get()); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool Port::stop()
{
    std::unique_lock life(lifeLock);
    const bool wasOpen = connected.exchange(false);
    closing = true;
    const std::uint64_t one = 1;
    if (wake && ::write(wake.get(), &one, sizeof one) < 0) {
        // An eventfd write fails only when its counter is full: it is signalled already.
    }
    signals.set(kClose);
    // Taken out under the lock, so two closers never join one thread.
    std::thread w = std::move(watcher);
    std::thread r;
    if (!isServing()) r = std::move(receiver);
    if (w.joinable() || r.joinable()) {
        ++joining;
        life.unlock();
        if (w.joinable()) w.join();
        if (r.joinable()) r.join();
        life.lock();
        --joining;
        joined.notify_all();
    }
    // The receive thread must not wait for a closer that is joining it.
    if (isServing()) return wasOpen;
    joined.wait(life, [this] { return joining == 0; });
    return wasOpen;
}

namespace {
thread_local const Port* servedHere = nullptr;
}

bool Port::isServing() const { return servedHere == this; }

void markServing(const Port& port) { servedHere = &port; }

} // namespace serialkit_detail

using namespace serialkit_detail;

CSerialCom::CSerialCom() : port_(std::make_shared<Port>()) {}

CSerialCom::~CSerialCom()
{
    port_->stop();
    // Destroyed by a receiver from inside OnReceive: the receive thread ends
    // on its own once the receiver returns, keeping the port alive till then.
    std::lock_guard life(port_->lifeLock);
    std::thread& r = port_->receiver;
    if (r.joinable() && r.get_id() == std::this_thread::get_id()) r.detach();
}

bool CSerialCom::IsConnected() const { return port_->connected; }

int CSerialCom::Open(void* settings)
{
    Port& port = *port_;
    if (port.connected) return 1;
    // Reopening would mean waiting for the receive thread to end: not from
    // that thread itself.
    if (port.isServing()) return 0;
    std::lock_guard opening(port.openLock);
    if (port.connected) return 1;
    if (settings != nullptr) settings_ = *static_cast<const CMiniDCB*>(settings);
    openTime_ = std::chrono::system_clock::now();
    // Threads of an earlier connection that ended on its own (a hang-up).
    port.stop();

    std::optional<std::string> device = harwick::platform::DevicePathForPort(settings_.port);
    UniqueFd fd(device ? openDevice(*device) : -1);
    if (!fd) return 0;
    // Without it the watcher could never be told to close.
    UniqueFd wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!wake) return 0;
    return port.start(std::move(fd), std::move(wake), settings_) ? 1 : 0;
}

int CSerialCom::Write(char* data, int length) { return port_->write(data, length); }

int CSerialCom::Read(char* buffer, int length) { return port_->read(buffer, length); }

int CSerialCom::Close()
{
    // A receiver may destroy this connection while the close waits for its
    // threads; the port must outlive the wait.
    const std::shared_ptr<Port> port = port_;
    return port->stop() ? 1 : 0;
}
