#include "fifo_pipe.h"

#include "fd/unique_fd.h"
#include "runtime/runtime.h"
#include "usb_survey.h"
#include "usbif/usbif.h"

#include "usbpipe.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace usbpipe {

namespace {

namespace fs = std::filesystem;
using harwick::platform::UniqueFd;
using Clock = std::chrono::steady_clock;

bool isFifoIn(int dirFd, const char* name)
{
    struct stat info {};
    return ::fstatat(dirFd, name, &info, 0) == 0 && S_ISFIFO(info.st_mode);
}

bool holdsBothFifos(const std::string& interfacePath)
{
    const UniqueFd dir(::open(interfacePath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir && isFifoIn(dir.get(), harwick::platform::kReadPipeName) &&
           isFifoIn(dir.get(), harwick::platform::kWritePipeName);
}

struct Probe {
    EmulatedState state = EmulatedState::kNoPipes;
    UniqueFd toInstrument; // PIPE01 open for writing, when usable
    int error = 0;         // errno of the refused open, for kRefused
};

// A simulator holds PIPE01 open for reading for as long as it serves, so a
// non-blocking open for writing finds it at once; nobody reading means
// ENXIO, the mark of a simulator that ended without removing its folder.
// Such a folder is passed over rather than chosen, so it cannot hide a live
// interface or a real instrument behind it, and telling it apart never blocks.
Probe probeInterface(const std::string& interfacePath)
{
    Probe probe;
    PipePath toInstrument;
    if (!toInstrument.assign(interfacePath, harwick::platform::kWritePipeName)) {
        probe.state = EmulatedState::kPathTooLong;
        return probe;
    }
    if (!holdsBothFifos(interfacePath)) return probe;
    const int fd = ::open(toInstrument.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        probe.error = errno;
        probe.state = probe.error == ENXIO ? EmulatedState::kStale : EmulatedState::kRefused;
        return probe;
    }
    probe.toInstrument.reset(fd);
    probe.state = EmulatedState::kUsable;
    return probe;
}

std::vector<std::string> interfaceNames(const fs::path& root)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Whole milliseconds left until deadline, rounded up so that a wait never
// turns into a busy loop of zero-length polls; 0 once it has passed.
int millisecondsLeft(Clock::time_point deadline)
{
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// Polls fd for events until deadline. The events seen, or 0 when the wait
// ended without any (or poll itself failed).
short waitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const int wait = millisecondsLeft(deadline);
        if (wait == 0) return 0;
        pollfd request {fd, events, 0};
        const int ready = ::poll(&request, 1, wait);
        if (ready > 0) return request.revents;
        if (ready == 0 || errno != EINTR) return 0;
    }
}

// Keeps SIGPIPE from ending the program while this thread writes to a FIFO
// whose reader may go away: the signal is blocked for the thread only (the
// process's disposition is the program's business), and one that the write
// raised is taken off the pending set before the old mask comes back.
class SigpipeBlock {
public:
    SigpipeBlock()
    {
        sigemptyset(&pipeOnly_);
        sigaddset(&pipeOnly_, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        wasPending_ = ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
        blocked_ = ::pthread_sigmask(SIG_BLOCK, &pipeOnly_, &previous_) == 0;
    }
    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;
    ~SigpipeBlock()
    {
        if (!blocked_) return;
        if (raised_ && !wasPending_) {
            const timespec noWait {};
            while (::sigtimedwait(&pipeOnly_, nullptr, &noWait) < 0 && errno == EINTR) {
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }

    void noteRaised() { raised_ = true; }

private:
    sigset_t pipeOnly_ {};
    sigset_t previous_ {};
    bool wasPending_ = false;
    bool blocked_ = false;
    bool raised_ = false;
};

class FifoPipe final : public Pipe {
public:
    explicit FifoPipe(UniqueFd fd) : fd_(std::move(fd)) {}

    bool readChunk(char* data, std::size_t n) override
    {
        const Clock::time_point deadline = Clock::now() + kReadWait;
        std::size_t got = 0;
        while (got < n) {
            const short events = waitFor(fd_.get(), POLLIN, deadline);
            if (events == 0) break;
            if ((events & (POLLERR | POLLNVAL)) != 0) return false;
            if ((events & POLLIN) != 0) {
                const ssize_t count = ::read(fd_.get(), data + got, n - got);
                if (count > 0) {
                    got += static_cast<std::size_t>(count);
                    continue;
                }
                if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
                if (count < 0) return false;
            }
            // End of file: no writer. Poll would now return at once for ever,
            // so the rest of the wait is slept out instead of spun.
            std::this_thread::sleep_until(deadline);
            break;
        }
        return got > 0;
    }

    bool writeChunk(const char* data, std::size_t n) override
    {
        SigpipeBlock sigpipe;
        const Clock::time_point deadline = Clock::now() + kWriteWait;
        std::size_t sent = 0;
        while (sent < n) {
            const ssize_t count = ::write(fd_.get(), data + sent, n - sent);
            if (count > 0) {
                sent += static_cast<std::size_t>(count);
            } else if (count < 0 && errno == EAGAIN) {
                // Whatever poll reports, the next write tells what it means.
                if (waitFor(fd_.get(), POLLOUT, deadline) == 0) return false;
            } else if (count < 0 && errno != EINTR) {
                if (errno == EPIPE) sigpipe.noteRaised();
                return false;
            }
        }
        return true;
    }

private:
    UniqueFd fd_;
};

} // namespace

namespace {

// Pipes another local user could have put in the runtime folder would take
// the user's data: they count only in a folder that is the user's own. A
// missing folder holds none, and is not made here.
bool runtimeFolderSafe(std::string& reason)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(harwick::platform::SuiteRuntimeDirectory(), ec))) return true;
    return harwick::platform::OpenSuiteRuntimeDirectory(reason).valid();
}

} // namespace

std::unique_ptr<Pipe> OpenEmulatedPipe(Direction direction)
{
    std::string unsafe;
    if (!runtimeFolderSafe(unsafe)) return nullptr;
    const fs::path root = harwick::platform::EmulatedUsbDirectory();
    for (const std::string& name : interfaceNames(root)) {
        const std::string interfacePath = (root / name).string();
        Probe probe = probeInterface(interfacePath);
        if (probe.state != EmulatedState::kUsable) continue;
        // The probe already holds the way to the instrument.
        if (direction == Direction::kOut) return std::make_unique<FifoPipe>(std::move(probe.toInstrument));
        PipePath path;
        if (!path.assign(interfacePath, PipeName(direction))) continue;
        if (std::unique_ptr<Pipe> pipe = OpenFifoPipe(path, direction)) return pipe;
    }
    return nullptr;
}

std::vector<EmulatedInterfaceReport> SurveyEmulatedInterfaces()
{
    std::vector<EmulatedInterfaceReport> reports;
    const fs::path root = harwick::platform::EmulatedUsbDirectory();
    if (std::string unsafe; !runtimeFolderSafe(unsafe)) {
        reports.push_back({"-", root.string(), EmulatedState::kUnsafe, unsafe});
        return reports;
    }
    for (const std::string& name : interfaceNames(root)) {
        const std::string interfacePath = (root / name).string();
        const Probe probe = probeInterface(interfacePath);
        reports.push_back({name, interfacePath, probe.state,
                           probe.state == EmulatedState::kRefused ? std::strerror(probe.error) : std::string()});
    }
    return reports;
}

std::unique_ptr<Pipe> OpenFifoPipe(const PipePath& path, Direction direction)
{
    const int access = direction == Direction::kIn ? O_RDONLY : O_WRONLY;
    UniqueFd fd(::open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return nullptr;
    return std::make_unique<FifoPipe>(std::move(fd));
}

} // namespace usbpipe
