#include "usbif/usbif.h"

#include "runtime/runtime.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

constexpr char kConfigDirVariable[] = "XDG_CONFIG_HOME";
constexpr char kHomeVariable[] = "HOME";
constexpr char kSuiteDirName[] = "harwick";
constexpr char kUsbDirName[] = "usb";
constexpr char kDevicesListName[] = "usb-devices";
constexpr char kDefaultConfigDir[] = ".config";
constexpr std::size_t kPasswdBufferFallback = 16384;

// The XDG base directory rules ignore a relative value as if it were unset.
const char* absoluteEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : nullptr;
}

std::string homeDirectory()
{
    const char* home = std::getenv(kHomeVariable);
    if (home != nullptr && *home != '\0') return home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : kPasswdBufferFallback);
    passwd entry {};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    return "/";
}

} // namespace

std::string EmulatedUsbDirectory()
{
    return (fs::path(SuiteRuntimeDirectory()) / kUsbDirName).string();
}

std::string UsbDevicesListFile()
{
    const fs::path config =
        absoluteEnv(kConfigDirVariable) != nullptr ? fs::path(absoluteEnv(kConfigDirVariable))
                                                   : fs::path(homeDirectory()) / kDefaultConfigDir;
    return (config / kSuiteDirName / kDevicesListName).string();
}

} // namespace harwick::platform
