// Drawings made on several threads at once: each thread its own drawing, and
// all of them into one shared drawing. Every call must succeed and every
// entity must arrive once.
#include "drawmap.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kThreads = 4;
constexpr int kPointsPerThread = 300;

std::size_t Occurrences(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(DrawmapThreads, DrawingsOnSeveralThreadsStayWhole)
{
    harwick::testing::TempDir dir("drawmap-threads");
    const fs::path sharedPath = dir.path() / "shared.dxf";
    const int shared = dxfCreateFile(sharedPath.c_str());
    ASSERT_NE(shared, 0);
    ASSERT_NE(dxfSectionBegin(shared, DXF_SECTION_ENTITIES), 0);

    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const fs::path own = dir.path() / ("own" + std::to_string(t) + ".dxf");
            const int d = dxfCreateFile(own.c_str());
            int ok = d != 0 && dxfSectionBegin(d, DXF_SECTION_ENTITIES) != 0;
            for (int i = 0; i < kPointsPerThread; ++i) {
                ok &= dxfPoint(d, t, i, 0.0, 0.0) != 0;
                ok &= dxfPoint(shared, t, i, 1.0, 0.0) != 0;
            }
            ok &= dxfSectionEnd(d) != 0 && dxfCloseFile(d) != 0;
            if (!ok) ++failures;
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures.load(), 0);
    ASSERT_NE(dxfSectionEnd(shared), 0);
    ASSERT_NE(dxfCloseFile(shared), 0);

    const std::string point = "  0\r\nPOINT\r\n  8\r\n0\r\n";
    EXPECT_EQ(Occurrences(harwick::testing::ReadFile(sharedPath), point),
              static_cast<std::size_t>(kThreads * kPointsPerThread));
    for (int t = 0; t < kThreads; ++t) {
        const std::string own = harwick::testing::ReadFile(dir.path() / ("own" + std::to_string(t) + ".dxf"));
        EXPECT_EQ(Occurrences(own, point), static_cast<std::size_t>(kPointsPerThread)) << t;
    }
}

} // namespace
