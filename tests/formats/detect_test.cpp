// Telling a point list's kind from its content: every field file and sample
// is found as what its name says, with the flavour the reader finds.
#include "pointlist/detect.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace harwick::pointlist {
namespace {

namespace fs = std::filesystem;

TEST(ContentKinds, EveryFieldFileAndSampleIsFoundAsItsKind)
{
    int seen = 0;
    for (const fs::path& folder : {fs::path(HARWICK_SOURCE_DIR) / "tests/data/field", fs::path(HARWICK_SOURCE_DIR) / "samples"}) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            const std::string path = entry.path().string();
            const FileKind named = kindOfPath(path);
            const std::string content = testing::ReadFile(entry.path());
            SCOPED_TRACE(path);
            if (named == FileKind::Unknown) {
                EXPECT_TRUE(candidateKinds(content).empty());
                continue;
            }
            Table read;
            importFile(read, named, content);
            const std::vector<ContentKind> found = candidateKinds(content);
            ASSERT_EQ(found.size(), 1u);
            EXPECT_EQ(found[0].kind, named);
            if (named == FileKind::Gsi) EXPECT_EQ(found[0].flavour, read.flavour);
            ++seen;
        }
    }
    EXPECT_GE(seen, 15);
}

TEST(ContentKinds, WhatIsNoPointListIsNothing)
{
    EXPECT_TRUE(candidateKinds("").empty());
    EXPECT_TRUE(candidateKinds("\r\n  \r\n").empty());
    EXPECT_TRUE(candidateKinds("a,b,c,d,e\r\nf,g,h,i,j\r\n").empty()) << "five texts are not a point list";
    EXPECT_TRUE(candidateKinds("110001+0000STN1 81..10+0215\r\n110002+0000STN2 81..10+02150000 \r\n").empty())
        << "a word cut short before the last line";
    EXPECT_TRUE(candidateKinds("*110001+0000STN1 81..10+02150000 \r\n").empty()) << "a GSI-16 star on GSI-8 words";
    EXPECT_TRUE(candidateKinds("abc\n").empty()) << "a few characters are not a GSI word cut off";
    EXPECT_TRUE(candidateKinds("*11000").empty()) << "nor a GSI-16 one";
    // Cut off inside its last word, a GSI file is still GSI.
    const std::vector<ContentKind> cut = candidateKinds("110001+0000STN1 81..10+02150000 \r\n110002+0000STN2 81..1");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0], (ContentKind{FileKind::Gsi, gsi::Flavour::Gsi8}));
    EXPECT_EQ(kindName(cut[0]), "GSI-8");
}

} // namespace
} // namespace harwick::pointlist
