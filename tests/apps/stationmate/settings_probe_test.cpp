// The communication settings dialog's model and the start-up port probe.
#include "port_settings.h"
#include "probe.h"

#include "pty.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using namespace stationmate;
namespace fs = std::filesystem;

namespace {

using harwick::platform::ExplainAccess;

// A port as discovery reports it, usable unless access says otherwise.
PresentPort Present(std::string comName, std::string device, PortAccess access = {})
{
    PresentPort port;
    port.comName = std::move(comName);
    port.device = std::move(device);
    port.access = std::move(access);
    return port;
}

// The probe's own open left out: a port opens when discovery found it usable.
PortAccess AsDiscovered(const PresentPort& port) { return port.access; }

TEST(PortSettings, ListsPortsByLabelSortedWithTheSameChoicesEveryTime)
{
    SettingsDialogModel m = MakeSettingsDialog(
        {Present("COM2", "/dev/ttyS1"), Present("COM10", "/dev/ttyS9"), Present("COM1", "/dev/ttyS0"),
         Present("", "/dev/ttyUSB3")});
    EXPECT_EQ(m.port.entries, (std::vector<std::string>{"COM1 \u2014 /dev/ttyS0 (serial port)",
                                                        "COM10 \u2014 /dev/ttyS9 (serial port)",
                                                        "COM2 \u2014 /dev/ttyS1 (serial port)"}))
        << "a port without a COM name cannot be chosen";
    EXPECT_EQ(m.port.Value(1), "COM10") << "an entry chooses the COM name the program uses";
    EXPECT_EQ(m.port.Value(3), "");
    EXPECT_EQ(m.port.selected, 0u);
    EXPECT_EQ(m.baudRate.entries, (std::vector<std::string>{"1200", "19200", "2400", "4800", "9600"}));
    EXPECT_EQ(m.baudRate.entries[m.baudRate.selected], "19200");
    EXPECT_EQ(m.baudRate.Value(m.baudRate.selected), "19200");
    EXPECT_EQ(m.parity.entries, (std::vector<std::string>{"Even", "None", "Odd"}));
    EXPECT_EQ(m.parity.entries[m.parity.selected], "None");
    EXPECT_EQ(m.dataBits.entries[m.dataBits.selected], "8");
    EXPECT_EQ(m.stopBits.entries, (std::vector<std::string>{"1"}));
    EXPECT_EQ(m.endmark.entries[m.endmark.selected], "CRLF");
    EXPECT_EQ(m.instrument.entries, (std::vector<std::string>{"QRX700"}));
    EXPECT_TRUE(MakeSettingsDialog({}).port.entries.empty());
}

TEST(PortSettings, ChoicesMakeTheSettingsText)
{
    EXPECT_EQ(PortSettingsFrom({"COM1", "QRX700", "9600", "Even", "1", "7", "CR"}), "9600,e,7,1");
    EXPECT_EQ(PortSettingsFrom({"COM1", "QRX700", "19200", "None", "1", "8", "CRLF"}), "19200,n,8,1");
    EXPECT_EQ(PortSettingsFrom({"COM1", "QRX700", "1200", "Odd", "1", "8", "CRLF"}), "1200,o,8,1");
}

TEST(PortSettings, OnlyAnUnlistedPortNodeIsExpanded)
{
    DeviceTree tree;
    tree.AddPort(1).SetTitle("COM1: 12345\r\n");
    DeviceNode& com2 = tree.AddPort(2);
    EXPECT_TRUE(PortNodesToExpand(tree, "COM1").empty());
    EXPECT_EQ(PortNodesToExpand(tree, "COM2"), (std::vector<DeviceNode*>{&com2}));
}

TEST(PortProbe, HighestPortFoundBecomesThePortNumber)
{
    ProbeResult none = ProbePorts(std::vector<PresentPort>{}, AsDiscovered);
    EXPECT_TRUE(none.ports.empty());
    EXPECT_EQ(none.portNumber, 1);
    std::vector<std::string> asked;
    ProbeResult some = ProbePorts(
        {Present("COM3", "/dev/ttyS2"), Present("COM7", "/dev/ttyS6"), Present("", "/dev/rfcomm0"),
         Present("COM256", "/dev/ttyX")},
        [&](const PresentPort& port) {
            asked.push_back(port.comName);
            return PortAccess{};
        });
    EXPECT_EQ(asked, (std::vector<std::string>{"COM3", "COM7", "COM256"})) << "only ports the link can open";
    EXPECT_EQ(some.ports, (std::vector<int>{3, 7, 256}));
    EXPECT_EQ(some.portNumber, 256);
    EXPECT_EQ(some.present.size(), 3u);
    DeviceTree tree;
    AddProbedPorts(tree, some);
    ASSERT_EQ(tree.Ports().size(), 3u);
    EXPECT_EQ(tree.Ports()[1]->Title(), "COM7");
    EXPECT_EQ(tree.Ports()[1]->Children()[0]->Title(), "<EMPTY>");
}

TEST(PortProbe, MappedPortsThatOpenAreFoundAndTheDialogNamesEveryPresentOne)
{
    harwick::testing::TempDir temp("harwick-probe");
    harwick::testing::ScopedEnv config("XDG_CONFIG_HOME");
    config.set(temp.path().string());
    const fs::path ports = temp.path() / "harwick" / "ports";
    fs::create_directories(ports);
    harwick::testing::PseudoTerminal line;
    ASSERT_FALSE(line.slavePath().empty());
    fs::create_symlink(line.slavePath(), ports / "COM4");
    fs::create_symlink(temp.path() / "gone", ports / "COM6");
    // A device that is there but is no serial line is refused with the
    // system's reason; an entry naming nothing is no port at all.
    const fs::path notALine = temp.path() / "not-a-line";
    harwick::testing::WriteFile(notALine, "");
    fs::create_symlink(notALine, ports / "COM7");
    const ProbeResult found = ProbePorts(PortSource{});
    EXPECT_EQ(found.ports, (std::vector<int>{4}));
    EXPECT_EQ(found.portNumber, 4);
    const std::vector<PresentPort> refused = found.Refused();
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].comName, "COM7");
    EXPECT_FALSE(refused[0].access.reason.empty());
    EXPECT_TRUE(refused[0].access.fix.empty()) << "no rights are missing: " << refused[0].access.Text();

    const SettingsDialogModel m = MakeSettingsDialog(found.present);
    const std::string com4 = "COM4 \u2014 " + line.slavePath() + " (mapped port)";
    const std::string com7 = "COM7 \u2014 " + notALine.string() + " (mapped port): not usable: " + refused[0].access.Text();
    ASSERT_EQ(m.port.entries, (std::vector<std::string>{com4, com7}));
    EXPECT_EQ(m.port.Value(0), "COM4");
    EXPECT_EQ(m.port.Value(1), "COM7");
}

