// Serial ports keep the names surveyors know from their instruments' manuals,
// "COM1" to "COM256"; this module says which device each name stands for.
//
// When the folder PortsDirectory() exists it is the complete map: an entry
// named COMn, either a symbolic link to the device or a file whose first line
// is the device path, makes port n; a port without an entry does not exist.
// Without that folder COM1-COM32 are /dev/ttyS0-31, COM33-COM64
// /dev/ttyUSB0-31 and COM65-COM96 /dev/ttyACM0-31; the other numbers have no
// device.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace harwick::platform {

inline constexpr int kFirstPort = 1, kLastPort = 256;

// The device path behind a port name ("COM5" or "com5"); a name starting with
// "/" is a device path already and comes back unchanged. Nothing when there
// is no such port: no entry in the map, a number outside the table or the
// range, a malformed name ("COM0", "COM01", "COMx"), an empty entry file.
// A symbolic link gives its target, relative targets taken from the ports
// folder; the device itself may still be absent, which opening it reports.
std::optional<std::string> DevicePathForPort(std::string_view name);

// The number of a port name: "COM" in any letter case, then 1 to 256
// without leading zeros; nothing for anything else.
std::optional<int> PortNumber(std::string_view name);

// Every port number that stands for a device, with the device, in number
// order: the ports map read once, or the default table. The same answers as
// DevicePathForPort for each number.
std::vector<std::pair<int, std::string>> PortTable();

// The first line of a small text file (a map entry, a sysfs attribute),
// blanks and CR trimmed at both ends; nothing when unreadable or empty.
std::optional<std::string> FirstLineOf(const std::filesystem::path& file);

// $XDG_CONFIG_HOME/harwick/ports, or ~/.config/harwick/ports when that
// variable is unset, empty or not an absolute path; whether or not it exists.
std::string PortsDirectory();

} // namespace harwick::platform
