// The coordinate editor on a job of 100,000 points, through the window's
// own paths (offscreen, the window shown): opening a GSI-16 file (read,
// import, model reset and the repaint), switching the precision in the
// OPTIONS dialog, and saving the grid as KARD with SaveAs.
#include "main_window.h"
#include "window_texts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace pointbook;

namespace {

constexpr std::size_t kPoints = 100000;

class QuietPrompter : public Prompter {
public:
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return true; } // replace the last run's file
};

class FixedFiles : public FileChooser {
public:
    SaveChoice save;
    std::optional<std::string> OpenPath() override { return std::nullopt; }
    std::optional<SaveChoice> SavePath() override { return save; }
};

// Answers the OPTIONS dialog with the precision asked for.
class PrecisionRunner : public ExecRunner {
public:
    std::string precision;
    int Run(QDialog& dialog) override
    {
        dialog.findChild<QComboBox*>(kPrecisionCombo)->setCurrentText(QString::fromStdString(precision));
        return QDialog::Accepted;
    }
};

struct Bench {
    QuietPrompter prompter;
    FixedFiles files;
    PrecisionRunner runner;
    PointbookWindow window{Interactions{prompter, files, runner}};
    fs::path dir = fs::temp_directory_path() / ("pointbook-bench-" + std::to_string(::getpid()));
    fs::path gsi = dir / "job.gsi";

    Bench()
    {
        fs::create_directories(dir);
        pointlist::Table table;
        table.precision = pointlist::Precision::TenthMilli;
        for (std::size_t i = 0; i < kPoints; ++i) {
            table.rows.push_back({"P" + std::to_string(i + 1), std::to_string(2150.0 + 0.0137 * i),
                                  std::to_string(4820.0 + 0.0071 * i), std::to_string(112.0 + 0.0003 * i), "KERB"});
        }
        std::ofstream(gsi, std::ios::binary)
            << pointlist::exportFile(table, pointlist::FileKind::Gsi, gsi::Flavour::Gsi16, {}).content;
        window.show();
    }
    ~Bench() { fs::remove_all(dir); }

    bool Open()
    {
        const bool opened = window.Editor().OpenFile(gsi.string());
        QCoreApplication::processEvents();
        return opened && window.Model().rowCount() == static_cast<int>(kPoints + 1);
    }
};

void BM_OpenGsi16Job100k(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        if (!bench.Open()) state.SkipWithError("the job did not open");
    }
}
BENCHMARK(BM_OpenGsi16Job100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Each turn switches 0.001 → 0.0001 (cells filled up) or back (cells rounded).
void BM_ChangePrecision100k(benchmark::State& state)
{
    Bench bench;
    if (!bench.Open()) state.SkipWithError("the job did not open");
    bool finer = true;
    for (auto _ : state) {
        bench.runner.precision = finer ? "0.0001" : "0.001";
        bench.window.Setting();
        QCoreApplication::processEvents();
        finer = !finer;
    }
    benchmark::DoNotOptimize(bench.window.Model().Grid().Cell(kPoints - 1, Column::Easting));
}
BENCHMARK(BM_ChangePrecision100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SaveAsKard100k(benchmark::State& state)
{
    Bench bench;
    if (!bench.Open()) state.SkipWithError("the job did not open");
    bench.files.save = SaveChoice{(bench.dir / "job").string(), kKardFilter};
    for (auto _ : state) {
        if (!bench.window.Editor().SaveAs()) state.SkipWithError("the job was not saved");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(bench.dir / "job.dat"));
}
BENCHMARK(BM_SaveAsKard100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
