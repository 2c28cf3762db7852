#include "runtime/runtime.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
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
constexpr mode_t kPrivateDirMode = 0700;
constexpr mode_t kLockFileMode = 0600;

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

std::string failed(const std::string& what) { return what + ": " + std::strerror(errno); }

} // namespace

std::string SuiteRuntimeDirectory() {
    if (const char* runtime = absoluteEnv(kRuntimeDirVariable)) return (fs::path(runtime) / kSuiteDirName).string();
    return kFallbackRuntimePrefix + std::to_string(::getuid());
}

std::string SuiteConfigDirectory() {
    const char* config = absoluteEnv(kConfigDirVariable);
    if (config == nullptr) return DefaultSuiteConfigDirectory(homeDirectory());
    return (fs::path(config) / kSuiteDirName).string();
}

std::string DefaultSuiteConfigDirectory(const std::string& home) {
    return (fs::path(home) / kDefaultConfigDir / kSuiteDirName).string();
}

UniqueFd OpenSuiteRuntimeDirectory(std::string& reason) {
    const std::string dir = SuiteRuntimeDirectory();
    // The runtime variable's folder may be missing below it; /tmp is not.
    std::error_code ec;
    fs::create_directories(fs::path(dir).parent_path(), ec);
    if (::mkdir(dir.c_str(), kPrivateDirMode) != 0 && errno != EEXIST) {
        reason = failed("cannot make the folder " + dir);
        return UniqueFd();
    }
    // Under /tmp anyone may have put something at this name first.
    struct stat seen {};
    if (::lstat(dir.c_str(), &seen) != 0) {
        reason = failed("cannot look at " + dir);
        return UniqueFd();
    }
    if (S_ISLNK(seen.st_mode)) {
        reason = dir + " is a symbolic link, not a folder of this user's";
        return UniqueFd();
    }
    if (!S_ISDIR(seen.st_mode)) {
        reason = dir + " is not a folder";
        return UniqueFd();
    }
    UniqueFd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (!fd || ::fstat(fd.get(), &opened) != 0) {
        reason = failed("cannot open the folder " + dir);
        return UniqueFd();
    }
    // What was opened must be what was looked at, not a replacement.
    if (opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino) {
        reason = dir + " was replaced while it was being opened";
        return UniqueFd();
    }
    if (opened.st_uid != ::geteuid()) {
        reason = dir + " belongs to another user (uid " + std::to_string(opened.st_uid) + ")";
        return UniqueFd();
    }
    if ((opened.st_mode & 07777) != kPrivateDirMode && ::fchmod(fd.get(), kPrivateDirMode) != 0) {
        reason = failed("cannot make " + dir + " private");
        return UniqueFd();
    }
    return fd;
}

NamedLock NamedLock::Acquire(std::string_view name) {
    std::string reason;
    const UniqueFd dir = OpenSuiteRuntimeDirectory(reason);
    if (!dir) return NamedLock(State::Unavailable, UniqueFd(), reason);
    const std::string file = std::string(name) + kLockSuffix;
    const std::string shown = (fs::path(SuiteRuntimeDirectory()) / file).string();
    UniqueFd fd(::openat(dir.get(), file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kLockFileMode));
    if (!fd.valid()) {
        reason = errno == ELOOP ? shown + " is a symbolic link" : failed("cannot open " + shown);
        return NamedLock(State::Unavailable, UniqueFd(), reason);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return NamedLock(State::Unavailable, UniqueFd(), shown + " is not a regular file");
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) return NamedLock(State::Taken, UniqueFd());
        return NamedLock(State::Unavailable, UniqueFd(), failed("cannot lock " + shown));
    }
    return NamedLock(State::Held, std::move(fd));
}

} // namespace harwick::platform
