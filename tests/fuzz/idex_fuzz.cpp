// The IDEX code-list conversion on arbitrary lines.
#include "idex/idex.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = text::splitLines(input);
    std::vector<std::string> out;
    bool converted = idex::ConvertCodeList(lines, out, text::LocalDateTime{2026, 1, 2, 3, 4, 5});
    if (converted != (input.find("VERSION 1.20") != std::string_view::npos)) std::abort();
    if (!converted && !out.empty()) std::abort();
    if (converted && (out.empty() || out.back() != "END DEFINITIONS")) std::abort();
    return 0;
}
