// The drawing reader, and what it read planned as a drawing again: every
// point read has numbers a drawing takes, so planning never fails and places
// every point.
#include "dxf/dxf.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const dxf::ReadResult read = dxf::read(input);
    if (!read.ok()) return 0;
    const dxf::Planned planned = dxf::plan(read.points, dxf::kDefaultTextHeight);
    if (!planned.ok() || planned.written != read.points.size()) std::abort();
    return 0;
}
