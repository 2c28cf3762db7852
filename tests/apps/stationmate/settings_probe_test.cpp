// The communication settings dialog's model and the start-up port probe.
#include "port_settings.h"
#include "probe.h"

#include "pty.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace stationmate;
namespace fs = std::filesystem;

namespace {

TEST(PortSettings, ListsOpenSortedWithTheSameChoicesEveryTime)
{
    SettingsDialogModel m = MakeSettingsDialog({"COM2", "COM10", "COM1"});
    EXPECT_EQ(m.port.entries, (std::vector<std::string>{"COM1", "COM10", "COM2"}));
    EXPECT_EQ(m.port.selected, 0u);
    EXPECT_EQ(m.baudRate.entries, (std::vector<std::string>{"1200", "19200", "2400", "4800", "9600"}));
    EXPECT_EQ(m.baudRate.entries[m.baudRate.selected], "19200");
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
    ProbeResult none = ProbePorts([](int) { return false; });
    EXPECT_TRUE(none.ports.empty());
    EXPECT_EQ(none.portNumber, 1);
    int asked = 0;
    ProbeResult some = ProbePorts([&](int n) {
        ++asked;
        return n == 3 || n == 7 || n == 256;
    });
    EXPECT_EQ(asked, 256);
    EXPECT_EQ(some.ports, (std::vector<int>{3, 7, 256}));
    EXPECT_EQ(some.portNumber, 256);
    EXPECT_EQ(some.Names(), (std::vector<std::string>{"COM3", "COM7", "COM256"}));
    DeviceTree tree;
    AddProbedPorts(tree, some);
    ASSERT_EQ(tree.Ports().size(), 3u);
    EXPECT_EQ(tree.Ports()[1]->Title(), "COM7");
    EXPECT_EQ(tree.Ports()[1]->Children()[0]->Title(), "<EMPTY>");
}

TEST(PortProbe, OnlyMappedPortsThatOpenAreFound)
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
    // A device that is there but is no serial line is refused, with the
    // system's reason; an entry naming nothing is no port at all.
    harwick::testing::WriteFile(temp.path() / "not-a-line", "");
    fs::create_symlink(temp.path() / "not-a-line", ports / "COM7");
    ProbeResult found = ProbePorts(CheckPort);
    EXPECT_EQ(found.ports, (std::vector<int>{4}));
    EXPECT_EQ(found.portNumber, 4);
    ASSERT_EQ(found.refused.size(), 1u);
    EXPECT_EQ(found.refused[0].number, 7);
    EXPECT_FALSE(found.refused[0].check.reason.empty());
    EXPECT_FALSE(found.refused[0].check.permission);
    EXPECT_TRUE(CanOpenPort(4));
    EXPECT_FALSE(CanOpenPort(6));
}

// Refusals as the port layer reports them (as root nothing is refused for
// want of rights, so the checks are made up here).
PortCheck Refused(int number, bool permission)
{
    return PortCheck{PortCheck::State::Refused, "/dev/ttyUSB" + std::to_string(number - 33),
                     permission ? "Permission denied" : "Device or resource busy", permission};
}

TEST(PortProbe, PortsThatExistButNoneOpensAreExplainedInOneItem)
{
    const ProbeResult refused = ProbePorts([](int n) {
        return n == 33 || n == 34 ? Refused(n, n == 33) : PortCheck{};
    });
    EXPECT_TRUE(refused.ports.empty());
    const std::string why = UnopenedPortsText(refused);
    EXPECT_NE(why.find("COM33 (/dev/ttyUSB0): Permission denied, and 1 more."), std::string::npos) << why;
    EXPECT_NE(why.find("dialout"), std::string::npos) << why;
    EXPECT_NE(why.find("log out and in again"), std::string::npos) << why;
    DeviceTree tree;
    AddProbedPorts(tree, refused);
    ASSERT_EQ(tree.Ports().size(), 1u);
    EXPECT_EQ(tree.Ports()[0]->Title(), why);
    EXPECT_EQ(tree.Ports()[0]->Image(), kImageNotice);
    EXPECT_TRUE(tree.Ports()[0]->Children().empty());

    // Busy, not forbidden: no word about groups.
    EXPECT_EQ(UnopenedPortsText(ProbePorts([](int n) { return n == 40 ? Refused(n, false) : PortCheck{}; }))
                  .find("dialout"),
              std::string::npos);

    // Probed again with another reason: the item says the new one.
    AddProbedPorts(tree, ProbePorts([](int n) { return n == 40 ? Refused(n, false) : PortCheck{}; }));
    ASSERT_EQ(tree.Ports().size(), 1u);
    EXPECT_NE(tree.Ports()[0]->Title().find("COM40"), std::string::npos) << tree.Ports()[0]->Title();

    // Probed again with the adapter usable: the port comes, the item goes;
    // ports already shown stay, new ones take their place by number.
    ProbeResult usable = ProbePorts([](int n) { return n == 33; });
    AddProbedPorts(tree, usable);
    ASSERT_EQ(tree.Ports().size(), 1u);
    EXPECT_EQ(tree.Ports()[0]->Title(), "COM33");
    tree.Ports()[0]->SetTitle("COM33: 12345");
    AddProbedPorts(tree, ProbePorts([](int n) { return n == 2 || n == 33 || n == 40; }));
    ASSERT_EQ(tree.Ports().size(), 3u);
    EXPECT_EQ(tree.Ports()[0]->Title(), "COM2");
    EXPECT_EQ(tree.Ports()[1]->Title(), "COM33: 12345") << "a listed port is kept as it is";
    EXPECT_EQ(tree.Ports()[2]->Title(), "COM40");
    EXPECT_TRUE(UnopenedPortsText(usable).empty());
}

} // namespace
