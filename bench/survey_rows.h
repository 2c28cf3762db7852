// What the point-list benchmarks share: the rows they feed the writers, the
// time stamp they write, and the throughput they report.
#pragma once

#include "points/point_row.h"
#include "text/text.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace harwick::bench {

inline const text::LocalDateTime kWhen{2026, 12, 7, 9, 30, 0};

// Bytes per second, and the points per run as "items".
inline void setBytes(benchmark::State& state, std::size_t bytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["items"] = static_cast<double>(state.range(0));
}

// n rows, the same for the same n: names P1, P2, …, plane coordinates and
// heights with three decimals, a few codes. Awkward rows are as a surveyor's
// spreadsheet holds them: codes with a comma or quotes, and every seventh
// point without elevation.
inline const std::vector<points::PointRow>& surveyRows(std::size_t n, bool awkward = false)
{
    static std::map<std::pair<std::size_t, bool>, std::vector<points::PointRow>> cache;
    auto [it, inserted] = cache.try_emplace({n, awkward});
    if (inserted) {
        std::mt19937_64 rng(n);
        std::uniform_real_distribution<double> plane(-50000.0, 950000.0);
        std::uniform_real_distribution<double> height(-50.0, 3000.0);
        const char* plainCodes[] = {"", "KERB", "TREE", "FENCE", "MH"};
        const char* awkwardCodes[] = {"", "KERB", "TREE, OAK", "FENCE", "MH \"A\""};
        const char* const* codes = awkward ? awkwardCodes : plainCodes;
        it->second.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            it->second.push_back(points::PointRow{"P" + std::to_string(i + 1), text::formatFixed(plane(rng), 3),
                                                  text::formatFixed(plane(rng), 3),
                                                  awkward && i % 7 == 0 ? std::string() : text::formatFixed(height(rng), 3),
                                                  codes[i % 5]});
        }
    }
    return it->second;
}

} // namespace harwick::bench
