#include "gsi/gsi.h"

#include "text/text.h"

#include <charconv>
#include <cmath>

namespace harwick::gsi {

namespace {

// Positions in a word count from 1; these are 0-based offsets.
constexpr std::size_t kUnitPairAt = 4; // positions 5-6
constexpr std::size_t kUnitDigitAt = 5; // position 6
constexpr std::size_t kSignAt = 6;     // position 7
constexpr std::size_t kDataAt = 7;     // position 8

std::string_view from(std::string_view s, std::size_t at) { return at < s.size() ? s.substr(at) : std::string_view{}; }

bool isLengthIndex(std::string_view index)
{
    return index == kEasting || index == kNorthing || index == kElevation || index == kStationEasting ||
           index == kStationNorthing || index == kStationHeight;
}

std::string_view unitPair(std::string_view word) { return word.substr(std::min(word.size(), kUnitPairAt), 2); }

} // namespace

std::vector<std::string_view> splitFixedStride(std::string_view block, Flavour f)
{
    const std::size_t word = dataWidth(f) + 7;
    std::vector<std::string_view> words;
    words.reserve(block.size() / (word + 1));
    while (block.size() >= word + 1) {
        words.push_back(block.substr(0, word));
        block.remove_prefix(word + 1);
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

double decodeEditorLength(std::string_view word)
{
    double number = 0.0;
    if (std::size_t plus = word.find('+'); plus != std::string_view::npos) {
        number = text::readNumber(word.substr(plus + 1));
    } else if (std::size_t minus = word.find('-'); minus != std::string_view::npos) {
        number = -text::readNumber(word.substr(minus + 1));
    } else {
        number = text::readNumber(from(word, kDataAt));
    }
    std::string_view pair = unitPair(word);
    if (pair == "00" || pair == "10") return number * 0.001;
    if (pair == "16") return number * 0.0001;
    if (pair == "18") return number * 0.00001;
    // Feet go through the foot first, then the step.
    if (pair == "11") return number * kEditorFootMetres * 0.001;
    if (pair == "17") return number * kEditorFootMetres * 0.0001;
    return number;
}

std::optional<int> metricDecimals(std::string_view word)
{
    std::string_view pair = unitPair(word);
    if (pair == "00" || pair == "10") return 3;
    if (pair == "16") return 4;
    if (pair == "18") return 5;
    return std::nullopt;
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
            double value = decodeEditorLength(word);
            if (index == kEasting) block.easting = value;
            else if (index == kNorthing) block.northing = value;
            else block.elevation = value;
            if (std::optional<int> d = metricDecimals(word)) block.metricDecimals = d;
        }
    }
    return block;
}

std::string decodeBlankSeparatedText(std::string_view word)
{
    std::string_view data = from(word, kDataAt).substr(0, kMaxTextLength);
    return std::string(text::stripLeadingZeros(data));
}

DrawingLength decodeDrawingLength(std::string_view word)
{
    double number = text::readNumber(from(word, kDataAt));
    if (word.size() <= kSignAt || word[kSignAt] != '+') number = -number;
    char unit = word.size() > kUnitDigitAt ? word[kUnitDigitAt] : '\0';
    DrawingLength length;
    switch (unit) {
    case '0': length = {number / 1000.0, 3}; break;
    case '6': length = {number / 10000.0, 4}; break;
    case '8': length = {number / 100000.0, 5}; break;
    case '1': length = {number / 1000.0 / kDrawingFeetPerMetre, 4}; break;
    case '7': length = {number / 10000.0 / kDrawingFeetPerMetre, 5}; break;
    default: length = {number, 3}; break;
    }
    // The converter holds the value as text with that many decimals and reads
    // it back, so the drawing keeps exactly those decimals.
    length.metres = text::readNumber(text::formatFixed(length.metres, length.decimals));
    return length;
}

DrawingBlock readDrawingBlock(std::string_view line)
{
    MarkedBlock marked = markBlankSeparated(line);
    DrawingBlock block;
    for (std::string_view word : splitBlankSeparated(marked.body, kDrawingMaxPieces)) {
        std::string_view index = wordIndex(word);
        if (index == kPointNumber) block.name = decodeBlankSeparatedText(word);
        else if (index == kPointCode) block.code = decodeBlankSeparatedText(word);
        else if (index == kEasting) block.easting = decodeDrawingLength(word).metres;
        else if (index == kNorthing) block.northing = decodeDrawingLength(word).metres;
        else if (index == kElevation) block.elevation = decodeDrawingLength(word).metres;
    }
    if (block.name.empty()) block.name = "0";
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

std::optional<std::string> decodeCableLength(std::string_view word)
{
    // "81..00+--------" to "86..00+--------" stand in for a value the block does not carry.
    bool placeholder = word.size() >= 15 && isLengthIndex(wordIndex(word)) && word.substr(2, 13) == "..00+--------";
    if (placeholder) return std::nullopt;
    double number = text::readNumber(from(word, kDataAt)) / 1000.0;
    if (word.size() <= kSignAt || word[kSignAt] != '+') number = -number;
    return text::formatFixed(number, 3);
}

} // namespace harwick::gsi
