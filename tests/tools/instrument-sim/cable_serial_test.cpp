// The serial cable in streaming mode, driven through its COM port name the
// way the cable program opens it.

#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/serial_cable.h"

#include "comports/comports.h"
#include "line_client.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::sim::testing::LineClient;
using harwick::testing::ReadFile;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::waitUntil;
using std::chrono::milliseconds;

constexpr milliseconds kQuiet{200};  // long enough to see an answer that should not come

const std::string kAck = "\x06\r\n";

class CableSerial : public ::testing::Test {
protected:
    void SetUp() override { config_.set((temp_.path() / "config").string()); }

    std::unique_ptr<SerialCable> launch(CableProtocol protocol, CableMisbehaviour misbehave = {}, std::string text = "")
    {
        auto cable = std::make_unique<SerialCable>(SerialCableOptions{"", protocol, state_, std::move(misbehave)});
        cable->SetSendText(std::move(text));
        std::string error;
        if (!cable->Start(error)) {
            ADD_FAILURE() << "the cable did not start: " << error;
            return nullptr;
        }
        return cable;
    }

    static LineClient connect(const SerialCable& cable)
    {
        return LineClient(platform::DevicePathForPort(cable.PortName()).value_or("/nonexistent"));
    }

    bool registered(const std::string& name) const
    {
        return fs::exists(fs::symlink_status(temp_.path() / "config/harwick/ports" / name));
    }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    TempDir temp_{"cable-serial"};
    const fs::path state_ = temp_.path() / "state";
};

std::string blocks(std::size_t records) { return FrameRecords(std::string(records, 'r')); }

TEST_F(CableSerial, NoneStreamsTheTextThenEotWithWhatRidesBehindIt)
{
    const std::string text = std::string(150, 'n') + "\r\n";
    auto cable = launch(CableProtocol::None, CableMisbehaviour{.bytesAfterEot = "\r\nZZ"}, text);
    ASSERT_TRUE(cable);
    EXPECT_EQ(cable->PortName(), "COM1");
    EXPECT_TRUE(registered("COM1"));
    LineClient pc = connect(*cable);
    ASSERT_TRUE(pc.valid());
    cable->PressEnter();
    const std::string expected = text + "\x04\r\nZZ";
    EXPECT_EQ(pc.receive(expected.size()), expected);
    EXPECT_EQ(pc.receive(1, kQuiet), "");
    EXPECT_EQ(cable->SendsStarted(), 1u);

    cable->Stop();
    cable->Stop();
    EXPECT_FALSE(registered("COM1"));
}

TEST_F(CableSerial, ThePcEmptyingItsInputIsSeenAndDataStillFlowsUnchanged)
{
    auto cable = launch(CableProtocol::None, {}, "A\r\n");
    ASSERT_TRUE(cable);
    LineClient pc = connect(*cable);
    ASSERT_TRUE(pc.valid());
    EXPECT_EQ(cable->InputPurges(), 0u);
    ASSERT_TRUE(pc.purgeInput());
    ASSERT_TRUE(waitUntil([&] { return cable->InputPurges() == 1; }));
    ASSERT_TRUE(pc.purgeInput());
    ASSERT_TRUE(waitUntil([&] { return cable->InputPurges() == 2; }));
    // The news of the line is no byte of an upload.
    ASSERT_TRUE(pc.send("X\r\n\x04\r\n"));
    ASSERT_TRUE(waitUntil([&] { return cable->UploadCount() == 1; }));
    EXPECT_EQ(cable->BytesReceived(), "X\r\n\x04\r\n");
    EXPECT_EQ(cable->Uploads()[0], "X\r\n");
    cable->PressEnter();
    EXPECT_EQ(pc.receive(4), "A\r\n\x04");
}

TEST_F(CableSerial, AckNakWaitsForEnqThenForAnAckAfterEveryBlock)
{
    const std::string stream = blocks(200);  // two blocks and the end block
    auto cable = launch(CableProtocol::AckNak, {}, stream);
    ASSERT_TRUE(cable);
    LineClient pc = connect(*cable);
    cable->PressEnter();
    EXPECT_EQ(pc.receive(1, kQuiet), "") << "Enter alone does not start an Ack/Nak send";
    ASSERT_TRUE(pc.send("\x05"));
    const std::size_t block = 136;
    EXPECT_EQ(pc.receive(block), stream.substr(0, block));
    EXPECT_EQ(pc.receive(1, kQuiet), "") << "the second block waits for the ACK";
    ASSERT_TRUE(pc.send("\x06"));
    EXPECT_EQ(pc.receive(block), stream.substr(block, block));
    ASSERT_TRUE(pc.send("\x06"));
    EXPECT_EQ(pc.receive(kEndBlock.size() + 1), std::string(kEndBlock) + "\x04")
        << "the end block is not acknowledged; EOT follows it";
    EXPECT_EQ(cable->SendsStarted(), 1u);
    EXPECT_TRUE(cable->Uploads().empty()) << "handshake bytes are no upload";
    EXPECT_EQ(cable->BytesReceived(), "\x05\x06\x06");
}

TEST_F(CableSerial, AckNakSendsATextWithoutBlocksWhole)
{
    auto cable = launch(CableProtocol::AckNak, CableMisbehaviour{.bytesAfterEot = "!"}, "plain text\r\n");
    ASSERT_TRUE(cable);
    LineClient pc = connect(*cable);
    ASSERT_TRUE(pc.send("\x05"));
    EXPECT_EQ(pc.receive(14), "plain text\r\n\x04!");
}

