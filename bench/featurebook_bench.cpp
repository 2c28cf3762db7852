// Opening a code list of 500 codes (4,000 attribute rows) into the
// feature-code editor's window, offscreen: the file read, the tree of 4,501
// items, the 501 sheet tabs and the code table, laid out and painted; and
// the reading of the file alone for comparison.
#include "code_list_file.h"
#include "feature_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace featurebook;

namespace {

constexpr std::size_t kCodes = 500;

class Silent : public Messages, public DialogRunner, public FileDialogs, public PopupMenus {
public:
    void ShowMessage(std::string_view) override {}
    int Run(QDialog&) override { return 0; }
    std::optional<std::string> OpenPath() override { return std::nullopt; }
    std::optional<std::string> SavePath() override { return std::nullopt; }
    QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }
};

fs::path WriteList()
{
    CodeBook book("BIGSITE", {});
    for (std::size_t i = 0; i < kCodes; ++i) {
        book.SetCode(i, "CODE" + std::to_string(i));
        book.SetShortcut(i, std::to_string(i % 100));
        for (std::size_t slot = 0; slot < kInfoSlots; ++slot)
            book.SetDefault(i, slot, "value" + std::to_string(i) + "_" + std::to_string(slot));
    }
    const fs::path path = fs::temp_directory_path() / ("featurebook-bench-" + std::to_string(::getpid()) + ".crf");
    std::ofstream(path, std::ios::binary) << book.FileText();
    return path;
}

void BM_OpenListOf500CodesIntoWindow(benchmark::State& state)
{
    const fs::path path = WriteList();
    Silent silent;
    FeatureWindow window(Interactions{silent, silent, silent, silent});
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!window.OpenFile(path.string())) state.SkipWithError("the list did not open");
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Grid().SheetCount());
    }
    if (window.Book().Count() != kCodes || window.Grid().SheetCount() != static_cast<int>(kCodes) + 1)
        state.SkipWithError("the window does not show every code");
    fs::remove(path);
}
BENCHMARK(BM_OpenListOf500CodesIntoWindow)->Unit(benchmark::kMillisecond);

void BM_ReadListOf500Codes(benchmark::State& state)
{
    const fs::path path = WriteList();
    std::string error;
    for (auto _ : state) {
        std::optional<CodeBook> book = OpenCodeList(path, error);
        benchmark::DoNotOptimize(book);
    }
    fs::remove(path);
}
BENCHMARK(BM_ReadListOf500Codes)->Unit(benchmark::kMillisecond);

} // namespace
