#include "comports/comports.h"
#include "comports/discovery.h"

#include "pty.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <cerrno>
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
using harwick::testing::WriteFile;

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

// ---- Discovery over a made-up device tree: a laptop with a USB-serial
// adapter, a USB instrument, one real UART among the kernel's 32 and a
// Bluetooth link, with and without a ports map.

class PortDiscovery : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set((temp_.path() / "config").string());
        // A USB-serial adapter: class entry -> usb-serial port -> interface -> device.
        const fs::path adapter = sys_ / "devices/pci0000:00/usb1/1-2";
        addUsbDevice(adapter, "0403", "6001", "FTDI", "FT232R USB UART", "A10K3X");
        addTty("ttyUSB0", adapter / "1-2:1.0/ttyUSB0");
        // An instrument speaking CDC ACM: class entry -> interface -> device.
        const fs::path instrument = sys_ / "devices/pci0000:00/usb1/1-3";
        addUsbDevice(instrument, "1d6b", "0104", "Maker", "", "");
        addTty("ttyACM0", instrument / "1-3:1.0");
        // ttyS0 has a UART, ttyS1 is one of the kernel's empty slots.
        addTty("ttyS0", sys_ / "devices/platform/serial8250/tty/ttyS0", "4");
        addTty("ttyS1", sys_ / "devices/platform/serial8250/tty/ttyS1", "0");
        addTty("rfcomm0", sys_ / "devices/virtual/tty/rfcomm0");
        // Not a serial port at all.
        addTty("tty1", sys_ / "devices/virtual/tty/tty1");
        fs::create_directories(root_ / "dev/serial/by-id");
        fs::create_directory_symlink("../../ttyUSB0", root_ / "dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0");
    }

    void addUsbDevice(const fs::path& dir, const char* vendor, const char* product, const char* maker,
                      const char* name, const char* serial)
    {
        fs::create_directories(dir);
        WriteFile(dir / "idVendor", std::string(vendor) + "\n");
        WriteFile(dir / "idProduct", std::string(product) + "\n");
        WriteFile(dir / "manufacturer", std::string(maker) + "\n");
        if (*name) WriteFile(dir / "product", std::string(name) + "\n");
        if (*serial) WriteFile(dir / "serial", std::string(serial) + "\n");
    }

    void addTty(const std::string& name, const fs::path& deviceDir, const char* type = nullptr)
    {
        const fs::path entry = sys_ / "class/tty" / name;
        fs::create_directories(entry);
        fs::create_directories(deviceDir);
        fs::create_directory_symlink(fs::relative(deviceDir, entry), entry / "device");
        if (type) WriteFile(entry / "type", std::string(type) + "\n");
        fs::create_directories(root_ / "dev");
        WriteFile(root_ / "dev" / name, "");
    }

    std::vector<PresentPort> List(const AccessProbe& probe = [](const fs::path&) { return 0; })
    {
        return ListPresentPorts(root_, probe);
    }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    TempDir temp_{"harwick-discovery"};
    const fs::path root_ = temp_.path() / "root";
    const fs::path sys_ = root_ / "sys";
};

TEST_F(PortDiscovery, ListsRealPortsByComNameWithWhatTheySay)
{
    const std::vector<PresentPort> ports = List();
    std::vector<std::string> labels;
    for (const PresentPort& p : ports) labels.push_back(p.Label());
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "COM1 \u2014 /dev/ttyS0 (serial port)",
                          "COM33 \u2014 /dev/ttyUSB0 (USB-serial adapter: FT232R USB UART)",
                          "COM65 \u2014 /dev/ttyACM0 (USB serial device: Maker)",
                          "/dev/rfcomm0 (Bluetooth serial)",
                      }));
    const PresentPort& adapter = ports[1];
    EXPECT_EQ(adapter.byId, "/dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0");
    EXPECT_EQ(adapter.vendorProduct, "0403:6001");
    EXPECT_EQ(adapter.serial, "A10K3X");
    EXPECT_TRUE(adapter.access.ok);
    EXPECT_EQ(ports[2].vendorProduct, "1d6b:0104");
    EXPECT_EQ(ports[2].byId, "");
}

