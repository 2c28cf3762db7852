// The serial ports present on this machine, as a surveyor picks them: by
// the COM name the programs use, by the device, and by what the adapter
// says it is. A USB-serial adapter on /dev/ttyUSB0 is COM33 by the default
// table; nobody guesses that without being shown.
//
// The module reads the machine's device tree (sysfs and /dev) below a root
// folder, "/" on a real machine and a made-up tree in the tests.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::platform {

// Whether the user may open a port, and if not why and what to do.
struct PortAccess {
    bool ok = true;
    std::string reason; // "permission denied (group dialout, mode rw-rw----)"
    std::string fix;    // "add yourself to the group dialout: sudo usermod -aG dialout $USER, then log out and in again"

    // The reason and the fix in one sentence, for a message; empty when ok.
    std::string Text() const;
};

// What opening the device failed with (an errno value) means to the user:
// for a refusal the device's group and mode and how to join the group, for a
// port in use that another program holds it.
PortAccess ExplainAccess(const std::filesystem::path& device, int error);

struct PresentPort {
    std::string comName;      // "COM33"; empty when no COM name reaches the device
    std::string device;       // "/dev/ttyUSB0"
    std::string byId;         // "/dev/serial/by-id/usb-…-if00-port0", or empty
    std::string vendorProduct; // "0403:6001" for a USB device, else empty
    std::string manufacturer;
    std::string product;
    std::string serial;
    PortAccess access;

    // What the port is, for a list: "USB-serial adapter: FT232R USB UART",
    // "USB modem: …", "Bluetooth serial", "serial port".
    std::string Description() const;
    // "COM33 — /dev/ttyUSB0 (USB-serial adapter: FT232R USB UART)".
    std::string Label() const;
};

// Asks whether the device may be opened for reading and writing: 0, or the
// errno that opening would give. Tests answer for a refusal, since CI runs as
// root, whom file modes refuse nothing.
using AccessProbe = std::function<int(const std::filesystem::path& device)>;
int AccessOfDevice(const std::filesystem::path& device);

// The ports present: ttyUSB*, ttyACM* and rfcomm* devices, ttyS* only where a
// UART really is (a kernel lists 32 of them whether or not), and every entry
// of the ports map whose device exists, in COM-number order, ports without a
// COM name last. root is where the device tree is read ("/" on the machine).
std::vector<PresentPort> ListPresentPorts(const std::filesystem::path& root = "/",
                                          const AccessProbe& probe = AccessOfDevice);

// Names a device COMn in the ports map: an entry COMn linking to the
// device's /dev/serial/by-id path where it has one (that name survives
// another USB socket), else to the device. When the map does not exist yet it
// is first filled with every present port under the name it has now, so
// that making the map changes no other port's name. False, with error set,
// for a malformed name, a device that does not exist, or a map that cannot
// be written.
bool MapPort(std::string_view comName, const std::string& device, std::string& error,
             const std::filesystem::path& root = "/");

} // namespace harwick::platform
