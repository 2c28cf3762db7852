// Bounded waiting for tests that watch other threads: a test waits for a
// condition, never for a fixed time, and fails instead of hanging.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace harwick::testing {

inline bool waitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace harwick::testing
