// The instrument-sim program as a person runs it, started as a child of the
// test with its input and its output (stdout and stderr) on pipes, in a
// scratch directory of its own. Every wait is bounded, so a program that
// hangs fails a test instead of hanging it.
#pragma once

#include "fd/unique_fd.h"
#include "scratch.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace harwick::sim::testing {

// Where the program registers its ports and makes its USB interfaces: the
// config and run directories of a fresh scratch directory, put back as they
// were when the object goes.
class ProgramScratch {
public:
    explicit ProgramScratch(std::string_view prefix) : temp_(prefix)
    {
        config_.set((path() / "config").string());
        runtime_.set((path() / "run").string());
    }

    const std::filesystem::path& path() const { return temp_.path(); }

private:
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    harwick::testing::ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
    harwick::testing::TempDir temp_;
};

// The running program; killed and reaped if a test ends before it does.
class SimProgram {
public:
    explicit SimProgram(std::vector<std::string> args)
    {
        args.insert(args.begin(), INSTRUMENT_SIM_PROGRAM);
        std::array<int, 2> out{}, in{};
        if (::pipe2(out.data(), O_CLOEXEC) != 0) return;
        output_ = platform::UniqueFd(out[0]);
        const platform::UniqueFd writeEnd(out[1]);
        if (::pipe2(in.data(), O_CLOEXEC) != 0) return;
        input_ = platform::UniqueFd(in[1]);
        const platform::UniqueFd readEnd(in[0]);
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
    SimProgram(const SimProgram&) = delete;
    SimProgram& operator=(const SimProgram&) = delete;
    ~SimProgram()
    {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

    bool running() const { return pid_ > 0; }

    // A line end on its input; false when the program did not take it.
    bool pressEnter() { return ::write(input_.get(), "\n", 1) == 1; }

    // The next line of output without its line end, or what came in time.
    std::string line(std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (pending_.find('\n') == std::string::npos && std::chrono::steady_clock::now() < end) {
            pollfd p{output_.get(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            std::array<char, 256> buffer;
            const ssize_t n = ::read(output_.get(), buffer.data(), buffer.size());
            if (n <= 0) break;
            pending_.append(buffer.data(), static_cast<std::size_t>(n));
        }
        const std::size_t lineEnd = pending_.find('\n');
        std::string got = pending_.substr(0, lineEnd);
        pending_.erase(0, lineEnd == std::string::npos ? pending_.size() : lineEnd + 1);
        return got;
    }

    // Sends signal (0: none) and waits for the exit; the exit status (128 +
    // the signal for a program a signal ended), or nothing when the program
    // still runs when limit has passed.
    std::optional<int> end(int signal, std::chrono::milliseconds limit = std::chrono::milliseconds(10000))
    {
        if (pid_ <= 0) return std::nullopt;  // a kill of -1 would reach every process of the user
        if (signal != 0) ::kill(pid_, signal);
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    platform::UniqueFd output_;
    platform::UniqueFd input_;
    std::string pending_;
};

} // namespace harwick::sim::testing
