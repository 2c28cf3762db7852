// The instrument-sim program's cable side, as a person runs it next to the
// cable program: Enter on its input presses Enter on the instrument.

#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/demo_instrument.h"

#include "cable_packets.h"
#include "comports/comports.h"
#include "line_client.h"
#include "scratch.h"
#include "sim_program.h"
#include "usb_client.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::sim::testing::LineClient;
using harwick::testing::ReadFile;
using harwick::testing::WriteFile;
using testing::SimProgram;

class CableProgram : public ::testing::Test {
protected:
    testing::ProgramScratch scratch_{"cable-program"};
    const fs::path usb_ = scratch_.path() / "run/harwick/usb";
};

// The instrument's USB send up to and including its end byte.
std::string usbSend(const fs::path& interface)
{
    std::string got;
    for (std::string packet = testing::pcRead(interface); !packet.empty(); packet = testing::pcRead(interface)) {
        got += packet;
        if (packet.find('\x1A') != std::string::npos) break;
    }
    return got.substr(0, got.find('\x1A') + 1);
}

TEST_F(CableProgram, DemoSendsItsJobOverUsbAndCableWhenEnterIsPressed)
{
    SimProgram program({"--demo", "--port", "COM4", "--usb", "dev1", "--cable", "COM5"});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.line().rfind("instrument-sim: COM4 -> /dev/pts/", 0), 0u);
    EXPECT_EQ(program.line(), "instrument-sim: USB dev1 -> " + (usb_ / "dev1").string());
    const std::optional<std::string> device = platform::DevicePathForPort("COM5");
    ASSERT_TRUE(device);
    EXPECT_EQ(program.line(), "instrument-sim: cable COM5 -> " + *device + " (none)");

    LineClient pc(*device);
    ASSERT_TRUE(program.pressEnter());
    const std::string text = DemoCableText();
    EXPECT_EQ(usbSend(usb_ / "dev1"), text + "\x1A");
    EXPECT_EQ(pc.receive(text.size() + 1), text + "\x04");
    const std::set<std::string> news{program.line(), program.line()};
    EXPECT_EQ(news, (std::set<std::string>{"instrument-sim: USB dev1 sending", "instrument-sim: cable COM5 sending"}));

    for (const std::string& packet : testing::pcUploadPackets("P1,,1.000,2.000,3.000\r\n")) {
        ASSERT_TRUE(testing::pcWrite(usb_ / "dev1", packet));
    }
    EXPECT_EQ(program.line(), "instrument-sim: USB dev1 took upload 1 (23 bytes)");
    EXPECT_EQ(program.end(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(scratch_.path() / "run/harwick"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch_.path() / "config/harwick/ports/COM5")));
}

TEST_F(CableProgram, AckNakLineSendsAKardFileAsBlocksAndStoresUploads)
{
    const fs::path state = scratch_.path() / "state";
    const fs::path points = scratch_.path() / "points.dat";
    WriteFile(points, "P1,,1.000,2.000,3.000\r\nP2,KERB,4.000,5.000,6.000\r\n");
    SimProgram program({"--state", state.string(), "--cable=COM2", "--cable-protocol", "acknak", "--cable-send",
                     points.string()});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.line().rfind("instrument-sim: COM1 -> ", 0), 0u) << "the command port takes the next free name";
    EXPECT_NE(program.line().find("cable COM2 -> "), std::string::npos);

    LineClient pc(platform::DevicePathForPort("COM2").value_or("/nonexistent"));
    const std::string stream = FrameKardCoordinates(ReadFile(points)).value_or("");
    ASSERT_TRUE(pc.send("\x05"));
    EXPECT_EQ(pc.receive(136), stream.substr(0, 136));
    ASSERT_TRUE(pc.send("\x06"));
    EXPECT_EQ(pc.receive(stream.size() - 136 + 1), stream.substr(136) + "\x04");
    EXPECT_EQ(program.line(), "instrument-sim: cable COM2 sending");

    const std::string upload = FrameRecords("_+UP1");
    for (const std::string_view piece : SplitAfterBlockEnds(upload)) {
        ASSERT_TRUE(pc.send(piece));
        if (piece != kEndBlock) {
            EXPECT_EQ(pc.receive(3), "\x06\r\n");
        }
    }
    EXPECT_EQ(program.line(), "instrument-sim: cable COM2 took upload 1 (" + std::to_string(upload.size()) +
                                  " bytes)");
    EXPECT_EQ(ReadFile(state / "cable/serial-uploads/1"), upload);
    EXPECT_EQ(program.end(SIGINT), 0);
}

TEST_F(CableProgram, UnusableSendFileFailsBeforeAnythingIsServed)
{
    const fs::path points = scratch_.path() / "points.dat";
    WriteFile(points, "not KARD\r\n");
    SimProgram program({"--demo", "--usb", "--cable", "COM3", "--cable-protocol", "acknak", "--cable-send",
                     points.string()});
    ASSERT_TRUE(program.running());
    EXPECT_NE(program.line().find("neither a block stream nor KARD lines"), std::string::npos);
    EXPECT_EQ(program.end(0), 1);
    EXPECT_FALSE(fs::exists(scratch_.path() / "run/harwick")) << "the USB interface went again";
    EXPECT_FALSE(fs::exists(scratch_.path() / "config/harwick/ports"));
}

} // namespace
} // namespace harwick::sim
