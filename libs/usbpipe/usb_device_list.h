// Inside usbpipe: the list of USB instruments worth looking for.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace usbpipe {

struct UsbDeviceId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;

    bool operator==(const UsbDeviceId&) const = default;
};

// "vvvv:pppp" exactly: four hexadecimal digits each side, either case,
// nothing around it.
std::optional<UsbDeviceId> ParseUsbDeviceId(std::string_view text);

// "vvvv:pppp" in lower case, as lists and udev rules write it.
std::string FormatUsbDeviceId(const UsbDeviceId& id);

// The ids of a list text, in order: one vvvv:pppp a line, four hexadecimal
// digits each in either case, blanks around it allowed. "#" starts a comment
// that runs to the end of the line; blank lines and lines that hold anything
// else are passed over, so one typing error does not hide the other lines.
std::vector<UsbDeviceId> ParseUsbDeviceList(std::string_view text);

// The ids listed in the file at path; none when it cannot be read.
std::vector<UsbDeviceId> ReadUsbDeviceList(const std::string& path);

enum class ListAddition { kAdded, kAlreadyListed, kFailed };

// Adds id to the list file at path as a line of its own after everything the
// file holds (comments, blank and unreadable lines stay as they are, and the
// file's CR LF or LF line ends are kept), making the folder and the file when
// missing. An id the file lists already is not added again. The file is
// replaced whole or not at all; kFailed sets error to why.
ListAddition AddToUsbDeviceList(const std::filesystem::path& path, const UsbDeviceId& id, std::string& error);

} // namespace usbpipe
