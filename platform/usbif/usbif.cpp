#include "usbif/usbif.h"

#include "runtime/runtime.h"

#include <filesystem>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

constexpr char kUsbDirName[] = "usb";
constexpr char kDevicesListName[] = "usb-devices";

} // namespace

std::string EmulatedUsbDirectory()
{
    return (fs::path(SuiteRuntimeDirectory()) / kUsbDirName).string();
}

std::string UsbDevicesListFile() { return UsbDevicesListFileIn(SuiteConfigDirectory()); }

std::string UsbDevicesListFileIn(const std::string& suiteConfigDirectory)
{
    return (fs::path(suiteConfigDirectory) / kDevicesListName).string();
}

} // namespace harwick::platform
