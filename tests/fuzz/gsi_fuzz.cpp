// Every GSI reader variant on arbitrary bytes, and the editor's writer on
// whatever the reader took from them.
#include "gsi/gsi.h"
#include "text/text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);

    text::forEachLine(input, [](std::string_view line) {
        gsi::EditorBlock block = gsi::readEditorBlock(line);
        gsi::MarkedBlock marked = gsi::markFixedStride(line, gsi::FixedStrideReader::Exchange);
        for (std::string_view word : gsi::splitFixedStride(marked.body, marked.flavour)) {
            if (word.size() != gsi::dataWidth(marked.flavour) + 7) std::abort();
        }
        for (std::string_view word : gsi::splitBlankSeparated(line, gsi::kCableMaxPieces)) {
            if (word.size() < gsi::kMinWordLength) std::abort();
            (void)gsi::decodeCableLength(word);
            (void)gsi::decodeBlankSeparatedText(word);
        }
        for (gsi::Flavour f : {gsi::Flavour::Gsi8, gsi::Flavour::Gsi16}) {
            std::string out;
            gsi::appendEditorBlock(out, f, 1, block.name.value_or(""), block.code.value_or(""),
                                   block.easting.value_or(0), block.northing.value_or(0),
                                   block.elevation.value_or(0), gsi::kHundredthMillimetre);
            // Five words of fixed width, each with its separator, then CR LF.
            std::size_t expected = 5 * (gsi::dataWidth(f) + 8) + 2 + (f == gsi::Flavour::Gsi16 ? 1 : 0);
            if (out.size() != expected) std::abort();
        }
    });

    for (std::string_view line : gsi::splitDrawingLines(input)) {
        if (line.size() < gsi::kMinWordLength || line.size() >= gsi::kDrawingLineBuffer) std::abort();
        gsi::DrawingBlock block = gsi::readDrawingBlock(line);
        if (block.name.empty()) std::abort();
    }
    return 0;
}
