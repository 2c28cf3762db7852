// The PC tree against real folders in a scratch directory: what it shows
// under the filter, and how it follows the disk without losing what the user
// has opened.
#include "pc_tree.h"
#include "pc_volumes.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace stationmate;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> titles(const PcNode& node)
{
    std::vector<std::string> out;
    for (const auto& c : node.Children()) out.push_back(c->IsPlaceholder() ? "<placeholder>" : c->Title());
    return out;
}

class PcTreeTest : public ::testing::Test {
protected:
    TempDir dir{"pc-tree"};
    PcTree tree;

    fs::path at(const std::string& relative) const { return dir.path() / relative; }
    void folder(const std::string& relative) const { fs::create_directories(at(relative)); }
    void file(const std::string& relative, std::string_view bytes = "x") const
    {
        fs::create_directories(at(relative).parent_path());
        WriteFile(at(relative), bytes);
    }
    PcNode& root() { return *tree.Roots().back(); }
    PcNode& addRoot() { return tree.AddRoot(dir.path().string(), kImageFixedDisk); }
};

TEST_F(PcTreeTest, FoldersStandFirstThenFilesEachByNameWhateverTheCase)
{
    for (const char* f : {"delta", "Bravo", "alpha", "charlie"}) folder(std::string("jobs/") + f);
    for (const char* f : {"c.gsi", "B.gsi", "a.gsi", "d.txt", ".hidden.gsi", "b.gsi"}) file(std::string("jobs/") + f);
    folder("jobs/.git");
    addRoot();
    PcNode& jobs = *root().FindChild("jobs");
    tree.SetFilter(".gsi");
    tree.Expand(jobs);

    EXPECT_EQ(titles(jobs),
              (std::vector<std::string>{"alpha", "Bravo", "charlie", "delta", "a.gsi", "B.gsi", "b.gsi", "c.gsi"}));
    EXPECT_TRUE(jobs.IsExpanded());
    EXPECT_EQ(FullPath(*jobs.FindChild("a.gsi")), dir.path().string() + "/jobs/a.gsi/");
    EXPECT_EQ(jobs.FindChild("alpha")->Image(), kImageFolder);
    EXPECT_EQ(jobs.FindChild("a.gsi")->Image(), kImageFile);
}

TEST_F(PcTreeTest, PlaceholderOnlyForFoldersWithSomethingToShow)
{
    file("full/a.gsi");
    folder("empty");
    file("onlyhidden/.profile");
    folder("onlyhidden/.cache/x");
    file("filteredout/notes.txt");
    folder("withfolder/sub");
    tree.SetFilter(".gsi");
    addRoot();

    EXPECT_EQ(titles(*root().FindChild("full")), std::vector<std::string>{"<placeholder>"});
    EXPECT_EQ(titles(*root().FindChild("withfolder")), std::vector<std::string>{"<placeholder>"});
    EXPECT_TRUE(root().FindChild("empty")->Children().empty());
    EXPECT_TRUE(root().FindChild("onlyhidden")->Children().empty());
    EXPECT_TRUE(root().FindChild("filteredout")->Children().empty());
    const PcNode& placeholder = *root().FindChild("full")->Children().front();
    EXPECT_EQ(placeholder.Title(), kPcPlaceholderTitle);
    EXPECT_EQ(placeholder.Image(), kImageFolder);
    EXPECT_EQ(placeholder.OpenImage(), kImageFolderOpen);
    EXPECT_FALSE(IsDownloadTarget(placeholder));
}

TEST_F(PcTreeTest, CollapseDropsTheSubtreeAndLeavesThePlaceholder)
{
    file("a/b/c.gsi");
    addRoot();
    PcNode& a = *root().FindChild("a");
    tree.Expand(a);
    tree.Expand(*a.FindChild("b"));
    EXPECT_EQ(titles(*a.FindChild("b")), std::vector<std::string>{"c.gsi"});

    tree.Collapse(a);
    EXPECT_FALSE(a.IsExpanded());
    EXPECT_EQ(titles(a), std::vector<std::string>{"<placeholder>"});

    fs::remove_all(at("a/b"));
    tree.Expand(a);
    tree.Collapse(a);
    EXPECT_TRUE(a.Children().empty()) << "an emptied folder loses its expand button";
}

TEST_F(PcTreeTest, FilterComparesTheLowerCasedName)
{
    file("DATA.GSI");
    file("notes.txt");
    file("old.gsi.bak");
    tree.SetFilter(".gsi");
    addRoot();
    EXPECT_EQ(titles(root()).size(), 2u);
    EXPECT_NE(root().FindChild("DATA.GSI"), nullptr);
    EXPECT_NE(root().FindChild("old.gsi.bak"), nullptr) << "the filter matches anywhere in the name";
    EXPECT_EQ(root().FindChild("notes.txt"), nullptr);
}

