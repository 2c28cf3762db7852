#include "instrument-sim/usb_interface_dir.h"

#include "usbif/usbif.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace harwick::sim {

namespace {

namespace fs = std::filesystem;
using platform::UniqueFd;

// Private to the user, as everything under the runtime directory is.
constexpr mode_t kDirMode = 0700;
constexpr mode_t kFifoMode = 0600;

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

bool validName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Clears an interface left behind by a simulator that was killed. One that is
// served still has a reader on PIPE01, so a non-blocking open for writing
// succeeds there; it fails with ENXIO on an abandoned one.
bool clearStale(const fs::path& dir, std::string& error)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(dir, ec))) return true;
    const fs::path fromPc = dir / platform::kWritePipeName;
    const UniqueFd probe(::open(fromPc.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (probe.valid() || (errno != ENXIO && errno != ENOENT)) {
        error = "the USB interface " + dir.string() + " is in use";
        return false;
    }
    ::unlink((dir / platform::kReadPipeName).c_str());
    ::unlink(fromPc.c_str());
    if (::rmdir(dir.c_str()) != 0) {
        error = systemError("cannot take over the USB interface " + dir.string());
        return false;
    }
    return true;
}

} // namespace

UsbInterfaceDir::~UsbInterfaceDir()
{
    Remove();
    RemoveMadeParents();
}

bool UsbInterfaceDir::Create(const fs::path& base, const std::string& name, std::string& error)
{
    Remove();
    if (!validName(name)) {
        error = "'" + name + "' is no USB interface name";
        return false;
    }
    path_ = base / name;
    if (MakeParents(base, error) && clearStale(path_, error) && MakeInterface(error)) return true;
    Remove();
    RemoveMadeParents();
    return false;
}

bool UsbInterfaceDir::MakeParents(const fs::path& base, std::string& error)
{
    fs::path at;
    for (const fs::path& part : base) {
        at /= part;
        std::error_code ec;
        if (fs::is_directory(at, ec)) continue;
        if (::mkdir(at.c_str(), kDirMode) == 0) {
            madeParents_.push_back(at);
        } else if (errno != EEXIST) {
            error = systemError("cannot create " + at.string());
            return false;
        }
    }
    return true;
}

bool UsbInterfaceDir::MakeInterface(std::string& error)
{
    if (::mkdir(path_.c_str(), kDirMode) != 0) {
        error = systemError("cannot create " + path_.string());
        return false;
    }
    made_ = true;
    const fs::path toPc = path_ / platform::kReadPipeName;
    const fs::path fromPc = path_ / platform::kWritePipeName;
    if (::mkfifo(toPc.c_str(), kFifoMode) != 0 || ::mkfifo(fromPc.c_str(), kFifoMode) != 0) {
        error = systemError("cannot create the FIFOs in " + path_.string());
        return false;
    }
    // Read and write: the FIFOs then never report an end, and a PC's
    // non-blocking open finds a reader and a writer at all times.
    toPc_.reset(::open(toPc.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    fromPc_.reset(::open(fromPc.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!toPc_.valid() || !fromPc_.valid()) {
        error = systemError("cannot open the FIFOs in " + path_.string());
        return false;
    }
    return true;
}

void UsbInterfaceDir::Remove()
{
    toPc_.reset();
    fromPc_.reset();
    if (!made_) return;
    ::unlink((path_ / platform::kReadPipeName).c_str());
    ::unlink((path_ / platform::kWritePipeName).c_str());
    ::rmdir(path_.c_str());
    made_ = false;
}

void UsbInterfaceDir::RemoveMadeParents()
{
    for (auto it = madeParents_.rbegin(); it != madeParents_.rend(); ++it) {
        std::error_code ec;
        fs::remove(*it, ec);  // fails, as it should, while other interfaces live there
    }
    madeParents_.clear();
}

} // namespace harwick::sim
