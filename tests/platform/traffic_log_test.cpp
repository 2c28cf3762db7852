// The traffic log: what a line shows, and that a log which stops taking lines
// says so once and never fails the caller.
#include "traffic/traffic_log.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace harwick::platform {
namespace {

using namespace std::chrono_literals;

TEST(TrafficLog, LineShowsTimeDirectionHexAndText)
{
    EXPECT_EQ(TrafficLog::FormatLine(152ms, Direction::Out, std::string_view("a\r\n", 3)),
              "     152 ms out 61 0D 0A | a..");
    EXPECT_EQ(TrafficLog::FormatLine(1234567ms, Direction::In, std::string_view("\x00\xFF~ ", 4)),
              " 1234567 ms in  00 FF 7E 20 | ..~ ");
}

TEST(TrafficLog, FullDiskTurnsTheLogOffWithOneMessage)
{
    std::string error;
    std::shared_ptr<TrafficLog> log = TrafficLog::Open("/dev/full", error);
    ASSERT_TRUE(log) << error;
    std::vector<std::string> told;
    log->SetNotice([&](const std::string& message) { told.push_back(message); });
    log->Record(Direction::Out, "a\r\n");
    log->Record(Direction::In, "?\r\n");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("/dev/full could not be written"), std::string::npos) << told[0];
    EXPECT_FALSE(log->Active());
    EXPECT_EQ(log->StopReason(), told[0]);

    EXPECT_FALSE(TrafficLog::Open("/no/such/folder/x.log", error));
    EXPECT_NE(error.find("/no/such/folder/x.log cannot be written"), std::string::npos) << error;
}

// The window's switch: a log that stops is told once, after which the switch
// is off; a file that cannot be opened leaves it off.
TEST(TrafficLog, SwitchTellsOnceAndTurnsOff)
{
    TrafficLogSwitch logging;
    EXPECT_TRUE(logging.Start("/no/such/folder/x.log").has_value());
    EXPECT_FALSE(logging.On());
    EXPECT_FALSE(logging.Current());

    ASSERT_FALSE(logging.Start("/dev/full").has_value());
    std::shared_ptr<TrafficLog> log = logging.Current();
    ASSERT_TRUE(log);
    EXPECT_FALSE(logging.TakeStopNotice());
    log->Record(Direction::Out, "a\r\n");
    const std::optional<std::string> told = logging.TakeStopNotice();
    ASSERT_TRUE(told);
    EXPECT_NE(told->find("logging is off"), std::string::npos) << *told;
    EXPECT_FALSE(logging.TakeStopNotice());
    EXPECT_FALSE(logging.On());
}

} // namespace
} // namespace harwick::platform