TEST_F(CableSerial, ReceivedBlocksAreAcknowledgedAndTheEndBlockStoresTheUpload)
{
    auto cable = launch(CableProtocol::AckNak);
    ASSERT_TRUE(cable);
    LineClient pc = connect(*cable);
    const std::string header = "\x02" "F00F000\x03\r\n";
    const std::string stream = header + blocks(130);
    for (const std::string_view piece : SplitAfterBlockEnds(stream)) {
        ASSERT_TRUE(pc.send(piece));
        if (piece == kEndBlock) break;
        EXPECT_EQ(pc.receive(3), kAck);
    }
    EXPECT_EQ(pc.receive(1, kQuiet), "") << "no answer to the end block";
    ASSERT_TRUE(waitUntil([&] { return !cable->Uploads().empty(); }));
    EXPECT_EQ(cable->Uploads(), std::vector<std::string>{stream});
    EXPECT_EQ(cable->BytesReceived(), stream);
    EXPECT_EQ(ReadFile(state_ / "cable/serial-uploads/1"), stream);
}

TEST_F(CableSerial, NakAndWrongAcknowledgementsAsAsked)
{
    auto nak = launch(CableProtocol::AckNak, CableMisbehaviour{.nakAfterBlocks = 1});
    ASSERT_TRUE(nak);
    LineClient pc = connect(*nak);
    const std::string stream = blocks(300);
    const std::vector<std::string_view> pieces = SplitAfterBlockEnds(stream);
    std::string answers;
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(pc.send(pieces[i]));
        answers += pc.receive(3);
    }
    EXPECT_EQ(answers, kAck + "\x15\r\n" + kAck);
    pc.close();
    nak->Stop();

    auto wrong = launch(CableProtocol::AckNak, CableMisbehaviour{.wrongAck = "?\r\n"});
    ASSERT_TRUE(wrong);
    LineClient pc2 = connect(*wrong);
    ASSERT_TRUE(pc2.send(pieces[0]));
    EXPECT_EQ(pc2.receive(3), "?\r\n");
}

TEST_F(CableSerial, NoneTakesBlocksAndLinesWithoutAnswering)
{
    auto cable = launch(CableProtocol::None);
    ASSERT_TRUE(cable);
    LineClient pc = connect(*cable);
    const std::string stream = blocks(10);
    ASSERT_TRUE(pc.send(stream));
    ASSERT_TRUE(pc.send("\x05P1,,1.000,2.000,3.000\r\nP2,,4,5,6\r\n\x04\r\n"));
    ASSERT_TRUE(waitUntil([&] { return cable->Uploads().size() == 2; }));
    EXPECT_EQ(cable->Uploads(), (std::vector<std::string>{stream, "P1,,1.000,2.000,3.000\r\nP2,,4,5,6\r\n"}));
    EXPECT_EQ(pc.receive(1, kQuiet), "") << "None answers nothing, ENQ starts nothing";
    EXPECT_EQ(ReadFile(state_ / "cable/serial-uploads/2"), cable->Uploads()[1]);
}

TEST_F(CableSerial, AnUploadCutByTheFarEndClosingIsDropped)
{
    auto cable = launch(CableProtocol::None);
    ASSERT_TRUE(cable);
    {
        LineClient first = connect(*cable);
        ASSERT_TRUE(first.send("half an upload\r\n"));
        ASSERT_TRUE(waitUntil([&] { return cable->BytesReceived().size() == 16; }));
    }
    ASSERT_TRUE(waitUntil([&] { return cable->PortCloses() == 1; }));
    LineClient second = connect(*cable);
    ASSERT_TRUE(second.send("whole\r\n\x04\r\n"));
    ASSERT_TRUE(waitUntil([&] { return !cable->Uploads().empty(); }));
    EXPECT_EQ(cable->Uploads(), std::vector<std::string>{"whole\r\n"});
}

TEST_F(CableSerial, SilentInstrumentNeitherSendsNorAnswers)
{
    auto cable = launch(CableProtocol::AckNak, CableMisbehaviour{.silent = true}, blocks(10));
    ASSERT_TRUE(cable);
    LineClient pc = connect(*cable);
    ASSERT_TRUE(pc.send("\x05"));
    const std::string stream = blocks(5);
    ASSERT_TRUE(pc.send(stream));
    EXPECT_EQ(pc.receive(1, kQuiet), "");
    ASSERT_TRUE(waitUntil([&] { return cable->BytesReceived().size() == stream.size() + 1; }));
    EXPECT_TRUE(cable->Uploads().empty());
    EXPECT_EQ(cable->SendsStarted(), 0u);
}

TEST_F(CableSerial, LineClosedMidTransferHangsUpAndUnregisters)
{
    const std::string text(100, 's');
    auto sender = launch(CableProtocol::None, CableMisbehaviour{.closeAfterPackets = 1}, text);
    ASSERT_TRUE(sender);
    LineClient pc = connect(*sender);
    sender->PressEnter();
    EXPECT_EQ(pc.receive(text.size() + 1), text.substr(0, 64)) << "the first chunk, then the line is gone";
    EXPECT_TRUE(pc.hungUp());
    EXPECT_TRUE(waitUntil([&] { return !registered(sender->PortName()); }));
    pc.close();
    sender->Stop();

    auto receiver = launch(CableProtocol::AckNak, CableMisbehaviour{.closeAfterPackets = 1});
    ASSERT_TRUE(receiver);
    LineClient pc2 = connect(*receiver);
    const std::string stream = blocks(300);
    const std::vector<std::string_view> pieces = SplitAfterBlockEnds(stream);
    ASSERT_TRUE(pc2.send(pieces[0]));
    EXPECT_EQ(pc2.receive(4), kAck) << "the block that came is answered, then the line is gone";
    EXPECT_TRUE(pc2.hungUp());
    EXPECT_TRUE(receiver->Uploads().empty());
}

} // namespace
} // namespace harwick::sim
