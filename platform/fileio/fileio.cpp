#include "fileio/fileio.h"

#include "fd/unique_fd.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace harwick::platform {

namespace {


std::string reason(std::string_view what, const std::filesystem::path& path, int err)
{
    return std::string(what) + " '" + path.string() + "': " + std::strerror(err);
}

std::filesystem::path temporaryBeside(const std::filesystem::path& path)
{
    static std::atomic<unsigned> counter{0};
    std::string name = "." + path.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                       std::to_string(counter.fetch_add(1));
    return path.parent_path() / name;
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Saving through a symbolic link must update the file it names, not replace
// the link with a file of its own. A dangling link resolves to itself.
std::filesystem::path resolveLink(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : target;
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string& error)
{
    // Non-blocking, so that a FIFO put where a file should be cannot hang
    // the reader; it is refused below with every other non-file.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        error = reason("cannot open", path, errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = reason("cannot read", path, errno);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        error = reason("cannot read", path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return std::nullopt;
    }
    std::string content;
    if (st.st_size > 0) content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = reason("cannot read", path, errno);
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view content, std::string& error)
{
    return replaceFileAtomically(path, std::span<const std::string_view>(&content, 1), error);
}

bool replaceFileAtomically(const std::filesystem::path& path, std::span<const std::string_view> pieces,
                           std::string& error)
{
    const std::filesystem::path file = resolveLink(path);
    std::filesystem::path temp = temporaryBeside(file);
    UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        error = reason("cannot write", path, errno);
        return false;
    }
    struct stat existing {};
    bool ok = true;
    int err = 0;
    if (::stat(file.c_str(), &existing) == 0 && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
        ok = false;
        err = errno;
    }
    for (const std::string_view piece : pieces) {
        if (!ok) break;
        if (!writeAll(fd.get(), piece)) {
            ok = false;
            err = errno;
        }
    }
    if (ok && ::fsync(fd.get()) != 0) {
        ok = false;
        err = errno;
    }
    if (!fd.reset() && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), file.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = reason("cannot write", path, err);
        return false;
    }
    // The rename itself lives in the folder; flush it too, so that a power
    // cut after a save cannot bring the old file back. A folder that cannot be
    // flushed does not undo a save that has happened.
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
    return true;
}

} // namespace harwick::platform
