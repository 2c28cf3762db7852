// New folder, Rename, Delete and File Info on real files in a scratch
// directory: the texts the user sees, what lands on disk, and that nothing is
// lost that the user did not ask to remove.
#include "fakes.h"
#include "file_ops.h"
#include "pc_tree.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

using namespace stationmate;
using namespace stationmate::testing;
using harwick::testing::ReadFile;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;
namespace fs = std::filesystem;

namespace {

// Records the caption too, which the fake keeps to itself.
class CaptionPrompter : public ScriptedPrompter {
public:
    std::vector<std::string> captions;
    void ShowMessage(std::string_view text, std::string_view caption = {}) override
    {
        ScriptedPrompter::ShowMessage(text, caption);
        captions.emplace_back(caption);
    }
};

class FileOpsTest : public ::testing::Test {
protected:
    TempDir dir{"file-ops"};
    PcTree tree;
    CaptionPrompter prompter;
    ScriptedDialogs dialogs;

    fs::path at(const std::string& relative) const { return dir.path() / relative; }
    void file(const std::string& relative, std::string_view bytes = "x") const
    {
        fs::create_directories(at(relative).parent_path());
        WriteFile(at(relative), bytes);
    }
    // The tree over the scratch directory with the given folder expanded.
    PcNode& expanded(const std::string& folder)
    {
        PcNode& root = tree.AddRoot(dir.path().string(), kImageFixedDisk);
        tree.Expand(root);
        PcNode* node = root.FindChild(folder);
        EXPECT_NE(node, nullptr) << folder;
        tree.Expand(*node);
        return *node;
    }
};

TEST_F(FileOpsTest, NewFolderTakesTheFirstFreeNumberAndStandsFirst)
{
    fs::create_directories(at("jobs/New Folder"));
    fs::create_directories(at("jobs/New Folder (1)"));
    file("jobs/a.gsi");
    PcNode& root = tree.AddRoot(dir.path().string(), kImageFixedDisk);
    PcNode& jobs = *root.FindChild("jobs");
    ASSERT_FALSE(jobs.IsExpanded());

    PcNode* made = NewFolder(tree, jobs, prompter);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Title(), "New Folder (2)");
    EXPECT_TRUE(fs::is_directory(at("jobs/New Folder (2)")));
    EXPECT_EQ(jobs.Children().front().get(), made);
    EXPECT_EQ(made->Image(), kImageFolder);
    EXPECT_EQ(made->OpenImage(), kImageFolderOpen);
    EXPECT_TRUE(jobs.IsExpanded());
    EXPECT_EQ(jobs.Children().size(), 4u) << "no placeholder and no second item for the new folder";

    PcNode* next = NewFolder(tree, jobs, prompter);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Title(), "New Folder (3)");
    EXPECT_EQ(jobs.Children().front().get(), next);
    EXPECT_EQ(jobs.Children().size(), 5u);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FileOpsTest, NewFolderGivesUpAfterItsBoundWithAMessage)
{
    // Files hold every name New folder would try, so each creation fails.
    file("full/New Folder");
    for (int n = 1; n < kNewFolderAttempts; ++n) file("full/New Folder (" + std::to_string(n) + ")");
    PcNode& full = expanded("full");

    EXPECT_EQ(NewFolder(tree, full, prompter), nullptr);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], std::string(kNewFolderFailed) + at("full").string());
    EXPECT_EQ(prompter.captions[0], kNewFolderCaption);
    EXPECT_FALSE(fs::exists(at("full/New Folder (" + std::to_string(kNewFolderAttempts) + ")")));
    EXPECT_EQ(full.Children().size(), static_cast<std::size_t>(kNewFolderAttempts));

    PcNode& fileNode = *full.FindChild("New Folder");
    EXPECT_EQ(NewFolder(tree, fileNode, prompter), nullptr) << "only in a folder";
    EXPECT_EQ(NewFolder(tree, *tree.Roots().front(), prompter), nullptr) << "not in a disk";
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(FileOpsTest, RenameToItsOwnNameOrToNothingDoesNothing)
{
    file("jobs/a.gsi", "AAA");
    PcNode& a = *expanded("jobs").FindChild("a.gsi");
    EXPECT_FALSE(Rename(tree, a, "a.gsi", prompter));
    EXPECT_FALSE(Rename(tree, a, "", prompter));
    EXPECT_EQ(a.Title(), "a.gsi");
    EXPECT_EQ(ReadFile(at("jobs/a.gsi")), "AAA");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FileOpsTest, RenameOntoATakenNameShowsTheMessageAndKeepsBothItems)
{
    file("jobs/a.gsi", "AAA");
    file("jobs/b.gsi", "BBB");
    fs::create_directories(at("jobs/empty"));
    fs::create_directories(at("jobs/full/inside"));
    PcNode& jobs = expanded("jobs");
    PcNode& a = *jobs.FindChild("a.gsi");

    EXPECT_FALSE(Rename(tree, a, "b.gsi", prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0],
              "Rename Faileda.gsi:This file has the same name with another file,Please set a new name");
    EXPECT_EQ(prompter.captions[0], "Rename FileName or  FolderName Error ");
    EXPECT_EQ(a.Title(), "a.gsi");
    EXPECT_EQ(ReadFile(at("jobs/a.gsi")), "AAA");
    EXPECT_EQ(ReadFile(at("jobs/b.gsi")), "BBB");

    // rename() would quietly put a folder in place of an empty one.
    EXPECT_FALSE(Rename(tree, *jobs.FindChild("full"), "empty", prompter));
    EXPECT_TRUE(fs::exists(at("jobs/full/inside")));
    EXPECT_TRUE(fs::is_directory(at("jobs/empty")));
    // A "/" would move the file elsewhere.
    EXPECT_FALSE(Rename(tree, a, "empty/a.gsi", prompter));
    EXPECT_EQ(ReadFile(at("jobs/a.gsi")), "AAA");
    EXPECT_EQ(prompter.messages.size(), 3u);
}

