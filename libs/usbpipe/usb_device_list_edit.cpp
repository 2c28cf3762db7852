// Kept apart from the list reader so that the shared library, which only
// reads the list, does not carry the file writing.
#include "usb_device_list.h"

#include "fileio/fileio.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace usbpipe {

ListAddition AddToUsbDeviceList(const std::filesystem::path& path, const UsbDeviceId& id, std::string& error)
{
    std::error_code ec;
    std::string text;
    if (std::filesystem::exists(path, ec)) {
        std::optional<std::string> existing = harwick::platform::readWholeFile(path, error);
        if (!existing) return ListAddition::kFailed;
        text = std::move(*existing);
    } else if (ec) {
        error = "cannot look at " + path.string() + ": " + ec.message();
        return ListAddition::kFailed;
    }
    const std::vector<UsbDeviceId> listed = ParseUsbDeviceList(text);
    if (std::find(listed.begin(), listed.end(), id) != listed.end()) return ListAddition::kAlreadyListed;

    const std::size_t firstEnd = text.find('\n');
    const std::string lineEnd = firstEnd != std::string::npos && firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n" : "\n";
    if (!text.empty() && text.back() != '\n') text += lineEnd;
    text += FormatUsbDeviceId(id) + lineEnd;

    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) {
            error = "cannot create " + path.parent_path().string() + ": " + ec.message();
            return ListAddition::kFailed;
        }
    }
    if (!harwick::platform::replaceFileAtomically(path, text, error)) return ListAddition::kFailed;
    return ListAddition::kAdded;
}

} // namespace usbpipe
