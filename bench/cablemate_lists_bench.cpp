// The cable program's whole-text jobs on large point lists: the DXF export,
// the prism-constant correction, and the coordinate list reading the text
// and writing it back on OK. Each runs at two sizes, ten times apart, so
// that the cost can be seen to grow in step with the list.
#include "coordinate_lists.h"
#include "dxf_export.h"

#include "text/text.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// A KARD300 list of n points with plausible coordinates.
const std::string& pointList(std::size_t n)
{
    static std::map<std::size_t, std::string> cache;
    auto [it, inserted] = cache.try_emplace(n);
    if (inserted) {
        std::mt19937_64 rng(n);
        std::uniform_real_distribution<double> plane(-50000.0, 950000.0);
        std::uniform_real_distribution<double> height(-50.0, 3000.0);
        const char* codes[] = {"", "KERB", "TREE", "FENCE", "MH"};
        std::string& text = it->second;
        for (std::size_t i = 0; i < n; ++i) {
            text += "P" + std::to_string(i + 1) + "," + codes[i % 5] + ",";
            harwick::text::appendFixed(text, plane(rng), 3);
            text += ",";
            harwick::text::appendFixed(text, plane(rng), 3);
            text += ",";
            harwick::text::appendFixed(text, height(rng), 3);
            text += "\r\n";
        }
    }
    return it->second;
}

void BM_DxfExport(benchmark::State& state)
{
    const std::string& text = pointList(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        cablemate::DxfResult r = cablemate::ExportDxf(text);
        if (!r.text) state.SkipWithError("export refused the list");
        benchmark::DoNotOptimize(r.text);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_DxfExport)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_Correction(benchmark::State& state)
{
    const std::string& text = pointList(static_cast<std::size_t>(state.range(0)));
    std::size_t shown = 0;
    const cablemate::Refresh refresh = [&shown](std::string_view soFar) { shown += soFar.size(); };
    for (auto _ : state) {
        cablemate::CorrectionResult r = cablemate::CorrectCoordinates(text, 0.0, 0.03, refresh);
        if (!r.message.empty()) state.SkipWithError("correction stopped");
        benchmark::DoNotOptimize(r.text);
    }
    benchmark::DoNotOptimize(shown);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Correction)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// What the coordinate list does around the dialog: the text read into rows
// and kept lines, then OK with every row still there writing it back.
void BM_CoordinateListReadAndWriteBack(benchmark::State& state)
{
    const std::string& text = pointList(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto source = cablemate::ReadCoordinateList(text, cablemate::EditFormat::Kard300);
        const auto rows = cablemate::CoordinateRows(source.table, cablemate::EditFormat::Kard300);
        std::vector<std::string> bodies;
        bodies.reserve(rows.size());
        cablemate::RowOrigins origins;
        origins.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            bodies.push_back(cablemate::CoordinateRowText(rows[i]));
            origins.emplace_back(i);
        }
        std::string back = cablemate::WriteListBack(source.lines, bodies, origins);
        if (back.size() != text.size()) state.SkipWithError("the list did not give the text back");
        benchmark::DoNotOptimize(back);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordinateListReadAndWriteBack)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
