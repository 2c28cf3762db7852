#include "comports/discovery.h"

#include "comports/comports.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

// Kinds of tty the kernel names, and what each is to a surveyor.
struct TtyKind {
    std::string_view prefix;
    std::string_view usbDescription;   // when sysfs shows a USB device behind it
    std::string_view plainDescription; // otherwise
};
constexpr std::array<TtyKind, 4> kTtyKinds{{
    {"ttyUSB", "USB-serial adapter", "USB-serial adapter"},
    {"ttyACM", "USB serial device", "USB serial device"},
    {"rfcomm", "Bluetooth serial", "Bluetooth serial"},
    {"ttyS", "serial port", "serial port"},
}};
constexpr std::string_view kMappedDescription = "mapped port";
constexpr std::string_view kLabelDash = " \u2014 ";

// How far up from a tty's device folder the USB device's own folder may be
// (usb-serial port, interface, device).
constexpr int kUsbSearchDepth = 4;
// More than any attribute file holds.

const TtyKind* kindOf(std::string_view name)
{
    for (const TtyKind& kind : kTtyKinds) {
        if (name.size() > kind.prefix.size() && name.substr(0, kind.prefix.size()) == kind.prefix) return &kind;
    }
    return nullptr;
}

// A device path as seen on the machine, read below root.
fs::path below(const fs::path& root, const fs::path& logical) { return root / logical.relative_path(); }

std::string attribute(const fs::path& file) { return FirstLineOf(file).value_or(std::string()); }

// A kernel lists ttyS0-ttyS31 on most machines; only those whose UART type
// is known are real ports.
bool uartPresent(const fs::path& classEntry)
{
    const std::string type = attribute(classEntry / "type");
    return !type.empty() && type != "0";
}

void readUsbAttributes(const fs::path& classEntry, PresentPort& port)
{
    std::error_code ec;
    fs::path dir = fs::canonical(classEntry / "device", ec);
    if (ec) return;
    for (int up = 0; up < kUsbSearchDepth && !dir.empty(); ++up, dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec)) continue;
        port.vendorProduct = attribute(dir / "idVendor") + ":" + attribute(dir / "idProduct");
        port.manufacturer = attribute(dir / "manufacturer");
        port.product = attribute(dir / "product");
        port.serial = attribute(dir / "serial");
        return;
    }
}

// The /dev/serial/by-id link that leads to the device, which keeps its name
// whichever USB socket the adapter is in.
std::string byIdPath(const fs::path& root, const std::string& device)
{
    const fs::path folder = below(root, "/dev/serial/by-id");
    const fs::path target = below(root, device).lexically_normal();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path link = fs::read_symlink(it->path(), ec);
        if (ec) {
            ec.clear();
            continue;
        }
        const fs::path resolved = link.is_absolute() ? below(root, link) : (folder / link);
        if (resolved.lexically_normal() == target) return "/dev/serial/by-id/" + it->path().filename().string();
    }
    return {};
}

std::string groupName(gid_t gid)
{
    std::array<char, 4096> buffer{};
    group entry{};
    group* found = nullptr;
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return std::to_string(gid);
    }
    return found->gr_name;
}

std::string modeText(mode_t mode)
{
    std::string text;
    for (int shift = 6; shift >= 0; shift -= 3) {
        text += (mode >> shift) & 4 ? 'r' : '-';
        text += (mode >> shift) & 2 ? 'w' : '-';
        text += (mode >> shift) & 1 ? 'x' : '-';
    }
    return text;
}

} // namespace

PortAccess ExplainAccess(const fs::path& onDisk, int error)
{
    if (error == 0) return {};
    PortAccess access{false, std::strerror(error), {}};
    if (error == EBUSY) {
        access.reason = "in use by another program";
        access.fix = "close the other program that has the port open";
    }
    if (error == EACCES || error == EPERM) {
        struct stat info {};
        std::string group = "dialout";
        // Joining the group helps only where the group may read and write,
        // and never means joining root's.
        bool groupOpens = true;
        if (::stat(onDisk.c_str(), &info) == 0) {
            group = groupName(info.st_gid);
            access.reason = "permission denied (group " + group + ", mode " + modeText(info.st_mode) + ")";
            groupOpens = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP) && info.st_gid != 0;
        } else {
            access.reason = "permission denied";
        }
        access.fix = groupOpens ? "add yourself to the group " + group + ": sudo usermod -aG " + group +
                                      " $USER, then log out and in again"
                                : "only its owner may use it: ask the administrator for a udev rule that gives it "
                                  "to the group dialout with read and write (GROUP=\"dialout\", MODE=\"0660\"), "
                                  "then join that group: sudo usermod -aG dialout $USER";
    }
    return access;
}

