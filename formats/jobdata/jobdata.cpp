#include "jobdata/jobdata.h"

#include "gsi/gsi.h"
#include "kard/kard.h"
#include "text/text.h"

#include <array>
#include <optional>

namespace harwick::jobdata {

namespace {

// Millimetres as "%0.3f", finer units with the decimals that keep their step;
// a word without a usable value leaves its field empty, never "0.000".
std::string lengthText(std::string_view word, gsi::Flavour f)
{
    const std::optional<gsi::Length> length = gsi::decodeLength(word, f);
    return length ? text::formatFixed(length->metres, length->decimals) : std::string();
}

} // namespace

GsiLine ParseGsiLine(std::string_view line)
{
    gsi::MarkedBlock marked = gsi::markFixedStride(line, gsi::FixedStrideReader::Exchange);
    GsiLine result;
    for (std::string_view word : gsi::splitFixedStride(marked.body, marked.flavour)) {
        if (text::startsWith(word, gsi::kCodeBlock) || text::contains(word, "*41")) {
            result.kind = GsiLine::Kind::Code;
            result.code = gsi::decodeEditorText(word);
            return result;
        }
        if (text::startsWith(word, gsi::kPointNumber) || text::contains(word, "*11")) {
            std::string_view id = gsi::decodeEditorText(word);
            result.pointId = id.empty() ? std::string("0") : std::string(id);
        } else if (text::startsWith(word, gsi::kPointCode)) {
            result.remark = gsi::decodeEditorText(word);
        } else if (text::startsWith(word, gsi::kEasting)) {
            result.easting = lengthText(word, marked.flavour);
        } else if (text::startsWith(word, gsi::kNorthing)) {
            result.northing = lengthText(word, marked.flavour);
        } else if (text::startsWith(word, gsi::kElevation)) {
            result.height = lengthText(word, marked.flavour);
        }
    }
    return result;
}

std::string KardFromJobData(std::string_view data)
{
    std::string out;
    out.reserve(data.size() / 2);
    std::string code;
    text::forEachLine(data, [&](std::string_view line) {
        GsiLine block = ParseGsiLine(line);
        if (block.kind == GsiLine::Kind::Code) {
            code = std::move(block.code);
            return;
        }
        if (block.pointId.empty()) return;
        out.append(block.pointId);
        out.append(kard::kSeparator);
        out.append(code);
        out.append(kard::kSeparator);
        out.append(block.easting);
        out.append(kard::kSeparator);
        out.append(block.northing);
        out.append(kard::kSeparator);
        out.append(block.height);
        out.append(text::kCrLf);
    });
    return out;
}

std::string KardLineToGsi16(std::string_view line)
{
    std::array<std::string_view, kard::kFieldCount> f;
    if (text::splitFieldsInto(line, kard::kSeparator, f) != kard::kFieldCount) return std::string(line);
    std::string block;
    block.reserve(100);
    gsi::appendExchangePointBlock(block, f[kard::kKard300.name], text::readNumber(f[kard::kKard300.easting]),
                                  text::readNumber(f[kard::kKard300.northing]),
                                  text::readNumber(f[kard::kKard300.elevation]));
    return block;
}

} // namespace harwick::jobdata
