#include "fifo_pipe.h"
#include "usbpipe.h"
#include "usb_survey.h"

#include "fake_instrument.h"
#include "instrument-sim/emulated_usb.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <unistd.h>

namespace usbpipe::testing {
namespace {

using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;
using Clock = std::chrono::steady_clock;

// Far above any wait of the library, far below a hang.
constexpr auto kGenerousBound = std::chrono::seconds(5);

class UsbPipe : public ::testing::Test {
protected:
    void SetUp() override
    {
        runtime_.set(temp_.path().string());
        config_.set(temp_.path().string());
    }

    fs::path interfaceDir(const std::string& name) const { return usbDir_ / name; }

    static int read(std::string& into)
    {
        return Norvik_UsbDllBulk_ReadData(into.data(), static_cast<int>(into.size()));
    }
    static int write(const std::string& bytes)
    {
        return Norvik_UsbDllBulk_WriteData(bytes.data(), static_cast<int>(bytes.size()));
    }

    TempDir temp_ {"usbpipe"};
    ScopedEnv runtime_ {"XDG_RUNTIME_DIR"};
    ScopedEnv config_ {"XDG_CONFIG_HOME"};
    const fs::path usbDir_ = temp_.path() / "harwick" / "usb";
};

TEST_F(UsbPipe, ReadPlacesEachChunkAndTakesNoMoreThanAsked)
{
    FakeInstrument instrument(interfaceDir("0"));
    const std::string sent = Pattern(140);
    instrument.send(sent);

    std::string got(130, 'x');
    ASSERT_EQ(read(got), 1);
    EXPECT_EQ(got, sent.substr(0, 130));
    // The last chunk took only its 2 bytes: the rest is still there.
    std::string rest(10, 'x');
    ASSERT_EQ(read(rest), 1);
    EXPECT_EQ(rest, sent.substr(130));
}

TEST_F(UsbPipe, ShortChunkLeavesWhatTheStagingBufferHeld)
{
    FakeInstrument instrument(interfaceDir("0"));
    instrument.send("abc");
    std::string first(10, 'x');
    ASSERT_EQ(read(first), 1);
    EXPECT_EQ(first, std::string("abc") + std::string(7, '\0'));

    const std::string packet = Pattern(64, 3);
    instrument.send(packet + "xyz");
    std::string second(128, '.');
    ASSERT_EQ(read(second), 1);
    EXPECT_EQ(second, packet + "xyz" + packet.substr(3));
}

TEST_F(UsbPipe, NonPositiveLengthMovesNothing)
{
    FakeInstrument instrument(interfaceDir("0"));
    instrument.send("hello");
    std::string buffer(5, 'x');
    EXPECT_EQ(Norvik_UsbDllBulk_ReadData(buffer.data(), 0), 0);
    EXPECT_EQ(Norvik_UsbDllBulk_ReadData(buffer.data(), -5), 0);
    EXPECT_EQ(Norvik_UsbDllBulk_WriteData("abc", 0), 0);
    EXPECT_EQ(Norvik_UsbDllBulk_WriteData("abc", -1), 0);
    EXPECT_EQ(buffer, "xxxxx");
    EXPECT_EQ(instrument.received(), "");
    ASSERT_EQ(read(buffer), 1);
    EXPECT_EQ(buffer, "hello");
}

TEST_F(UsbPipe, WithoutInterfaceEverythingFails)
{
    std::string buffer(8, 'x');
    const auto start = Clock::now();
    EXPECT_EQ(read(buffer), 0);
    EXPECT_EQ(write("data"), 0);
    fs::create_directories(usbDir_);
    EXPECT_EQ(read(buffer), 0);
    EXPECT_EQ(write("data"), 0);
    EXPECT_LT(Clock::now() - start, kGenerousBound);
    EXPECT_EQ(buffer, "xxxxxxxx");
}

TEST_F(UsbPipe, FirstUsableInterfaceInNameOrderIsUsed)
{
    fs::create_directories(interfaceDir("a-regular"));
    WriteFile(interfaceDir("a-regular") / harwick::platform::kReadPipeName, "not a fifo");
    MakeFifo(interfaceDir("a-regular") / harwick::platform::kWritePipeName);
    fs::create_directories(interfaceDir("b-missing"));
    MakeFifo(interfaceDir("b-missing") / harwick::platform::kWritePipeName);
    WriteFile(interfaceDir("c-file"), "");
    FakeInstrument later(interfaceDir("e-good"));
    FakeInstrument chosen(interfaceDir("d-good"));
    later.send("later");
    chosen.send("first");

    std::string buffer(5, 'x');
    ASSERT_EQ(read(buffer), 1);
    EXPECT_EQ(buffer, "first");
    ASSERT_EQ(write("to d"), 1);
    EXPECT_EQ(chosen.received(), "to d");
    EXPECT_EQ(later.received(), "");
}

TEST_F(UsbPipe, FailedChunkKeepsTheChunksBefore)
{
    FakeInstrument instrument(interfaceDir("0"));
    const std::string packet = Pattern(64);
    instrument.send(packet);
    std::string buffer(128, 'x');
    EXPECT_EQ(read(buffer), 0);
    EXPECT_EQ(buffer, packet + std::string(64, 'x'));
}

TEST_F(UsbPipe, ReadWithoutDataGivesUp)
{
    FakeInstrument instrument(interfaceDir("0"));
    std::string buffer(4, 'x');
    const auto start = Clock::now();
    EXPECT_EQ(read(buffer), 0);
    EXPECT_LT(Clock::now() - start, kGenerousBound);
    EXPECT_EQ(buffer, "xxxx");
}

// A simulator that ends between the search and the read leaves a FIFO with
// no writer, which polls ready for ever: the read must wait out its time
// and fail, not spin or block.
TEST_F(UsbPipe, ReadFromAFifoWhoseWriterIsGoneGivesUp)
{
    fs::create_directories(interfaceDir("0"));
    MakeFifo(interfaceDir("0") / harwick::platform::kReadPipeName);
    PipePath path;
    ASSERT_TRUE(path.assign(interfaceDir("0").string(), harwick::platform::kReadPipeName));
    const std::unique_ptr<Pipe> pipe = OpenFifoPipe(path, Direction::kIn);
    ASSERT_NE(pipe, nullptr);
    {
        // A writer that comes and goes leaves the FIFO at end of file.
        const UniqueFd writer(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        ASSERT_TRUE(writer.valid());
    }
    char chunk[4] = {'x', 'x', 'x', 'x'};
    const auto start = Clock::now();
    EXPECT_FALSE(pipe->readChunk(chunk, sizeof chunk));
    const auto took = Clock::now() - start;
    EXPECT_GE(took, kReadWait - std::chrono::milliseconds(5));
    EXPECT_LT(took, kGenerousBound);
    EXPECT_EQ(std::string(chunk, 4), "xxxx");
}

TEST_F(UsbPipe, StaleInterfaceIsPassedOverForTheLiveOneBehindIt)
{
    FakeInstrument stale(interfaceDir("0-stale"), false);
    FakeInstrument live(interfaceDir("1-live"));
    live.send("live");
    const auto start = Clock::now();
    std::string buffer(4, 'x');
    ASSERT_EQ(read(buffer), 1);
    EXPECT_EQ(buffer, "live");
    ASSERT_EQ(write("back"), 1);
    EXPECT_EQ(live.received(), "back");
    // Passing over never waits for the stale one: far less than one read wait.
    EXPECT_LT(Clock::now() - start, kGenerousBound);

    // No reader appeared on the stale one's PIPE01 by the probe.
    const UniqueFd probe(::open(stale.fromPcPath().c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    EXPECT_FALSE(probe.valid());
    EXPECT_EQ(errno, ENXIO);
}

TEST_F(UsbPipe, SimulatorBehindAStaleFolderIsFound)
{
    FakeInstrument stale(interfaceDir("a-left-over"), false);
    harwick::sim::EmulatedUsb simulator(harwick::sim::UsbOptions {"sim0"});
    std::string error;
    ASSERT_TRUE(simulator.Start(error)) << error;
    simulator.SetSendText("11....+00000001 ");
    simulator.PressEnter();

    std::string packet(64, 'x');
    ASSERT_TRUE(harwick::testing::waitUntil([&] { return read(packet) == 1; }));
    EXPECT_EQ(packet.substr(0, 17), "11....+00000001 \x1a");
    ASSERT_EQ(write(std::string(64, 'p')), 1);
    EXPECT_TRUE(harwick::testing::waitUntil([&] { return simulator.PacketsReceived().size() == 1; }));
    EXPECT_EQ(stale.received(), "");
}

// Pipes in a runtime folder that is not the user's own could be anyone's:
// a live interface behind a symbolic link is not used, and the survey says why.
TEST_F(UsbPipe, InterfacesInAFolderThatIsNotTheUsersOwnAreNotUsed)
{
    TempDir elsewhere {"usbpipe-elsewhere"};
    FakeInstrument live(elsewhere.path() / "harwick" / "usb" / "sim0");
    live.send("data");
    fs::create_directory_symlink(elsewhere.path() / "harwick", temp_.path() / "harwick");
    std::string buffer(4, 'x');
    EXPECT_EQ(read(buffer), 0);
    EXPECT_EQ(write("back"), 0);
    EXPECT_EQ(live.received(), "");
    const std::vector<usbpipe::EmulatedInterfaceReport> reports = usbpipe::SurveyEmulatedInterfaces();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].state, usbpipe::EmulatedState::kUnsafe);
    EXPECT_NE(reports[0].reason.find("is a symbolic link"), std::string::npos) << reports[0].reason;
}

TEST_F(UsbPipe, WriteNeedsAReader)
{
    FakeInstrument unheld(interfaceDir("0"), false);
    EXPECT_EQ(write("data"), 0);
}

TEST_F(UsbPipe, WriteArrivesWhole)
{
    FakeInstrument instrument(interfaceDir("0"));
    const std::string data = Pattern(130);
    ASSERT_EQ(write(data), 1);
    EXPECT_EQ(instrument.received(), data);
}

TEST_F(UsbPipe, WriteGivesUpWhenNoRoomComes)
{
    FakeInstrument instrument(interfaceDir("0"));
    FakeInstrument::FillToCapacity(instrument.fromPcFd());
    const auto start = Clock::now();
    EXPECT_EQ(write(Pattern(10)), 0);
    EXPECT_LT(Clock::now() - start, kGenerousBound);
    EXPECT_EQ(instrument.received(), std::string(4096, 'f'));
}

TEST_F(UsbPipe, InterfacePathMustFitThePathBuffer)
{
    // "/" + "PIPE00" + terminator come on top of the interface path.
    const std::size_t base = (usbDir_ / "").string().size();
    const std::size_t longestName = 256 - base - 8;
    FakeInstrument tooLong(interfaceDir(std::string(longestName + 1, 'a')));
    tooLong.send("long");
    std::string buffer(4, 'x');
    EXPECT_EQ(read(buffer), 0);
    EXPECT_EQ(write("long"), 0);

    FakeInstrument fits(interfaceDir(std::string(longestName, 'b')));
    fits.send("fits");
    ASSERT_EQ(read(buffer), 1);
    EXPECT_EQ(buffer, "fits");
    ASSERT_EQ(write("back"), 1);
    EXPECT_EQ(fits.received(), "back");
}

TEST_F(UsbPipe, NoDescriptorOutlivesACall)
{
    FakeInstrument unheld(interfaceDir("0"), false);
    std::optional<FakeInstrument> instrument;
    std::string buffer(70, 'x');
    const int before = OpenFdCount();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(read(buffer), 0);
        EXPECT_EQ(write(buffer), 0);
    }
    EXPECT_EQ(OpenFdCount(), before);

    instrument.emplace(interfaceDir("1"));
    const int serving = OpenFdCount();
    for (int i = 0; i < 3; ++i) {
        instrument->send(Pattern(70));
        EXPECT_EQ(read(buffer), 1);
        EXPECT_EQ(write(buffer), 1);
        EXPECT_EQ(read(buffer), 0);
    }
    EXPECT_EQ(OpenFdCount(), serving);
}

TEST(UsbInterfacePlaces, FollowTheBaseDirectories)
{
    ScopedEnv runtime("XDG_RUNTIME_DIR");
    ScopedEnv config("XDG_CONFIG_HOME");
    ScopedEnv home("HOME");
    const std::string fallback = "/tmp/harwick-" + std::to_string(::getuid()) + "/usb";
    runtime.set("/run/user/7/");
    config.set("/etc/xdg-test");
    home.set("/home/someone");
    EXPECT_EQ(harwick::platform::EmulatedUsbDirectory(), "/run/user/7/harwick/usb");
    EXPECT_EQ(harwick::platform::UsbDevicesListFile(), "/etc/xdg-test/harwick/usb-devices");
    runtime.set("relative");
    config.set("relative");
    EXPECT_EQ(harwick::platform::EmulatedUsbDirectory(), fallback);
    EXPECT_EQ(harwick::platform::UsbDevicesListFile(), "/home/someone/.config/harwick/usb-devices");
    runtime.unset();
    config.set("");
    EXPECT_EQ(harwick::platform::EmulatedUsbDirectory(), fallback);
    EXPECT_EQ(harwick::platform::UsbDevicesListFile(), "/home/someone/.config/harwick/usb-devices");
}

} // namespace
} // namespace usbpipe::testing
