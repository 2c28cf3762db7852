#include "gsi/gsi.h"

#include "text/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace harwick::gsi {

namespace {

// Positions in a word count from 1; these are 0-based offsets.
constexpr std::size_t kUnitDigitAt = 5; // position 6
constexpr std::size_t kSignAt = 6;     // position 7
constexpr std::size_t kDataAt = 7;     // position 8

std::string_view from(std::string_view s, std::size_t at) { return at < s.size() ? s.substr(at) : std::string_view{}; }

// The data's digits as a whole number, in one pass; nothing when any
// character is not a digit (placeholders, blanks). Up to 19 digits are
// gathered exactly; wider data (a longer piece of a blank-separated line)
// goes on in double.
std::optional<double> wholeNumber(std::string_view digits)
{
    constexpr std::size_t kExactDigits = 19;
    const std::size_t exact = std::min(digits.size(), kExactDigits);
    std::uint64_t whole = 0;
    std::size_t i = 0;
    for (; i < exact; ++i) {
        const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(digits[i])) - '0';
        if (digit > 9) return std::nullopt;
        whole = whole * 10 + digit;
    }
    double value = static_cast<double>(whole);
    for (; i < digits.size(); ++i) {
        const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(digits[i])) - '0';
        if (digit > 9) return std::nullopt;
        value = value * 10.0 + digit;
    }
    // Hundreds of digits are no length.
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

void keepFinest(std::optional<int>& finest, int decimals)
{
    if (!finest || decimals > *finest) finest = decimals;
}

} // namespace

std::vector<std::string_view> splitFixedStride(std::string_view block, Flavour f)
{
    const std::size_t word = dataWidth(f) + 7;
    std::vector<std::string_view> words;
    words.reserve(block.size() / (word + 1) + 1);
    while (!block.empty()) {
        words.push_back(block.substr(0, word));
        block.remove_prefix(std::min(block.size(), word + 1));
    }
    return words;
}

std::vector<std::string_view> splitBlankSeparated(std::string_view line, std::size_t maxPieces)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t piece = 0; piece < maxPieces && start <= line.size(); ++piece) {
        std::size_t end = line.find(kSeparator, start);
        if (end == std::string_view::npos) end = line.size();
        std::string_view w = line.substr(start, end - start);
        if (w.size() >= kMinWordLength) words.push_back(w);
        if (end == line.size()) break;
        start = end + 1;
    }
    return words;
}

MarkedBlock markFixedStride(std::string_view line, FixedStrideReader reader)
{
    bool gsi16 = line.find("*11") != std::string_view::npos ||
                 (reader == FixedStrideReader::Exchange && line.find("*41") != std::string_view::npos);
    if (gsi16) return {Flavour::Gsi16, line.substr(1)};
    return {Flavour::Gsi8, line};
}

MarkedBlock markBlankSeparated(std::string_view line)
{
    if (!line.empty() && line.front() == kGsi16Mark) return {Flavour::Gsi16, line.substr(1)};
    return {Flavour::Gsi8, line};
}

std::string_view wordIndex(std::string_view word) { return word.size() >= 2 ? word.substr(0, 2) : std::string_view{}; }

std::string_view decodeEditorText(std::string_view word)
{
    std::size_t plus = word.find('+');
    if (plus == std::string_view::npos) return {};
    return text::stripLeadingZeros(word.substr(plus + 1));
}

std::optional<StepUnit> stepUnit(char unitDigit)
{
    switch (unitDigit) {
    case '0': return StepUnit{1000.0, 1.0, 3};
    case '6': return StepUnit{10000.0, 1.0, 4};
    case '8': return StepUnit{100000.0, 1.0, 5};
    // 1/1000 ft is 0.3048 mm and 1/10000 ft 0.03048 mm: the decimals that
    // keep the step's tenth of a millimetre and hundredth.
    case '1': return StepUnit{1000.0, kInternationalFootMetres, 4};
    case '7': return StepUnit{10000.0, kInternationalFootMetres, 5};
    default: return std::nullopt;
    }
}

