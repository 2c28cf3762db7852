#include "progress_line.h"

#include "language/ui_text.h"
#include "text/text.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace harwick::cli {

namespace {

using Milliseconds = std::chrono::milliseconds;

// The units done, of how many where known, are followed by the unit's word.
constexpr harwick::UiText kOfTotal = "%1 of %2";
constexpr harwick::UiText kElapsed = "%1 elapsed";
constexpr harwick::UiText kLeft = "about %1 left";

// 0:07, 12:30, 1:05:00
std::string clockText(long long seconds)
{
    const long long hours = seconds / 3600;
    const long long minutes = seconds / 60 % 60;
    const long long rest = seconds % 60;
    std::string text;
    if (hours > 0) text = std::to_string(hours) + ":" + (minutes < 10 ? "0" : "");
    text += std::to_string(minutes) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
    return text;
}

// 512 B, 14.2 kB, 3.1 MB
std::string bytesText(double bytes)
{
    if (bytes < 1000) return text::formatFixed(bytes, 0) + " B";
    if (bytes < 1000 * 1000) return text::formatFixed(bytes / 1000, 1) + " kB";
    return text::formatFixed(bytes / (1000 * 1000), 1) + " MB";
}

} // namespace

ProgressTerminal StderrTerminal()
{
    ProgressTerminal terminal;
    terminal.isTerminal = ::isatty(STDERR_FILENO) == 1;
    winsize size{};
    if (terminal.isTerminal && ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0) terminal.columns = size.ws_col;
    return terminal;
}

std::string ProgressText(std::string_view unit, const ProgressCounts& counts, Milliseconds elapsed)
{
    std::string line = counts.totalUnits
                           ? Filled(kOfTotal, {std::to_string(counts.units), std::to_string(*counts.totalUnits)})
                           : std::to_string(counts.units);
    line += " " + std::string(unit) + ", " + bytesText(static_cast<double>(counts.bytes));
    const double seconds = static_cast<double>(elapsed.count()) / 1000;
    if (seconds >= 1) line += ", " + bytesText(static_cast<double>(counts.bytes) / seconds) + "/s";
    line += ", " + Filled(kElapsed, {clockText(elapsed.count() / 1000)});
    // The part done so far, by bytes where their total is known (blocks and
    // lines differ in length), else by units.
    double done = -1;
    if (counts.totalBytes && *counts.totalBytes > 0) {
        done = static_cast<double>(counts.bytes) / static_cast<double>(*counts.totalBytes);
    } else if (counts.totalUnits && *counts.totalUnits > 0) {
        done = static_cast<double>(counts.units) / static_cast<double>(*counts.totalUnits);
    }
    if (done > 0 && done < 1 && seconds >= 1) {
        line += ", " + Filled(kLeft, {clockText(static_cast<long long>(seconds * (1 - done) / done + 0.5))});
    }
    return line;
}

ProgressLine::ProgressLine(std::ostream& terminal, ProgressTerminal where, bool shown, std::string unit,
                           Sample sample, Milliseconds period)
    : terminal_(terminal), columns_(where.columns), shown_(shown && where.isTerminal), unit_(std::move(unit)),
      sample_(std::move(sample)), period_(period), start_(std::chrono::steady_clock::now())
{
    if (shown_) ticker_ = std::jthread([this](std::stop_token stop) { run(stop); });
}

ProgressLine::~ProgressLine() { Stop(); }

void ProgressLine::run(std::stop_token stop)
{
    std::unique_lock lock(mutex_);
    // The first drawing waits a period: a transfer that ends or stops at
    // once, or begins with a prompt, shows no line at all.
    for (;;) {
        wake_.wait_for(lock, stop, period_, [] { return false; });
        if (stop.stop_requested()) return;
        if (!held_ && !stopped_) drawLocked();
    }
}

void ProgressLine::drawLocked()
{
    const auto elapsed = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - start_);
    std::string line = ProgressText(unit_, sample_(), elapsed);
    // A line as wide as the terminal would wrap, and \r would then redraw
    // only its last row.
    if (columns_ > 1 && line.size() >= columns_) line.resize(columns_ - 1);
    const std::size_t width = line.size();
    if (width < drawn_) line.append(drawn_ - width, ' ');
    terminal_ << '\r' << line << std::flush;
    drawn_ = line.size();
}

void ProgressLine::wipeLocked()
{
    if (drawn_ == 0) return;
    terminal_ << '\r' << std::string(drawn_, ' ') << '\r' << std::flush;
    drawn_ = 0;
}

void ProgressLine::Say(std::ostream& stream, std::string_view line)
{
    std::lock_guard lock(mutex_);
    wipeLocked();
    stream << line << std::endl;
}

void ProgressLine::Hold(bool held)
{
    std::lock_guard lock(mutex_);
    if (held) wipeLocked();
    else if (held_) start_ = std::chrono::steady_clock::now();
    held_ = held;
}

void ProgressLine::Stop()
{
    if (ticker_.joinable()) {
        ticker_.request_stop();
        ticker_.join();
    }
    std::lock_guard lock(mutex_);
    stopped_ = true;
    wipeLocked();
}

} // namespace harwick::cli
