// The serial line every program opens its port through: what a user is told
// when a port cannot be had, and the traffic log of what crossed it.
#include "serial_line.h"

#include "pty.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>

namespace harwick::serial {
namespace {

using namespace std::chrono_literals;
using testing::PseudoTerminal;

class SerialLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set(dir_.path().string());
        std::filesystem::create_directories(dir_.path() / "harwick" / "ports");
    }
    void Map(const std::string& name, const std::string& device)
    {
        std::filesystem::create_symlink(device, dir_.path() / "harwick" / "ports" / name);
    }

    testing::TempDir dir_{"serial-line"};
    testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    PseudoTerminal far_;
};

TEST_F(SerialLineTest, EveryRefusalNamesThePortTheDeviceAndWhatToDo)
{
    SerialLine line;
    OpenResult r = line.Open("COM250");
    EXPECT_EQ(r.status, OpenResult::Status::NoSuchPort);
    EXPECT_EQ(r.Message(), "COM250: no such port; the ports present are listed by: harwick ports");

    Map("COM7", "/dev/ttyUSB97");
    r = line.Open("COM7");
    EXPECT_EQ(r.status, OpenResult::Status::NoDevice);
    EXPECT_EQ(r.Message(), "COM7 (/dev/ttyUSB97): the device is not there; is the cable plugged in?");

    Map("COM33", far_.slavePath());
    SerialLine refused([](const std::filesystem::path&) { return EACCES; });
    r = refused.Open("COM33");
    EXPECT_EQ(r.status, OpenResult::Status::Refused);
    EXPECT_NE(r.Message().find("COM33 (" + far_.slavePath() + "): permission denied (group "), std::string::npos)
        << r.Message();
    EXPECT_NE(r.Message().find("sudo usermod -aG"), std::string::npos) << r.Message();
    EXPECT_FALSE(refused.IsOpen());

    // The port is opened exclusively: a second program is told who has it.
    ASSERT_TRUE(line.Open("COM33").Opened());
    SerialLine second;
    r = second.Open(far_.slavePath());
    EXPECT_EQ(r.status, OpenResult::Status::Refused);
    EXPECT_NE(r.Message().find("in use by another program"), std::string::npos) << r.Message();
}

TEST_F(SerialLineTest, LogHoldsEachChunkWithItsDirection)
{
    std::string error;
    const std::string path = (dir_.path() / "line.log").string();
    std::shared_ptr<platform::TrafficLog> log = platform::TrafficLog::Open(path, error);
    ASSERT_TRUE(log) << error;
    SerialLine line;
    line.SetLog(log);
    ASSERT_TRUE(line.Open(far_.slavePath()).Opened());
    ASSERT_TRUE(line.Write("a\r\n", 2s));
    EXPECT_EQ(far_.receive(3), "a\r\n");
    far_.send("?\r\n");
    EXPECT_EQ(line.ReadExact(3, 5s, 1s), "?\r\n");

    std::istringstream lines(testing::ReadFile(path));
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_NE(first.find(" ms out 61 0D 0A | a.."), std::string::npos) << first;
    EXPECT_NE(second.find(" ms in  3F 0D 0A | ?.."), std::string::npos) << second;
}

} // namespace
} // namespace harwick::serial
