// Throughput of the CSV point-list writer and reader, the reader with its
// detection, at two sizes ten times apart, so that the cost per byte can be
// seen to stay flat as the list grows.
#include "csv/csv.h"
#include "survey_rows.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace harwick;

namespace {

using bench::setBytes;

// Rows as a surveyor's list holds them: some names and codes quoted, some
// points without elevation.
const std::vector<points::PointRow>& rows(std::size_t n) { return bench::surveyRows(n, true); }

csv::WriteOptions optionsFor(const benchmark::State& state)
{
    csv::WriteOptions options;
    if (state.range(1)) {
        options.delimiter = ';';
        options.decimalComma = true;
    }
    return options;
}

void BM_CsvWrite(benchmark::State& state)
{
    const auto& in = rows(static_cast<std::size_t>(state.range(0)));
    const csv::WriteOptions options = optionsFor(state);
    std::size_t bytes = 0;
    for (auto _ : state) {
        csv::Result<std::string> out = csv::write(in, options);
        bytes = out.value->size();
        benchmark::DoNotOptimize(out.value->data());
    }
    setBytes(state, bytes);
}

void BM_CsvRead(benchmark::State& state)
{
    const std::string in = *csv::write(rows(static_cast<std::size_t>(state.range(0))), optionsFor(state)).value;
    // One read before timing: the first one of a process also pays the
    // kernel for fresh pages (160 MB of rows for a million points), which
    // would make the larger size's single timed run a measure of the heap.
    benchmark::DoNotOptimize(csv::read(in).value->rows.data());
    for (auto _ : state) {
        csv::Result<csv::ReadResult> out = csv::read(in);
        if (!out.ok() || out.value->rows.size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("the list did not read back");
            break;
        }
        benchmark::DoNotOptimize(out.value->rows.data());
    }
    setBytes(state, in.size());
}

} // namespace

// Second argument: 0 = "," with decimal points, 1 = ";" with decimal commas.
BENCHMARK(BM_CsvWrite)->ArgsProduct({{100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvRead)->ArgsProduct({{100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond);
