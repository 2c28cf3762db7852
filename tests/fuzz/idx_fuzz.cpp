// IDX reading, and writing what was read.
#include "idx/idx.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<idx::IdxPoint> points = idx::readPoints(input);
    std::string written = idx::write(points, text::LocalDateTime{2026, 12, 7, 9, 5, 1});
    if (written.find(idx::kPointsHeader) == std::string::npos) std::abort();
    return 0;
}
