// The LandXML reader, and what it read written again and read back.
#include "landxml/landxml.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const landxml::ReadResult read = landxml::read(input);
    if (!read.ok()) return 0;
    const landxml::WriteResult written = landxml::write(read.points, text::LocalDateTime{2026, 12, 9, 10, 0, 0});
    if (!written.ok()) return 0; // a text XML cannot carry is refused, not crashed on
    const landxml::ReadResult again = landxml::read(written.content);
    if (!again.ok() || again.points.size() != written.written) std::abort();
    return 0;
}