TEST_F(PortDiscovery, ARefusedPortSaysWhyAndWhatToDo)
{
    const std::vector<PresentPort> ports =
        List([](const fs::path& device) { return device.filename() == "ttyUSB0" ? EACCES : 0; });
    ASSERT_EQ(ports.size(), 4u);
    const PortAccess& refused = ports[1].access;
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.reason.rfind("permission denied (group ", 0), 0u) << refused.reason;
    EXPECT_NE(refused.fix.find("sudo usermod -aG "), std::string::npos) << refused.fix;
    EXPECT_TRUE(ports[0].access.ok);

    const std::vector<PresentPort> busy = List([](const fs::path&) { return ENOENT; });
    EXPECT_FALSE(busy[0].access.ok);
    EXPECT_EQ(busy[0].access.fix, "");

    // Joining the device's group is the fix only where that group may read
    // and write, and it is never root's.
    const fs::path shared = root_ / "shared", owners = root_ / "owners";
    WriteFile(shared, "");
    WriteFile(owners, "");
    const gid_t group = ::getgid() != 0 ? ::getgid() : 20;
    ASSERT_EQ(::chown(shared.c_str(), static_cast<uid_t>(-1), group), 0);
    fs::permissions(shared, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write);
    fs::permissions(owners, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ExplainAccess(shared, EACCES).fix.rfind("add yourself to the group ", 0), 0u) << ExplainAccess(shared, EACCES).fix;
    EXPECT_EQ(ExplainAccess(owners, EACCES).fix.rfind("only its owner may use it", 0), 0u) << ExplainAccess(owners, EACCES).fix;
}

TEST_F(PortDiscovery, AMapNamesOnlyWhatItListsAndAddsItsOwnDevices)
{
    // The map is complete: the adapter keeps the name it was given, through
    // its by-id path; ports the map does not name have no COM name; a mapped
    // pseudo-terminal is a port too.
    const fs::path ports = temp_.path() / "config/harwick/ports";
    fs::create_directories(ports);
    fs::create_symlink("/dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0", ports / "COM7");
    PseudoTerminal pty;
    const fs::path ptyInRoot = root_ / fs::path(pty.slavePath()).relative_path();
    fs::create_directories(ptyInRoot.parent_path());
    WriteFile(ptyInRoot, "");
    WriteFile(ports / "COM9", pty.slavePath() + "\n");
    WriteFile(ports / "COM12", "/dev/ttyUSB7\n"); // not present: not listed

    std::vector<std::string> labels;
    for (const PresentPort& p : List()) labels.push_back(p.Label());
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "COM7 \u2014 /dev/ttyUSB0 (USB-serial adapter: FT232R USB UART)",
                          "COM9 \u2014 " + pty.slavePath() + " (mapped port)",
                          "/dev/rfcomm0 (Bluetooth serial)",
                          "/dev/ttyACM0 (USB serial device: Maker)",
                          "/dev/ttyS0 (serial port)",
                      }));
}

TEST_F(PortDiscovery, MappingAPortKeepsEveryOtherName)
{
    std::string error;
    ASSERT_TRUE(MapPort("com7", "/dev/ttyUSB0", error, root_)) << error;
    // The map did not exist: the ports present keep the names the table gave
    // them, and the adapter is reached through its by-id path.
    const fs::path map = temp_.path() / "config/harwick/ports";
    EXPECT_EQ(fs::read_symlink(map / "COM7"), "/dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0");
    EXPECT_EQ(fs::read_symlink(map / "COM33"), "/dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0");
    EXPECT_EQ(fs::read_symlink(map / "COM1"), "/dev/ttyS0");
    EXPECT_EQ(fs::read_symlink(map / "COM65"), "/dev/ttyACM0");
    std::vector<std::string> names;
    for (const PresentPort& p : List()) names.push_back(p.comName + " " + p.device);
    EXPECT_EQ(names, (std::vector<std::string>{"COM1 /dev/ttyS0", "COM7 /dev/ttyUSB0", "COM65 /dev/ttyACM0",
                                               " /dev/rfcomm0"}));

    // With the map there, a new entry changes only itself.
    ASSERT_TRUE(MapPort("COM8", "/dev/rfcomm0", error, root_)) << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(map), fs::directory_iterator()), 5);

    EXPECT_FALSE(MapPort("COM0", "/dev/ttyUSB0", error, root_));
    EXPECT_EQ(error, "'COM0' is no port name (COM1 to COM256)");
    EXPECT_FALSE(MapPort("COM9", "/dev/ttyUSB4", error, root_));
    EXPECT_EQ(error, "'/dev/ttyUSB4' is no device present");
    EXPECT_FALSE(fs::exists(map / "COM9"));
}

} // namespace
} // namespace harwick::platform
