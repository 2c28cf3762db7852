// The drawing converter on a GSI-16 job of 100,000 points, through its own
// paths: reading the file as "..." does, writing the drawing as OK does
// (loading libdrawmap.so, every call, the file written whole), and both
// together, as a person converting a job waits for them.
#include "converter.h"

#include "gsi/gsi.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace sketchconv;

namespace {

constexpr std::size_t kPoints = 100000;
constexpr const char* kDoneFor100k = "Writing dxf file done,100000 Point convert ok!";

class QuietPrompter : public Prompter {
public:
    std::string last;
    void ShowMessage(std::string_view, std::string_view text, MessageIcon) override { last = text; }
    bool AskYesNo(std::string_view, std::string_view) override { return true; } // replace the last run's file
};

class FixedFiles : public FileChooser {
public:
    std::string gsi;
    std::string dxf;
    std::optional<std::string> OpenGsiPath() override { return gsi; }
    std::optional<std::string> SaveDxfPath() override { return dxf; }
};

struct Bench {
    QuietPrompter prompter;
    FixedFiles files;
    fs::path dir = fs::temp_directory_path() / ("sketchconv-bench-" + std::to_string(::getpid()));
    SketchConverter converter{prompter, files, LibrarySearch{DRAWMAP_DIR, false}};

    Bench()
    {
        fs::create_directories(dir);
        files.gsi = (dir / "job.gsi").string();
        files.dxf = (dir / "job.dxf").string();
        std::string content;
        for (std::size_t i = 0; i < kPoints; ++i) {
            harwick::gsi::appendEditorBlock(content, harwick::gsi::Flavour::Gsi16, i + 1, "P" + std::to_string(i + 1),
                                            "KERB", 2150.0 + 0.0137 * static_cast<double>(i),
                                            4820.0 + 0.0071 * static_cast<double>(i),
                                            112.0 + 0.0003 * static_cast<double>(i), harwick::gsi::kTenthMillimetre);
        }
        std::ofstream(files.gsi, std::ios::binary) << content;
    }
    ~Bench() { fs::remove_all(dir); }

    bool Read() { return converter.ChooseGsi() && converter.Points().size() == kPoints; }
    bool Write() { return converter.Convert(1) && prompter.last == kDoneFor100k; }
};

void BM_ReadGsi16Job100k(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        if (!bench.Read()) state.SkipWithError("the job was not read");
    }
}
BENCHMARK(BM_ReadGsi16Job100k)->Unit(benchmark::kMillisecond);

void BM_WriteDrawing100k(benchmark::State& state)
{
    Bench bench;
    if (!bench.Read()) state.SkipWithError("the job was not read");
    for (auto _ : state) {
        if (!bench.Write()) state.SkipWithError(bench.prompter.last.c_str());
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(bench.files.dxf));
}
BENCHMARK(BM_WriteDrawing100k)->Unit(benchmark::kMillisecond);

// The benchmark the goal is set for: under 2 s.
void BM_ConvertGsi16ToDxf100k(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        if (!bench.Read() || !bench.Write()) state.SkipWithError("the job was not converted");
    }
}
BENCHMARK(BM_ConvertGsi16ToDxf100k)->Unit(benchmark::kMillisecond);

} // namespace
