// `harwick cable` end to end: conversions write their result or nothing, and
// receiving and sending go through the settings file to the simulated
// instrument, over USB and over a COM port.
#include "cable.h"
#include "convert.h"

#include "instrument-sim/emulated_usb.h"
#include "instrument-sim/serial_cable.h"

#include "cable_messages.h"
#include "language_scope.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace harwick::cli {
namespace {

using harwick::testing::ReadFile;
using harwick::testing::WriteFile;

class CableCommand : public ::testing::Test {
protected:
    void SetUp() override {
        config_.set((dir_.path() / "config").string());
        runtime_.set((dir_.path() / "runtime").string());
        std::filesystem::create_directories(dir_.path() / "work");
        std::filesystem::current_path(dir_.path() / "work");
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    int Run(std::vector<std::string> args, const std::string& input = "\n", ProgressTerminal terminal = {}) {
        std::istringstream in(input);
        out_.str({});
        err_.str({});
        return cable(args, {in, out_, err_}, USBPIPE_DIR, terminal);
    }
    std::filesystem::path File(const std::string& name) const { return dir_.path() / "work" / name; }

    std::filesystem::path previous_ = std::filesystem::current_path();
    harwick::testing::TempDir dir_{"harwick-cable"};
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    harwick::testing::ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
    std::ostringstream out_, err_;
};

TEST_F(CableCommand, ConversionWritesItsResult) {
    WriteFile(File("in.dat"), "P1,100.000,200.000,3.000,TREE\r\n");
    EXPECT_EQ(Run({"convert", "kard600-to-kard300", File("in.dat"), File("out.dat")}), kExitOk) << err_.str();
    EXPECT_EQ(ReadFile(File("out.dat")), "P1,TREE,100.000,200.000,3.000\r\n");

    WriteFile(File("job.gsi"), "410001+0000TREE \r\n110001+000000P1 81..00+00001234 82..00+00005678 83..00+00000012 \r\n");
    EXPECT_EQ(Run({"convert", "gsi-to-kard", File("job.gsi"), File("job.dat")}), kExitOk) << err_.str();
    EXPECT_EQ(ReadFile(File("job.dat")), "P1,TREE,1.234,5.678,0.012\r\n");

    WriteFile(File("pts.dat"), "P1,TREE,100.5,200.25,3.125\r\n");
    EXPECT_EQ(Run({"convert", "kard-to-dxf", File("pts.dat"), File("pts.dxf")}), kExitOk) << err_.str();
    EXPECT_NE(ReadFile(File("pts.dxf")).find("PointNumber"), std::string::npos);
}

TEST_F(CableCommand, RefusedConversionWritesNothing) {
    WriteFile(File("bad.dat"), "P1,1,2\r\n");
    WriteFile(File("old.txt"), "keep me");
    EXPECT_EQ(Run({"convert", "kard-to-blocks", File("bad.dat"), File("old.txt")}), kExitFailed);
    EXPECT_EQ(ReadFile(File("old.txt")), "keep me");
    EXPECT_NE(err_.str().find("invalid format!"), std::string::npos);
    EXPECT_EQ(Run({"convert", "kard-to-dxf", File("bad.dat"), File("new.dxf")}), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(File("new.dxf")));
    EXPECT_EQ(Run({"convert", "sideways", File("bad.dat"), File("new.dxf")}), kExitUsage);
    EXPECT_EQ(Run({"convert", "coord-blocks", File("missing"), File("new.dxf")}), kExitFailed);
    EXPECT_EQ(Run({"send"}), kExitUsage);
}

TEST_F(CableCommand, ReceiveAndSendOverUsb) {
    harwick::sim::EmulatedUsb sim{harwick::sim::UsbOptions{}};
    std::string error;
    ASSERT_TRUE(sim.Start(error)) << error;
    // The instrument's Enter is pressed before the computer's; its packets wait in the pipe.
    sim.SetSendText("A\r\nB\r\n");
    sim.PressEnter();
    EXPECT_EQ(Run({"receive", "usb", File("got.txt")}), kExitOk) << err_.str();
    EXPECT_EQ(ReadFile(File("got.txt")), "A\r\nB\r\n\x1A");
    EXPECT_NE(out_.str().find("Receive data ok!"), std::string::npos);

    // Row delay and time-out come from the settings file.
    WriteFile(File("qtr_cfg.ini"), "[QTRUSBSETTING]\r\nUSBRevRowDelay=1\r\nUSBRevTimeOut=300\r\n");
    WriteFile(File("up.dat"), "P1,,1.000,2.000,3.000\r\n");
    EXPECT_EQ(Run({"send", "usb", File("up.dat")}), kExitOk) << err_.str();
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
    EXPECT_EQ(sim.Uploads()[0], "P1,,1.000,2.000,3.000\r\n");

    sim.Stop();
    EXPECT_EQ(Run({"receive", "usb", File("none.txt")}), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(File("none.txt")));
}

// On a terminal a receive that takes its time shows lines and bytes on one
// line of stderr, wiped when it ends; the prompt and the result stay on
// stdout, and the file gets every byte.
TEST_F(CableCommand, ProgressOnATerminalCountsLinesAndIsWipedAtTheEnd) {
    harwick::sim::UsbOptions options;
    options.misbehave.pauseAfterPacket = 2;
    options.misbehave.pause = std::chrono::milliseconds(700);
    harwick::sim::EmulatedUsb sim{options};
    std::string error;
    ASSERT_TRUE(sim.Start(error)) << error;
    std::string text;
    for (int i = 0; i < 40; ++i) text += "P" + std::to_string(i) + ",,1000.000,2000.000,100.000\r\n";
    sim.SetSendText(text);
    sim.PressEnter();
    EXPECT_EQ(Run({"receive", "usb", File("got.txt")}, "\n", {true, 0}), kExitOk) << err_.str();
    EXPECT_EQ(ReadFile(File("got.txt")), text + "\x1A");
    const std::string drawn = err_.str();
    EXPECT_NE(drawn.find(" lines, "), std::string::npos) << drawn;
    EXPECT_NE(drawn.find(" elapsed"), std::string::npos) << drawn;
    EXPECT_EQ(drawn.find('\n'), std::string::npos) << drawn;
    EXPECT_TRUE(drawn.ends_with(" \r")) << drawn;
    EXPECT_EQ(out_.str().find('\r'), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("Receive data ok!"), std::string::npos) << out_.str();

    // --quiet: nothing on the terminal at all.
    sim.SetSendText(text);
    sim.PressEnter();
    EXPECT_EQ(Run({"receive", "usb", File("quiet.txt"), "--quiet"}, "\n", {true, 0}), kExitOk) << err_.str();
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(ReadFile(File("quiet.txt")), text + "\x1A");
}

TEST_F(CableCommand, SendCoordinateBlocksOverACom) {
    harwick::sim::SerialCableOptions options;
    options.protocol = harwick::sim::CableProtocol::AckNak;
    harwick::sim::SerialCable sim(options);
    std::string error;
    ASSERT_TRUE(sim.Start(error)) << error;
    WriteFile(File("qtr_cfg.ini"), "[QTRCOMSETTING]\r\nCOMPort=COM1\r\nBaudrate=115200\r\nCheckBit=0\r\nDataBit=8\r\n"
                                   "Protol=1\r\nReceiveTimeOut=2000\r\nRowDelay=1\r\nStopBit=0\r\n");
    WriteFile(File("pts.dat"), "P1,TREE,1234.567,-2.250,0\r\n");
    EXPECT_EQ(Run({"send", sim.PortName(), File("pts.dat"), "--blocks", "coords"}), kExitOk) << err_.str();
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
    EXPECT_NE(sim.Uploads()[0].find("_+P1        _ x+001234567_ y-000002250_ z+000000000"), std::string::npos);
    EXPECT_EQ(Run({"send", "COM250", File("pts.dat")}), kExitFailed);
}

// The cable program's messages on the command line speak the user's language
// too: English without a Chinese character, or Chinese.
TEST_F(CableCommand, MessagesFollowTheLanguage) {
    using harwick::testing::HasChinese;
    harwick::sim::EmulatedUsb sim{harwick::sim::UsbOptions{}};
    std::string error;
    ASSERT_TRUE(sim.Start(error)) << error;
    WriteFile(File("pts.dat"), "P1,TREE,1.000,2.000,3.000\r\n");
    for (const Language language : {Language::English, Language::Chinese}) {
        const harwick::testing::LanguageScope scope(language);
        sim.SetSendText("A\r\n");
        sim.PressEnter();
        EXPECT_EQ(Run({"receive", "usb", File("got.txt")}), kExitOk) << err_.str();
        const std::string received = out_.str();
        EXPECT_NE(received.find(std::string(cablemate::kReceiveDataOkUsb)), std::string::npos) << received;
        EXPECT_EQ(Run({"send", "COM250", File("pts.dat")}), kExitFailed);
        const std::string refused = out_.str() + err_.str();
        EXPECT_NE(refused.find(std::string(cablemate::kPortMissingOrBusy)), std::string::npos) << refused;
        if (language == Language::English) {
            EXPECT_FALSE(HasChinese(received + refused)) << received << refused;
            EXPECT_NE(refused.find("COM port"), std::string::npos) << refused;
        } else {
            EXPECT_TRUE(HasChinese(received)) << received;
            EXPECT_NE(refused.find("不存在该端口"), std::string::npos) << refused;
        }
    }
}

} // namespace
} // namespace harwick::cli
