// The COM transfers against the simulated instrument on a pseudo-terminal
// registered as a COM port: what goes over the line in each direction, the
// acknowledgements, the time-outs and what the user sees at the end.
#include "com_transfer.h"

#include "block_stream.h"
#include "com_port.h"
#include "cable_messages.h"
#include "line_end_copies.h"
#include "transfer_fakes.h"

#include "comports/comports.h"
#include "instrument-sim/serial_cable.h"

#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <thread>

namespace cablemate {
namespace {

using namespace std::chrono_literals;
using harwick::sim::CableProtocol;
using harwick::sim::SerialCable;
using harwick::sim::SerialCableOptions;
using testing::RecordingEditor;
using testing::RecordingMessages;

constexpr std::string_view kKard = "P1,TREE,1234.567,-2.250,0\r\nP2,,10.500,20.250,3\r\nP3,,1,2,3\r\n";

class ComTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        config_.set(dir_.path().string());
        context.editor = &editor;
        context.messages = &messages;
        context.timing = {20ms, 20ms};
        settings.rowDelay = 1;
        settings.receiveTimeOut = 600;
    }

    // Starts the instrument on a port of its own and points the settings at it.
    SerialCable& Instrument(CableProtocol protocol, harwick::sim::CableMisbehaviour misbehave = {}) {
        // The last Enter presser is done with the instrument that goes now.
        if (presser_.joinable()) presser_.join();
        SerialCableOptions options;
        options.protocol = protocol;
        options.misbehave = std::move(misbehave);
        sim_ = std::make_unique<SerialCable>(options);
        std::string error;
        EXPECT_TRUE(sim_->Start(error)) << error;
        settings.portName = sim_->PortName();
        settings.protocol = protocol == CableProtocol::AckNak ? 1 : 0;
        return *sim_;
    }

    // The user closes the prompt, then presses Enter on the instrument: not
    // before the program listens, which the instrument sees as the program
    // emptying its input queue after the prompt.
    void PressEnterOnInstrumentAfter(std::string_view prompt, RecordingMessages& shown) {
        shown.On(std::string(prompt), [this] {
            const std::size_t purgesBefore = sim_->InputPurges();
            presser_ = std::jthread([this, purgesBefore] {
                if (harwick::testing::waitUntil([&] { return sim_->InputPurges() > purgesBefore; })) {
                    sim_->PressEnter();
                } else {
                    ADD_FAILURE() << "the program never emptied its input to listen";
                }
            });
        });
    }
    void PressEnterOnInstrumentAfter(std::string_view prompt) { PressEnterOnInstrumentAfter(prompt, messages); }

    harwick::testing::TempDir dir_{"cablemate-com"};
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    std::unique_ptr<SerialCable> sim_;
    std::jthread presser_;
    RecordingEditor editor{std::string(kKard)};
    RecordingMessages messages;
    TransferContext context;
    ComSettings settings;
};

TEST_F(ComTransfer, AckNakReceiveSendsEnqOnceAndAckPerBlock) {
    auto blocks = BuildCoordinateBlocks(kKard);
    ASSERT_TRUE(blocks);
    SerialCable& sim = Instrument(CableProtocol::AckNak);
    sim.SetSendText(*blocks);
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::Done);
    // Every ETX before the first EOT is acknowledged; the EOT of the end
    // block ends the receive before its ETX.
    const std::string beforeEot = blocks->substr(0, blocks->find(kEot));
    const auto etx = static_cast<std::size_t>(std::count(beforeEot.begin(), beforeEot.end(), kEtx));
    ASSERT_GE(etx, 1u);
    EXPECT_EQ(sim.BytesReceived(), "\x05" + std::string(etx, kAck));
    EXPECT_EQ(context.text.Snapshot(), *blocks + "\x04");
    EXPECT_EQ(editor.Shown(), *blocks + "\x04");
    EXPECT_EQ(messages.Shown(), (std::vector<std::string>{std::string(kPressStationFirst),
                                                          std::string(kReceiveDataOkCom)}));
    EXPECT_FALSE(editor.Busy());
    EXPECT_TRUE(context.done);
}

TEST_F(ComTransfer, NoneReceiveWritesNothingAndKeepsBytesAfterEot) {
    harwick::sim::CableMisbehaviour misbehave;
    misbehave.bytesAfterEot = "tail";
    SerialCable& sim = Instrument(CableProtocol::None, misbehave);
    sim.SetSendText("A\r\nB\r\n");
    PressEnterOnInstrumentAfter(kPressComputerFirst);
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::Done);
    EXPECT_EQ(sim.BytesReceived(), "");
    // The chunk that holds the EOT is kept whole.
    EXPECT_EQ(context.text.Snapshot(), "A\r\nB\r\n\x04tail");
    EXPECT_EQ(messages.Shown().front(), kPressComputerFirst);
}