TEST(PortProbe, AnAdapterTheUserMayNotOpenIsShownByWhatItIsWithTheFix)
{
    // A made-up machine: a USB-serial adapter the ports map names COM33 and
    // a USB device it names nothing; the adapter is refused at discovery.
    harwick::testing::TempDir temp("harwick-probe-tree");
    harwick::testing::ScopedEnv config("XDG_CONFIG_HOME");
    config.set((temp.path() / "config").string());
    const fs::path root = temp.path() / "root";
    const fs::path usb = root / "sys/devices/usb1/1-2";
    fs::create_directories(usb / "1-2:1.0/ttyUSB0");
    harwick::testing::WriteFile(usb / "idVendor", "0403\n");
    harwick::testing::WriteFile(usb / "idProduct", "6001\n");
    harwick::testing::WriteFile(usb / "product", "FT232R USB UART\n");
    fs::create_directories(root / "dev");
    for (const char* tty : {"ttyUSB0", "ttyACM0"}) {
        const fs::path entry = root / "sys/class/tty" / tty;
        fs::create_directories(entry);
        fs::create_directory_symlink(fs::relative(usb / "1-2:1.0/ttyUSB0", entry), entry / "device");
        harwick::testing::WriteFile(root / "dev" / tty, "");
    }
    const fs::path ports = temp.path() / "config" / "harwick" / "ports";
    fs::create_directories(ports);
    fs::create_symlink("/dev/ttyUSB0", ports / "COM33");
    const PortSource source{root, [](const fs::path& device) { return device.filename() == "ttyUSB0" ? EACCES : 0; },
                            CheckPort};

    const ProbeResult probe = ProbePorts(source);
    EXPECT_TRUE(probe.ports.empty());
    ASSERT_EQ(probe.present.size(), 1u) << "a port without a COM name is not the link's";
    const PortAccess denied = ExplainAccess(root / "dev/ttyUSB0", EACCES);
    EXPECT_EQ(UnopenedPortsText(probe), "No serial port could be opened: COM33 \u2014 /dev/ttyUSB0 (USB-serial adapter: "
                                        "FT232R USB UART): " + denied.Text() + ".");
    const SettingsDialogModel m = MakeSettingsDialog(probe.present);
    EXPECT_EQ(m.port.entries, (std::vector<std::string>{"COM33 \u2014 /dev/ttyUSB0 (USB-serial adapter: FT232R USB "
                                                        "UART): not usable: " + denied.Text()}));
    EXPECT_EQ(m.port.Value(0), "COM33");
}

