// instrument-sim: the simulated total station as a program, for a person
// trying the suite and for scripts. See --help.

#include "instrument-sim/cable_console.h"
#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"
#include "instrument-sim/sim_options.h"
#include "fd/unique_fd.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <poll.h>
#include <pthread.h>
#include <string>
#include <sys/signalfd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace harwick::sim;

// The demo's state directory when none was given: gone when the program ends.
class ScratchDir {
public:
    ScratchDir() = default;
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir()
    {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }

    bool make()
    {
        std::string pattern = (fs::temp_directory_path() / "instrument-sim-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return false;
        path_ = pattern;
        return true;
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

constexpr const char* kPrefix = "instrument-sim: ";
// How often the cable side's news is looked at.
constexpr int kNewsPollMs = 50;
constexpr std::size_t kInputChunk = 256;

int fail(const std::string& message)
{
    std::cerr << kPrefix << message << '\n';
    return 1;
}

void print(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) std::cout << kPrefix << line << std::endl;
}

// Each line end on the input presses Enter on the instrument; false once the
// input has ended or failed, which leaves the instrument running.
bool readEnter(CableConsole& cables)
{
    std::array<char, kInputChunk> buffer;
    const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    for (ssize_t i = 0; i < n; ++i) {
        if (buffer[static_cast<std::size_t>(i)] == '\n') cables.PressEnter();
    }
    return n > 0;
}

void waitForEnd(const sigset_t& endSignals)
{
    int signal = 0;
    sigwait(&endSignals, &signal);
}

// Serves until SIGINT or SIGTERM: with a cable side, Enter on the input
// presses Enter on the instrument and its news is printed as it happens.
void serve(const sigset_t& endSignals, CableConsole& cables)
{
    if (!cables.Active()) return waitForEnd(endSignals);
    const harwick::platform::UniqueFd signals(::signalfd(-1, &endSignals, SFD_CLOEXEC));
    if (!signals.valid()) {
        std::cerr << kPrefix << "cannot watch for signals; Enter on the input is not read\n";
        return waitForEnd(endSignals);
    }
    bool input = true;
    for (;;) {
        std::array<pollfd, 2> fds{{{signals.get(), POLLIN, 0}, {input ? STDIN_FILENO : -1, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), kNewsPollMs) < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) return;
        if (fds[1].revents & POLLIN) {
            input = readEnter(cables);
        } else if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            input = false;
        }
        print(cables.News());
    }
}

// Seeds the state directory as the options ask; false with error set.
bool prepareState(ProgramOptions& options, ScratchDir& scratch, std::string& error)
{
    if (options.demo && options.sim.stateDir.empty()) {
        if (!scratch.make()) {
            error = "cannot make a temporary state directory";
            return false;
        }
        options.sim.stateDir = scratch.path();
    }
    InstrumentStore store(options.sim.stateDir);
    if ((options.demo && !SeedDemoInstrument(store)) || (!options.serial.empty() && !store.SetSerial(options.serial))) {
        error = "cannot write the state directory " + options.sim.stateDir.string();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    std::optional<ProgramOptions> options = ParseArguments(args, error);
    if (!options) return fail(error + " (see instrument-sim --help)");
    if (options->help) {
        std::cout << HelpText();
        return 0;
    }
    ScratchDir scratch;
    if (!prepareState(*options, scratch, error)) return fail(error);

    // Blocked before the serving thread starts, so only sigwait below sees
    // them and the port is always unregistered on the way out.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

    // The cable side first: a --cable COMn name is then taken before the
    // command port looks for the first free one.
    CableConsole cables;
    if (!cables.Start(*options, options->sim.stateDir, error)) return fail(error);
    InstrumentSim sim(options->sim);
    if (!sim.Start(error)) return fail(error);
    std::cout << kPrefix << sim.PortName() << " -> " << sim.DevicePath() << std::endl;
    print(cables.Banner());
    serve(endSignals, cables);
    sim.Stop();
    cables.Stop();
    return 0;
}
