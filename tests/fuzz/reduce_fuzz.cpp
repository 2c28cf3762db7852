// Reducing any job: every point it gives has finite coordinates, every
// skipped block names a line of the job, and the counts add up.
#include "reduce/reduce.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const reduce::Reduction r = reduce::reduceJob(input);
    if (r.fromMeasurements + r.fromInstrument != r.points.size() || r.beforeStation > r.fromMeasurements) std::abort();
    for (const reduce::ReducedPoint& p : r.points) {
        const reduce::Position& at = p.position;
        if (!std::isfinite(at.easting) || !std::isfinite(at.northing)) std::abort();
        if (at.height && !std::isfinite(*at.height)) std::abort();
        if (p.line == 0 || p.line > size + 1) std::abort();
    }
    for (const reduce::Skipped& s : r.skipped) {
        if (s.line == 0 || s.line > size + 1 || s.reason.empty()) std::abort();
    }
    reduce::measuredWithoutCoordinates(input);
    return 0;
}
