#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/cable_uploads.h"

#include "cable_packets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::sim {
namespace {

using testing::pcUploadPackets;

constexpr std::size_t kFramedBlock = 1 + kBlockDataSize + 1 + 3 + 3;

std::string dataOf(const std::string& stream, std::size_t block)
{
    return stream.substr(block * kFramedBlock + 1, kBlockDataSize);
}

std::string trailerOf(const std::string& stream, std::size_t block)
{
    return stream.substr(block * kFramedBlock + 1 + kBlockDataSize, 7);
}

TEST(CableBlocks, ChecksumIsTheXorOfDataAndNumberInThreeDigits)
{
    // 'A' ^ '?' = 126, the blanks cancel in pairs: 126 ^ '0' = 78.
    const std::string full = "A?" + std::string(126, ' ');
    const std::string stream = FrameRecords(full);
    ASSERT_EQ(stream.size(), kFramedBlock + kEndBlock.size());
    EXPECT_EQ(stream.front(), kStx);
    EXPECT_EQ(dataOf(stream, 0), full) << "a rest of exactly 128 bytes gets no fill";
    EXPECT_EQ(trailerOf(stream, 0), std::string("0078") + std::string(kBlockEnd));
    EXPECT_EQ(stream.substr(kFramedBlock), kEndBlock);
    EXPECT_EQ(BlockChecksum(std::string(4, '\xFF'), '\xFF'), "255");
    EXPECT_EQ(BlockChecksum("", '1'), "049");
}

TEST(CableBlocks, LastBlockIsFilledAndBlocksAreNumberedModuloTen)
{
    // "A?" "_" and 125 blanks: 126 ^ 95 ^ 32 = 1, with '0': 49.
    const std::string shortStream = FrameRecords("A?");
    EXPECT_EQ(dataOf(shortStream, 0), "A?_" + std::string(125, ' '));
    EXPECT_EQ(trailerOf(shortStream, 0), std::string("0049") + std::string(kBlockEnd));

    std::string records;
    for (int i = 0; i < 11; ++i) records += std::string(kBlockDataSize, static_cast<char>('a' + i));
    const std::string stream = FrameRecords(records + "z");
    ASSERT_EQ(stream.size(), 12 * kFramedBlock + kEndBlock.size());
    std::string numbers;
    for (std::size_t b = 0; b < 12; ++b) numbers += stream[b * kFramedBlock + 1 + kBlockDataSize];
    EXPECT_EQ(numbers, "012345678901");
    // 128 equal bytes cancel: the checksum is the number character alone.
    EXPECT_EQ(trailerOf(stream, 10).substr(1, 3), "048");
    EXPECT_EQ(dataOf(stream, 11), "z_" + std::string(126, ' '));
    EXPECT_EQ(FrameRecords(""), kEndBlock);
}

TEST(CableBlocks, KardLinesBecomeCoordinateRecords)
{
    EXPECT_EQ(CoordinateRecords("P1,KERB,1234.567,-12.5,0.004\r\nLONGERNAME12,,0,99.9996,-0.0001\n"),
              "_+P1        _ x+001234567_ y-000012500_ z+000000004"
              "_+LONGERNAME12_ x+000000000_ y+000100000_ z+000000000");
    EXPECT_EQ(CoordinateValue(1234567.891), "+1234567891") << "more than six whole digits stay";
    for (const char* bad : {"", "P1,,1,2\r\n", "P1,,1,2,3\r\n\r\nP2,,1,2,3\r\n", "P1,,1,2,3,4\r\n"}) {
        EXPECT_EQ(CoordinateRecords(bad), std::nullopt) << bad;
    }
    const std::optional<std::string> framed = FrameKardCoordinates("P1,,1,2,3\r\n");
    ASSERT_TRUE(framed);
    EXPECT_EQ(dataOf(*framed, 0).substr(0, 14), "_+P1        _ ");
    EXPECT_TRUE(framed->ends_with(kEndBlock));
}

TEST(CableBlocks, StreamSplitsAfterEveryBlockEnd)
{
    const std::vector<std::string_view> pieces =
        SplitAfterBlockEnds("\x02" "A\x03\r\n\x02" "B\x03\r\n\x02\x04\x03\r\nrest");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0], "\x02" "A\x03\r\n");
    EXPECT_EQ(pieces[2], kEndBlock);
    EXPECT_EQ(pieces[3], "rest");
    EXPECT_EQ(SplitAfterBlockEnds("no blocks").size(), 1u);
    EXPECT_TRUE(SplitAfterBlockEnds("").empty());
}

