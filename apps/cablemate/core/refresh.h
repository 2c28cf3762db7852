// Conversions and transfers show their text as it grows. Showing it after
// every record would copy the whole text each time and make a long job
// quadratic, so refreshes are coalesced: at most one per interval, and the
// caller always shows the final text itself.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

namespace cablemate {

// Shows the text so far; may be empty (nothing to show).
using Refresh = std::function<void(std::string_view soFar)>;

class RefreshThrottle {
public:
    static constexpr std::chrono::milliseconds kInterval{100};

    explicit RefreshThrottle(Refresh refresh, std::chrono::milliseconds interval = kInterval)
        : refresh_(std::move(refresh)), interval_(interval) {}

    // Passes the text on when the interval has passed since the last time.
    void Offer(std::string_view soFar) {
        if (!refresh_) return;
        const auto now = std::chrono::steady_clock::now();
        if (now < next_) return;
        next_ = now + interval_;
        refresh_(soFar);
    }

private:
    Refresh refresh_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point next_{};
};

} // namespace cablemate