std::optional<WordValue> wordValue(std::string_view word, Flavour f)
{
    if (word.size() <= kDataAt) return std::nullopt;
    const char sign = word[kSignAt];
    const std::string_view data = word.substr(kDataAt);
    if ((sign != '+' && sign != '-') || data.size() < dataWidth(f)) return std::nullopt;
    const std::optional<double> steps = wholeNumber(data);
    if (!steps) return std::nullopt;
    return WordValue{word[kUnitDigitAt], sign == '-', *steps};
}

std::optional<Length> decodeLength(std::string_view word, Flavour f)
{
    const std::optional<WordValue> value = wordValue(word, f);
    if (!value) return std::nullopt;
    const std::optional<StepUnit> unit = stepUnit(value->unitDigit);
    if (!unit) return std::nullopt;
    double metres = value->steps / unit->stepsPerUnit * unit->unitMetres;
    // No "-0.000" for a zero written with a minus.
    if (value->negative && metres != 0.0) metres = -metres;
    return Length{metres, unit->decimals};
}

EditorBlock readEditorBlock(std::string_view line)
{
    MarkedBlock marked = markFixedStride(line, FixedStrideReader::Editor);
    EditorBlock block;
    block.flavour = marked.flavour;
    for (std::string_view word : splitFixedStride(marked.body, marked.flavour)) {
        std::string_view index = wordIndex(word);
        if (index == kPointNumber) {
            std::string_view name = decodeEditorText(word);
            block.name = name.empty() ? std::string("0") : std::string(name);
        } else if (index == kPointCode) {
            block.code = std::string(decodeEditorText(word));
        } else if (index == kEasting || index == kNorthing || index == kElevation) {
            const std::optional<Length> length = decodeLength(word, marked.flavour);
            if (!length) continue;
            if (index == kEasting) block.easting = length->metres;
            else if (index == kNorthing) block.northing = length->metres;
            else block.elevation = length->metres;
            keepFinest(block.finestDecimals, length->decimals);
        }
    }
    return block;
}

std::string decodeBlankSeparatedText(std::string_view word)
{
    std::string_view data = from(word, kDataAt).substr(0, kMaxTextLength);
    return std::string(text::stripLeadingZeros(data));
}

DrawingBlock readDrawingBlock(std::string_view line)
{
    MarkedBlock marked = markBlankSeparated(line);
    DrawingBlock block;
    for (std::string_view word : splitBlankSeparated(marked.body, kDrawingMaxPieces)) {
        std::string_view index = wordIndex(word);
        if (index == kPointNumber) {
            std::string name = decodeBlankSeparatedText(word);
            block.name = name.empty() ? std::string("0") : std::move(name);
        } else if (index == kPointCode) {
            block.code = decodeBlankSeparatedText(word);
        } else if (index == kEasting || index == kNorthing || index == kElevation) {
            const std::optional<Length> length = decodeLength(word, marked.flavour);
            if (!length) continue;
            // The converter holds the value as text with its unit's decimals
            // and reads it back, so the drawing keeps exactly those decimals.
            const double kept = text::readNumber(text::formatFixed(length->metres, length->decimals));
            if (index == kEasting) block.easting = kept;
            else if (index == kNorthing) block.northing = kept;
            else block.elevation = kept;
        }
    }
    return block;
}

std::vector<std::string_view> splitDrawingLines(std::string_view file)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        char c = file[i];
        if (c == '\r' || c == '\n') {
            std::string_view line = file.substr(start, i - start);
            if (line.size() >= kMinWordLength) lines.push_back(line);
            start = i + 1;
        } else if (i + 1 - start == kDrawingLineBuffer) {
            // A full buffer without a line end is thrown away.
            start = i + 1;
        }
    }
    std::string_view rest = file.substr(start);
    if (rest.size() >= kMinWordLength) lines.push_back(rest);
    return lines;
}

std::optional<std::string> decodeCableLength(std::string_view word, Flavour f)
{
    const std::optional<Length> length = decodeLength(word, f);
    if (!length) return std::nullopt;
    return text::formatFixed(length->metres, length->decimals);
}

} // namespace harwick::gsi
