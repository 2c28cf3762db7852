#include "block_stream.h"
#include "line_counts.h"

#include <gtest/gtest.h>

#include <string>

namespace cablemate {
namespace {

using namespace std::string_literals;

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

// The data bytes, number and checksum of block k of a framed stream.
std::string BlockData(const std::string& stream, std::size_t k) { return stream.substr(k * kBlockSize + 1, 128); }
char BlockNumber(const std::string& stream, std::size_t k) { return stream[k * kBlockSize + 129]; }
std::string BlockChecksum(const std::string& stream, std::size_t k) { return stream.substr(k * kBlockSize + 130, 3); }

TEST(BlockStream, CodeLineBecomesOnePaddedBlockAndTheEndBlock) {
    const std::optional<std::string> stream = BuildCodeBlocks("5,TREE\r\n");
    ASSERT_TRUE(stream);
    const std::string expected = "\x02"s + "_:005TREE      " + "_" + Blanks(112) + "0" + "057" + "\x03\r\n" +
                                 "\x02\x04\x03\r\n";
    EXPECT_EQ(*stream, expected);
}

TEST(BlockStream, CoordinateLineBecomesItsRecord) {
    const std::optional<std::string> stream = BuildCoordinateBlocks("P1,,1234.567,-2.250,0\r\n");
    ASSERT_TRUE(stream);
    ASSERT_EQ(stream->size(), kBlockSize + kEndBlock.size());
    const std::string record = "_+P1        _ x+001234567_ y-000002250_ z+000000000";
    EXPECT_EQ(BlockData(*stream, 0), record + "_" + Blanks(128 - record.size() - 1));
    EXPECT_EQ(stream->substr(kBlockSize), kEndBlock);
}

TEST(BlockStream, LongNamesAndCodesStayWhole) {
    const std::optional<std::string> coords = BuildCoordinateBlocks("BOUNDARY-0001,X,1,2,3\r\n");
    ASSERT_TRUE(coords);
    EXPECT_EQ(BlockData(*coords, 0).substr(0, 18), "_+BOUNDARY-0001_ x");
    const std::optional<std::string> codes = BuildCodeBlocks("12,HEDGE-ROW-LINE\r\n1234,A\r\n");
    ASSERT_TRUE(codes);
    EXPECT_EQ(BlockData(*codes, 0).substr(0, 36), "_:012HEDGE-ROW-LINE_:1234A" + Blanks(9) + "_");
}

TEST(BlockStream, ChecksumIsXorOfDataAndBlockNumberInThreeDigits) {
    // "!" (33) then "_" (95) and an even number of blanks: 33 ^ 95 = 126; with "0" (48) 78.
    const std::string stream = FrameRecordStream("!");
    EXPECT_EQ(BlockChecksum(stream, 0), "078");
}

TEST(BlockStream, BlockNumbersWrapAfterNineAndAFullRestGetsNoPadding) {
    std::string records;
    for (std::size_t i = 0; i < 11 * kBlockDataSize; ++i) records.push_back(static_cast<char>('A' + i % 26));
    const std::string stream = FrameRecordStream(records);
    ASSERT_EQ(stream.size(), 11 * kBlockSize + kEndBlock.size());
    std::string numbers;
    for (std::size_t k = 0; k < 11; ++k) numbers.push_back(BlockNumber(stream, k));
    EXPECT_EQ(numbers, "01234567890");
    EXPECT_EQ(BlockData(stream, 10), records.substr(10 * kBlockDataSize));

    const std::string longer = FrameRecordStream(records + "Z");
    ASSERT_EQ(longer.size(), 12 * kBlockSize + kEndBlock.size());
    EXPECT_EQ(BlockData(longer, 11), "Z_" + Blanks(126));
    EXPECT_EQ(FrameRecordStream(""), kEndBlock);
}

TEST(BlockStream, JoiningGivesTheRecordStreamBack) {
    std::string records;
    for (int i = 0; i < 300; ++i) records += "_:" + std::to_string(100 + i % 900) + "CODE\r\nX   ";
    const std::string stream = FrameRecordStream(records);
    const std::string padding = "_" + Blanks(kBlockDataSize - records.size() % kBlockDataSize - 1);
    EXPECT_EQ(JoinBlocks(stream, JoinVariant::UpToEot), records + padding);

    std::string withoutLineEnds = records;
    std::erase_if(withoutLineEnds, [](char c) { return c == '\r' || c == '\n'; });
    EXPECT_EQ(JoinBlocks(stream, JoinVariant::WholeText), withoutLineEnds + padding);
}

TEST(BlockStream, JoiningUpToEotNeedsTheEot) {
    const std::string stream = FrameRecordStream("_+P1");
    EXPECT_EQ(JoinBlocks(stream.substr(0, kBlockSize), JoinVariant::UpToEot), "");
    // Whatever follows the EOT is not part of the stream.
    EXPECT_EQ(JoinBlocks(stream + FrameRecordStream("_+P2"), JoinVariant::UpToEot), BlockData(stream, 0));
}

TEST(BlockStream, EndBlockDoesNotEatTheLastRecordBytes) {
    // A last block filled exactly: the end block's ETX follows EOT directly.
    const std::string records(2 * kBlockDataSize, 'R');
    EXPECT_EQ(JoinBlocks(FrameRecordStream(records), JoinVariant::WholeText), records);
    // A stray ETX at the very start has nothing to drop.
    EXPECT_EQ(JoinBlocks("\x03\r\nAB", JoinVariant::WholeText), "AB");
}

TEST(BlockStream, CountCodeRecordsNeedsStxAndAStreamEnd) {
    const std::string stream = *BuildCodeBlocks("1,A\r\n2,B\r\n3,C\r\n");
    EXPECT_EQ(CountCodeRecords(stream), 3u);
    EXPECT_EQ(CountCodeRecords("x" + stream), 0u);
    EXPECT_EQ(CountCodeRecords(""), 0u);
    EXPECT_EQ(CountCodeRecords("\x02_:001A\x04\x03" "X"), 1u);  // EOT third-last
    EXPECT_EQ(CountCodeRecords("\x02_:001A\rX"), 1u);          // CR second-last
    EXPECT_EQ(CountCodeRecords("\x02_:001A_:\n"), 2u);         // LF last
    EXPECT_EQ(CountCodeRecords("\x02_:001A\nXY"), 0u);
}

struct ValueCase {
    const char* text;
    const char* record;
};

class CoordinateValue : public testing::TestWithParam<ValueCase> {};

TEST_P(CoordinateValue, WritesSignWholeMetresAndThreeDecimals) {
    EXPECT_EQ(CoordinateRecordValue(GetParam().text), GetParam().record) << GetParam().text;
}

// Exactly three decimals as written; other counts taken to three places;
// whole parts of any length; text that is no number as zero.
INSTANTIATE_TEST_SUITE_P(
    Values, CoordinateValue,
    testing::Values(ValueCase{"1234.567", "+001234567"}, ValueCase{"-2.250", "-000002250"},
                    ValueCase{"0", "+000000000"}, ValueCase{"-0.5", "-000000500"}, ValueCase{"-0.000", "+000000000"},
                    ValueCase{"2.25", "+000002250"}, ValueCase{"7.", "+000007000"}, ValueCase{"1.2345", "+000001235"},
                    ValueCase{"9.9996", "+000010000"}, ValueCase{"12345678.9", "+12345678900"},
                    ValueCase{"99999999999999999999.1", "+99999999999999999999100"}, ValueCase{"", "+000000000"},
                    ValueCase{"abc", "+000000000"}, ValueCase{" +42.042", "+000042042"}));

TEST(LineCounts, KardLinesStopAtTheFirstLineWithoutFourCommas) {
    EXPECT_EQ(CountKardLines(""), 0u);
    EXPECT_EQ(CountKardLines("A,,1,2,3\r\nB,,1,2,3\r\n"), 2u);
    EXPECT_EQ(CountKardLines("A,,1,2,3\r\nB,,1,2\r\nC,,1,2,3\r\n"), 1u);
    // Every line good, but a fragment without its line end holds commas.
    EXPECT_EQ(CountKardLines("A,,1,2,3\r\nB,,1,2,3\r\nC,,1"), 0u);
    EXPECT_EQ(CountKardLines("A,,1,2,3\r\nC,,1,2,3"), 1u);
    EXPECT_EQ(CountKardLines("A,,1,2,3\n"), 0u);
    EXPECT_EQ(BuildCoordinateBlocks("A,,1,2,3\r\nB,,1,2,3\r\nC,,1"), std::nullopt);
    EXPECT_EQ(BuildCoordinateBlocks(""), std::nullopt);
}

TEST(LineCounts, KardBuildTakesOnlyTheGoodLinesBeforeABadOne) {
    const std::optional<std::string> stream = BuildCoordinateBlocks("A,,1,2,3\r\nB,,1,2\r\nC,,1,2,3\r\n");
    ASSERT_TRUE(stream);
    const std::string records = JoinBlocks(*stream, JoinVariant::UpToEot);
    EXPECT_EQ(records.find("_+B"), std::string::npos);
    EXPECT_EQ(records.find("_+C"), std::string::npos);
    EXPECT_NE(records.find("_+A"), std::string::npos);
    // More commas than lines: the count may claim a line that is not there.
    EXPECT_EQ(CountKardLines("A,,1,2,3,4,5,6,7\r\n"), 2u);
    EXPECT_TRUE(BuildCoordinateBlocks("A,,1,2,3,4,5,6,7\r\n"));
}

TEST(LineCounts, CodeLinesNeedExactlyOneCommaEach) {
    EXPECT_EQ(CountCodeLines(""), 0u);
    EXPECT_EQ(CountCodeLines("1,A\r\n2,B\r\n"), 2u);
    EXPECT_EQ(CountCodeLines("1,A\r\n2B\r\n"), 0u);
    EXPECT_EQ(CountCodeLines("1,A,B\r\n"), 0u);
    EXPECT_EQ(BuildCodeBlocks("5,TREE"), std::nullopt);
    EXPECT_EQ(BuildCodeBlocks("1,A\r\n2,B,C\r\n"), std::nullopt);
}

} // namespace
} // namespace cablemate
