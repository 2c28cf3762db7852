// Throughput of the GeoJSON and LandXML point-list writers and readers on a
// job of 100,000 and of 1,000,000 points, so that the cost per point can be
// seen to stay flat as the job grows.
#include "geojson/geojson.h"
#include "landxml/landxml.h"
#include "survey_rows.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace harwick;

namespace {

using bench::kWhen;
using bench::setBytes;

const std::vector<points::PointRow>& rows(std::size_t n) { return bench::surveyRows(n); }

void BM_GeoJsonWrite(benchmark::State& state)
{
    const auto& in = rows(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        geojson::WriteResult out = geojson::write(in, geojson::WriteOptions{"EPSG:25832"});
        bytes = out.content.size();
        benchmark::DoNotOptimize(out.content.data());
    }
    setBytes(state, bytes);
}

void BM_GeoJsonRead(benchmark::State& state)
{
    const std::string file = geojson::write(rows(static_cast<std::size_t>(state.range(0)))).content;
    for (auto _ : state) {
        geojson::ReadResult r = geojson::read(file);
        if (r.points.size() != static_cast<std::size_t>(state.range(0))) state.SkipWithError("points lost");
        benchmark::DoNotOptimize(r.points.data());
    }
    setBytes(state, file.size());
}

void BM_LandXmlWrite(benchmark::State& state)
{
    const auto& in = rows(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        landxml::WriteResult out = landxml::write(in, kWhen);
        bytes = out.content.size();
        benchmark::DoNotOptimize(out.content.data());
    }
    setBytes(state, bytes);
}

void BM_LandXmlRead(benchmark::State& state)
{
    const std::string file = landxml::write(rows(static_cast<std::size_t>(state.range(0))), kWhen).content;
    for (auto _ : state) {
        landxml::ReadResult r = landxml::read(file);
        if (r.points.size() != static_cast<std::size_t>(state.range(0))) state.SkipWithError("points lost");
        benchmark::DoNotOptimize(r.points.data());
    }
    setBytes(state, file.size());
}

#define HARWICK_SIZES(bm) BENCHMARK(bm)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
HARWICK_SIZES(BM_GeoJsonWrite);
HARWICK_SIZES(BM_GeoJsonRead);
HARWICK_SIZES(BM_LandXmlWrite);
HARWICK_SIZES(BM_LandXmlRead);

} // namespace