std::string PortAccess::Text() const
{
    if (ok) return {};
    return fix.empty() ? reason : reason + "; " + fix;
}

namespace {

PortAccess accessOf(const fs::path& onDisk, const AccessProbe& probe) { return ExplainAccess(onDisk, probe(onDisk)); }

int comNumber(const PresentPort& port)
{
    return port.comName.empty() ? kLastPort + 1 : std::stoi(port.comName.substr(3));
}

} // namespace

int AccessOfDevice(const fs::path& device)
{
    return ::access(device.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
}

std::string PresentPort::Description() const
{
    const TtyKind* kind = kindOf(fs::path(device).filename().string());
    if (kind == nullptr) return std::string(kMappedDescription);
    std::string text(vendorProduct.empty() ? kind->plainDescription : kind->usbDescription);
    const std::string& name = !product.empty() ? product : !manufacturer.empty() ? manufacturer : vendorProduct;
    if (!name.empty()) text += ": " + name;
    return text;
}

std::string PresentPort::Label() const
{
    std::string text = comName.empty() ? device : comName + std::string(kLabelDash) + device;
    return text + " (" + Description() + ")";
}

std::vector<PresentPort> ListPresentPorts(const fs::path& root, const AccessProbe& probe)
{
    std::vector<PresentPort> ports;
    const fs::path classFolder = below(root, "/sys/class/tty");
    std::error_code ec;
    for (fs::directory_iterator it(classFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const TtyKind* kind = kindOf(name);
        if (kind == nullptr) continue;
        if (kind->prefix == "ttyS" && !uartPresent(it->path())) continue;
        PresentPort port;
        port.device = "/dev/" + name;
        std::error_code exists;
        if (!fs::exists(below(root, port.device), exists)) continue;
        readUsbAttributes(it->path(), port);
        port.byId = byIdPath(root, port.device);
        ports.push_back(std::move(port));
    }
    for (const auto& entry : PortTable()) {
        const int number = entry.first;
        const std::string& device = entry.second;
        auto same = [&](const PresentPort& p) { return p.device == device || (!p.byId.empty() && p.byId == device); };
        auto found = std::find_if(ports.begin(), ports.end(), same);
        if (found != ports.end()) {
            if (found->comName.empty()) found->comName = "COM" + std::to_string(number);
            continue;
        }
        // A map entry for a device sysfs does not list (a pseudo-terminal, a
        // link to a by-id path): present when its device is.
        std::error_code exists;
        if (!fs::exists(PortsDirectory(), exists) || !fs::exists(below(root, device), exists)) continue;
        PresentPort mapped;
        mapped.comName = "COM" + std::to_string(number);
        mapped.device = device;
        ports.push_back(std::move(mapped));
    }
    for (PresentPort& port : ports) port.access = accessOf(below(root, port.device), probe);
    std::stable_sort(ports.begin(), ports.end(), [](const PresentPort& a, const PresentPort& b) {
        const int na = comNumber(a), nb = comNumber(b);
        return na != nb ? na < nb : a.device < b.device;
    });
    return ports;
}

bool MapPort(std::string_view comName, const std::string& device, std::string& error, const fs::path& root)
{
    const std::optional<int> number = PortNumber(comName);
    if (!number) {
        error = "'" + std::string(comName) + "' is no port name (COM1 to COM256)";
        return false;
    }
    std::error_code ec;
    if (device.empty() || device.front() != '/' || !fs::exists(below(root, device), ec)) {
        error = "'" + device + "' is no device present";
        return false;
    }
    const std::vector<PresentPort> present = ListPresentPorts(root, [](const fs::path&) { return 0; });
    auto linkTarget = [&](const std::string& path) {
        for (const PresentPort& p : present) {
            if ((p.device == path || p.byId == path) && !p.byId.empty()) return p.byId;
        }
        return path;
    };
    const fs::path folder = PortsDirectory();
    auto link = [&](int n, const std::string& target) {
        const fs::path entry = folder / ("COM" + std::to_string(n));
        fs::remove(entry, ec);
        fs::create_symlink(target, entry, ec);
        if (ec) error = "cannot write " + entry.string() + ": " + ec.message();
        return !ec;
    };
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec) {
            error = "cannot make " + folder.string() + ": " + ec.message();
            return false;
        }
        // Until now the default table named the ports: they keep those names.
        for (const PresentPort& p : present) {
            const std::optional<int> kept = PortNumber(p.comName);
            if (kept && *kept != *number && !link(*kept, linkTarget(p.device))) return false;
        }
    }
    return link(*number, linkTarget(device));
}

} // namespace harwick::platform
