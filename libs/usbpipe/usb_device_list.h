// Inside usbpipe: the list of USB instruments worth looking for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace usbpipe {

struct UsbDeviceId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;

    bool operator==(const UsbDeviceId&) const = default;
};

// The ids of a list text, in order: one vvvv:pppp a line, four hexadecimal
// digits each in either case, blanks around it allowed. "#" starts a comment
// that runs to the end of the line; blank lines and lines that hold anything
// else are passed over, so one typing error does not hide the other lines.
std::vector<UsbDeviceId> ParseUsbDeviceList(std::string_view text);

// The ids listed in the file at path; none when it cannot be read.
std::vector<UsbDeviceId> ReadUsbDeviceList(const std::string& path);

} // namespace usbpipe
