// The USB transfers against a pipe the test plays: every packet on the wire,
// the waits after line packets, the time-out counted from the last packet,
// the failure paths and what the editor shows at the end.
#include "usb_transfer.h"

#include "transfer_runner.h"

#include "cable_messages.h"
#include "transfer_fakes.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <thread>
#include <mutex>
#include <sstream>

namespace cablemate {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::RecordingEditor;
using testing::RecordingMessages;

// The instrument's end of the pipe; the entry points are plain functions, so
// the test's pipe is one process-wide object guarded by a lock.
struct FakeInstrument {
    std::mutex mutex;
    std::deque<std::string> toSend;           // packets for the PC's reads
    std::vector<std::string> received;        // packets the PC wrote
    std::vector<Clock::time_point> receivedAt;
    int failWriteAt = -1;                     // index of the write that fails
    // The instrument pauses this long between the packets it sends; reads
    // meanwhile bring nothing.
    std::chrono::milliseconds gap{0};
    Clock::time_point nextPacket{};
};
FakeInstrument* instrument = nullptr;

int FakeRead(char* buffer, int length) {
    std::string packet;
    {
        std::lock_guard lock(instrument->mutex);
        if (!instrument->toSend.empty() && Clock::now() >= instrument->nextPacket) {
            packet = instrument->toSend.front();
            instrument->toSend.pop_front();
            instrument->nextPacket = Clock::now() + instrument->gap;
        }
    }
    if (packet.empty()) {
        // As the library does: a read with nothing to read waits a little.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return 0;
    }
    std::copy_n(packet.begin(), std::min<std::size_t>(packet.size(), static_cast<std::size_t>(length)), buffer);
    return 1;
}

int FakeWrite(const char* buffer, int length) {
    std::lock_guard lock(instrument->mutex);
    if (static_cast<int>(instrument->received.size()) == instrument->failWriteAt) return 0;
    instrument->received.emplace_back(buffer, static_cast<std::size_t>(length));
    instrument->receivedAt.push_back(Clock::now());
    return 1;
}

std::string Padded(std::string bytes) {
    bytes.resize(kUsbPacket, '\0');
    return bytes;
}

class UsbTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        instrument = &fake;
        context.editor = &editor;
        context.messages = &messages;
        context.timing = {20ms, 20ms};
        settings.rowDelay = 1;
        settings.receiveTimeOut = 300;
    }
    void TearDown() override { instrument = nullptr; }

    FakeInstrument fake;
    RecordingEditor editor{"P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n"};
    RecordingMessages messages;
    TransferContext context;
    UsbSettings settings;
    UsbPipe pipe{&FakeRead, &FakeWrite};
};

TEST_F(UsbTransfer, UploadSendsOneLinePerPacketThenTrailerAndClosingPacket) {
    settings.rowDelay = 60;
    ASSERT_EQ(UsbUpload(context, pipe, settings).outcome, CableOutcome::Done);
    ASSERT_EQ(fake.received.size(), 4u);
    EXPECT_EQ(fake.received[0], Padded("P1,,1.000,2.000,3.000\r\n"));
    EXPECT_EQ(fake.received[1], Padded("P2,,4.000,5.000,6.000\r\n"));
    EXPECT_EQ(fake.received[2], Padded("\x04\r\n"));
    EXPECT_EQ(fake.received[3], Padded("\x1A\r\n"));
    // The row delay follows each of the first three packets.
    for (std::size_t i = 1; i < 4; ++i) EXPECT_GE(fake.receivedAt[i] - fake.receivedAt[i - 1], 60ms) << i;
    EXPECT_EQ(messages.Shown(), (std::vector<std::string>{std::string(kPressStationFirst),
                                                          std::string(kCommunicationCompletedLower)}));
    EXPECT_EQ(editor.Shown(), "P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n\x04\r\n");
    EXPECT_EQ(editor.BusyChanges(), (std::vector<bool>{true, false}));
    EXPECT_TRUE(context.done);
}

TEST_F(UsbTransfer, UploadCutsALongLineWithoutWaitingInside) {
    // A row delay far longer than a stall of the test machine: only a wait
    // inside the line could put one between its two packets.
    settings.rowDelay = 900;
    const std::string line(100, 'x');
    RecordingEditor longLine(line + "\r\n");
    context.editor = &longLine;
    ASSERT_EQ(UsbUpload(context, pipe, settings).outcome, CableOutcome::Done);
    ASSERT_EQ(fake.received.size(), 4u);
    EXPECT_EQ(fake.received[0], line.substr(0, 64));
    EXPECT_EQ(fake.received[1], Padded(line.substr(64) + "\r\n"));
    EXPECT_LT(fake.receivedAt[1] - fake.receivedAt[0], 900ms);
    EXPECT_GE(fake.receivedAt[2] - fake.receivedAt[1], 900ms);
}

