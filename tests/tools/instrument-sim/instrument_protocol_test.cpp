#include "instrument-sim/instrument_protocol.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::sim {
namespace {

using harwick::testing::TempDir;
using Lines = std::vector<std::string>;

class InstrumentSimProtocol : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(store_.SetSerial("12345"));
        ASSERT_TRUE(store_.SetFormats({"GSI16_Coords", "Stakeout"}));
        ASSERT_TRUE(store_.PutCodeList(1, "ROADS", {"HEADER", "END HEADER"}));
        ASSERT_TRUE(store_.PutJob(1, "NORTH", {"*fix1 ", "*fix2 ", "*fix3 "}, {"obs1 "}));
        ASSERT_TRUE(store_.PutJob(2, "", {}, {}));
        ASSERT_TRUE(store_.PutJob(10, "RIVER", {"*r1 "}, {}));
        ASSERT_TRUE(store_.PutAlignment(AlignmentKind::Hal, 2, "ROAD1", {"h1", "h2", "h3"}));
        ASSERT_TRUE(store_.PutAlignment(AlignmentKind::Val, 1, "ROAD1", {"v1"}));
    }

    std::string Ask(const std::string& command) { return protocol_.Answer(command + "\r\n"); }

    // Sends command, then "?" until a reply holding 0x1A; every reply in order.
    Lines Pull(const std::string& command)
    {
        Lines replies{Ask(command)};
        while (replies.back().find('\x1A') == std::string::npos && replies.size() < 100) replies.push_back(Ask("?"));
        return replies;
    }

    // Sends command, each line, then the end line; every reply in order.
    Lines Push(const std::string& command, const Lines& lines)
    {
        Lines replies{Ask(command)};
        for (const std::string& line : lines) replies.push_back(Ask(line));
        replies.push_back(Ask("\x1A"));
        return replies;
    }

    TempDir dir_{"instrument-sim-protocol"};
    InstrumentStore store_{dir_.path()};
    InstrumentProtocol protocol_{store_};
};

TEST_F(InstrumentSimProtocol, WakeUpAndIdentificationReplies)
{
    EXPECT_EQ(Ask("a"), "?\r\n");
    EXPECT_EQ(Ask("c"), "?\r\n");
    EXPECT_EQ(Ask("CONF/182"), "0182/0031\r\n");
    EXPECT_EQ(Ask("CONF/136"), "0136/0000\r\n");
    EXPECT_EQ(Ask("CONF/137"), "0137/0001\r\n");
    EXPECT_EQ(Ask("GET//WI13"), "13....+00012345\r\n");
    EXPECT_EQ(protocol_.Answer("a"), "?\r\n") << "a command without its CR LF is the same command";
    EXPECT_EQ(Ask("FORM/SET/0"), "GSI,0,1,3\r\n");
    EXPECT_EQ(Ask("FORM/SET/1"), "?\r\n");
}

TEST_F(InstrumentSimProtocol, SerialNumberIsZeroFilledToEightOrSixteenDigits)
{
    ASSERT_TRUE(store_.SetSerial("123456789"));
    EXPECT_EQ(Ask("GET//WI13"), "13....+0000000123456789\r\n");
    ASSERT_TRUE(store_.SetSerial(""));
    EXPECT_EQ(Ask("GET//WI13"), "13....+00000000\r\n");
}

TEST_F(InstrumentSimProtocol, UnknownAndMalformedCommandsAreAnsweredWrongly)
{
    for (const char* command : {"", "b", "XYZ", "conf/182", "CONF/182 ", "FORM/SET/2", "JOB/RCV/COORDS/",
                                "JOB/RCV/COORDS/x", "JOB/RCV/COORDS/-1", "HAL/SND/1234567890", "JOB/SET/NAME",
                                "JOB/SND/OBSERV/1", "ROAD/CONF/LIST", "JOB/ERASE/1::"}) {
        EXPECT_EQ(Ask(command), "@E127\r\n") << '"' << command << '"';
    }
}

