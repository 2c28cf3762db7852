#include "fileio/fileio.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace harwick::platform {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
protected:
    static void put(const fs::path& p, const std::string& content)
    {
        std::ofstream out(p, std::ios::binary);
        out << content;
    }

    static std::string get(const fs::path& p)
    {
        std::string error;
        std::optional<std::string> content = readWholeFile(p, error);
        EXPECT_TRUE(content.has_value()) << error;
        return content.value_or("<unreadable>");
    }

    // The names in the test directory, so a left-behind temporary shows up.
    std::set<std::string> entries(const fs::path& in) const
    {
        std::set<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(in)) names.insert(e.path().filename().string());
        return names;
    }
    std::set<std::string> entries() const { return entries(dir_); }

    static mode_t modeOf(const fs::path& p)
    {
        struct stat st {};
        EXPECT_EQ(::stat(p.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

    harwick::testing::TempDir temp_{"harwick-fileio"};
    const fs::path dir_ = temp_.path();
};

// ---- readWholeFile ---------------------------------------------------------

TEST_F(FileIo, ReadsEveryByteOfALargeBinaryFile)
{
    std::string content;
    for (int i = 0; i < 200000; ++i) content.push_back(static_cast<char>(i * 31 % 256));
    content += "\r\n\x1a";
    put(dir_ / "big.bin", content);
    EXPECT_EQ(get(dir_ / "big.bin"), content);

    put(dir_ / "empty", "");
    std::string error;
    std::optional<std::string> empty = readWholeFile(dir_ / "empty", error);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(*empty, "");
}

TEST_F(FileIo, ReadErrorsNameThePathAndTheReason)
{
    std::string error;
    EXPECT_FALSE(readWholeFile(dir_ / "missing.gsi", error).has_value());
    EXPECT_NE(error.find("missing.gsi"), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;

    error.clear();
    EXPECT_FALSE(readWholeFile(dir_, error).has_value());
    EXPECT_NE(error.find("directory"), std::string::npos) << error;

    put(dir_ / "file", "x");
    error.clear();
    EXPECT_FALSE(readWholeFile(dir_ / "file" / "inner", error).has_value());
    EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;

    // A FIFO where a settings file should be is refused at once, not waited on.
    ASSERT_EQ(::mkfifo((dir_ / "fifo.ini").c_str(), 0600), 0);
    error.clear();
    EXPECT_FALSE(readWholeFile(dir_ / "fifo.ini", error).has_value());
    EXPECT_NE(error.find("fifo.ini"), std::string::npos) << error;
}

// ---- replaceFileAtomically -------------------------------------------------

TEST_F(FileIo, CreatesANewFileWithTheUmaskAppliedAndNoLeftovers)
{
    const mode_t old = ::umask(027);
    std::string error;
    const bool ok = replaceFileAtomically(dir_ / "new.dat", "P1,,1,2,3\r\n", error);
    ::umask(old);
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(get(dir_ / "new.dat"), "P1,,1,2,3\r\n");
    EXPECT_EQ(modeOf(dir_ / "new.dat"), 0640u);
    EXPECT_EQ(entries(), std::set<std::string>{"new.dat"});
}

TEST_F(FileIo, ReplacingKeepsTheExistingPermissions)
{
    for (mode_t mode : {0600u, 0640u, 0755u, 0444u}) {
        const fs::path p = dir_ / ("mode" + std::to_string(mode));
        put(p, std::string(5000, 'o'));
        ASSERT_EQ(::chmod(p.c_str(), mode), 0);
        std::string error;
        ASSERT_TRUE(replaceFileAtomically(p, "short", error)) << error;
        EXPECT_EQ(get(p), "short");
        EXPECT_EQ(modeOf(p), mode);
    }
    EXPECT_EQ(entries().size(), 4u);
}

TEST_F(FileIo, ReplacingThroughASymlinkUpdatesTheFileItNames)
{
    fs::create_directory(dir_ / "real");
    put(dir_ / "real" / "job.gsi", "old");
    ASSERT_EQ(::chmod((dir_ / "real" / "job.gsi").c_str(), 0600), 0);
    fs::create_symlink("real/job.gsi", dir_ / "job.gsi");

    std::string error;
    ASSERT_TRUE(replaceFileAtomically(dir_ / "job.gsi", "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir_ / "job.gsi"));
    EXPECT_EQ(get(dir_ / "real" / "job.gsi"), "new");
    EXPECT_EQ(modeOf(dir_ / "real" / "job.gsi"), 0600u);
    EXPECT_EQ(entries(), (std::set<std::string>{"job.gsi", "real"}));
    EXPECT_EQ(entries(dir_ / "real"), std::set<std::string>{"job.gsi"});
}

TEST_F(FileIo, FailsWhereNoFileCanBeCreated)
{
    put(dir_ / "plain", "x");
    const std::vector<fs::path> targets = {dir_ / "no-such-dir" / "job.gsi", dir_ / "plain" / "job.gsi"};
    for (const fs::path& target : targets) {
        std::string error;
        EXPECT_FALSE(replaceFileAtomically(target, "data", error)) << target;
        EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    }
    EXPECT_EQ(entries(), std::set<std::string>{"plain"});
    EXPECT_EQ(get(dir_ / "plain"), "x");
}

TEST_F(FileIo, UnwritableFolderKeepsTheOldFile)
{
    put(dir_ / "job.dat", "old");
    fs::path target = dir_ / "job.dat";
    if (::geteuid() == 0) {
        // Root writes into any folder; a parent that is a regular file refuses
        // even root.
        target = dir_ / "job.dat" / "job.dat";
    } else {
        ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
    }
    std::string error;
    EXPECT_FALSE(replaceFileAtomically(target, "new", error));
    EXPECT_FALSE(error.empty());
    ::chmod(dir_.c_str(), 0700);
    EXPECT_EQ(get(dir_ / "job.dat"), "old");
    EXPECT_EQ(entries(), std::set<std::string>{"job.dat"});
}

TEST_F(FileIo, TargetThatIsAFolderIsLeftAlone)
{
    fs::create_directory(dir_ / "job.gsi");
    put(dir_ / "job.gsi" / "inside", "keep");
    std::string error;
    EXPECT_FALSE(replaceFileAtomically(dir_ / "job.gsi", "data", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(get(dir_ / "job.gsi" / "inside"), "keep");
    EXPECT_EQ(entries(), std::set<std::string>{"job.gsi"});
}

// A write that fails halfway (here: the file size limit, which binds root too)
// must leave the old bytes and no partial temporary behind.
TEST_F(FileIo, FailedWriteKeepsTheOldBytes)
{
    const fs::path p = dir_ / "job.gsi";
    put(p, "old content");

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool ok = replaceFileAtomically(p, std::string(100000, 'n'), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("job.gsi"), std::string::npos) << error;
    EXPECT_EQ(get(p), "old content");
    EXPECT_EQ(entries(), std::set<std::string>{"job.gsi"});
}

} // namespace
} // namespace harwick::platform
