#include "instrument-sim/port_entry.h"

#include "comports/comports.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace harwick::sim {

namespace {

namespace fs = std::filesystem;

bool isPortName(const std::string& name)
{
    if (name.size() < 4 || name.size() > 6 || name.compare(0, 3, "COM") != 0 || name[3] == '0') return false;
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
        number = number * 10 + (name[i] - '0');
    }
    return number >= platform::kFirstPort && number <= platform::kLastPort;
}

// A link whose target is gone: left behind by an instrument that was killed.
bool isStale(const fs::path& entry)
{
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(entry, ec)) && !fs::exists(entry, ec);
}

// Replaces whatever entry has by a link to device in one rename; 0 or errno.
int relink(const fs::path& entry, const std::string& device)
{
    const fs::path fresh = entry.parent_path() / ("." + entry.filename().string() + ".new");
    ::unlink(fresh.c_str());
    if (::symlink(device.c_str(), fresh.c_str()) != 0) return errno;
    if (::rename(fresh.c_str(), entry.c_str()) == 0) return 0;
    const int err = errno;
    ::unlink(fresh.c_str());
    return err;
}

// Makes the link, taking over a stale one; 0, or errno: EEXIST when the name
// belongs to someone else.
int claim(const fs::path& entry, const std::string& device)
{
    if (::symlink(device.c_str(), entry.c_str()) == 0) return 0;
    const int err = errno;
    if (err != EEXIST || !isStale(entry)) return err;
    return relink(entry, device);
}

std::string linkTarget(const fs::path& entry)
{
    std::error_code ec;
    const fs::path target = fs::read_symlink(entry, ec);
    return ec ? std::string() : target.string();
}

} // namespace

PortEntry::PortEntry(fs::path dir, std::string device, bool madeDir)
    : dir_(std::move(dir)), device_(std::move(device)), madeDir_(madeDir)
{
}

PortEntry::PortEntry(PortEntry&& other) noexcept
    : dir_(std::move(other.dir_)), name_(std::move(other.name_)), device_(std::move(other.device_)),
      madeDir_(other.madeDir_), active_(std::exchange(other.active_, false))
{
}

PortEntry& PortEntry::operator=(PortEntry&& other) noexcept
{
    if (this != &other) {
        Remove();
        dir_ = std::move(other.dir_);
        name_ = std::move(other.name_);
        device_ = std::move(other.device_);
        madeDir_ = other.madeDir_;
        active_ = std::exchange(other.active_, false);
    }
    return *this;
}

PortEntry::~PortEntry() { Remove(); }

std::optional<PortEntry> PortEntry::Register(const std::string& portName, const std::string& device,
                                             std::string& error)
{
    if (!portName.empty() && !isPortName(portName)) {
        error = "'" + portName + "' is no port name (COM1 ... COM256)";
        return std::nullopt;
    }
    const fs::path dir = platform::PortsDirectory();
    std::error_code ec;
    const bool madeDir = !fs::exists(dir, ec) && fs::create_directories(dir, ec);
    if (ec) {
        error = "cannot create the ports directory " + dir.string() + ": " + ec.message();
        return std::nullopt;
    }
    PortEntry entry(dir, device, madeDir);
    for (int n = platform::kFirstPort; n <= platform::kLastPort; ++n) {
        const std::string name = portName.empty() ? "COM" + std::to_string(n) : portName;
        const int err = claim(dir / name, device);
        if (err == 0) {
            entry.name_ = name;
            entry.active_ = true;
            return std::optional<PortEntry>(std::move(entry));
        }
        if (err != EEXIST) {
            error = "cannot register " + name + " in " + dir.string() + ": " + std::strerror(err);
            break;
        }
        if (!portName.empty()) {
            error = portName + " is taken: " + (dir / portName).string() + " -> " + linkTarget(dir / portName);
            break;
        }
        if (n == platform::kLastPort) error = "every port name in " + dir.string() + " is taken";
    }
    entry.Remove();
    return std::nullopt;
}

bool PortEntry::Repoint(const std::string& device, std::string& error)
{
    if (const int err = relink(dir_ / name_, device); err != 0) {
        error = "cannot point " + name_ + " at " + device + ": " + std::strerror(err);
        return false;
    }
    device_ = device;
    active_ = true;
    return true;
}

void PortEntry::Remove()
{
    if (active_ && linkTarget(dir_ / name_) == device_) ::unlink((dir_ / name_).c_str());
    active_ = false;
    if (madeDir_) {
        std::error_code ec;
        fs::remove(dir_, ec);  // fails, as it should, while others have entries there
        madeDir_ = false;
    }
}

} // namespace harwick::sim
