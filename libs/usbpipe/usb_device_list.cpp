#include "usb_device_list.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace usbpipe {

namespace {

constexpr char kCommentMark = '#';
constexpr char kIdSeparator = ':';
constexpr std::string_view kBlanks = " \t\r";
constexpr std::size_t kHexDigitsPerId = 4;
// A list is a few lines; anything much longer is not one.
constexpr std::size_t kListReadLimit = 64 * 1024;

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<std::uint16_t> hexField(std::string_view digits)
{
    if (digits.size() != kHexDigitsPerId) return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return static_cast<std::uint16_t>(value);
}

std::optional<UsbDeviceId> parseLine(std::string_view line)
{
    return ParseUsbDeviceId(trimmed(line.substr(0, line.find(kCommentMark))));
}

} // namespace

std::optional<UsbDeviceId> ParseUsbDeviceId(std::string_view text)
{
    const std::size_t colon = text.find(kIdSeparator);
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<std::uint16_t> vendor = hexField(text.substr(0, colon));
    const std::optional<std::uint16_t> product = hexField(text.substr(colon + 1));
    if (!vendor || !product) return std::nullopt;
    return UsbDeviceId {*vendor, *product};
}

std::string FormatUsbDeviceId(const UsbDeviceId& id)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint16_t field : {id.vendor, id.product}) {
        if (!text.empty()) text += kIdSeparator;
        for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(field >> shift) & 0xf];
    }
    return text;
}

std::vector<UsbDeviceId> ParseUsbDeviceList(std::string_view text)
{
    std::vector<UsbDeviceId> ids;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (const std::optional<UsbDeviceId> id = parseLine(text.substr(0, end))) ids.push_back(*id);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return ids;
}

std::vector<UsbDeviceId> ReadUsbDeviceList(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string text(kListReadLimit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ParseUsbDeviceList(text);
}

} // namespace usbpipe
