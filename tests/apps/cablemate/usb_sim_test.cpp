// The USB transfers end to end: the engine, the real USB pipe library loaded
// by name as the program loads it, and the simulated instrument on its
// emulated interface.
#include "usb_transfer.h"

#include "cable_messages.h"
#include "line_end_copies.h"
#include "transfer_fakes.h"

#include "instrument-sim/emulated_usb.h"

#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cablemate {
namespace {

using namespace std::chrono_literals;
using testing::RecordingEditor;
using testing::RecordingMessages;

std::string Padded(std::string bytes) {
    bytes.resize(kUsbPacket, '\0');
    return bytes;
}

class UsbWithInstrument : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_.set(dir_.path().string());
        std::string error;
        ASSERT_TRUE(sim.Start(error)) << error;
        ASSERT_EQ(library.status(), UsbLibrary::Status::Loaded) << library.error();
        context.editor = &editor;
        context.messages = &messages;
        context.timing = {20ms, 20ms};
        settings.rowDelay = 1;
        settings.receiveTimeOut = 1000;
    }

    harwick::testing::TempDir dir_{"cablemate-usb"};
    harwick::testing::ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
    harwick::sim::EmulatedUsb sim{harwick::sim::UsbOptions{}};
    UsbLibrary library = UsbLibrary::Load(USBPIPE_DIR);
    RecordingEditor editor{"P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n"};
    RecordingMessages messages;
    TransferContext context;
    UsbSettings settings;
};

TEST_F(UsbWithInstrument, DownloadFillsTheEditorWhenEnterIsPressed) {
    const std::string job = "110001+0000000P1 81..10+00001000 \r\n" + std::string(150, 'x') + "\r\n";
    sim.SetSendText(job);
    messages.On(std::string(kPressStationFirst), [this] { sim.PressEnter(); });
    EXPECT_EQ(UsbDownload(context, library.pipe(), settings).outcome, CableOutcome::Done);
    EXPECT_EQ(editor.Shown(), job + "\x1A");
    EXPECT_EQ(messages.Shown().back(), kReceiveDataOkUsb);
    EXPECT_FALSE(editor.Busy());
}

TEST_F(UsbWithInstrument, SilentInstrumentEndsTheDownloadQuietly) {
    settings.receiveTimeOut = 300;
    EXPECT_EQ(UsbDownload(context, library.pipe(), settings).outcome, CableOutcome::NothingCame);
    EXPECT_EQ(editor.Shown(), "");
    EXPECT_EQ(messages.Shown().size(), 1u);
}

TEST_F(UsbWithInstrument, UploadReachesTheInstrumentPacketByPacket) {
    EXPECT_EQ(UsbUpload(context, library.pipe(), settings).outcome, CableOutcome::Done);
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.Uploads().size() == 1; }));
    EXPECT_EQ(sim.Uploads()[0], "P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n");
    EXPECT_EQ(sim.PacketsReceived(),
              (std::vector<std::string>{Padded("P1,,1.000,2.000,3.000\r\n"), Padded("P2,,4.000,5.000,6.000\r\n"),
                                        Padded("\x04\r\n"), Padded("\x1A\r\n")}));
}

TEST_F(UsbWithInstrument, UploadWithoutInstrumentSaysTheConnectionFailed) {
    sim.Stop();
    const std::string before = editor.Text();
    EXPECT_EQ(UsbUpload(context, library.pipe(), settings).outcome, CableOutcome::SendStopped);
    EXPECT_EQ(messages.Shown().back(), kUsbConnectedFailed);
    EXPECT_EQ(editor.Shown(), before);
}

TEST_F(UsbWithInstrument, EveryLineEndArrivesAsCrLf) {
    const std::string job = "P1,,1.000,2.000,3.000\r\nP2,,4.000,5.000,6.000\r\n";
    const auto copies = testing::LineEndCopies(job);
    for (std::size_t copy = 0; copy < copies.size(); ++copy) {
        SCOPED_TRACE(testing::Printable(copies[copy]));
        RecordingEditor source(copies[copy]);
        context.editor = &source;
        EXPECT_EQ(UsbUpload(context, library.pipe(), settings).outcome, CableOutcome::Done);
        ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.UploadCount() == copy + 1; }));
        EXPECT_EQ(sim.Uploads()[copy], job);
    }
}

