#include "fileio/fileio.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace harwick::platform {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (a late write error
    // can surface here).
    bool reset()
    {
        if (fd_ < 0) return true;
        int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

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

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string& error)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        error = reason("cannot open", path, errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = reason("cannot read", path, errno);
        return std::nullopt;
    }
    if (S_ISDIR(st.st_mode)) {
        error = reason("cannot read", path, EISDIR);
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
    std::filesystem::path temp = temporaryBeside(path);
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        error = reason("cannot write", path, errno);
        return false;
    }
    struct stat existing {};
    bool ok = true;
    int err = 0;
    if (::stat(path.c_str(), &existing) == 0 && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
        ok = false;
        err = errno;
    }
    if (ok && (!writeAll(fd.get(), content) || ::fsync(fd.get()) != 0)) {
        ok = false;
        err = errno;
    }
    if (!fd.reset() && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = reason("cannot write", path, err);
    }
    return ok;
}

} // namespace harwick::platform