TEST(PcTreeFilter, EntriesGiveTheirExtensionAndAllFilesGivesStarDotStar)
{
    const char* expected[] = {".crd", ".mdt", ".frt", ".crf", ".txt", ".cde",
                              ".gsi", ".idx", ".hal", ".val", ".dat", "*.*"};
    for (std::size_t i = 0; i < kFilterEntries.size(); ++i) {
        EXPECT_EQ(FilterFromEntry(kFilterEntries[i]), expected[i]) << kFilterEntries[i];
    }
    EXPECT_EQ(kFilterEntries[kStartFilterEntry], "All files (*.*)");
    EXPECT_TRUE(PassesFilter(".hidden", "*.*"));
    EXPECT_FALSE(PassesFilter("data.gs", ".gsi"));
}

TEST_F(PcTreeTest, FilterChangeReplacesFilesAndKeepsFoldersWithTheirSubtrees)
{
    file("a.gsi");
    file("b.dat");
    file("sub/inner/c.dat");
    file("sub/d.gsi");
    addRoot();
    tree.Expand(root());
    PcNode* sub = root().FindChild("sub");
    tree.Expand(*sub);
    PcNode* inner = sub->FindChild("inner");
    tree.Expand(*inner);

    tree.SetFilter(".dat");
    EXPECT_EQ(titles(root()), (std::vector<std::string>{"sub", "b.dat"}));
    EXPECT_EQ(root().FindChild("sub"), sub) << "the folder item itself stays";
    EXPECT_EQ(titles(*sub), std::vector<std::string>{"inner"});
    EXPECT_EQ(sub->FindChild("inner"), inner);
    EXPECT_EQ(titles(*inner), std::vector<std::string>{"c.dat"});

    file("gsionly/e.gsi");
    tree.Collapse(*inner);
    tree.SetFilter(".gsi");
    EXPECT_TRUE(inner->Children().empty()) << "a collapsed folder without .gsi files has nothing to expand";
    EXPECT_EQ(titles(*sub), (std::vector<std::string>{"inner", "d.gsi"}));
}

TEST_F(PcTreeTest, UpdateAddsNewItemsKeepsSurvivorsAndDropsVanishedOnes)
{
    file("keep/deep/x.dat");
    file("gone/y.dat");
    file("old.dat");
    file("dropped.dat");
    tree.SetFilter(".dat");
    addRoot();
    tree.Expand(root());
    PcNode* keep = root().FindChild("keep");
    tree.Expand(*keep);
    PcNode* deep = keep->FindChild("deep");
    tree.Expand(*deep);
    PcNode* old = root().FindChild("old.dat");

    fs::remove_all(at("gone"));
    fs::remove(at("dropped.dat"));
    file("new.dat");
    file("new.gsi");
    file("fresh/z.dat");
    folder("bare");
    file("keep/deep/w.dat");
    tree.Update();

    std::vector<std::string> top = titles(root());
    ASSERT_EQ(top.size(), 5u);
    EXPECT_EQ(top, (std::vector<std::string>{"bare", "fresh", "keep", "new.dat", "old.dat"}))
        << "new items take their places by name among the ones already shown";
    EXPECT_EQ(root().FindChild("keep"), keep);
    EXPECT_EQ(root().FindChild("old.dat"), old);
    EXPECT_TRUE(deep->IsExpanded());
    EXPECT_EQ(titles(*deep).size(), 2u);
    EXPECT_EQ(titles(*root().FindChild("fresh")), std::vector<std::string>{"<placeholder>"});
    EXPECT_TRUE(root().FindChild("bare")->Children().empty());
}

TEST_F(PcTreeTest, UpdateGivesACollapsedFolderItsExpandButtonWhenFilesArrive)
{
    folder("target");
    addRoot();
    tree.Expand(root());
    EXPECT_TRUE(root().FindChild("target")->Children().empty());
    file("target/job.gsi");
    tree.Update();
    EXPECT_EQ(titles(*root().FindChild("target")), std::vector<std::string>{"<placeholder>"});
}

TEST_F(PcTreeTest, AVanishedOrUnreadableFolderReadsAsEmpty)
{
    file("volume/a.gsi");
    PcNode& volume = tree.AddRoot(at("volume").string() + "/", kImageOtherDrive);
    tree.Expand(volume);
    ASSERT_EQ(titles(volume), std::vector<std::string>{"a.gsi"});
    fs::remove_all(at("volume"));
    tree.Update();
    EXPECT_TRUE(volume.Children().empty());
    tree.Expand(volume);
    tree.Collapse(volume);
    EXPECT_TRUE(volume.Children().empty());
    EXPECT_TRUE(tree.AddRoot(at("never").string(), kImageFixedDisk).Children().empty());
}

