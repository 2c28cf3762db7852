// Every GSI reader variant on arbitrary bytes, and the editor's writer on
// whatever the reader took from them.
#include "gsi/gsi.h"
#include "text/text.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);

    text::forEachLine(input, [](std::string_view line) {
        gsi::EditorBlock block = gsi::readEditorBlock(line);
        gsi::MarkedBlock marked = gsi::markFixedStride(line, gsi::FixedStrideReader::Exchange);
        const std::vector<std::string_view> words = gsi::splitFixedStride(marked.body, marked.flavour);
        for (std::size_t i = 0; i < words.size(); ++i) {
            // Only the last piece may be shorter than a word: a block cut off.
            const bool full = words[i].size() == gsi::dataWidth(marked.flavour) + 7;
            if (words[i].empty() || (!full && i + 1 != words.size())) std::abort();
            // A value is read from full data only, and never from a word it cannot hold.
            if (std::optional<gsi::Length> l = gsi::decodeLength(words[i], marked.flavour)) {
                if (!full || l->decimals < 3 || l->decimals > 5) std::abort();
            }
        }
        for (std::string_view word : gsi::splitBlankSeparated(line, gsi::kCableMaxPieces)) {
            if (word.size() < gsi::kMinWordLength) std::abort();
            (void)gsi::decodeCableLength(word, gsi::Flavour::Gsi8);
            (void)gsi::decodeBlankSeparatedText(word);
        }
        for (gsi::Flavour f : {gsi::Flavour::Gsi8, gsi::Flavour::Gsi16}) {
            std::string out;
            gsi::appendEditorBlock(out, f, 1, block.name.value_or(""), block.code.value_or(""), block.easting,
                                   block.northing, block.elevation, gsi::kHundredthMillimetre);
            // Name, code and each value the block has: words of fixed width,
            // each with its separator, then CR LF.
            const std::size_t words = 2 + (block.easting ? 1 : 0) + (block.northing ? 1 : 0) + (block.elevation ? 1 : 0);
            std::size_t expected = words * (gsi::dataWidth(f) + 8) + 2 + (f == gsi::Flavour::Gsi16 ? 1 : 0);
            if (out.size() != expected) std::abort();
        }
    });

    for (std::string_view line : gsi::splitDrawingLines(input)) {
        if (line.size() < gsi::kMinWordLength || line.size() >= gsi::kDrawingLineBuffer) std::abort();
        gsi::DrawingBlock block = gsi::readDrawingBlock(line);
        if (block.name && block.name->empty()) std::abort();
    }
    return 0;
}
