// The runtime folder and the named locks that keep a program to one instance.
#include "runtime/runtime.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace harwick::platform {
namespace {

TEST(Runtime, FolderFollowsTheRuntimeVariableUnlessItIsRelative) {
    harwick::testing::ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.set("/run/user/77");
    EXPECT_EQ(SuiteRuntimeDirectory(), "/run/user/77/harwick");
    runtime.set("relative/dir");
    EXPECT_EQ(SuiteRuntimeDirectory(), "/tmp/harwick-" + std::to_string(::getuid()));
    runtime.unset();
    EXPECT_EQ(SuiteRuntimeDirectory(), "/tmp/harwick-" + std::to_string(::getuid()));
}

TEST(Runtime, NamedLockIsHeldOnceUntilItsHolderGoes) {
    harwick::testing::TempDir dir("harwick-runtime");
    harwick::testing::ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.set(dir.path().string());
    std::optional<NamedLock> first = NamedLock::Acquire("program");
    EXPECT_EQ(first->state(), NamedLock::State::Held);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "harwick" / "program.lock"));
    EXPECT_EQ(NamedLock::Acquire("program").state(), NamedLock::State::Taken);
    EXPECT_EQ(NamedLock::Acquire("another").state(), NamedLock::State::Held);
    first.reset();
    EXPECT_EQ(NamedLock::Acquire("program").state(), NamedLock::State::Held);
}

TEST(Runtime, NamedLockWithoutAFolderHoldsNothing) {
    harwick::testing::TempDir dir("harwick-runtime");
    harwick::testing::WriteFile(dir.path() / "harwick", "a file where the folder should be");
    harwick::testing::ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.set(dir.path().string());
    EXPECT_EQ(NamedLock::Acquire("program").state(), NamedLock::State::Unavailable);
}

} // namespace
} // namespace harwick::platform