// Texts made on Linux (LF), by old instruments (CR) and without a last line
// end go on the wire exactly as their CR LF copy, with the row delay after
// every line; the editor's own text is not touched.
TEST_F(UsbTransfer, UploadPutsEveryLineEndOnTheWireAsCrLf) {
    settings.rowDelay = 60;
    const std::vector<std::string> expected{Padded("P1,,1\r\n"), Padded("P2,,2\r\n"), Padded("P3\r\n"),
                                            Padded("\x04\r\n"), Padded("\x1A\r\n")};
    for (const std::string text : {"P1,,1\r\nP2,,2\r\nP3\r\n", "P1,,1\nP2,,2\nP3\n", "P1,,1\rP2,,2\rP3\r",
                                   "P1,,1\nP2,,2\r\nP3", "P1,,1\r\nP2,,2\r\nP3\r\n\x1A"}) {
        SCOPED_TRACE(text);
        fake.received.clear();
        fake.receivedAt.clear();
        RecordingEditor source(text);
        context.editor = &source;
        ASSERT_EQ(UsbUpload(context, pipe, settings).outcome, CableOutcome::Done);
        EXPECT_EQ(fake.received, expected);
        for (std::size_t i = 1; i + 1 < fake.received.size(); ++i) {
            EXPECT_GE(fake.receivedAt[i] - fake.receivedAt[i - 1], 60ms) << i;
        }
        EXPECT_EQ(source.Text(), "P1,,1\r\nP2,,2\r\nP3\r\n\x04\r\n") << "the editor shows what was sent";
    }
}

TEST_F(UsbTransfer, UploadOfAnEmptyText) {
    RecordingEditor empty;
    context.editor = &empty;
    ASSERT_EQ(UsbUpload(context, pipe, settings).outcome, CableOutcome::Done);
    ASSERT_EQ(fake.received.size(), 2u);
    EXPECT_EQ(fake.received[0], Padded("\x04\r\n"));
    EXPECT_EQ(fake.received[1], Padded("\x1A\r\n"));
}

TEST_F(UsbTransfer, FailedWriteRestoresTheEditorsText) {
    // A line, the trailer, or the closing packet the instrument waits for:
    // whichever fails, the send is not complete.
    for (const int failAt : {1, 2, 3}) {
        SCOPED_TRACE(failAt);
        fake.received.clear();
        fake.failWriteAt = failAt;
        RecordingMessages shown;
        context.messages = &shown;
        RecordingEditor source("P1,,1.000,2.000,3.000\nP2,,4.000,5.000,6.000\n");
        context.editor = &source;
        EXPECT_EQ(UsbUpload(context, pipe, settings).outcome, CableOutcome::SendStopped);
        EXPECT_EQ(fake.received.size(), static_cast<std::size_t>(failAt));
        const std::vector<std::string> said = shown.Shown();
        EXPECT_EQ(said.back(), kUsbConnectedFailed);
        EXPECT_EQ(std::count(said.begin(), said.end(), std::string(kCommunicationCompletedLower)), 0);
        EXPECT_EQ(source.Shown(), "P1,,1.000,2.000,3.000\nP2,,4.000,5.000,6.000\n");
        EXPECT_EQ(context.text.Snapshot(), source.Shown());
        EXPECT_FALSE(source.Busy());
        EXPECT_TRUE(context.done);
    }
}

TEST_F(UsbTransfer, DownloadKeepsEverythingUpToAndWithTheEndByte) {
    fake.toSend = {Padded("A\r\n"), Padded("B\r\n\x1A" "after")};
    EXPECT_EQ(UsbDownload(context, pipe, settings).outcome, CableOutcome::Done);
    EXPECT_EQ(editor.Shown(), "A\r\nB\r\n\x1A" "after");
    EXPECT_EQ(context.text.Snapshot(), "A\r\nB\r\n\x1A" "after");
    EXPECT_EQ(messages.Shown().back(), kReceiveDataOkUsb);
    EXPECT_FALSE(editor.Busy());
    EXPECT_TRUE(context.done);
}

TEST_F(UsbTransfer, DownloadTimeOutCountsFromTheLastPacket) {
    // Pauses of a quarter of the time-out do not end the download, though
    // the whole transfer lasts more than twice the time-out.
    settings.receiveTimeOut = 400;
    fake.gap = 100ms;
    std::string expected;
    for (char line = 'A'; line <= 'J'; ++line) {
        const std::string text = std::string(1, line) + "\r\n" + (line == 'J' ? "\x1A" : "");
        fake.toSend.push_back(Padded(text));
        expected += text;
    }
    const auto start = Clock::now();
    EXPECT_EQ(UsbDownload(context, pipe, settings).outcome, CableOutcome::Done);
    EXPECT_GE(Clock::now() - start, 800ms);
    EXPECT_EQ(context.text.Snapshot(), expected);
}

