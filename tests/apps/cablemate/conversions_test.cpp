#include "conversions.h"
#include "cable_messages.h"
#include "coordinate_lists.h"
#include "dxf_export.h"
#include "line_end_copies.h"


#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace cablemate {
namespace {

using Messages = std::vector<std::string_view>;

std::string Padded(std::string s) {
    s.resize(std::max<std::size_t>(s.size(), 10), ' ');
    return s;
}

void ExpectRefused(const ConversionResult& r, std::string_view message) {
    EXPECT_EQ(r.messages, Messages{message});
    EXPECT_FALSE(r.text.has_value());
}

// ---- Code lists ------------------------------------------------------------------

TEST(CodeBlocks, EveryRecordComesBackIncludingOneSplitByABlockBoundary) {
    std::string lines, expected;
    for (int i = 1; i <= 20; ++i) {
        lines += std::to_string(i) + ",CODE" + std::to_string(i) + "\r\n";
        std::string number = std::to_string(i);
        expected += std::string(3 - number.size(), '0') + number + "," + Padded("CODE" + std::to_string(i)) + "\r\n";
    }
    const std::string stream = *BuildCodeBlocks(lines);
    // Record 18 starts at byte 255 of the stream: its "_:" spans blocks 2 and 3.
    ASSERT_EQ(stream.substr(kBlockSize + 128, 1), "_");
    CodeTable table{{"999", "OLD"}};
    const ConversionResult r = CodeBlocksToText(stream, table);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.text, expected);
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(table[17].number, "018");
    EXPECT_EQ(table[17].code, "CODE18    ");
}

TEST(CodeBlocks, RefusalsLeaveTheTableAsItWas) {
    CodeTable table{{"001", "KEEP"}};
    ExpectRefused(CodeBlocksToText("", table), kInvalidPcodeFormat);
    ExpectRefused(CodeBlocksToText("x" + *BuildCodeBlocks("1,A\r\n"), table), kInvalidPcodeFormat);
    // A stream end and a record, but no CR LF anywhere.
    ExpectRefused(CodeBlocksToText("\x02_:001A\x04\x03X", table), kInvalidFormat);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].code, "KEEP");

    // Without its end block the stream holds nothing: the editor and the table empty.
    const std::string stream = *BuildCodeBlocks("1,A\r\n");
    const ConversionResult r = CodeBlocksToText(stream.substr(0, kBlockSize), table);
    EXPECT_EQ(r.text, "");
    EXPECT_TRUE(table.empty());
}

// ---- Measured data -----------------------------------------------------------------

TEST(MeasuredBlocks, RecordsBecomeKardLinesWithEastingFirst) {
    const std::string records = "_+P1      _ U+0001000+0002000-0000500_*TREE_,\r\n"
                                "_+STATION-LONG-NAME_+P3 _ U-0000250+0010000+0000100_*WALL_,\r\n";
    const ConversionResult r = MeasuredBlocksToKard(FrameRecordStream(records));
    EXPECT_TRUE(r.messages.empty());
    // The "_+" whose "_ U" is too far away is passed over; the last value of
    // the stream runs to its end.
    EXPECT_EQ(r.text, "P1      ,TREE,2.000,1.000,-0.500\r\n"
                      "P3 ,WALL,10.000,-0.250,0.100\r\n");
}

TEST(MeasuredBlocks, ManyRecordsAcrossBlocks) {
    std::string records, expected;
    for (int i = 10; i < 60; ++i) {
        const std::string n = std::to_string(i);
        records += "_+P" + n + "     _ U+00" + n + "000-00000" + n + "+0000" + n + "0_*C" + n + "_,\r\n";
        expected += "P" + n + "     ,C" + n + ",-0.0" + n + "," + n + ".000,0." + n + "0\r\n";
    }
    EXPECT_EQ(MeasuredBlocksToKard(FrameRecordStream(records)).text, expected);
}

TEST(MeasuredBlocks, StopsAtARecordWithoutCodeOrValues) {
    const ConversionResult noCode = MeasuredBlocksToKard(FrameRecordStream("_+P1 _ U+1+2+3_*A_,_+P2 _ U+4+5+6"));
    EXPECT_EQ(noCode.text, "P1 ,A,0.002,0.001,0.003\r\n");
    const ConversionResult cutOff = MeasuredBlocksToKard(FrameRecordStream("_+P1 _ U+1+2+3_*A_,_+P2 _*B_,_ U+4+5"));
    EXPECT_EQ(cutOff.text, "P1 ,A,0.002,0.001,0.003\r\n");
}

