// The PC pane as the user sees it: expanding a folder of 10,000 files and
// refreshing an expanded tree of 50 folders of 200 files, model and widgets
// together (offscreen).
#include "pc_tree.h"
#include "tree_views.h"

#include <benchmark/benchmark.h>


#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace stationmate;

namespace {

fs::path makeFolder(const std::string& name, int folders, int files)
{
    const fs::path root = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(root);
    for (int f = 0; f < std::max(folders, 1); ++f) {
        const fs::path dir = folders > 0 ? root / ("job" + std::to_string(f)) : root;
        fs::create_directories(dir);
        for (int i = 0; i < files; ++i) std::ofstream(dir / ("p" + std::to_string(i) + (i % 2 ? ".gsi" : ".dat")));
    }
    return root;
}

void BM_ExpandFolderOf10000Files(benchmark::State& state)
{
    const fs::path root = makeFolder("harwick-expand", 0, 10000);
    CDriveView view(nullptr);
    for (auto _ : state) {
        PcTree tree;
        PcNode& top = tree.AddRoot(root.string() + "/", kImageFixedDisk);
        tree.Expand(top);
        view.Sync(tree);
        benchmark::DoNotOptimize(view.topLevelItemCount());
    }
    fs::remove_all(root);
}
BENCHMARK(BM_ExpandFolderOf10000Files)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_UpdateExpandedTree50x200(benchmark::State& state)
{
    const fs::path root = makeFolder("harwick-update", 50, 200);
    PcTree tree;
    PcNode& top = tree.AddRoot(root.string() + "/", kImageFixedDisk);
    tree.Expand(top);
    std::vector<PcNode*> folders;
    for (const auto& c : top.Children()) folders.push_back(c.get());
    for (PcNode* f : folders) tree.Expand(*f);
    CDriveView view(nullptr);
    view.Sync(tree);
    for (auto _ : state) {
        tree.Update();
        view.Sync(tree);
        benchmark::DoNotOptimize(view.topLevelItemCount());
    }
    fs::remove_all(root);
}
BENCHMARK(BM_UpdateExpandedTree50x200)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