TEST_F(FileOpsTest, RenameMovesFileOrFolderAndTheItemFollows)
{
    file("jobs/site/a.gsi", "AAA");
    PcNode& jobs = expanded("jobs");
    PcNode& site = *jobs.FindChild("site");
    tree.Expand(site);

    EXPECT_TRUE(Rename(tree, site, "north", prompter));
    EXPECT_EQ(site.Title(), "north");
    EXPECT_EQ(ReadFile(at("jobs/north/a.gsi")), "AAA");
    PcNode& a = *site.FindChild("a.gsi");
    EXPECT_EQ(FullPath(a), at("jobs/north/a.gsi").string() + "/");

    EXPECT_TRUE(Rename(tree, a, "A.GSI", prompter));
    EXPECT_EQ(ReadFile(at("jobs/north/A.GSI")), "AAA");
    EXPECT_FALSE(Rename(tree, *tree.Roots().front(), "elsewhere", prompter)) << "a top-level item keeps its name";
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FileOpsTest, DeleteAsksThenRemovesTheFolderWithItsContents)
{
    file("jobs/site/a.gsi");
    PcNode& jobs = expanded("jobs");
    PcNode& site = *jobs.FindChild("site");
    const std::string path = at("jobs/site").string();

    dialogs.okCancel.push_back(false);
    EXPECT_FALSE(DeleteItem(tree, site, dialogs));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Delete file " + path + ":\r\nThe file will be delete!-Really?|Warning");
    EXPECT_TRUE(fs::exists(at("jobs/site/a.gsi")));
    EXPECT_EQ(jobs.FindChild("site"), &site);

    dialogs.okCancel.push_back(true);
    EXPECT_TRUE(DeleteItem(tree, site, dialogs));
    EXPECT_FALSE(fs::exists(at("jobs/site")));
    EXPECT_EQ(jobs.FindChild("site"), nullptr);
    EXPECT_TRUE(fs::exists(at("jobs"))) << "only the item goes";
}

TEST_F(FileOpsTest, AFailedDeleteStillTakesTheItemAwayUntilTheNextUpdate)
{
    file("jobs/a.gsi");
    PcNode& jobs = expanded("jobs");
    PcNode& a = *jobs.FindChild("a.gsi");
    fs::remove(at("jobs/a.gsi"));
    dialogs.okCancel.push_back(true);
    EXPECT_TRUE(DeleteItem(tree, a, dialogs));
    EXPECT_TRUE(jobs.Children().empty());

    EXPECT_FALSE(DeleteItem(tree, *tree.Roots().front(), dialogs)) << "a top-level item is never deleted";
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(fs::exists(dir.path()));
}

TEST_F(FileOpsTest, FileInfoFields)
{
    file("jobs/ABC", std::string(1536, 'x'));
    file("jobs/site.v2.gsi");
    std::tm when{};
    when.tm_year = 2021 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 12;
    when.tm_isdst = -1;
    fs::last_write_time(at("jobs/ABC"),
                        std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(std::mktime(&when))));
    PcNode& jobs = expanded("jobs");

    const std::optional<FileInfo> abc = GetFileInfo(tree, *jobs.FindChild("ABC"));
    ASSERT_TRUE(abc);
    EXPECT_EQ(abc->fileName, "ABC");
    EXPECT_EQ(abc->fileType, " (F)File");
    EXPECT_EQ(abc->size, "1536 BYTE");
    EXPECT_EQ(abc->date, "2021-3-7");
    EXPECT_EQ(abc->fileFormat, "unknown file format");
    EXPECT_EQ(abc->path, CompactPath(at("jobs").string() + "/", 40));
    EXPECT_EQ(GetFileInfo(tree, *jobs.FindChild("site.v2.gsi"))->fileType, "V2.GSI (F)File");

    EXPECT_FALSE(GetFileInfo(tree, jobs)) << "a folder";
    EXPECT_FALSE(GetFileInfo(tree, *tree.Roots().front())) << "a disk";
}

TEST_F(FileOpsTest, FileInfoOfAVanishedFileHasNoSizeDateOrFormat)
{
    file("jobs/gone.gsi");
    PcNode& jobs = expanded("jobs");
    fs::remove(at("jobs/gone.gsi"));
    const std::optional<FileInfo> info = GetFileInfo(tree, *jobs.FindChild("gone.gsi"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->fileName, "gone.gsi");
    EXPECT_EQ(info->fileType, "GSI (F)File");
    EXPECT_EQ(info->size + info->date + info->fileFormat, "");
}

TEST(FileOpsPath, CompactPathKeepsTheStartAndTheLastComponent)
{
    const std::string folder = "/home/surveyor/projects/2024/north-bridge/fixpoints/";
    EXPECT_EQ(CompactPath(folder, 40), "/home/surveyor/projects/20.../fixpoints/");
    EXPECT_EQ(CompactPath("/home/surveyor/", 40), "/home/surveyor/");
    EXPECT_EQ(CompactPath("/srv/" + std::string(50, 'n') + "/", 40), "..." + std::string(36, 'n') + "/");
    // Characters, not bytes: "ü" counts once and is never cut in half.
    const std::string umlauts = "/home/" + std::string(20, 'a') + "/müller-müller-müller-müller/";
    const std::string compact = CompactPath(umlauts, 40);
    EXPECT_EQ(compact, "/home/aa.../müller-müller-müller-müller/");
    EXPECT_EQ(CompactPath(folder, 2), "..");
}

} // namespace
