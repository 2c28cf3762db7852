// The instrument-sim program's cable side, as a person runs it next to the
// cable program: Enter on its input presses Enter on the instrument.

#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/demo_instrument.h"

#include "cable_packets.h"
#include "comports/comports.h"
#include "line_client.h"
#include "scratch.h"
#include "usb_client.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::platform::UniqueFd;
using harwick::sim::testing::LineClient;
using harwick::testing::ReadFile;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;
using testing::pcRead;
using testing::pcUploadPackets;
using testing::pcWrite;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The program with its input and its output (stdout and stderr) on pipes;
// killed and reaped if a test ends before it does.
class Program {
public:
    explicit Program(std::vector<std::string> args)
    {
        args.insert(args.begin(), INSTRUMENT_SIM_PROGRAM);
        std::array<int, 2> out{}, in{};
        if (::pipe2(out.data(), O_CLOEXEC) != 0 || ::pipe2(in.data(), O_CLOEXEC) != 0) return;
        output_ = UniqueFd(out[0]);
        input_ = UniqueFd(in[1]);
        const UniqueFd writeEnd(out[1]), readEnd(in[0]);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, readEnd.get(), STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDERR_FILENO);
        if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program()
    {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

    bool running() const { return pid_ > 0; }

    void pressEnter() { ASSERT_EQ(::write(input_.get(), "\n", 1), 1); }

    // The next line of output without its line end, or what came in time.
    std::string line(milliseconds limit = milliseconds(5000))
    {
        const auto end = Clock::now() + limit;
        while (pending_.find('\n') == std::string::npos && Clock::now() < end) {
            pollfd p{output_.get(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            std::array<char, 256> buffer;
            const ssize_t n = ::read(output_.get(), buffer.data(), buffer.size());
            if (n <= 0) break;
            pending_.append(buffer.data(), static_cast<std::size_t>(n));
        }
        const std::size_t end_of_line = pending_.find('\n');
        std::string got = pending_.substr(0, end_of_line);
        pending_.erase(0, end_of_line == std::string::npos ? pending_.size() : end_of_line + 1);
        return got;
    }

    std::optional<int> end(int signal, milliseconds limit = milliseconds(10000))
    {
        if (signal != 0) ::kill(pid_, signal);
        const auto deadline = Clock::now() + limit;
        while (Clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(milliseconds(2));
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    UniqueFd output_;
    UniqueFd input_;
    std::string pending_;
};

class CableProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set((temp_.path() / "config").string());
        runtime_.set((temp_.path() / "run").string());
    }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
    TempDir temp_{"cable-program"};
    const fs::path usb_ = temp_.path() / "run/harwick/usb";
};

// The instrument's USB send up to and including its end byte.
std::string usbSend(const fs::path& interface)
{
    std::string got;
    for (std::string packet = pcRead(interface); !packet.empty(); packet = pcRead(interface)) {
        got += packet;
        if (packet.find('\x1A') != std::string::npos) break;
    }
    return got.substr(0, got.find('\x1A') + 1);
}

TEST_F(CableProgram, DemoSendsItsJobOverUsbAndCableWhenEnterIsPressed)
{
    Program program({"--demo", "--port", "COM4", "--usb", "dev1", "--cable", "COM5"});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.line().rfind("instrument-sim: COM4 -> /dev/pts/", 0), 0u);
    EXPECT_EQ(program.line(), "instrument-sim: USB dev1 -> " + (usb_ / "dev1").string());
    const std::optional<std::string> device = platform::DevicePathForPort("COM5");
    ASSERT_TRUE(device);
    EXPECT_EQ(program.line(), "instrument-sim: cable COM5 -> " + *device + " (none)");

    LineClient pc(*device);
    program.pressEnter();
    const std::string text = DemoCableText();
    EXPECT_EQ(usbSend(usb_ / "dev1"), text + "\x1A");
    EXPECT_EQ(pc.receive(text.size() + 1), text + "\x04");
    const std::set<std::string> news{program.line(), program.line()};
    EXPECT_EQ(news, (std::set<std::string>{"instrument-sim: USB dev1 sending", "instrument-sim: cable COM5 sending"}));

    for (const std::string& packet : pcUploadPackets("P1,,1.000,2.000,3.000\r\n")) {
        ASSERT_TRUE(pcWrite(usb_ / "dev1", packet));
    }
    EXPECT_EQ(program.line(), "instrument-sim: USB dev1 took upload 1 (23 bytes)");
    EXPECT_EQ(program.end(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(temp_.path() / "run/harwick"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(temp_.path() / "config/harwick/ports/COM5")));
}

TEST_F(CableProgram, AckNakLineSendsAKardFileAsBlocksAndStoresUploads)
{
    const fs::path state = temp_.path() / "state";
    const fs::path points = temp_.path() / "points.dat";
    WriteFile(points, "P1,,1.000,2.000,3.000\r\nP2,KERB,4.000,5.000,6.000\r\n");
    Program program({"--state", state.string(), "--cable=COM2", "--cable-protocol", "acknak", "--cable-send",
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
    const fs::path points = temp_.path() / "points.dat";
    WriteFile(points, "not KARD\r\n");
    Program program({"--demo", "--usb", "--cable", "COM3", "--cable-protocol", "acknak", "--cable-send",
                     points.string()});
    ASSERT_TRUE(program.running());
    EXPECT_NE(program.line().find("neither a block stream nor KARD lines"), std::string::npos);
    EXPECT_EQ(program.end(0), 1);
    EXPECT_FALSE(fs::exists(temp_.path() / "run/harwick")) << "the USB interface went again";
    EXPECT_FALSE(fs::exists(temp_.path() / "config/harwick/ports"));
}

} // namespace
} // namespace harwick::sim
