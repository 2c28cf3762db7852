#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/cable_console.h"
#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/sim_options.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::sim {
namespace {

using Args = std::vector<std::string>;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;

std::optional<ProgramOptions> parse(const Args& args, std::string& error)
{
    error.clear();
    return ParseArguments(args, error);
}

TEST(InstrumentSimCableOptions, EveryCableOptionReachesTheProgram)
{
    std::string error;
    const auto o = parse({"--demo", "--usb", "dev1", "--cable", "COM9", "--cable-protocol=acknak", "--cable-send",
                          "points.dat", "--cable-silent", "--cable-pause-after", "2", "--cable-pause", "250",
                          "--cable-nak-after", "0", "--cable-wrong-ack", "\\x15\\r\\n", "--cable-close-after", "7",
                          "--cable-after-eot", "junk\\x1A"},
                         error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->usbInterface, "dev1");
    EXPECT_EQ(o->cablePort, "COM9");
    EXPECT_EQ(o->cableProtocol, CableProtocol::AckNak);
    EXPECT_EQ(o->cableSend, "points.dat");
    const CableMisbehaviour& m = o->cableMisbehave;
    EXPECT_TRUE(m.silent);
    EXPECT_EQ(m.pauseAfterPacket, 2u);
    EXPECT_EQ(m.pause, std::chrono::milliseconds(250));
    EXPECT_EQ(m.nakAfterBlocks, 0u) << "NAK for the very first block";
    EXPECT_EQ(m.wrongAck, "\x15\r\n");
    EXPECT_EQ(m.closeAfterPackets, 7u);
    EXPECT_EQ(m.bytesAfterEot, "junk\x1A");
    EXPECT_TRUE(o->demo);
}

TEST(InstrumentSimCableOptions, UsbNameIsOptionalAndDefaultsAreQuiet)
{
    std::string error;
    auto o = parse({"--usb", "--demo"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->usbInterface, UsbOptions{}.interfaceName) << "--demo is no interface name";
    EXPECT_TRUE(o->demo);
    o = parse({"--demo", "--usb=cable2"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->usbInterface, "cable2");
    o = parse({"--demo", "--usb"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->usbInterface, "sim0");
    EXPECT_FALSE(o->cablePort);
    EXPECT_EQ(o->cableProtocol, CableProtocol::None);
    EXPECT_FALSE(o->cableMisbehave.silent);
    EXPECT_FALSE(o->cableMisbehave.closeAfterPackets);
    EXPECT_FALSE(parse({"--demo"}, error)->usbInterface);
}

TEST(InstrumentSimCableOptions, BadCableCommandLinesSayWhatIsWrong)
{
    std::string error;
    for (const Args& bad : {Args{"--demo", "--cable", "COM1", "--cable-protocol", "xonxoff"},
                            Args{"--demo", "--usb", "--cable-close-after", "0"},
                            Args{"--demo", "--usb", "--cable-pause-after", "x"},
                            Args{"--demo", "--usb", "--cable-wrong-ack", ""},
                            Args{"--demo", "--usb", "--cable-after-eot", "\\z"}, Args{"--demo", "--usb="}}) {
        EXPECT_FALSE(parse(bad, error));
        EXPECT_NE(error.find("bad value"), std::string::npos) << bad[bad.size() - 2] << ' ' << bad.back();
    }
    EXPECT_FALSE(parse({"--demo", "--cable-protocol", "acknak"}, error));
    EXPECT_NE(error.find("need --usb or --cable"), std::string::npos) << error;
    EXPECT_FALSE(parse({"--demo", "--cable"}, error));
    EXPECT_NE(error.find("needs a value"), std::string::npos) << error;
}

TEST(InstrumentSimCableOptions, HelpDocumentsTheCableSide)
{
    const std::string help = HelpText();
    for (const char* word : {"--usb [NAME]", "--cable COMn", "--cable-protocol", "none", "acknak", "--cable-send",
                             "--cable-silent", "--cable-pause-after", "--cable-pause ", "--cable-nak-after",
                             "--cable-wrong-ack", "--cable-close-after", "--cable-after-eot", "Enter",
                             "cable/usb-uploads/<n>", "cable/serial-uploads/<n>", "KARD"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

TEST(InstrumentSimCableOptions, SendTextComesFromTheFileOrTheDemo)
{
    TempDir temp("cable-send");
    std::string error;
    ProgramOptions options;
    EXPECT_EQ(CableSendText(options, true, error), "") << "nothing to send without file or demo";

    options.demo = true;
    const std::optional<std::string> gsi = CableSendText(options, false, error);
    ASSERT_TRUE(gsi);
    EXPECT_EQ(*gsi, DemoCableText());
    EXPECT_EQ(gsi->rfind("*110001+", 0), 0u) << "a GSI-16 job: " << gsi->substr(0, 40);
    EXPECT_EQ(CableSendText(options, true, error), FrameKardCoordinates(DemoCableKard()));

    options.cableSend = temp.path() / "points.dat";
    WriteFile(options.cableSend, "P1,,1.000,2.000,3.000\r\n");
    EXPECT_EQ(CableSendText(options, false, error), "P1,,1.000,2.000,3.000\r\n") << "USB sends the file as it is";
    EXPECT_EQ(CableSendText(options, true, error), FrameKardCoordinates("P1,,1.000,2.000,3.000\r\n"));
    WriteFile(options.cableSend, "\x02 framed already");
    EXPECT_EQ(CableSendText(options, true, error), "\x02 framed already");
    WriteFile(options.cableSend, "no KARD\r\n");
    EXPECT_FALSE(CableSendText(options, true, error));
    EXPECT_NE(error.find("neither a block stream nor KARD lines"), std::string::npos) << error;
    options.cableSend = temp.path() / "missing";
    EXPECT_FALSE(CableSendText(options, false, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
}

} // namespace
} // namespace harwick::sim
