#include "comports/comports.h"

#include "pty.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace harwick::platform {
namespace {

namespace fs = std::filesystem;

using harwick::testing::PseudoTerminal;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::UniqueFd;

class ComPorts : public ::testing::Test {
protected:
    void SetUp() override { config_.set(dir_.string()); }
    void putEntry(const std::string& name, const std::string& content) const
    {
        std::ofstream(ports_ / name, std::ios::binary) << content;
    }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    ScopedEnv home_{"HOME"};
    TempDir temp_{"harwick-comports"};
    const fs::path dir_ = temp_.path();
    const fs::path ports_ = dir_ / "harwick" / "ports";
};

TEST_F(ComPorts, DefaultTableAppliesWithoutAPortsDirectory)
{
    const std::vector<std::pair<const char*, std::optional<std::string>>> cases = {
        {"COM1", "/dev/ttyS0"},    {"COM32", "/dev/ttyS31"},  {"COM33", "/dev/ttyUSB0"},
        {"COM64", "/dev/ttyUSB31"}, {"COM65", "/dev/ttyACM0"}, {"COM96", "/dev/ttyACM31"},
        {"COM97", std::nullopt},    {"COM256", std::nullopt},  {"com5", "/dev/ttyS4"},
        {"Com33", "/dev/ttyUSB0"},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(DevicePathForPort(name), expected) << name;
}

TEST_F(ComPorts, MalformedNamesAreNoPort)
{
    for (const char* name : {"", "COM", "COM0", "COM257", "COMx", "COM1x", "COM01", " COM1", "COM1 ", "COM-1",
                             "COM+1", "LPT1", "ttyS0", "dev/ttyS0", "COM99999999999999999999"}) {
        EXPECT_EQ(DevicePathForPort(name), std::nullopt) << '"' << name << '"';
    }
}

TEST_F(ComPorts, PortsDirectoryIsTheCompleteMap)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.slavePath().empty());
    fs::create_directories(ports_);
    fs::create_symlink(pty.slavePath(), ports_ / "COM3");
    putEntry("COM4", " \t" + pty.slavePath() + " \r\nsecond line\r\n");
    fs::create_symlink("../by-id/instrument", ports_ / "COM6");
    putEntry("COM7", "");
    putEntry("COM8", "  \r\n/dev/ttyS0\n");
    fs::create_directory(ports_ / "COM9");

    EXPECT_EQ(DevicePathForPort("COM3"), pty.slavePath());
    EXPECT_EQ(DevicePathForPort("com3"), pty.slavePath());
    EXPECT_EQ(DevicePathForPort("COM4"), pty.slavePath());
    EXPECT_EQ(DevicePathForPort("COM6"), (dir_ / "harwick" / "by-id" / "instrument").string());
    for (const char* absent : {"COM1", "COM5", "COM7", "COM8", "COM9", "COM33", "COM257"}) {
        EXPECT_EQ(DevicePathForPort(absent), std::nullopt) << absent;
    }

    // The mapped name reaches the instrument's end of the line.
    const std::optional<std::string> device = DevicePathForPort("COM3");
    ASSERT_TRUE(device.has_value());
    UniqueFd port(::open(device->c_str(), O_RDWR | O_NOCTTY));
    ASSERT_GE(port.get(), 0);
    ASSERT_EQ(::write(port.get(), "a", 1), 1);
    EXPECT_EQ(pty.receive(1), "a");
}

TEST_F(ComPorts, PlainDevicePathsPassThrough)
{
    EXPECT_EQ(DevicePathForPort("/dev/pts/7"), "/dev/pts/7");
    fs::create_directories(ports_);
    EXPECT_EQ(DevicePathForPort("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

TEST_F(ComPorts, PortsDirectoryFollowsTheConfigHome)
{
    EXPECT_EQ(PortsDirectory(), ports_.string());
    config_.set(dir_.string() + "/");
    EXPECT_EQ(PortsDirectory(), ports_.string());

    home_.set("/home/surveyor");
    for (const char* config : {"", "relative/config"}) {
        config_.set(config);
        EXPECT_EQ(PortsDirectory(), "/home/surveyor/.config/harwick/ports") << config;
    }
    config_.unset();
    EXPECT_EQ(PortsDirectory(), "/home/surveyor/.config/harwick/ports");

    // A file where the folder would be is no map.
    config_.set(dir_.string());
    fs::create_directories(ports_.parent_path());
    std::ofstream(ports_) << "COM1=/dev/pts/1\n";
    EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyS0");
}

} // namespace
} // namespace harwick::platform
