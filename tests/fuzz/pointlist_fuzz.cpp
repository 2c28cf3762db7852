// Telling the kind from the content, the coordinate editor's import of each
// kind, a precision change, and every export.
#include "pointlist/detect.h"
#include "pointlist/pointlist.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const pointlist::FileKind kinds[] = {pointlist::FileKind::Gsi, pointlist::FileKind::Kard, pointlist::FileKind::Idx};
    for (const pointlist::ContentKind& found : pointlist::candidateKinds(input)) {
        if (found.kind == pointlist::FileKind::Unknown) std::abort();
    }
    pointlist::Table table;
    pointlist::importFile(table, kinds[data[0] % 3], input);
    pointlist::changePrecision(table, pointlist::kPrecisionChoices[(data[0] / 3) % 3]);
    const text::LocalDateTime when{2026, 12, 7, 9, 5, 1};
    for (pointlist::FileKind kind : kinds) {
        for (gsi::Flavour f : {gsi::Flavour::Gsi8, gsi::Flavour::Gsi16}) {
            pointlist::ExportResult r = pointlist::exportFile(table, kind, f, when);
            if (r.rowsWritten != pointlist::exportableRows(table)) std::abort();
        }
    }
    return 0;
}
