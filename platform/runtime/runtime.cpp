#include "runtime/runtime.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

constexpr char kRuntimeDirVariable[] = "XDG_RUNTIME_DIR";
constexpr char kSuiteDirName[] = "harwick";
// Without a runtime folder each user still needs one of their own, so two
// users on one machine never meet each other's instruments or locks.
constexpr char kFallbackRuntimePrefix[] = "/tmp/harwick-";
constexpr char kLockSuffix[] = ".lock";

} // namespace

std::string SuiteRuntimeDirectory() {
    // The XDG base directory rules ignore a relative value as if it were unset.
    const char* runtime = std::getenv(kRuntimeDirVariable);
    if (runtime != nullptr && runtime[0] == '/') return (fs::path(runtime) / kSuiteDirName).string();
    return kFallbackRuntimePrefix + std::to_string(::getuid());
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