TEST(MeasuredBlocks, Refusals) {
    ExpectRefused(MeasuredBlocksToKard(""), kNoDataSpaced);
    ExpectRefused(MeasuredBlocksToKard("_+P1 _ U+1+2+3\r\n"), kFileFormatInvalid);
    ExpectRefused(MeasuredBlocksToKard("\x02 P1 _ U+1+2+3\r\n"), kTransformFailed);
    ExpectRefused(MeasuredBlocksToKard("\x02_+P1 _ U+1+2+3"), kInvalidSurveyDataFormat);
}

// ---- Coordinates ---------------------------------------------------------------------

TEST(CoordinateBlocks, RoundTripThroughTheBlockStream) {
    std::string kard = "LONGNAME1234,X,-0.5,10,3.1\r\n", expected = "LONGNAME1234,LONGNAME1234,-0.500,10.000,3.100\r\n";
    for (int i = 0; i < 40; ++i) {
        const std::string n = std::to_string(i);
        kard += "P" + n + ",C," + n + ".5,-" + n + ".25," + n + "\r\n";
        const std::string name = Padded("P" + n);
        expected += name + "," + name + "," + n + ".500,-" + n + ".250," + n + ".000\r\n";
    }
    const ConversionResult blocks = KardToCoordinateBlocks(kard);
    ASSERT_TRUE(blocks.text);
    EXPECT_TRUE(blocks.messages.empty());
    EXPECT_EQ(blocks.text, BuildCoordinateBlocks(kard));
    const ConversionResult back = CoordinateBlocksToKard(*blocks.text);
    EXPECT_TRUE(back.messages.empty());
    EXPECT_EQ(back.text, expected);
}

TEST(CoordinateBlocks, StreamWithoutEotGivesNothing) {
    const std::string stream = *BuildCoordinateBlocks("P1,,1,2,3\r\n");
    EXPECT_EQ(CoordinateBlocksToKard(stream.substr(0, kBlockSize)).text, "");
}

TEST(CoordinateBlocks, Refusals) {
    ExpectRefused(CoordinateBlocksToKard(""), kNoData);
    ExpectRefused(CoordinateBlocksToKard("_+P1 _ x+1\r\n"), kInvalidFormat);
    ExpectRefused(CoordinateBlocksToKard("\x02_:P1\r\n"), kInvalidFormat);
    ExpectRefused(CoordinateBlocksToKard("\x02_+P1"), kInvalidFormat);
    ExpectRefused(KardToCoordinateBlocks(""), kNoData);
    ExpectRefused(KardToCoordinateBlocks("P1,,1,2\r\n"), kInvalidFormat);
}

TEST(CoordinateBlocks, RefreshIsThrottledAndTheFinalTextComplete) {
    std::string kard;
    constexpr int kPoints = 3000;
    for (int i = 0; i < kPoints; ++i) kard += "P" + std::to_string(i) + ",,1,2,3\r\n";
    std::size_t calls = 0;
    std::string last;
    const ConversionResult r = CoordinateBlocksToKard(*BuildCoordinateBlocks(kard), [&](std::string_view soFar) {
        ++calls;
        last = soFar;
    });
    ASSERT_TRUE(r.text);
    // Coalesced: one refresh per 100 ms, far fewer than one per record.
    EXPECT_GE(calls, 1u);
    EXPECT_LT(calls, static_cast<std::size_t>(kPoints / 10));
    EXPECT_TRUE(r.text->starts_with(last));
    EXPECT_EQ(std::count(r.text->begin(), r.text->end(), '\n'), kPoints);
}

// ---- KARD600 ---------------------------------------------------------------------------

