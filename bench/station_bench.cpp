// Downloading a 10,000-point job's fixpoints from the simulated instrument
// over a pseudo-terminal, through the real engine and Qt serial port: how many
// records a second unpaced, and what share of the line a 115,200-baud line
// (paced by the instrument) carries.
#include "download.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"
#include "qt_serial_port.h"

#include <benchmark/benchmark.h>


#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace stationmate;

namespace {

constexpr int kPoints = 10000;

class Silent : public Prompter {
public:
    void ShowMessage(std::string_view, std::string_view) override {}
};

class Named : public TransferDialogs {
public:
    std::optional<std::string> AskDownloadFileName(const DownloadQuestion&) override { return std::string("job.gsi"); }
    bool AskOkCancel(const std::string&, const std::string&) override { return true; }
    std::optional<UploadAnswer> AskUploadJob(const UploadQuestion&) override { return std::nullopt; }
    std::optional<std::string> AskNewName() override { return std::nullopt; }
};

class NoProgress : public ProgressView {
public:
    void Open(const std::string&, const std::string&, const std::string&) override {}
    void Show(const std::string&, double, double) override {}
    void Close() override {}
};

std::vector<std::string> fixpoints()
{
    std::vector<std::string> lines;
    char line[160];
    for (int i = 1; i <= kPoints; ++i) {
        std::snprintf(line, sizeof line,
                      "*11....+%016d 81..10+%016d 82..10+%016d 83..10+%016d ", i, 2150000 + i * 7,
                      4820000 + i * 3, 112450 + i % 97);
        lines.emplace_back(line);
    }
    return lines;
}

void download(benchmark::State& state, int baud)
{
    const fs::path dir = fs::temp_directory_path() / ("harwick-station-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir / "pc");
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    harwick::sim::InstrumentStore store(dir / "instrument");
    const std::vector<std::string> lines = fixpoints();
    std::size_t bytes = 0;
    for (const std::string& l : lines) bytes += l.size() + 2;
    if (!store.SetSerial("1") || !store.PutJob(1, "BIG", lines, {})) {
        state.SkipWithError("cannot seed the instrument");
        return;
    }
    harwick::sim::Misbehaviour m;
    m.paceBaud = baud;
    harwick::sim::InstrumentSim sim({dir / "instrument", "COM7", m});
    std::string error;
    if (!sim.Start(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    QtSerialPort port;
    Silent prompter;
    Named dialogs;
    NoProgress progress;
    InstrumentLink link(port, prompter);
    link.SetPortNumber(7);
    Downloader downloader(link, prompter, dialogs, progress);
    DeviceTree tree;
    DeviceNode& com = tree.AddPort(7);
    com.ClearChildren();
    DeviceNode& fix = com.AddChild("Jobs", 5, 6).AddChild("Job 1: BIG", 5, 6).AddChild("Fixpoints: 0 Blocks", 7, 7);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TransferResult r = downloader.DownloadSelected(fix, (dir / "pc").string() + "/");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (r.outcome != TransferOutcome::Done) {
            state.SkipWithError("download failed");
            break;
        }
        state.SetIterationTime(seconds);
        state.counters["records_per_s"] = kPoints / seconds;
        if (baud > 0) {
            // Ten bits a byte: the time the records alone need on the line
            // (the "?" of each exchange going the other way is not counted
            // as useful, so this is the stricter share).
            const double lineSeconds = static_cast<double>(bytes) * 10.0 / baud;
            state.counters["share_of_line"] = lineSeconds / seconds;
        }
    }
    sim.Stop();
    fs::remove_all(dir);
}

void BM_DownloadUnpaced(benchmark::State& state) { download(state, 0); }
void BM_DownloadPaced115200(benchmark::State& state) { download(state, 115200); }

BENCHMARK(BM_DownloadUnpaced)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_DownloadPaced115200)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
