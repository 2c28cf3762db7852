// The instrument's side of an emulated USB interface, played the way the
// simulator plays it: a directory holding the FIFOs PIPE00 and PIPE01, both
// held open for reading and writing for the object's life.
#pragma once

#include "fd/unique_fd.h"
#include "usbif/usbif.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace usbpipe::testing {

namespace fs = std::filesystem;
using harwick::platform::UniqueFd;

inline void MakeFifo(const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path; }

// Open descriptors of this process; with a path, only those open on it.
inline int OpenFdCount(const fs::path& on = {})
{
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const fs::path target = fs::read_symlink(entry.path(), ec);
        if (!ec && (on.empty() || target == on)) ++count;
    }
    return count;
}

class FakeInstrument {
public:
    // holdPipes false: the FIFOs exist but nobody has them open.
    explicit FakeInstrument(fs::path dir, bool holdPipes = true) : dir_(std::move(dir))
    {
        fs::create_directories(dir_);
        MakeFifo(toPcPath());
        MakeFifo(fromPcPath());
        if (!holdPipes) return;
        toPc_.reset(::open(toPcPath().c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
        fromPc_.reset(::open(fromPcPath().c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    }

    fs::path toPcPath() const { return dir_ / harwick::platform::kReadPipeName; }
    fs::path fromPcPath() const { return dir_ / harwick::platform::kWritePipeName; }
    int fromPcFd() const { return fromPc_.get(); }

    void send(std::string_view bytes) const
    {
        ASSERT_EQ(::write(toPc_.get(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Everything the PC wrote that is waiting in PIPE01.
    std::string received() const
    {
        std::string bytes;
        char block[4096];
        ssize_t n = 0;
        while ((n = ::read(fromPc_.get(), block, sizeof block)) > 0) bytes.append(block, static_cast<std::size_t>(n));
        return bytes;
    }

    // Shrinks PIPE01 to one page and fills it, so that the next write finds no room.
    static void FillToCapacity(int fd)
    {
        ASSERT_GT(::fcntl(fd, F_SETPIPE_SZ, 4096), 0);
        const std::string page(4096, 'f');
        ASSERT_EQ(::write(fd, page.data(), page.size()), 4096);
    }

private:
    fs::path dir_;
    UniqueFd toPc_;
    UniqueFd fromPc_;
};

// Bytes that differ from chunk to chunk, so a chunk in the wrong place shows.
inline std::string Pattern(std::size_t n, unsigned seed = 0)
{
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 7 + seed) % 251);
    return bytes;
}

} // namespace usbpipe::testing
