// KARD reading, the KARD600 reorder, and write-then-read of what was read.
#include "kard/kard.h"
#include "text/text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    text::forEachLine(input, [](std::string_view line) {
        (void)kard::kard600ToKard300(line);
        std::optional<kard::KardPoint> p = kard::readLine(line);
        if (!p) return;
        std::string written;
        kard::appendEditorLine(written, p->name, p->code, p->easting, p->northing, p->elevation);
        if (written.size() < 2 || written.substr(written.size() - 2) != text::kCrLf) std::abort();
        written.resize(written.size() - 2);
        std::optional<kard::KardPoint> again = kard::readLine(written);
        // A field that held a CR before the line end changes nothing else.
        if (!again || again->name != p->name || again->code != p->code || again->easting != p->easting || again->northing != p->northing ||
            again->elevation != p->elevation)
            std::abort();
    });
    return 0;
}