TEST_F(PcTreeTest, ImagesDecideWhatAnItemAccepts)
{
    file("sub/f.gsi");
    PcNode& disk = addRoot();
    PcNode& sub = *disk.FindChild("sub");
    tree.Expand(sub);
    const PcNode& f = *sub.FindChild("f.gsi");
    PcNode& net = tree.AddRoot(at("sub").string(), kImageNetworkDrive);
    PcNode& disc = tree.AddRoot(at("sub").string(), kImageOpticalDrive);

    EXPECT_TRUE(IsDownloadTarget(disk) && IsDownloadTarget(sub));
    EXPECT_FALSE(IsDownloadTarget(f) || IsDownloadTarget(net) || IsDownloadTarget(disc));
    EXPECT_EQ(DownloadFolderFor(sub), FullPath(sub));
    EXPECT_EQ(DownloadFolderFor(f), FullPath(sub)) << "a file downloads next to itself";
    EXPECT_EQ(DownloadFolderFor(disk), dir.path().string() + "/");
    EXPECT_TRUE(CanRename(f) && CanRename(sub) && CanRename(net));
    EXPECT_FALSE(CanRename(disk) || CanRename(disc));
    EXPECT_TRUE(CanShowInfo(f) && CanShowInfo(net));
    EXPECT_FALSE(CanShowInfo(sub) || CanShowInfo(disk) || CanShowInfo(disc));
}

TEST(PcTreeVolumes, MountsTableGivesTheUserMountsWithTheirImages)
{
    const std::string table = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                              "proc /proc proc rw 0 0\n"
                              "/dev/sdb1 /media/ann/FIELD\\040DATA vfat rw 0 0\n"
                              "server:/export /mnt/share nfs4 rw 0 0\n"
                              "/dev/sr0 /run/media/ann/DISC iso9660 ro 0 0\n"
                              "tmpfs /mnt/ram tmpfs rw 0 0\n"
                              "ann@host:/x /media/ann/remote fuse.sshfs rw 0 0\n"
                              "/dev/sdc1 /mediaX/y ext4 rw 0 0\n"
                              "/dev/sdd1 /mnt ext4 rw 0 0\n"
                              "/dev/sde1 /mnt/share ext4 rw 0 0\n"
                              "broken-line\n";
    const std::vector<PcVolume> v = MountedVolumes(table);
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[0].title, "/media/ann/FIELD DATA/");
    EXPECT_EQ(v[0].image, kImageFixedDisk);
    EXPECT_EQ(v[1].title, "/mnt/share/");
    EXPECT_EQ(v[1].image, kImageFixedDisk) << "the later mount hides the share";
    EXPECT_EQ(v[2].image, kImageOpticalDrive);
    EXPECT_EQ(v[3].title, "/mnt/ram/");
    EXPECT_EQ(v[3].image, kImageOtherDrive);
    EXPECT_EQ(v[4].image, kImageNetworkDrive);
    EXPECT_EQ(v[5].title, "/mnt/");
    EXPECT_EQ(VolumeImage("cifs", "//srv/x"), kImageNetworkDrive);
    EXPECT_EQ(VolumeImage("udf", "/dev/sr1"), kImageOpticalDrive);
}

TEST(PcTreeVolumes, SystemRootsAreTheRootTheHomeAndTheVolumesOnceEach)
{
    PcTree tree;
    tree.AddSystemRoots("share:/x /mnt/harwick-test-share nfs rw 0 0\n"
                        "/dev/sdz1 /mnt/harwick-test-home ext4 rw 0 0\n",
                        "/mnt/harwick-test-home/");
    ASSERT_EQ(tree.Roots().size(), 3u) << "a volume mounted on the home is listed once";
    EXPECT_EQ(tree.Roots()[0]->Title(), "/");
    EXPECT_EQ(tree.Roots()[0]->Image(), kImageFixedDisk);
    EXPECT_FALSE(tree.Roots()[0]->Children().empty());
    EXPECT_EQ(tree.Roots()[1]->Title(), "/mnt/harwick-test-home/");
    EXPECT_EQ(tree.Roots()[1]->Image(), kImageFixedDisk);
    EXPECT_EQ(tree.Roots()[2]->Title(), "/mnt/harwick-test-share/");
    EXPECT_EQ(tree.Roots()[2]->Image(), kImageNetworkDrive);
}

} // namespace