TEST(Kard600, ReordersFieldsUpToTheFirstLineWithoutComma) {
    const std::string text = "P1,100.000,200.000,3.000,TREE\r\n"
                             "SKIPPED,1,2\r\n"
                             "P2,1,2,3,\r\n"
                             "NOCOMMA\r\n"
                             "P3,1,2,3,AFTER\r\n";
    const ConversionResult r = Kard600ToKard300(text);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.text, "P1,TREE,100.000,200.000,3.000\r\nP2,,1,2,3\r\n");
    // A last line without its line end is converted like the others; fields keep 20 characters.
    EXPECT_EQ(Kard600ToKard300("ABCDEFGHIJKLMNOPQRSTUVWXYZ,1,2,3,C\r\nP2,1,2,3,C").text,
              "ABCDEFGHIJKLMNOPQRST,C,1,2,3\r\nP2,C,1,2,3\r\n");
}

TEST(Kard600, Refusals) {
    ExpectRefused(Kard600ToKard300(""), kNoData);
    ExpectRefused(Kard600ToKard300("P1 1 2 3 C\r\n"), kInvalidFormat);
}

// ---- GSI to KARD ----------------------------------------------------------------------------

TEST(GsiToKard, CodeLineSetsTheCodeOfTheFollowingPoints) {
    const std::string gsi = "410001+0000TREE \r\n"
                            "110001+000000P1 81..00+00001234 82..00+00005678 83..00+00000012 \r\n"
                            "*110002+00000000000000P2 81..00+0000000000001234 82..00-0000000000005678 "
                            "83..06+0000000000000012 \r\n"
                            "410003+0000WALL 410004+00000ROW \r\n"
                            "110005+000000P5 81..00+00001000 82..00+00002000 83..00+00003000 \r\n"
                            "410006+00000000 \r\n"
                            "110007+000000P7 81..00+00001000 82..00+00002000 83..00+00003000 \r\n";
    // P2's elevation is in 1/10 mm: 12 steps are 1.2 mm, not 12.
    EXPECT_EQ(GsiToKardText(gsi), "P1,TREE,1.234,5.678,0.012\r\n"
                                  "P2,TREE,1.234,-5.678,0.0012\r\n"
                                  "P5,ROW,1.000,2.000,3.000\r\n"
                                  "P7,,1.000,2.000,3.000\r\n");
}

TEST(GsiToKard, StationSetupPoints) {
    const std::string zeros = " 81..00+00000000 82..00+00000000 83..00+00000000 \r\n";
    const std::string gsi = "410001+0000TREE \r\n"
                            "41....+000000RE" + zeros +           // an "RE" point: written, without code
                            "110002+000000P2" + zeros +           // zero point after a bare "RE": dropped
                            "110003+000000P3" + zeros +           // "RE" forgotten: written
                            "41....+00000RE1" + zeros +
                            "110004+000000P4" + zeros +           // "RE1" is not "RE": written
                            "110005+00OCUPAR 84..00+00001000 85..00+00002000 86..00-00000300 \r\n";
    EXPECT_EQ(GsiToKardText(gsi), "RE,,0.000,0.000,0.000\r\n"
                                  "P3,TREE,0.000,0.000,0.000\r\n"
                                  "RE1,,0.000,0.000,0.000\r\n"
                                  "P4,TREE,0.000,0.000,0.000\r\n"
                                  "OCUPAR,,1.000,2.000,-0.300\r\n");
}

TEST(GsiToKard, PlaceholdersCarryNoValueAndShortLinesAreSkipped) {
    const std::string gsi = "110001+000000P1 81..00+-------- 82..00+00001000 83..00+-------- \r\n"
                            "110002+000000P2 81..00+-------- \r\n"   // no value: the name waits
                            "*11\r\n"
                            "41\r\n"
                            "81..00+00001000 82..00+00002000 83..00+00003000 \r\n";
    std::size_t lineEnds = 0;
    EXPECT_EQ(GsiToKardText(gsi, [&] { ++lineEnds; }), "P1,,,1.000,\r\nP2,,1.000,2.000,3.000\r\n");
    EXPECT_EQ(lineEnds, 5u);
}

TEST(GsiToKard, EveryLineEndAndAnUnterminatedLastLineAreRead) {
    std::size_t lineEnds = 0;
    const std::string gsi = "110001+000000P1 81..00+00001000 \n"
                            "110002+000000P2 81..00+00002000 \r\n"
                            "110003+000000P3 81..00+00003000 \r"
                            "110004+000000P4 81..00+00004000 ";
    EXPECT_EQ(GsiToKardText(gsi, [&] { ++lineEnds; }),
              "P1,,1.000,,\r\nP2,,2.000,,\r\nP3,,3.000,,\r\nP4,,4.000,,\r\n");
    EXPECT_EQ(lineEnds, 3u);
}