TEST(PortProbe, TheOpenKeepsDiscoverysRefusalAndExplainsItsOwn)
{
    // Refused by discovery: said as discovery said it, without trying the device.
    const PortAccess denied = ExplainAccess("/dev/harwick-no-such-device", EACCES);
    EXPECT_EQ(CheckPort(Present("COM33", "/dev/harwick-no-such-device", denied)).Text(), denied.Text());
    // Gone since discovery: said as every open says it.
    const PortAccess gone = CheckPort(Present("COM33", "/dev/harwick-no-such-device"));
    EXPECT_FALSE(gone.ok);
    EXPECT_EQ(gone.Text(), "the device is not there; is the cable plugged in?");
    harwick::testing::PseudoTerminal line;
    ASSERT_FALSE(line.slavePath().empty());
    EXPECT_TRUE(CheckPort(Present("COM4", line.slavePath())).ok);
}

// Ports present that the user may not open, refused at discovery (as root
// nothing is refused for want of rights, so the refusals are made up here).
TEST(PortProbe, PortsThatExistButNoneOpensAreExplainedInOneItem)
{
    const PortAccess denied = ExplainAccess("/dev/harwick-no-such-device", EACCES);
    const PortAccess busy = ExplainAccess("/dev/harwick-no-such-device", EBUSY);
    PresentPort adapter = Present("COM33", "/dev/ttyUSB0", denied);
    adapter.vendorProduct = "0403:6001";
    adapter.product = "FT232R USB UART";
    const ProbeResult refused = ProbePorts(
        {adapter, Present("COM34", "/dev/ttyUSB1", denied), Present("COM40", "/dev/ttyUSB7", busy)}, CheckPort);
    EXPECT_TRUE(refused.ports.empty());
    const std::string why = UnopenedPortsText(refused);
    // One sentence per explanation, naming each port it holds for.
    EXPECT_EQ(why, "No serial port could be opened: COM33 \u2014 /dev/ttyUSB0 (USB-serial adapter: FT232R USB UART), "
                   "COM34 \u2014 /dev/ttyUSB1 (USB-serial adapter): " +
                       denied.Text() + ". COM40 \u2014 /dev/ttyUSB7 (USB-serial adapter): " + busy.Text() + ".");
    EXPECT_NE(why.find("dialout"), std::string::npos) << why;
    EXPECT_NE(why.find("log out and in again"), std::string::npos) << why;
    DeviceTree tree;
    AddProbedPorts(tree, refused);
    ASSERT_EQ(tree.Ports().size(), 1u);
    EXPECT_EQ(tree.Ports()[0]->Title(), why);
    EXPECT_EQ(tree.Ports()[0]->Image(), kImageNotice);
    EXPECT_TRUE(tree.Ports()[0]->Children().empty());
    // The settings dialog offers the refused ports too, each with its reason.
    const SettingsDialogModel m = MakeSettingsDialog(refused.present);
    ASSERT_EQ(m.port.entries.size(), 3u);
    EXPECT_EQ(m.port.entries[2], "COM40 \u2014 /dev/ttyUSB7 (USB-serial adapter): not usable: " + busy.Text());
    EXPECT_EQ(m.port.Value(2), "COM40");

    // Busy, not forbidden: no word about groups.
    const ProbeResult busyOnly = ProbePorts({Present("COM40", "/dev/ttyUSB7", busy)}, CheckPort);
    EXPECT_EQ(UnopenedPortsText(busyOnly).find("dialout"), std::string::npos);

    // Probed again with another reason: the item says the new one.
    AddProbedPorts(tree, busyOnly);
    ASSERT_EQ(tree.Ports().size(), 1u);
    EXPECT_NE(tree.Ports()[0]->Title().find("COM40"), std::string::npos) << tree.Ports()[0]->Title();

    // Probed again with the adapter usable: the port comes, the item goes;
    // ports already shown stay, new ones take their place by number.
    ProbeResult usable = ProbePorts({Present("COM33", "/dev/ttyUSB0")}, AsDiscovered);
    AddProbedPorts(tree, usable);
    ASSERT_EQ(tree.Ports().size(), 1u);
    EXPECT_EQ(tree.Ports()[0]->Title(), "COM33");
    tree.Ports()[0]->SetTitle("COM33: 12345");
    AddProbedPorts(tree, ProbePorts({Present("COM2", "/dev/ttyS1"), Present("COM33", "/dev/ttyUSB0"),
                                     Present("COM40", "/dev/ttyUSB7")},
                                    AsDiscovered));
    ASSERT_EQ(tree.Ports().size(), 3u);
    EXPECT_EQ(tree.Ports()[0]->Title(), "COM2");
    EXPECT_EQ(tree.Ports()[1]->Title(), "COM33: 12345") << "a listed port is kept as it is";
    EXPECT_EQ(tree.Ports()[2]->Title(), "COM40");
    EXPECT_TRUE(UnopenedPortsText(usable).empty());
}

} // namespace
