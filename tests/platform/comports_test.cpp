#include "comports/comports.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
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

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// Sets an environment variable for one test and puts back what was there.
class ScopedEnv {
public:
    explicit ScopedEnv(const char* name) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv()
    {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    void set(const std::string& value) const { ::setenv(name_, value.c_str(), 1); }
    void unset() const { ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A pseudo-terminal whose slave side stands in for an instrument's port.
class Pty {
public:
    Pty() : master_(::posix_openpt(O_RDWR | O_NOCTTY))
    {
        std::array<char, 128> name {};
        if (master_.get() >= 0 && ::grantpt(master_.get()) == 0 && ::unlockpt(master_.get()) == 0 &&
            ::ptsname_r(master_.get(), name.data(), name.size()) == 0) {
            slave_ = name.data();
        }
    }
    int master() const { return master_.get(); }
    const std::string& slave() const { return slave_; }

private:
    Fd master_;
    std::string slave_;
};

class ComPorts : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "harwick-comports-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        config_.set(dir_.string());
        ports_ = dir_ / "harwick" / "ports";
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void putEntry(const std::string& name, const std::string& content) const
    {
        std::ofstream(ports_ / name, std::ios::binary) << content;
    }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    ScopedEnv home_{"HOME"};
    fs::path dir_;
    fs::path ports_;
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
    Pty pty;
    ASSERT_FALSE(pty.slave().empty());
    fs::create_directories(ports_);
    fs::create_symlink(pty.slave(), ports_ / "COM3");
    putEntry("COM4", " \t" + pty.slave() + " \r\nsecond line\r\n");
    fs::create_symlink("../by-id/instrument", ports_ / "COM6");
    putEntry("COM7", "");
    putEntry("COM8", "  \r\n/dev/ttyS0\n");
    fs::create_directory(ports_ / "COM9");

    EXPECT_EQ(DevicePathForPort("COM3"), pty.slave());
    EXPECT_EQ(DevicePathForPort("com3"), pty.slave());
    EXPECT_EQ(DevicePathForPort("COM4"), pty.slave());
    EXPECT_EQ(DevicePathForPort("COM6"), (dir_ / "harwick" / "by-id" / "instrument").string());
    for (const char* absent : {"COM1", "COM5", "COM7", "COM8", "COM9", "COM33", "COM257"}) {
        EXPECT_EQ(DevicePathForPort(absent), std::nullopt) << absent;
    }

    // The mapped name reaches the instrument's end of the line.
    const std::optional<std::string> device = DevicePathForPort("COM3");
    ASSERT_TRUE(device.has_value());
    Fd port(::open(device->c_str(), O_RDWR | O_NOCTTY));
    ASSERT_GE(port.get(), 0);
    ASSERT_EQ(::write(port.get(), "a", 1), 1);
    char received = 0;
    ASSERT_EQ(::read(pty.master(), &received, 1), 1);
    EXPECT_EQ(received, 'a');
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
