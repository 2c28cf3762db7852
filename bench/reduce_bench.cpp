// Coordinates from measurements on a GSI-16 job of 100,000 measured points,
// a new station set up before every 500 of them: what the coordinate editor
// waits for when it computes a large job before showing it.
#include "reduce/reduce.h"

#include "gsi/gsi.h"
#include "survey_rows.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <string_view>

using namespace harwick;

namespace {

constexpr std::size_t kTargetsPerStation = 500;

void appendGonWord(std::string& out, std::string_view head, double gon)
{
    char digits[24];
    std::snprintf(digits, sizeof digits, "%016lld", static_cast<long long>(gon * 1e5));
    out += head;
    out += digits;
    out += gsi::kSeparator;
}

void appendLength(std::string& out, std::string_view index, double metres)
{
    gsi::appendLengthWord(out, index, gsi::kTenthMillimetre, metres, gsi::Flavour::Gsi16);
    out += gsi::kSeparator;
}

// n measured blocks, the same for the same n: slope distances from 5 to
// 400 m at zenith angles near the horizontal, as a detail survey has them.
const std::string& measuredJob(std::size_t n)
{
    static std::map<std::size_t, std::string> cache;
    auto [it, inserted] = cache.try_emplace(n);
    if (inserted) {
        std::string& job = it->second;
        job.reserve(n * 130);
        std::mt19937_64 rng(n);
        std::uniform_real_distribution<double> plane(100000.0, 900000.0);
        std::uniform_real_distribution<double> direction(0.0, 399.99999);
        std::uniform_real_distribution<double> zenith(85.0, 115.0);
        std::uniform_real_distribution<double> slope(5.0, 400.0);
        std::uniform_real_distribution<double> reflector(1.0, 2.5);
        const char* codes[] = {"", "KERB", "TREE", "FENCE", "MH"};
        std::size_t row = 0;
        for (std::size_t k = 0; k < n; ++k) {
            if (k % kTargetsPerStation == 0) {
                job += gsi::kGsi16Mark;
                gsi::appendTextWord(job, gsi::editorPointHead(++row), "STN" + std::to_string(k / kTargetsPerStation + 1),
                                    gsi::Flavour::Gsi16);
                job += gsi::kSeparator;
                appendLength(job, gsi::kStationEasting, plane(rng));
                appendLength(job, gsi::kStationNorthing, plane(rng));
                appendLength(job, gsi::kStationHeight, 250.0);
                appendLength(job, "88", 1.55);
                job += "\r\n";
            }
            job += gsi::kGsi16Mark;
            gsi::appendTextWord(job, gsi::editorPointHead(++row), "P" + std::to_string(k + 1), gsi::Flavour::Gsi16);
            job += gsi::kSeparator;
            gsi::appendTextWord(job, gsi::kEditorCodeHead, codes[k % 5], gsi::Flavour::Gsi16);
            job += gsi::kSeparator;
            appendGonWord(job, "21.322+", direction(rng));
            appendGonWord(job, "22.322+", zenith(rng));
            appendLength(job, "31", slope(rng));
            appendLength(job, "87", reflector(rng));
            job += "\r\n";
        }
    }
    return it->second;
}

void BM_ReduceGsi16Job(benchmark::State& state)
{
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    const std::string& job = measuredJob(n);
    for (auto _ : state) {
        reduce::Reduction r = reduce::reduceJob(job);
        if (r.points.size() != n) state.SkipWithError("the job was not reduced to every point");
        benchmark::DoNotOptimize(r.points.data());
    }
    bench::setBytes(state, job.size());
}
BENCHMARK(BM_ReduceGsi16Job)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
