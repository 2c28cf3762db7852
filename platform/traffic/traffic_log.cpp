#include "traffic_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace harwick::platform {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool writeAll(int fd, std::string_view bytes, int& error)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::shared_ptr<TrafficLog> TrafficLog::Open(const std::string& path, std::string& error)
{
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd) {
        error = "the traffic log " + path + " cannot be written: " + std::strerror(errno);
        return nullptr;
    }
    return std::make_shared<TrafficLog>(path, std::move(fd));
}

TrafficLog::TrafficLog(std::string path, UniqueFd fd) : path_(std::move(path)), fd_(std::move(fd)) {}

void TrafficLog::SetNotice(Notice notice)
{
    std::lock_guard lock(mutex_);
    notice_ = std::move(notice);
}

std::string TrafficLog::FormatLine(std::chrono::milliseconds sinceStart, Direction direction, std::string_view bytes)
{
    std::string line(32, '\0');
    const int head = std::snprintf(line.data(), line.size(), "%8lld ms %-3s ",
                                   static_cast<long long>(sinceStart.count()), direction == Direction::Out ? "out" : "in");
    line.resize(static_cast<std::size_t>(head));
    line.reserve(line.size() + bytes.size() * 4 + 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (i != 0) line += ' ';
        line += kHexDigits[byte >> 4];
        line += kHexDigits[byte & 0xF];
    }
    line += " | ";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        line += byte >= 0x20 && byte < 0x7F ? c : '.';
    }
    return line;
}

void TrafficLog::Record(Direction direction, std::string_view bytes)
{
    const auto since =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
    const std::string line = FormatLine(since, direction, bytes) + "\n";
    Notice notice;
    std::string message;
    {
        std::lock_guard lock(mutex_);
        if (!fd_) return;
        int error = 0;
        if (writeAll(fd_.get(), line, error)) return;
        fd_.reset();
        stopReason_ = "the traffic log " + path_ + " could not be written (" + std::strerror(error) +
                      "); logging is off, the transfer goes on";
        notice = notice_;
        message = stopReason_;
    }
    // Told outside the lock: the listener may show a window and log nothing more.
    if (notice) notice(message);
}

bool TrafficLog::Active() const
{
    std::lock_guard lock(mutex_);
    return fd_.valid();
}

std::string TrafficLog::StopReason() const
{
    std::lock_guard lock(mutex_);
    return stopReason_;
}

std::optional<std::string> TrafficLogSwitch::Start(const std::string& path)
{
    std::string error;
    std::shared_ptr<TrafficLog> log = TrafficLog::Open(path, error);
    std::lock_guard lock(mutex_);
    if (log_) log_->SetNotice({});
    log_ = log;
    {
        std::lock_guard hold(notices_->mutex);
        notices_->stopped.reset();
    }
    if (!log) return error;
    log->SetNotice([notices = notices_](const std::string& message) {
        std::lock_guard hold(notices->mutex);
        notices->stopped = message;
    });
    return std::nullopt;
}

void TrafficLogSwitch::Stop()
{
    std::lock_guard lock(mutex_);
    if (log_) log_->SetNotice({});
    log_.reset();
}

bool TrafficLogSwitch::On() const
{
    std::lock_guard lock(mutex_);
    return log_ != nullptr;
}

std::shared_ptr<TrafficLog> TrafficLogSwitch::Current() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

std::optional<std::string> TrafficLogSwitch::TakeStopNotice()
{
    std::optional<std::string> notice;
    {
        std::lock_guard hold(notices_->mutex);
        notice = std::exchange(notices_->stopped, std::nullopt);
    }
    if (notice) Stop();
    return notice;
}

} // namespace harwick::platform
