#include "serialport.h"

#include "comports/comports.h"

#include <cerrno>
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

void watch(Port& port)
{
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

void Port::stopThreads()
{
    connected = false;
    const std::uint64_t one = 1;
    if (wake && ::write(wake.get(), &one, sizeof one) < 0) {
        // An eventfd write fails only when its counter is full: it is signalled already.
    }
    signals.set(kClose);
    const std::thread::id self = std::this_thread::get_id();
    for (std::thread* t : {&watcher, &receiver}) {
        if (t->joinable() && t->get_id() != self) t->join();
    }
    std::unique_lock hold(fdLock);
    fd.reset(); // a port whose watcher never started
}

} // namespace serialkit_detail

using namespace serialkit_detail;

CSerialCom::CSerialCom() : port_(std::make_shared<Port>()) {}

CSerialCom::~CSerialCom()
{
    port_->stopThreads();
    const std::thread::id self = std::this_thread::get_id();
    for (std::thread* t : {&port_->watcher, &port_->receiver}) {
        if (t->joinable() && t->get_id() == self) t->detach();
    }
}

bool CSerialCom::IsConnected() const { return port_->connected; }

int CSerialCom::Open(void* settings)
{
    if (port_->connected) return 1;
    if (settings != nullptr) settings_ = *static_cast<const CMiniDCB*>(settings);
    openTime_ = std::chrono::system_clock::now();
    // Threads of an earlier connection that ended on its own (a hang-up).
    port_->stopThreads();

    std::optional<std::string> device = harwick::platform::DevicePathForPort(settings_.port);
    const int fd = device ? openDevice(*device) : -1;
    if (fd < 0) {
        Close();
        return 0;
    }
    {
        // A pool worker may be about to write on the old descriptor.
        std::unique_lock hold(port_->fdLock);
        port_->fd.reset(fd);
    }
    port_->wake.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    for (int s = 0; s < kSignalCount; ++s) port_->signals.reset(static_cast<Signal>(s));
    port_->connected = true;
    ::tcflush(fd, TCIFLUSH);
    ::tcflush(fd, TCOFLUSH);
    applySettings(fd, settings_);
    try {
        port_->watcher = std::thread(watch, std::ref(*port_));
    } catch (const std::system_error&) {
        // Without its watcher the port would never report a byte.
        Close();
        return 0;
    }
    return 1;
}

int CSerialCom::Write(char* data, int length) { return port_->write(data, length); }

int CSerialCom::Read(char* buffer, int length) { return port_->read(buffer, length); }

int CSerialCom::Close()
{
    bool open = port_->connected;
    {
        std::shared_lock hold(port_->fdLock);
        open = open || static_cast<bool>(port_->fd);
    }
    // Also after a hang-up closed the port, the ended threads are collected.
    port_->stopThreads();
    return open ? 1 : 0;
}
