// The emulated USB interface, driven the way the PC library drives it: each
// transfer opens a FIFO, moves one 64-byte packet and closes it again.

#include "instrument-sim/emulated_usb.h"

#include "cable_packets.h"
#include "scratch.h"
#include "usb_client.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::testing::ReadFile;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::waitUntil;
using testing::instrumentPackets;
using testing::kPacket;
using testing::pcRead;
using testing::pcUploadPackets;
using testing::pcWrite;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

bool isFifo(const fs::path& p)
{
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

class CableUsb : public ::testing::Test {
protected:
    void SetUp() override
    {
        runtime_.set((temp_.path() / "run").string());
        fs::create_directory(temp_.path() / "run");
    }

    std::unique_ptr<EmulatedUsb> launch(CableMisbehaviour misbehave = {}, std::string text = "",
                                        const fs::path& stateDir = {})
    {
        auto usb = std::make_unique<EmulatedUsb>(UsbOptions{"sim0", stateDir, std::move(misbehave)});
        usb->SetSendText(std::move(text));
        std::string error;
        if (!usb->Start(error)) {
            ADD_FAILURE() << "the interface did not start: " << error;
            return nullptr;
        }
        return usb;
    }

    std::vector<std::string> readAll(const fs::path& interface, std::size_t count)
    {
        std::vector<std::string> packets;
        for (std::size_t i = 0; i < count; ++i) packets.push_back(pcRead(interface));
        return packets;
    }

    ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
    TempDir temp_{"cable-usb"};
    const fs::path interface_ = temp_.path() / "run" / "harwick" / "usb" / "sim0";
};

TEST_F(CableUsb, InterfaceLivesFromStartToStopAndLeavesNothing)
{
    auto usb = launch();
    ASSERT_TRUE(usb);
    EXPECT_EQ(usb->InterfacePath(), interface_);
    EXPECT_TRUE(isFifo(interface_ / "PIPE00"));
    EXPECT_TRUE(isFifo(interface_ / "PIPE01"));

    EmulatedUsb second(UsbOptions{});
    std::string error;
    EXPECT_FALSE(second.Start(error)) << "one interface, one instrument";
    EXPECT_NE(error.find("in use"), std::string::npos) << error;
    EXPECT_TRUE(isFifo(interface_ / "PIPE01")) << "the failed start took nothing away";

    usb->Stop();
    usb->Stop();
    EXPECT_FALSE(fs::exists(temp_.path() / "run" / "harwick")) << "the directories it made are gone";
    EXPECT_TRUE(fs::exists(temp_.path() / "run"));
}

TEST_F(CableUsb, InterfaceLeftByADeadSimulatorIsTakenOver)
{
    fs::create_directories(interface_);
    ASSERT_EQ(::mkfifo((interface_ / "PIPE00").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((interface_ / "PIPE01").c_str(), 0600), 0);
    auto usb = launch({}, "X");
    ASSERT_TRUE(usb);
    usb->PressEnter();
    EXPECT_EQ(pcRead(interface_), instrumentPackets("X")[0]);
    usb->Stop();
    EXPECT_TRUE(fs::exists(temp_.path() / "run" / "harwick" / "usb")) << "it did not make the directory";
    EXPECT_FALSE(fs::exists(interface_));
}

TEST_F(CableUsb, EnterSendsTheTextAndEndByteInWholeZeroFilledPackets)
{
    const std::string text = "*110001+0000000000STN1 81..10+0000000021500000\r\n" + std::string(100, 'g') + "\r\n";
    auto usb = launch({}, text);
    ASSERT_TRUE(usb);
    usb->PressEnter();
    const std::vector<std::string> expected = instrumentPackets(text);
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(readAll(interface_, 3), expected);
    EXPECT_EQ(pcRead(interface_, milliseconds(100)), "") << "nothing after the end byte";
    EXPECT_TRUE(waitUntil([&] { return usb->PacketsSent() == 3; })) << usb->PacketsSent();
    EXPECT_EQ(usb->SendsStarted(), 1u);

    usb->SetSendText(std::string(63, 'e'));
    usb->PressEnter();
    EXPECT_EQ(pcRead(interface_), std::string(63, 'e') + "\x1A") << "text and end byte fill one packet exactly";
    usb->SetSendText("");
    usb->PressEnter();
    EXPECT_EQ(pcRead(interface_), instrumentPackets("")[0]);
    EXPECT_TRUE(waitUntil([&] { return usb->PacketsSent() == 5; })) << usb->PacketsSent();
}

TEST_F(CableUsb, SilentInstrumentSendsNothingAndPauseComesOnce)
{
    auto silent = launch(CableMisbehaviour{.silent = true}, "text");
    ASSERT_TRUE(silent);
    silent->PressEnter();
    EXPECT_EQ(pcRead(interface_, milliseconds(300)), "");
    EXPECT_EQ(silent->PacketsSent(), 0u);
    silent->Stop();

    const std::string text(200, 'p');
    auto usb = launch(CableMisbehaviour{.pauseAfterPacket = 1, .pause = milliseconds(400)}, text);
    ASSERT_TRUE(usb);
    usb->PressEnter();
    const std::vector<std::string> expected = instrumentPackets(text);
    EXPECT_EQ(pcRead(interface_), expected[0]);
    const auto afterFirst = Clock::now();
    EXPECT_EQ(pcRead(interface_, milliseconds(100)), "") << "the pause holds the second packet back";
    EXPECT_EQ(pcRead(interface_), expected[1]);
    EXPECT_GE(Clock::now() - afterFirst, milliseconds(300));
    EXPECT_EQ(readAll(interface_, 2), (std::vector<std::string>{expected[2], expected[3]}));
}

TEST_F(CableUsb, UploadsAreAssembledFromThePcsPackets)
{
    const fs::path state = temp_.path() / "state";
    auto usb = launch({}, "", state);
    ASSERT_TRUE(usb);
    const std::vector<std::string> texts = {"P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n", "P1",
                                            std::string(100, 'L') + "\r\n"};
    std::vector<std::string> sent;
    for (const std::string& text : texts) {
        for (const std::string& packet : pcUploadPackets(text)) {
            ASSERT_TRUE(pcWrite(interface_, packet));
            sent.push_back(packet);
        }
    }
    ASSERT_TRUE(waitUntil([&] { return usb->Uploads().size() == texts.size(); })) << usb->Uploads().size();
    EXPECT_EQ(usb->Uploads(), texts);
    EXPECT_EQ(usb->PacketsReceived(), sent);
    const auto times = usb->PacketTimes();
    ASSERT_EQ(times.size(), sent.size());
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_EQ(ReadFile(state / "cable/usb-uploads/1"), texts[0]);
    EXPECT_EQ(ReadFile(state / "cable/usb-uploads/3"), texts[2]);
}

TEST_F(CableUsb, APacketInTwoWritesIsOnePacket)
{
    auto usb = launch();
    ASSERT_TRUE(usb);
    const std::string packet = pcUploadPackets("split\r\n")[0];
    ASSERT_TRUE(pcWrite(interface_, packet.substr(0, 30)));
    ASSERT_TRUE(pcWrite(interface_, packet.substr(30)));
    ASSERT_TRUE(waitUntil([&] { return !usb->PacketsReceived().empty(); }));
    EXPECT_EQ(usb->PacketsReceived(), std::vector<std::string>{packet});
}

TEST_F(CableUsb, LineClosedMidSendGivesThePcTheFirstPacketsOnly)
{
    const std::string text(300, 'c');
    auto usb = launch(CableMisbehaviour{.closeAfterPackets = 2}, text);
    ASSERT_TRUE(usb);
    usb->PressEnter();
    const std::vector<std::string> expected = instrumentPackets(text);
    EXPECT_EQ(readAll(interface_, 2), (std::vector<std::string>{expected[0], expected[1]}));
    EXPECT_TRUE(waitUntil([&] { return !fs::exists(interface_); })) << "the interface vanishes";
    EXPECT_EQ(pcRead(interface_, milliseconds(50)), "");
    EXPECT_FALSE(pcWrite(interface_, expected[0]));
    EXPECT_EQ(usb->PacketsSent(), 2u);
}

TEST_F(CableUsb, LineClosedMidUploadTakesNoMore)
{
    auto usb = launch(CableMisbehaviour{.closeAfterPackets = 1});
    ASSERT_TRUE(usb);
    const std::vector<std::string> packets = pcUploadPackets("A\r\nB\r\n");
    ASSERT_TRUE(pcWrite(interface_, packets[0]));
    EXPECT_TRUE(waitUntil([&] { return !fs::exists(interface_); }));
    EXPECT_FALSE(pcWrite(interface_, packets[1]));
    EXPECT_EQ(usb->PacketsReceived(), std::vector<std::string>{packets[0]});
    EXPECT_TRUE(usb->Uploads().empty());
    usb->Stop();
    EXPECT_FALSE(fs::exists(temp_.path() / "run" / "harwick"));
}

} // namespace
} // namespace harwick::sim
