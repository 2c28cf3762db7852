#include "fileio/fileio.h"

#include "fd/unique_fd.h"
#include "memory/large_buffer.h"

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
    adviseLargeBuffer(content);
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
    AtomicFile file(path);
    for (const std::string_view piece : pieces) file.Write(piece);
    return file.Commit(error);
}

AtomicFile::AtomicFile(const std::filesystem::path& path)
    : path_(path), target_(resolveLink(path)), temp_(temporaryBeside(target_)),
      fd_(::open(temp_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666))
{
    if (!fd_.valid()) {
        err_ = errno;
        return;
    }
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && ::fchmod(fd_.get(), existing.st_mode & 07777) != 0) err_ = errno;
}

AtomicFile::~AtomicFile()
{
    // Still open: never committed, or its commit never began.
    if (fd_.valid()) ::unlink(temp_.c_str());
}

bool AtomicFile::Write(std::string_view bytes)
{
    if (err_ == 0 && !writeAll(fd_.get(), bytes)) err_ = errno;
    return err_ == 0;
}

bool AtomicFile::CopyTo(AtomicFile& other, std::size_t offset)
{
    std::string buffer(std::size_t{1} << 20, '\0');
    auto at = static_cast<off_t>(offset);
    while (err_ == 0 && other.Ok()) {
        const ssize_t n = ::pread(fd_.get(), buffer.data(), buffer.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err_ = errno;
        if (n <= 0) break;
        other.Write(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        at += n;
    }
    return err_ == 0 && other.Ok();
}

bool AtomicFile::Commit(std::string& error)
{
    if (!fd_.valid()) {
        error = reason("cannot write", path_, err_ != 0 ? err_ : EBADF);
        return false;
    }
    if (err_ == 0 && ::fsync(fd_.get()) != 0) err_ = errno;
    if (!fd_.reset() && err_ == 0) err_ = errno;
    if (err_ == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) err_ = errno;
    if (err_ != 0) {
        ::unlink(temp_.c_str());
        error = reason("cannot write", path_, err_);
        return false;
    }
    // The rename itself lives in the folder; flush it too, so that a power
    // cut after a save cannot bring the old file back. A folder that cannot be
    // flushed does not undo a save that has happened.
    const std::filesystem::path folder = target_.parent_path().empty() ? "." : target_.parent_path();
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
    return true;
}

} // namespace harwick::platform