std::vector<std::string> assemble(const std::vector<std::string>& packets)
{
    UsbUploadAssembler assembler;
    std::vector<std::string> uploads;
    for (const std::string& packet : packets) {
        if (auto upload = assembler.Take(packet)) uploads.push_back(*upload);
    }
    return uploads;
}

TEST(CableUsbUploads, EveryWayThePcCutsItsTextAssemblesBack)
{
    const std::string longLine = std::string(100, 'L') + "\r\n";
    for (const std::string& text :
         {std::string("P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n"), std::string("P1"), longLine,
          std::string(), std::string(62, 'x'), std::string(63, 'y'), std::string(64, 'z'),
          "A\r\n" + std::string(70, 'w')}) {
        const std::vector<std::string> packets = pcUploadPackets(text);
        EXPECT_EQ(assemble(packets), std::vector<std::string>{text}) << text << " in " << packets.size() << " packets";
    }
    EXPECT_EQ(pcUploadPackets("P1")[1], std::string("\x1A" "1\x04\r\n") + std::string(59, '\0'));
    EXPECT_EQ(pcUploadPackets(longLine).size(), 4u);
}

TEST(CableUsbUploads, UploadsFollowEachOtherAndAnEndByteAloneIsData)
{
    std::vector<std::string> packets = pcUploadPackets("A\r\n");
    const std::vector<std::string> second = pcUploadPackets("B\r\n");
    packets.insert(packets.end(), second.begin(), second.end());
    EXPECT_EQ(assemble(packets), (std::vector<std::string>{"A\r\n", "B\r\n"}));

    packets = pcUploadPackets("\x1A" "C\r\n");
    EXPECT_EQ(assemble(packets), std::vector<std::string>{"\x1A" "C\r\n"}) << "no trailer yet: 0x1A is data";
}

using Kind = SerialUploadParser::Event::Kind;

std::vector<SerialUploadParser::Event> feedBytewise(SerialUploadParser& parser, std::string_view bytes)
{
    std::vector<SerialUploadParser::Event> events;
    for (const char c : bytes) {
        for (auto& event : parser.Feed(std::string_view(&c, 1))) events.push_back(std::move(event));
    }
    return events;
}

TEST(CableSerialUploads, BlocksAreCountedAndTheEndBlockClosesTheStream)
{
    const std::string stream = FrameRecords(std::string(200, 'r'));
    SerialUploadParser parser;
    const auto events = feedBytewise(parser, std::string("\x05\x06") + stream + "\x05");
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, Kind::Enquiry);
    EXPECT_EQ(events[1].kind, Kind::Block);
    EXPECT_EQ(events[1].block, 1u);
    EXPECT_EQ(events[2].block, 2u);
    EXPECT_EQ(events[3].kind, Kind::Upload);
    EXPECT_EQ(events[3].bytes, stream);
    EXPECT_EQ(events[4].kind, Kind::Enquiry) << "after the upload the line is idle again";
}

std::vector<std::string> uploadsOf(const std::vector<SerialUploadParser::Event>& events)
{
    std::vector<std::string> uploads;
    for (const auto& event : events) {
        if (event.kind == Kind::Upload) uploads.push_back(event.bytes);
    }
    return uploads;
}

TEST(CableSerialUploads, LinesEndAtEotCrLfAndResetDropsAHalfUpload)
{
    SerialUploadParser parser;
    auto events = parser.Feed("A\r\nB\r\n\x04\r\nC\r\n\x04");
    EXPECT_EQ(uploadsOf(events), std::vector<std::string>{"A\r\nB\r\n"});
    events = parser.Feed("\r\n");
    EXPECT_EQ(uploadsOf(events), std::vector<std::string>{"C\r\n"});

    parser.Feed("\x02half a block");
    parser.Reset();
    events = parser.Feed("D\r\n\x04\r\n");
    EXPECT_EQ(uploadsOf(events), std::vector<std::string>{"D\r\n"});
}

// Each line is reported once, when its CR LF has come, however the bytes are
// cut; the trailer's CR LF is not a line, and the count starts again with
// the next upload.
TEST(CableSerialUploads, LinesAreCountedAsTheyComeWhole)
{
    SerialUploadParser parser;
    const auto events = feedBytewise(parser, "A\r\nBB\r\n\x04\r\nC\r\n\x04\r\n");
    std::vector<std::pair<Kind, std::size_t>> seen;
    for (const auto& event : events) seen.emplace_back(event.kind, event.block);
    EXPECT_EQ(seen, (std::vector<std::pair<Kind, std::size_t>>{
                        {Kind::Line, 1}, {Kind::Line, 2}, {Kind::Upload, 0}, {Kind::Line, 1}, {Kind::Upload, 0}}));
}

} // namespace
} // namespace harwick::sim