// The same job as a Linux editor, an old instrument and a Windows program
// leave it, and with its last line end missing: every conversion gives what
// it gives for the CR LF text.
TEST(LineEnds, EveryConversionReadsAnyLineEndAndTheLastLine) {
    const auto variants = testing::LineEndCopies;
    const std::string kard300 = "P1,TREE,100.5,200.25,3.125\r\nP2,,1,2,3\r\n";
    const std::string kard600 = "P1,100.5,200.25,3.125,TREE\r\nP2,1,2,3,\r\n";
    for (const std::string& text : variants(kard300)) {
        EXPECT_EQ(KardToCoordinateBlocks(text).text, KardToCoordinateBlocks(kard300).text);
        EXPECT_EQ(ExportDxf(text).text, ExportDxf(kard300).text);
        EXPECT_EQ(CorrectCoordinates(text, 0, 1).text, CorrectCoordinates(kard300, 0, 1).text);
        EXPECT_EQ(BuildCoordinateBlocks(harwick::text::withCrLfLineEnds(text)), BuildCoordinateBlocks(kard300));
    }
    ASSERT_TRUE(ExportDxf(kard300).text);
    for (const std::string& text : variants(kard600)) EXPECT_EQ(Kard600ToKard300(text).text, kard300);

    const std::string gsi = "410001+0000TREE \r\n110001+000000P1 81..00+00001234 82..00+00005678 "
                            "83..00+00000012 \r\n";
    for (const std::string& text : variants(gsi)) EXPECT_EQ(GsiToKardText(text), GsiToKardText(gsi));

    // Received streams: a COM download stops at the end block's EOT, and
    // the blocks may have come with LF alone.
    const std::string codes = *BuildCodeBlocks("1,TREE\r\n2,WALL\r\n");
    const std::string coords = *BuildCoordinateBlocks(kard300);
    CodeTable table, again;
    const ConversionResult expectedCodes = CodeBlocksToText(codes, table);
    ASSERT_TRUE(expectedCodes.text);
    for (const std::string& text : variants(codes)) {
        EXPECT_EQ(CodeBlocksToText(text, again).text, expectedCodes.text);
        EXPECT_EQ(CodeBlocksToText(text.substr(0, text.find(kEot) + 1), again).text, expectedCodes.text);
    }
    for (const std::string& text : variants(coords)) {
        EXPECT_EQ(CoordinateBlocksToKard(text).text, CoordinateBlocksToKard(coords).text);
    }
}

TEST(GsiToKard, SaveWritesTheWholeFileOrNothing) {
    harwick::testing::TempDir dir("cablemate-save");
    const std::filesystem::path target = dir.path() / "points.dat";
    harwick::testing::WriteFile(target, "OLD\r\n");
    EXPECT_EQ(GsiToKardSave("", target), SaveOutcome::NoData);
    EXPECT_EQ(harwick::testing::ReadFile(target), "OLD\r\n");

    const std::string gsi = "110001+000000P1 81..00+00001234 82..00+00005678 83..00+00000012 \r\n";
    std::size_t lineEnds = 0;
    EXPECT_EQ(GsiToKardSave(gsi, target, [&] { ++lineEnds; }), SaveOutcome::Saved);
    EXPECT_EQ(harwick::testing::ReadFile(target), "P1,,1.234,5.678,0.012\r\n");
    EXPECT_EQ(lineEnds, 1u);

    // Text that is neither GSI nor KARD leaves the file as it was; KARD
    // lines (what the conversions make) are written as they are.
    EXPECT_EQ(GsiToKardSave("just notes\r\n", target), SaveOutcome::NothingToWrite);
    EXPECT_EQ(harwick::testing::ReadFile(target), "P1,,1.234,5.678,0.012\r\n");
    EXPECT_EQ(GsiToKardSave("P9,,1,2,3\n\nP10,C,4,5,6", target), SaveOutcome::Saved);
    EXPECT_EQ(harwick::testing::ReadFile(target), "P9,,1,2,3\n\nP10,C,4,5,6");

    EXPECT_EQ(GsiToKardSave(gsi, dir.path() / "missing" / "points.dat"), SaveOutcome::CannotCreate);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
} // namespace cablemate
