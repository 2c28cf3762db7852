// The exchange program's job-data conversions on arbitrary bytes.
#include "jobdata/jobdata.h"
#include "text/text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string kard = jobdata::KardFromJobData(input);
    // Every KARD line written has five fields and ends CR LF.
    text::forEachLine(kard, [](std::string_view line) {
        if (text::splitFields(line, ",").size() < 5) std::abort();
    });
    if (!kard.empty() && kard.substr(kard.size() - 2) != text::kCrLf) std::abort();
    text::forEachLine(input, [](std::string_view line) {
        std::string block = jobdata::KardLineToGsi16(line);
        if (text::splitFields(line, ",").size() == 5 && block.size() != 4 * 24 + 1) std::abort();
    });
    return 0;
}
