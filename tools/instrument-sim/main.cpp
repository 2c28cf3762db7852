// instrument-sim: the simulated total station as a program, for a person
// trying the suite and for scripts. See --help.

#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"
#include "instrument-sim/sim_options.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <pthread.h>
#include <string>
#include <system_error>
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

int fail(const std::string& message)
{
    std::cerr << "instrument-sim: " << message << '\n';
    return 1;
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

    InstrumentSim sim(options->sim);
    if (!sim.Start(error)) return fail(error);
    std::cout << "instrument-sim: " << sim.PortName() << " -> " << sim.DevicePath() << std::endl;
    int signal = 0;
    sigwait(&endSignals, &signal);
    sim.Stop();
    return 0;
}
