// Huge-page advice must reach the kernel for the whole 2 MiB spans of a
// large buffer, and only for those: the kernel's own view of the mapping
// (its "hg" flag) is what is checked, not our arithmetic.
#include "memory/large_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace harwick::platform {
namespace {

// The VmFlags of the mapping that holds address, or "" when none does.
std::string flagsAt(const void* address)
{
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t begin = 0, end = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> begin >> dash >> end && dash == '-' && line.find(':') > line.find(' ')) {
            inside = begin <= at && at < end;
            continue;
        }
        if (inside && line.rfind("VmFlags:", 0) == 0) return line;
    }
    return {};
}

bool advised(const void* address)
{
    const std::string flags = flagsAt(address);
    return flags.find(" hg") != std::string::npos;
}

TEST(LargeBuffer, WholeHugePageSpansAreAdvisedAndNothingOutside)
{
    std::vector<char> buffer(std::size_t{16} << 20, 'x');
    // A mapping the allocator made fresh: nothing advised it yet.
    ASSERT_FALSE(flagsAt(buffer.data()).empty());
    const std::string before = flagsAt(buffer.data() + buffer.size() / 2);
    if (before.find(" hg") != std::string::npos) GTEST_SKIP() << "the allocator's mappings are advised already";

    adviseLargeBuffer(buffer);
    EXPECT_TRUE(advised(buffer.data() + buffer.size() / 2));
    // The first bytes lie before the first whole span, beside the allocator's
    // own header: left as they were.
    EXPECT_FALSE(advised(buffer.data()));
    EXPECT_EQ(buffer[buffer.size() / 2], 'x');
}

TEST(LargeBuffer, SmallBuffersAndNothingAreLeftAlone)
{
    std::vector<char> small(std::size_t{3} << 20, 'y');
    adviseLargeBuffer(small);
    EXPECT_FALSE(advised(small.data() + small.size() / 2));
    adviseLargeBuffer(nullptr, std::size_t{64} << 20);
    std::vector<char> empty;
    adviseLargeBuffer(empty);
}

} // namespace
} // namespace harwick::platform
