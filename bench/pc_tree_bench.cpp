// The PC tree over real folders: expanding one folder of 10,000 files, and an
// Update over an expanded tree of 50 folders with 200 files each, with every
// file shown ("*.*") and with a filter that compares every lower-cased name.
#include "pc_tree.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace stationmate;

namespace {

constexpr int kFlatFiles = 10000;
constexpr int kFolders = 50;
constexpr int kFilesPerFolder = 200;

// The folders the benchmarks read, made once and removed at exit.
class Scratch {
public:
    Scratch()
    {
        std::string pattern = (fs::temp_directory_path() / "pc-tree-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), pattern);
        root_ = pattern;
        makeFiles(root_ / "flat", kFlatFiles);
        for (int f = 0; f < kFolders; ++f) makeFiles(root_ / "grid" / ("Job" + std::to_string(f)), kFilesPerFolder);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch()
    {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string path(const std::string& folder) const { return (root_ / folder).string(); }

private:
    static void makeFiles(const fs::path& dir, int count)
    {
        fs::create_directories(dir);
        char name[32];
        for (int i = 0; i < count; ++i) {
            // Half of them pass the ".gsi" filter, written in upper case.
            std::snprintf(name, sizeof name, i % 2 == 0 ? "P%05d.GSI" : "P%05d.dat", i);
            std::ofstream(dir / name) << "x";
        }
    }

    fs::path root_;
};

const Scratch& scratch()
{
    static const Scratch s;
    return s;
}

std::string filterFor(const benchmark::State& state) { return state.range(0) == 0 ? "*.*" : ".gsi"; }

void BM_ExpandFolderOf10000Files(benchmark::State& state)
{
    PcTree tree(filterFor(state));
    PcNode& flat = tree.AddRoot(scratch().path("flat"), kImageFixedDisk);
    for (auto _ : state) {
        tree.Expand(flat);
        benchmark::DoNotOptimize(flat.Children().data());
    }
    state.counters["items"] = static_cast<double>(flat.Children().size());
}
BENCHMARK(BM_ExpandFolderOf10000Files)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UpdateExpandedTree50x200(benchmark::State& state)
{
    PcTree tree(filterFor(state));
    PcNode& grid = tree.AddRoot(scratch().path("grid"), kImageFixedDisk);
    tree.Expand(grid);
    std::size_t items = 0;
    for (const auto& job : grid.Children()) {
        tree.Expand(*job);
        items += job->Children().size();
    }
    for (auto _ : state) {
        tree.Update();
        benchmark::ClobberMemory();
    }
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_UpdateExpandedTree50x200)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