TEST_F(InstrumentSimProtocol, ListsGiveOneRecordPerPullAndEndWithTheMarker)
{
    EXPECT_EQ(Pull("CODE/CONF/LIST"), (Lines{"ROADS,1,2\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("JOB/CONF/LIST"), (Lines{"NORTH,1,3,1\r\n", ",2,0,0\r\n", "RIVER,10,1,0\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("FORM/CONF/LIST"), (Lines{"GSI16_Coords,1\r\n", "Stakeout,2\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("HAL/CONF/LIST"), (Lines{"ROAD1,2,3\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("VAL/CONF/LIST"), (Lines{"ROAD1,1,1\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Ask("?"), "\x1A\r\n") << "a pull after the end is answered with the end again";
    EXPECT_EQ(Ask("?"), "\x1A\r\n");
}

TEST_F(InstrumentSimProtocol, EmptyListAnswersTheListCommandWithTheEnd)
{
    ASSERT_TRUE(store_.RemoveCodeList(1));
    EXPECT_EQ(Ask("CODE/CONF/LIST"), "\x1A\r\n");
    EXPECT_EQ(Ask("?"), "\x1A\r\n");
}

TEST_F(InstrumentSimProtocol, AnotherCommandEndsAnOpenList)
{
    EXPECT_EQ(Ask("JOB/CONF/LIST"), "NORTH,1,3,1\r\n");
    EXPECT_EQ(Ask("a"), "?\r\n");
    EXPECT_EQ(Ask("?"), "\x1A\r\n");
    EXPECT_EQ(Ask("JOB/CONF/LIST"), "NORTH,1,3,1\r\n") << "a new list starts from its first record";
}

TEST_F(InstrumentSimProtocol, DownloadsOfEveryKind)
{
    EXPECT_EQ(Pull("JOB/RCV/COORDS/1"), (Lines{"?\r\n", "*fix1 \r\n", "*fix2 \r\n", "*fix3 \r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("JOB/RCV/OBSERV/1"), (Lines{"?\r\n", "obs1 \r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("CODE/RCV/1"), (Lines{"?\r\n", "HEADER\r\n", "END HEADER\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("HAL/RCV/2"), (Lines{"?\r\n", "h1\r\n", "h2\r\n", "h3\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Pull("VAL/RCV/1"), (Lines{"?\r\n", "v1\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Ask("?"), "\x1A\r\n");
    EXPECT_EQ(Pull("JOB/RCV/COORDS/2"), (Lines{"?\r\n", "\x1A\r\n"})) << "an empty slot";
    EXPECT_EQ(Pull("HAL/RCV/7"), (Lines{"?\r\n", "\x1A\r\n"})) << "no such alignment";
}

TEST_F(InstrumentSimProtocol, DownloadRecordsAreCountedForTheLine)
{
    Ask("JOB/RCV/COORDS/1");
    EXPECT_EQ(protocol_.LastDownloadRecord(), 0u);
    Ask("?");
    EXPECT_EQ(protocol_.LastDownloadRecord(), 1u);
    Ask("?");
    EXPECT_EQ(protocol_.LastDownloadRecord(), 2u);
    Ask("?");
    Ask("?");
    EXPECT_EQ(protocol_.LastDownloadRecord(), 0u) << "the end marker is no data line";
    Ask("JOB/CONF/LIST");
    Ask("?");
    EXPECT_EQ(protocol_.LastDownloadRecord(), 0u) << "list records are no download";
}

TEST_F(InstrumentSimProtocol, EndMarkerCanRideInTheLastLine)
{
    protocol_.SetEndMarkerOnLastLine(true);
    EXPECT_EQ(Pull("JOB/RCV/COORDS/1"), (Lines{"?\r\n", "*fix1 \r\n", "*fix2 \r\n", "*fi\x1Ax3 \r\n"}));
    EXPECT_EQ(Ask("?"), "\x1A\r\n");
    EXPECT_EQ(Pull("JOB/RCV/COORDS/2"), (Lines{"?\r\n", "\x1A\r\n"})) << "nothing to ride on";
}

TEST_F(InstrumentSimProtocol, DownloadedFixpointsUploadIntoANamedSlot)
{
    Lines downloaded = Pull("JOB/RCV/COORDS/1");
    Lines lines(downloaded.begin() + 1, downloaded.end() - 1);
    for (std::string& line : lines) line.resize(line.size() - 2);

    EXPECT_EQ(Ask("JOB/SET/NEW/A/2"), "?\r\n") << "the number follows the last slash";
    EXPECT_EQ(Ask("FORM/SET/0"), "GSI,0,1,3\r\n");
    EXPECT_EQ(Push("JOB/SND/COORD/2", lines), Lines(5, "?\r\n"));

    const auto job = store_.GetJob(2);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->name, "NEW/A");
    EXPECT_EQ(job->fixpoints, store_.GetJob(1)->fixpoints);
    EXPECT_TRUE(job->measurements.empty());
    EXPECT_EQ(Pull("JOB/CONF/LIST")[1], "NEW/A,2,3,0\r\n");
}

TEST_F(InstrumentSimProtocol, UploadReplacesFixpointsAndKeepsTheRestOfTheJob)
{
    EXPECT_EQ(Push("JOB/SND/COORD/1", {"*new "}), Lines(3, "?\r\n"));
    const auto job = store_.GetJob(1);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->name, "NORTH");
    EXPECT_EQ(job->fixpoints, Lines{"*new "});
    EXPECT_EQ(job->measurements, Lines{"obs1 "});
    EXPECT_EQ(Push("JOB/SND/COORD/5", {"*a "}), Lines(3, "?\r\n"));
    EXPECT_EQ(store_.GetJob(5)->name, "") << "a job uploaded into an unknown number is an unnamed slot";
}

TEST_F(InstrumentSimProtocol, UploadIsStoredOnlyAtTheEndLine)
{
    Ask("CODE/SND/1");
    Ask("NEW LINE");
    EXPECT_EQ(store_.GetCodeList(1)->lines, (Lines{"HEADER", "END HEADER"}));
    EXPECT_EQ(Ask("a"), "?\r\n") << "during an upload every line is data";
    protocol_.Reset();
    EXPECT_EQ(store_.GetCodeList(1)->lines, (Lines{"HEADER", "END HEADER"}));
    EXPECT_EQ(Ask("CONF/182"), "0182/0031\r\n") << "after a reset commands are commands again";
}

TEST_F(InstrumentSimProtocol, CodeListAndAlignmentUploads)
{
    EXPECT_EQ(Ask("FORM/SET/1"), "?\r\n");
    EXPECT_EQ(Push("CODE/SND/1", {"IDEX 1", "IDEX 2"}), Lines(4, "?\r\n"));
    EXPECT_EQ(store_.GetCodeList(1)->name, "ROADS") << "a replaced code list keeps its name";
    EXPECT_EQ(store_.GetCodeList(1)->lines, (Lines{"IDEX 1", "IDEX 2"}));

    EXPECT_EQ(Push("HAL/SND/0", {"H", ""}), (Lines{"RoadHal,1,0\r\n", "?\r\n", "?\r\n", "?\r\n"}));
    EXPECT_EQ(Push("VAL/SND/1", {"V"}), (Lines{"RoadVal,1,1\r\n", "?\r\n", "?\r\n"}));
    const auto hal = store_.GetAlignment(AlignmentKind::Hal, 0);
    ASSERT_TRUE(hal);
    EXPECT_EQ(hal->name, "RoadHal");
    EXPECT_EQ(hal->lines, (Lines{"H", ""}));
    EXPECT_EQ(store_.GetAlignment(AlignmentKind::Val, 1)->name, "ROAD1");
    EXPECT_EQ(store_.GetAlignment(AlignmentKind::Val, 1)->lines, Lines{"V"});
    EXPECT_EQ(Pull("HAL/CONF/LIST"), (Lines{"RoadHal,0,2\r\n", "ROAD1,2,3\r\n", "\x1A\r\n"}));
}

TEST_F(InstrumentSimProtocol, EraseCommands)
{
    EXPECT_EQ(Ask("JOB/ERASE/COORD/1"), "?\r\n");
    EXPECT_EQ(store_.GetJob(1)->fixpoints, Lines{});
    EXPECT_EQ(store_.GetJob(1)->measurements, Lines{"obs1 "});
    EXPECT_EQ(Ask("JOB/ERASE/OBSERV/1"), "?\r\n");
    EXPECT_EQ(store_.GetJob(1)->measurements, Lines{});
    EXPECT_EQ(Ask("JOB/ERASE/10"), "?\r\n");
    EXPECT_EQ(Ask("CODE/ERASE/1"), "?\r\n");
    EXPECT_EQ(Ask("HAL/ERASE/2:"), "?\r\n") << "the exchange program sends the number with its colon";
    EXPECT_EQ(Ask("VAL/ERASE/1"), "?\r\n");
    EXPECT_EQ(Ask("JOB/ERASE/COORD/99"), "?\r\n");
    EXPECT_FALSE(store_.GetJob(99)) << "erasing a part of a missing job makes no job";

    EXPECT_EQ(Pull("JOB/CONF/LIST"), (Lines{"NORTH,1,0,0\r\n", ",2,0,0\r\n", ",10,0,0\r\n", "\x1A\r\n"}));
    EXPECT_EQ(Ask("CODE/CONF/LIST"), "\x1A\r\n");
    EXPECT_EQ(Ask("HAL/CONF/LIST"), "\x1A\r\n");
    EXPECT_EQ(Ask("VAL/CONF/LIST"), "\x1A\r\n");
}

} // namespace
} // namespace harwick::sim
