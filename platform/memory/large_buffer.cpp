#include "memory/large_buffer.h"

#include <cstdint>
#include <sys/mman.h>

namespace harwick::platform {

namespace {
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
// Below this a buffer holds at most one whole huge page: not worth a call.
constexpr std::size_t kWorthAdvising = std::size_t{4} << 20;
} // namespace

void adviseLargeBuffer(const void* data, std::size_t bytes) noexcept
{
    if (data == nullptr || bytes < kWorthAdvising) return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last <= first) return;
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

} // namespace harwick::platform
