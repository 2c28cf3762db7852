// The instrument-sim program as a person runs it next to the suite.

#include "comports/comports.h"
#include "line_client.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <filesystem>
#include <optional>
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
using harwick::sim::testing::LineClient;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::UniqueFd;
using std::chrono::milliseconds;

// The program running with its output (stdout and stderr) on a pipe; killed
// and reaped if a test ends before it does.
class Program {
public:
    explicit Program(std::vector<std::string> args)
    {
        args.insert(args.begin(), INSTRUMENT_SIM_PROGRAM);
        std::array<int, 2> pipe{};
        if (::pipe2(pipe.data(), O_CLOEXEC) != 0) return;
        output_ = UniqueFd(pipe[0]);
        const UniqueFd writeEnd(pipe[1]);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
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

    // Output up to and including the first line end, or what came in time.
    std::string firstLine(milliseconds limit = milliseconds(5000))
    {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + limit;
        char c = 0;
        while (got.find('\n') == std::string::npos && std::chrono::steady_clock::now() < end) {
            pollfd p{output_.get(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            if (::read(output_.get(), &c, 1) != 1) break;
            got.push_back(c);
        }
        return got;
    }

    // Sends signal and waits for the exit; the exit status, or nothing when
    // the program is still running when limit has passed.
    std::optional<int> end(int signal, milliseconds limit = milliseconds(10000))
    {
        if (signal != 0) ::kill(pid_, signal);
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
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
};

class InstrumentSimProgram : public ::testing::Test {
protected:
    void SetUp() override { config_.set((temp_.path() / "config").string()); }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    TempDir temp_{"instrument-sim-program"};
};

TEST_F(InstrumentSimProgram, DemoServesOnItsPortUntilTerminated)
{
    Program program({"--demo", "--port", "COM4"});
    ASSERT_TRUE(program.running());
    const std::string line = program.firstLine();
    const std::optional<std::string> device = platform::DevicePathForPort("COM4");
    ASSERT_TRUE(device) << line;
    EXPECT_EQ(line, "instrument-sim: COM4 -> " + *device + "\n");

    LineClient client(*device);
    EXPECT_EQ(client.ask("GET//WI13\r\n"), "13....+00012345\r\n");
    EXPECT_EQ(client.ask("JOB/CONF/LIST\r\n"), "NORTHFIELD,1,36,25\r\n");
    EXPECT_EQ(client.ask("?\r\n"), "BRIDGE,2,12,0\r\n");
    EXPECT_EQ(client.ask("?\r\n"), ",3,0,0\r\n");

    EXPECT_EQ(program.end(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(temp_.path() / "config/harwick/ports/COM4")));
}

TEST_F(InstrumentSimProgram, StateSerialAndMisbehaviourFromTheCommandLine)
{
    const fs::path state = temp_.path() / "state";
    Program program({"--state", state.string(), "--serial", "777", "--wrong", "CONF/182=BAD\\x1A\\r\\n"});
    ASSERT_TRUE(program.running());
    ASSERT_NE(program.firstLine().find("COM1 -> "), std::string::npos);
    EXPECT_TRUE(fs::exists(state / "serial.txt"));

    LineClient client(platform::DevicePathForPort("COM1").value_or("/nonexistent"));
    EXPECT_EQ(client.ask("GET//WI13\r\n"), "13....+00000777\r\n");
    EXPECT_EQ(client.ask("CONF/182\r\n"), "BAD\x1A\r\n");
    EXPECT_EQ(client.ask("JOB/CONF/LIST\r\n"), "\x1A\r\n") << "a fresh state directory holds nothing";
    EXPECT_EQ(program.end(SIGINT), 0);
}

TEST_F(InstrumentSimProgram, BadCommandLineFailsWithOneLine)
{
    Program program({"--port", "COM4"});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.firstLine().rfind("instrument-sim: --state DIR is required", 0), 0u);
    EXPECT_EQ(program.end(0), 1);
    EXPECT_FALSE(fs::exists(temp_.path() / "config")) << "nothing registered";
}

} // namespace
} // namespace harwick::sim