TEST_F(UsbTransfer, DownloadWithoutDataEndsSilentlyAndEditorWritable) {
    RecordingEditor empty;
    context.editor = &empty;
    EXPECT_EQ(UsbDownload(context, pipe, settings).outcome, CableOutcome::NothingCame);
    EXPECT_EQ(messages.Shown(), std::vector<std::string>{std::string(kPressStationFirst)});
    EXPECT_EQ(empty.Shown(), "");
    EXPECT_FALSE(empty.Busy());
}

TEST_F(UsbTransfer, DownloadThatStopsShortShowsAllItGotAndSaysSo) {
    fake.toSend = {Padded("A\r\n"), Padded("B")};
    EXPECT_EQ(UsbDownload(context, pipe, settings).outcome, CableOutcome::Incomplete);
    EXPECT_EQ(context.text.Snapshot(), "A\r\nB");
    EXPECT_EQ(editor.Shown(), "A\r\nB");
    EXPECT_EQ(messages.Shown().back(), kReceiveIncomplete);
    EXPECT_FALSE(editor.Busy());
}

// The log shows each packet as it crossed: a send's packets whole with their
// padding, a download's as the engine took them.
TEST_F(UsbTransfer, TrafficLogHoldsEveryPacketInOrder) {
    harwick::testing::TempDir dir("usb-log");
    std::string error;
    context.SetLog(harwick::platform::TrafficLog::Open((dir.path() / "usb.log").string(), error));
    ASSERT_TRUE(context.Log()) << error;
    RecordingEditor source("P1\n");
    context.editor = &source;
    ASSERT_EQ(UsbUpload(context, pipe, settings).outcome, CableOutcome::Done);
    fake.toSend = {Padded("A\r\n\x1A")};
    context.editor = &editor;
    ASSERT_EQ(UsbDownload(context, pipe, settings).outcome, CableOutcome::Done);

    std::vector<std::string> lines;
    std::istringstream log(harwick::testing::ReadFile(dir.path() / "usb.log"));
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), fake.received.size() + 1);
    for (std::size_t i = 0; i < fake.received.size(); ++i) {
        std::string hex;
        for (const char c : fake.received[i]) {
            char pair[4];
            std::snprintf(pair, sizeof pair, "%02X ", static_cast<unsigned char>(c));
            hex += pair;
        }
        EXPECT_NE(lines[i].find(" ms out " + hex + "| "), std::string::npos) << lines[i];
    }
    EXPECT_NE(lines.back().find(" ms in  41 0D 0A 1A | A..."), std::string::npos) << lines.back();
}

TEST_F(UsbTransfer, MissingEntryPointIsNeverCalled) {
    UsbPipe none;
    EXPECT_EQ(UsbDownload(context, none, settings).outcome, CableOutcome::PortFailed);
    EXPECT_EQ(UsbUpload(context, none, settings).outcome, CableOutcome::PortFailed);
    const auto shown = messages.Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], std::string(kUsbEntryMissing) + std::string(kReadDataEntry));
    EXPECT_EQ(shown[1], std::string(kUsbEntryMissing) + std::string(kWriteDataEntry));
    EXPECT_FALSE(editor.Busy());
    EXPECT_TRUE(context.done);
}

TEST_F(UsbTransfer, RefresherFollowsTheTextUntilTheSendEnds) {
    context.done = false;
    context.text.Set("P1\r\n");
    std::atomic<bool> returned{false};
    std::jthread refresher([&] {
        ProgressRefresher(context);
        returned = true;
    });
    // It shows the text as the send grows, not once.
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return editor.Shown() == "P1\r\n"; }));
    context.text.Set("P1\r\nP2\r\n");
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return editor.Shown() == "P1\r\nP2\r\n"; }));
    EXPECT_FALSE(returned);
    // The end of the send ends it within a period.
    context.done = true;
    EXPECT_TRUE(harwick::testing::waitUntil([&] { return returned.load(); }));
}

TEST_F(UsbTransfer, RunnerStartsASendBesideItsRefresherAndReturnsAtOnce) {
    std::atomic<bool> done{false};
    {
        TransferRunner runner(context);
        const auto job = TransferForCommand(command::kUsbUploadHz);
        ASSERT_TRUE(job);
        runner.Start(*job, pipe, ComSettings{}, settings, [&](const TransferJob&, CableResult r) { done = r.Done(); });
        runner.Join();
    }
    EXPECT_TRUE(done);
    EXPECT_TRUE(context.done);
    EXPECT_EQ(fake.received.size(), 4u);
    EXPECT_FALSE(TransferForCommand(command::kExportDxf));
    EXPECT_EQ(TransferForCommand(command::kComDownloadComputerFirst)->prompt, DownloadPrompt::ComputerFirst);
    EXPECT_EQ(TransferForCommand(command::kComCodeBlocks)->blocks, BlockKind::Codes);
}

} // namespace
} // namespace cablemate
