// The runtime folder and the named locks that keep a program to one instance.
#include "runtime/runtime.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

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

// The folder's checks are the same for the fallback under /tmp and under the
// runtime variable; these cases use a private runtime variable so that they
// never disturb the fallback folder other programs of this user may be using.
class RuntimeFolder : public ::testing::Test {
protected:
    void SetUp() override { runtime_.set(root_.path().string()); }

    mode_t modeOf(const std::filesystem::path& path) {
        struct stat st {};
        EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    harwick::testing::TempDir root_{"harwick-runtime"};
    const std::filesystem::path folder_ = root_.path() / "harwick";
    harwick::testing::ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
};

TEST_F(RuntimeFolder, MadePrivateAndAModeTooLooseOrTightIsPutRight) {
    std::string reason;
    EXPECT_TRUE(OpenSuiteRuntimeDirectory(reason).valid()) << reason;
    EXPECT_EQ(modeOf(folder_), 0700u);
    for (const mode_t wrong : {0777u, 0755u, 0710u, 0500u}) {
        SCOPED_TRACE(wrong);
        ASSERT_EQ(::chmod(folder_.c_str(), wrong), 0);
        NamedLock lock = NamedLock::Acquire("program");
        EXPECT_EQ(lock.state(), NamedLock::State::Held) << lock.reason();
        EXPECT_EQ(lock.reason(), "");
        EXPECT_EQ(modeOf(folder_), 0700u);
    }
}

TEST_F(RuntimeFolder, SymbolicLinkInsteadOfTheFolderIsRefused) {
    const std::filesystem::path elsewhere = root_.path() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    ASSERT_EQ(::chmod(elsewhere.c_str(), 0700), 0);
    std::filesystem::create_directory_symlink(elsewhere, folder_);
    NamedLock lock = NamedLock::Acquire("program");
    EXPECT_EQ(lock.state(), NamedLock::State::Unavailable);
    EXPECT_NE(lock.reason().find("symbolic link"), std::string::npos) << lock.reason();
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere)) << "no lock file made through the link";
    std::string reason;
    EXPECT_FALSE(OpenSuiteRuntimeDirectory(reason).valid());
    EXPECT_EQ(reason, lock.reason());
}

TEST_F(RuntimeFolder, FolderOfAnotherUserIsRefusedAndLeftAlone) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can make a folder that belongs to another user";
    std::filesystem::create_directory(folder_);
    ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
    ASSERT_EQ(::chown(folder_.c_str(), 65534, 65534), 0);
    NamedLock lock = NamedLock::Acquire("program");
    EXPECT_EQ(lock.state(), NamedLock::State::Unavailable);
    EXPECT_NE(lock.reason().find("another user (uid 65534)"), std::string::npos) << lock.reason();
    EXPECT_EQ(modeOf(folder_), 0777u) << "another user's folder is not changed";
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

TEST_F(RuntimeFolder, LockFileThatIsASymbolicLinkIsRefused) {
    std::string reason;
    ASSERT_TRUE(OpenSuiteRuntimeDirectory(reason).valid()) << reason;
    // Pointing where the lock would create a file the link's maker chose.
    const std::filesystem::path target = root_.path() / "victim";
    std::filesystem::create_symlink(target, folder_ / "program.lock");
    NamedLock lock = NamedLock::Acquire("program");
    EXPECT_EQ(lock.state(), NamedLock::State::Unavailable);
    EXPECT_NE(lock.reason().find("program.lock is a symbolic link"), std::string::npos) << lock.reason();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(target)));
    // A link to an existing file is refused just the same.
    harwick::testing::WriteFile(target, "kept");
    EXPECT_EQ(NamedLock::Acquire("program").state(), NamedLock::State::Unavailable);
    EXPECT_EQ(harwick::testing::ReadFile(target), "kept");
    EXPECT_EQ(NamedLock::Acquire("another").state(), NamedLock::State::Held);
}

TEST(Runtime, FallbackFolderIsThisUsersAndPrivate) {
    harwick::testing::ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.unset();
    const std::string name = "runtime-test-" + std::to_string(::getpid());
    const std::filesystem::path folder = "/tmp/harwick-" + std::to_string(::getuid());
    {
        NamedLock lock = NamedLock::Acquire(name);
        EXPECT_EQ(lock.state(), NamedLock::State::Held) << lock.reason();
        struct stat st {};
        ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_uid, ::geteuid());
        EXPECT_EQ(st.st_mode & 07777, 0700u);
    }
    std::filesystem::remove(folder / (name + ".lock"));
}

} // namespace
} // namespace harwick::platform