TEST_F(ComTransfer, ComputerFirstPromptWhateverTheProtocol) {
    SerialCable& sim = Instrument(CableProtocol::AckNak);
    sim.SetSendText("X\x03\r\n");
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ComputerFirst).outcome, CableOutcome::Done);
    EXPECT_EQ(messages.Shown().front(), kPressComputerFirst);
}

TEST_F(ComTransfer, ShortPauseGoesOnLongPauseTimesOut) {
    harwick::sim::CableMisbehaviour shortPause;
    // The time-out is 600 ms: a quarter of it goes on, over three times it ends.
    shortPause.pauseAfterPacket = 1;
    shortPause.pause = 150ms;
    const std::string text = std::string(200, 'a') + "\r\n" + std::string(200, 'b') + "\r\n";
    SerialCable& sim = Instrument(CableProtocol::None, shortPause);
    sim.SetSendText(text);
    PressEnterOnInstrumentAfter(kPressComputerFirst);
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::Done);
    EXPECT_EQ(context.text.Snapshot(), text + "\x04");

    harwick::sim::CableMisbehaviour longPause = shortPause;
    longPause.pause = 2000ms;
    RecordingMessages later;
    context.messages = &later;
    SerialCable& slow = Instrument(CableProtocol::None, longPause);
    slow.SetSendText(text);
    PressEnterOnInstrumentAfter(kPressComputerFirst, later);
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::Incomplete);
    EXPECT_EQ(later.Shown().back(), kTimeout);
    const std::string kept = context.text.Snapshot();
    EXPECT_FALSE(kept.empty());
    EXPECT_EQ(text.substr(0, kept.size()), kept);
    EXPECT_FALSE(editor.Busy());
}

TEST_F(ComTransfer, LineUploadSendsEveryLineThenEot) {
    RecordingEditor twoLines("A\r\nB");
    context.editor = &twoLines;
    SerialCable& sim = Instrument(CableProtocol::None);
    EXPECT_EQ(ComLineUpload(context, settings).outcome, CableOutcome::Done);
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
    // The last line goes too, though nothing ended it.
    EXPECT_EQ(sim.BytesReceived(), "A\r\nB\r\n\x04\r\n");
    EXPECT_EQ(sim.Uploads()[0], "A\r\nB\r\n");
    EXPECT_EQ(messages.Shown().back(), kCommunicationCompleted);
    EXPECT_EQ(twoLines.Shown(), "A\r\nB\r\n");
    EXPECT_FALSE(twoLines.Busy());
    EXPECT_TRUE(context.done);
}

// The same job with each kind of line end, and without its last one,
// arrives at the instrument as its CR LF copy: as lines and as blocks, with
// and without acknowledgements.
TEST_F(ComTransfer, EveryLineEndArrivesAsCrLf) {
    const std::string points(kKard);
    const std::string codes = "5,TREE\r\n12,ROAD\r\n";
    const std::string coordinateStream = std::string(kCoordinateUploadHeader) + *BuildCoordinateBlocks(points);
    for (const CableProtocol protocol : {CableProtocol::None, CableProtocol::AckNak}) {
        for (std::size_t copy = 0; copy < testing::LineEndCopies(points).size(); ++copy) {
            SCOPED_TRACE(testing::Printable(testing::LineEndCopies(points)[copy]));
            SerialCable& sim = Instrument(protocol);
            RecordingEditor lines(testing::LineEndCopies(points)[copy]);
            context.editor = &lines;
            EXPECT_EQ(ComLineUpload(context, settings).outcome, CableOutcome::Done);
            RecordingEditor coordinates(testing::LineEndCopies(points)[copy]);
            context.editor = &coordinates;
            EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Coordinates).outcome, CableOutcome::Done);
            RecordingEditor codeList(testing::LineEndCopies(codes)[copy]);
            context.editor = &codeList;
            EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Codes).outcome, CableOutcome::Done);
            ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.UploadCount() == 3; }));
            EXPECT_EQ(sim.Uploads(), (std::vector<std::string>{points, coordinateStream, *BuildCodeBlocks(codes)}));
        }
    }
}

