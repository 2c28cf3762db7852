// The cable program's conversions on long jobs. Each runs at 10,000 and
// 100,000 lines, so the cost per line can be seen to stay flat; the refresh
// copies the text as the editor would, and is coalesced by the conversions.
#include "block_stream.h"
#include "conversions.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

using namespace cablemate;

namespace {

constexpr long kSmall = 10'000;
constexpr long kLarge = 100'000;

using Maker = std::string (*)(std::size_t);

const std::string& Cached(Maker make, std::size_t n) {
    static std::map<std::pair<Maker, std::size_t>, std::string> cache;
    auto [it, inserted] = cache.try_emplace({make, n});
    if (inserted) it->second = make(n);
    return it->second;
}

std::string Metres(std::mt19937_64& rng, double low, double high) {
    const double v = std::uniform_real_distribution<double>(low, high)(rng);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    return buffer;
}

std::string Digits(std::mt19937_64& rng, std::size_t width) {
    std::string s;
    for (std::size_t i = 0; i < width; ++i) s.push_back(static_cast<char>('0' + rng() % 10));
    return s;
}

std::string KardText(std::size_t n) {
    std::mt19937_64 rng(n);
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += "P" + std::to_string(i) + ",TREE," + Metres(rng, -5e4, 9e5) + "," + Metres(rng, -5e4, 9e5) + "," +
               Metres(rng, -50, 3000) + "\r\n";
    }
    return out;
}

std::string Kard600Text(std::size_t n) {
    std::mt19937_64 rng(n);
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += "P" + std::to_string(i) + "," + Metres(rng, -5e4, 9e5) + "," + Metres(rng, -5e4, 9e5) + "," +
               Metres(rng, -50, 3000) + ",TREE\r\n";
    }
    return out;
}

std::string CodeLines(std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += std::to_string(i % 1000) + ",CODE" + std::to_string(i % 100000) + "\r\n";
    return out;
}

std::string CoordinateStream(std::size_t n) { return *BuildCoordinateBlocks(Cached(KardText, n)); }

std::string CodeStream(std::size_t n) { return *BuildCodeBlocks(Cached(CodeLines, n)); }

std::string MeasuredStream(std::size_t n) {
    std::mt19937_64 rng(n);
    std::string records;
    for (std::size_t i = 0; i < n; ++i) {
        std::string name = "P" + std::to_string(i);
        name.resize(10, ' ');
        records += "_+" + name + "_ U+" + Digits(rng, 9) + "-" + Digits(rng, 9) + "+" + Digits(rng, 7) +
                   "_*TREE      _,\r\n";
    }
    return FrameRecordStream(records);
}

std::string GsiText(std::size_t n) {
    std::mt19937_64 rng(n);
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 10 == 0) {
            out += "410001+0000TREE \r\n";
            continue;
        }
        std::string name = std::to_string(i);
        name.insert(0, 8 - std::min<std::size_t>(8, name.size()), '0');
        out += "110001+" + name + " 81..00+" + Digits(rng, 8) + " 82..00-" + Digits(rng, 8) + " 83..00+" +
               Digits(rng, 8) + " \r\n";
    }
    return out;
}

// What the window does with a refresh: copy the text into the editor.
Refresh EditorCopy(std::string& editor) {
    return [&editor](std::string_view soFar) { editor.assign(soFar); };
}

template <typename Convert>
void Run(benchmark::State& state, Maker make, Convert convert) {
    const std::string& input = Cached(make, static_cast<std::size_t>(state.range(0)));
    std::string editor;
    for (auto _ : state) benchmark::DoNotOptimize(convert(input, editor));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}

void BM_CodeBlocksToText(benchmark::State& state) {
    CodeTable table;
    Run(state, CodeStream,
        [&](const std::string& in, std::string& ed) { return CodeBlocksToText(in, table, EditorCopy(ed)); });
}

void BM_MeasuredBlocksToKard(benchmark::State& state) {
    Run(state, MeasuredStream,
        [](const std::string& in, std::string& ed) { return MeasuredBlocksToKard(in, EditorCopy(ed)); });
}

void BM_CoordinateBlocksToKard(benchmark::State& state) {
    Run(state, CoordinateStream,
        [](const std::string& in, std::string& ed) { return CoordinateBlocksToKard(in, EditorCopy(ed)); });
}

void BM_KardToCoordinateBlocks(benchmark::State& state) {
    Run(state, KardText, [](const std::string& in, std::string&) { return KardToCoordinateBlocks(in); });
}

void BM_BuildCodeBlocks(benchmark::State& state) {
    Run(state, CodeLines, [](const std::string& in, std::string&) { return BuildCodeBlocks(in); });
}

void BM_Kard600ToKard300(benchmark::State& state) {
    Run(state, Kard600Text,
        [](const std::string& in, std::string& ed) { return Kard600ToKard300(in, EditorCopy(ed)); });
}

void BM_GsiToKardText(benchmark::State& state) {
    Run(state, GsiText, [](const std::string& in, std::string&) {
        std::size_t lineEnds = 0;
        return GsiToKardText(in, [&] { ++lineEnds; });
    });
}

} // namespace

BENCHMARK(BM_CodeBlocksToText)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeasuredBlocksToKard)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoordinateBlocksToKard)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KardToCoordinateBlocks)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildCodeBlocks)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Kard600ToKard300)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GsiToKardText)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
