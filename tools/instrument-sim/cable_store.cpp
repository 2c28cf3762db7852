#include "instrument-sim/cable_store.h"

#include "fileio/fileio.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace harwick::sim {

namespace {

namespace fs = std::filesystem;

// The number a file name stands for; 0 for any other name.
unsigned long uploadNumber(const std::string& name)
{
    unsigned long value = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), value);
    if (name.empty() || name.front() == '0' || ec != std::errc() || end != name.data() + name.size()) return 0;
    return value;
}

unsigned long highestNumber(const fs::path& dir)
{
    unsigned long highest = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        highest = std::max(highest, uploadNumber(it->path().filename().string()));
    }
    return highest;
}

} // namespace

UploadLog::UploadLog(fs::path dir) : dir_(std::move(dir)) {}

bool UploadLog::Add(std::string bytes)
{
    const std::lock_guard lock(mutex_);
    const bool stored = dir_.empty() || Store(bytes);
    uploads_.push_back(std::move(bytes));
    return stored;
}

bool UploadLog::Store(const std::string& bytes)
{
    std::error_code ec;
    fs::create_directories(dir_, ec);
    if (ec) return false;
    std::string error;
    return platform::replaceFileAtomically(dir_ / std::to_string(highestNumber(dir_) + 1), bytes, error);
}

std::vector<std::string> UploadLog::All() const
{
    const std::lock_guard lock(mutex_);
    return uploads_;
}

std::size_t UploadLog::Count() const
{
    const std::lock_guard lock(mutex_);
    return uploads_.size();
}

} // namespace harwick::sim