// The adapter goes mid-send: the send ends at once, says so, and leaves the
// editor as it was; nothing is called completed.
TEST_F(ComTransfer, PulledCableEndsASendWithTheTextRestored) {
    settings.rowDelay = 20;
    std::string many;
    for (int i = 1; i <= 40; ++i) many += "P" + std::to_string(i) + ",,1.000,2.000,3.000\n";
    struct Case {
        const char* name;
        CableProtocol protocol;
        std::function<CableResult()> send;
    };
    const std::vector<Case> cases{
        {"lines", CableProtocol::None, [&] { return ComLineUpload(context, settings); }},
        {"blocks", CableProtocol::None, [&] { return ComBlockUpload(context, settings, BlockKind::Coordinates); }},
        {"acknowledged blocks", CableProtocol::AckNak,
         [&] { return ComBlockUpload(context, settings, BlockKind::Coordinates); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        harwick::sim::CableMisbehaviour drop;
        drop.closeAfterPackets = 3;
        Instrument(c.protocol, drop);
        RecordingEditor source(many);
        RecordingMessages shown;
        context.editor = &source;
        context.messages = &shown;
        EXPECT_EQ(c.send().outcome, CableOutcome::SendStopped);
        const std::vector<std::string> said = shown.Shown();
        EXPECT_EQ(said.back(), kSendStopped);
        for (const std::string_view done : {kCommunicationCompleted, kCommunicationEnded}) {
            EXPECT_EQ(std::count(said.begin(), said.end(), std::string(done)), 0);
        }
        EXPECT_EQ(source.Shown(), many);
        EXPECT_EQ(context.text.Snapshot(), many);
        EXPECT_FALSE(source.Busy());
        EXPECT_TRUE(context.done);
    }
}

TEST_F(ComTransfer, PortThatGoesAwayEndsAReceiveAtOnce) {
    settings.receiveTimeOut = 8000;
    harwick::sim::CableMisbehaviour drop;
    drop.closeAfterPackets = 2;
    SerialCable& sim = Instrument(CableProtocol::None, drop);
    const std::string text = std::string(300, 'a') + "\r\n";
    sim.SetSendText(text);
    PressEnterOnInstrumentAfter(kPressComputerFirst);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::Incomplete);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 6s) << "it waited for the time-out";
    EXPECT_EQ(messages.Shown().back(), kReceiveStopped);
    // What came before the cut is kept and shown.
    EXPECT_EQ(context.text.Snapshot(), text.substr(0, 128));
    EXPECT_EQ(editor.Shown(), text.substr(0, 128));
    EXPECT_FALSE(editor.Busy());
}

// The repository's own samples (LF and CR LF files) go to the instrument
// and come back from it as the same data.
TEST_F(ComTransfer, SamplesGoOutAndComeBackEqual) {
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(HARWICK_SOURCE_DIR) / "samples")) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string sample = harwick::testing::ReadFile(entry.path());
        SerialCable& sim = Instrument(CableProtocol::None);
        RecordingEditor source(sample);
        context.editor = &source;
        EXPECT_EQ(ComLineUpload(context, settings).outcome, CableOutcome::Done);
        ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.UploadCount() == 1; }));
        const std::string wire = harwick::text::withCrLfLineEnds(sample);
        EXPECT_EQ(sim.Uploads()[0], wire);

        RecordingEditor back;
        RecordingMessages shown;
        context.editor = &back;
        context.messages = &shown;
        sim.SetSendText(sim.Uploads()[0]);
        PressEnterOnInstrumentAfter(kPressComputerFirst, shown);
        EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::Done);
        EXPECT_EQ(back.Shown(), wire + "\x04");
        context.messages = &messages;
    }
}

TEST_F(ComTransfer, CoordinateBlocksReachTheInstrumentWithTheHeader) {
    SerialCable& sim = Instrument(CableProtocol::AckNak);
    EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Coordinates).outcome, CableOutcome::Done);
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
    const auto blocks = BuildCoordinateBlocks(kKard);
    ASSERT_TRUE(blocks);
    EXPECT_EQ(sim.Uploads()[0], std::string(kCoordinateUploadHeader) + *blocks);
    // The header goes out but is not shown.
    EXPECT_EQ(editor.Shown(), *blocks);
    EXPECT_EQ(messages.Shown().back(), kCommunicationEnded);
}