TEST_F(UsbWithInstrument, PulledCableEndsASendWithTheTextRestored) {
    sim.Stop();
    harwick::sim::EmulatedUsb dropping{harwick::sim::UsbOptions{.misbehave = {.closeAfterPackets = 2}}};
    std::string error;
    ASSERT_TRUE(dropping.Start(error)) << error;
    const std::string many = "A\nB\nC\nD\nE\n";
    RecordingEditor source(many);
    context.editor = &source;
    EXPECT_EQ(UsbUpload(context, library.pipe(), settings).outcome, CableOutcome::SendStopped);
    EXPECT_EQ(messages.Shown().back(), kUsbConnectedFailed);
    EXPECT_EQ(source.Shown(), many);
    EXPECT_FALSE(source.Busy());
}

TEST_F(UsbWithInstrument, DownloadCutShortSaysTheDataIsIncomplete) {
    sim.Stop();
    harwick::sim::EmulatedUsb dropping{harwick::sim::UsbOptions{.misbehave = {.closeAfterPackets = 2}}};
    std::string error;
    ASSERT_TRUE(dropping.Start(error)) << error;
    settings.receiveTimeOut = 400;
    const std::string job = std::string(200, 'x') + "\r\n";
    dropping.SetSendText(job);
    messages.On(std::string(kPressStationFirst), [&] { dropping.PressEnter(); });
    EXPECT_EQ(UsbDownload(context, library.pipe(), settings).outcome, CableOutcome::Incomplete);
    EXPECT_EQ(messages.Shown().back(), kReceiveIncomplete);
    EXPECT_EQ(editor.Shown(), job.substr(0, 128));
}

// The repository's own samples (LF and CR LF files) go to the instrument
// and come back from it as the same data.
TEST_F(UsbWithInstrument, SamplesGoOutAndComeBackEqual) {
    std::size_t sent = 0;
    bool downloading = false;
    messages.On(std::string(kPressStationFirst), [&] {
        if (downloading) sim.PressEnter();
    });
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(HARWICK_SOURCE_DIR) / "samples")) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string sample = harwick::testing::ReadFile(entry.path());
        RecordingEditor source(sample);
        context.editor = &source;
        EXPECT_EQ(UsbUpload(context, library.pipe(), settings).outcome, CableOutcome::Done);
        ASSERT_TRUE(harwick::testing::waitUntil([&] { return sim.UploadCount() == sent + 1; }));
        const std::string wire = harwick::text::withCrLfLineEnds(sample);
        EXPECT_EQ(sim.Uploads()[sent++], wire);

        RecordingEditor back;
        context.editor = &back;
        sim.SetSendText(wire);
        downloading = true;
        EXPECT_EQ(UsbDownload(context, library.pipe(), settings).outcome, CableOutcome::Done);
        downloading = false;
        EXPECT_EQ(back.Shown(), wire + "\x1A");
    }
}

TEST(UsbLibraryBinding, MissingLibraryIsReportedAndNeverCalled) {
    harwick::testing::TempDir empty("cablemate-nolib");
    harwick::testing::ScopedEnv path("LD_LIBRARY_PATH");
    path.set(empty.path().string());
    const UsbLibrary none = UsbLibrary::Load(empty.path());
    EXPECT_EQ(none.status(), UsbLibrary::Status::LoadFailed);
    EXPECT_FALSE(none.error().empty());
    EXPECT_EQ(none.pipe().read, nullptr);
    EXPECT_EQ(none.pipe().write, nullptr);

    const UsbLibrary half = UsbLibrary::Load(READ_ONLY_USBPIPE_DIR);
    EXPECT_EQ(half.status(), UsbLibrary::Status::MissingEntry);
    EXPECT_EQ(half.missingEntry(), kWriteDataEntry);
    EXPECT_EQ(half.pipe().write, nullptr);

    const UsbLibrary found = UsbLibrary::Load(USBPIPE_DIR);
    EXPECT_EQ(found.status(), UsbLibrary::Status::Loaded);
    EXPECT_NE(found.pipe().read, nullptr);
    EXPECT_NE(found.pipe().write, nullptr);
}

} // namespace
} // namespace cablemate
