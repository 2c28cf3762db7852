// Code-list reading, and writing what was read.
#include "crf/crf.h"
#include "text/text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    crf::CodeList list = crf::read(input);
    std::vector<crf::CodeEntry> entries;
    for (const crf::CodeRecord& c : list.codes) entries.push_back({c.Code, c.Shortcut, {}});
    std::string written = crf::write(list.name, entries);
    if (written.size() < 2 || written.substr(written.size() - 2) != text::kCrLf) std::abort();
    (void)crf::read(written);
    return 0;
}