TEST_F(ComTransfer, NakStopsABlockSendAndRestoresTheText) {
    harwick::sim::CableMisbehaviour nak;
    nak.nakAfterBlocks = 0;
    Instrument(CableProtocol::AckNak, nak);
    EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Coordinates).outcome, CableOutcome::WrongReply);
    EXPECT_EQ(messages.Shown().back(), kDeviceAckErrorCoords);
    EXPECT_EQ(editor.Shown(), kKard);
    EXPECT_EQ(context.text.Snapshot(), kKard);
    EXPECT_FALSE(editor.Busy());

    // The port was closed: another transfer opens it again.
    RecordingEditor codes("5,TREE\r\n");
    context.editor = &codes;
    harwick::sim::CableMisbehaviour wrong;
    wrong.wrongAck = "\x06\r\r";
    Instrument(CableProtocol::AckNak, wrong);
    EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Codes).outcome, CableOutcome::WrongReply);
    EXPECT_EQ(messages.Shown().back(), kDeviceAckErrorCodes);
}

TEST_F(ComTransfer, CodeBlocksNeverWaitAfterTheEndBlock) {
    // The instrument leaves the end block unanswered; waiting for it would
    // read nothing and fail the send.
    RecordingEditor codes("5,TREE\r\n12,ROAD\r\n");
    context.editor = &codes;
    SerialCable& sim = Instrument(CableProtocol::AckNak);
    EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Codes).outcome, CableOutcome::Done);
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
    EXPECT_EQ(sim.Uploads()[0], *BuildCodeBlocks("5,TREE\r\n12,ROAD\r\n"));
    EXPECT_EQ(messages.Shown().back(), kCommunicationCompletedLower);
}

TEST_F(ComTransfer, NoneProtocolSendsBlocksWithoutReading) {
    SerialCable& sim = Instrument(CableProtocol::None);
    EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Coordinates).outcome, CableOutcome::Done);
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
}

TEST_F(ComTransfer, RefusedTextOrMissingPortLeavesTheEditorAlone) {
    RecordingEditor bad("P1,1,2\r\n");
    context.editor = &bad;
    Instrument(CableProtocol::AckNak);
    EXPECT_EQ(ComBlockUpload(context, settings, BlockKind::Coordinates).outcome, CableOutcome::Refused);
    EXPECT_EQ(messages.Shown(), std::vector<std::string>{std::string(kInvalidFormat)});
    EXPECT_TRUE(bad.BusyChanges().empty());

    settings.portName = "COM250";
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::PortFailed);
    EXPECT_EQ(ComLineUpload(context, settings).outcome, CableOutcome::PortFailed);
    const auto shown = messages.Shown();
    for (const std::string& said : {shown[shown.size() - 1], shown[shown.size() - 2]}) {
        EXPECT_TRUE(said.starts_with(kPortMissingOrBusy)) << said;
        EXPECT_NE(said.find("COM250: no such port"), std::string::npos) << said;
    }
    EXPECT_TRUE(bad.BusyChanges().empty());
    EXPECT_TRUE(context.done);
}

// Root may open any device, so the refusal a surveyor outside the serial
// group meets is answered for: the message names the device and the fix.
TEST_F(ComTransfer, RefusedPortSaysWhichDeviceAndWhatToDo) {
    Instrument(CableProtocol::None);
    const std::string port = settings.portName;
    context.access = [](const std::filesystem::path&) { return EACCES; };
    EXPECT_EQ(ComDownload(context, settings, DownloadPrompt::ByProtocol).outcome, CableOutcome::PortFailed);
    const std::string said = messages.Shown().back();
    const std::string device = *harwick::platform::DevicePathForPort(port);
    EXPECT_NE(said.find(port + " (" + device + "): permission denied"), std::string::npos) << said;
    EXPECT_NE(said.find("sudo usermod -aG"), std::string::npos) << said;
    EXPECT_TRUE(editor.BusyChanges().empty());
}

TEST_F(ComTransfer, LineSettingsFollowTheRecord) {
    ComSettings record;
    record.baudRate = 9600;
    record.dataBits = 7;
    record.parity = 2;
    record.stopBits = 1;
    const LineSettings line = ComLineSettings(record);
    EXPECT_EQ(line.baudRate, 9600);
    EXPECT_EQ(line.dataBits, QSerialPort::Data7);
    EXPECT_EQ(line.parity, QSerialPort::EvenParity);
    EXPECT_EQ(line.stopBits, QSerialPort::TwoStop);
    record.parity = 1;
    record.stopBits = 0;
    EXPECT_EQ(ComLineSettings(record).parity, QSerialPort::OddParity);
    EXPECT_EQ(ComLineSettings(record).stopBits, QSerialPort::OneStop);
}

} // namespace
} // namespace cablemate
