#include "runtime/runtime.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

constexpr char kRuntimeDirVariable[] = "XDG_RUNTIME_DIR";
constexpr char kConfigDirVariable[] = "XDG_CONFIG_HOME";
constexpr char kHomeVariable[] = "HOME";
constexpr char kDefaultConfigDir[] = ".config";
constexpr std::size_t kPasswdBufferFallback = 16384;
constexpr char kSuiteDirName[] = "harwick";
// Without a runtime folder each user still needs one of their own, so two
// users on one machine never meet each other's instruments or locks.
constexpr char kFallbackRuntimePrefix[] = "/tmp/harwick-";
constexpr char kLockSuffix[] = ".lock";

// The XDG base directory rules ignore a relative value as if it were unset.
const char* absoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : nullptr;
}

std::string homeDirectory() {
    const char* home = std::getenv(kHomeVariable);
    if (home != nullptr && *home != '\0') return home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : kPasswdBufferFallback);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    return "/";
}

} // namespace

std::string SuiteRuntimeDirectory() {
    if (const char* runtime = absoluteEnv(kRuntimeDirVariable)) return (fs::path(runtime) / kSuiteDirName).string();
    return kFallbackRuntimePrefix + std::to_string(::getuid());
}

std::string SuiteConfigDirectory() {
    const char* config = absoluteEnv(kConfigDirVariable);
    const fs::path base = config != nullptr ? fs::path(config) : fs::path(homeDirectory()) / kDefaultConfigDir;
    return (base / kSuiteDirName).string();
}

NamedLock NamedLock::Acquire(std::string_view name) {
    const fs::path dir = SuiteRuntimeDirectory();
    std::error_code ec;
    fs::create_directories(dir, ec);
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
    const fs::path file = dir / (std::string(name) + kLockSuffix);
    UniqueFd fd(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!fd.valid()) return NamedLock(State::Unavailable, UniqueFd());
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        return NamedLock(errno == EWOULDBLOCK ? State::Taken : State::Unavailable, UniqueFd());
    }
    return NamedLock(State::Held, std::move(fd));
}

} // namespace harwick::platform
