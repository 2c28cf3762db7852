#include "instrument-sim/cable_blocks.h"

#include "kard/kard.h"
#include "text/text.h"

#include <cmath>

namespace harwick::sim {

namespace {

constexpr std::string_view kNameTag = "_+";
constexpr std::string_view kEastingTag = "_ x";
constexpr std::string_view kNorthingTag = "_ y";
constexpr std::string_view kElevationTag = "_ z";
constexpr char kFillStart = '_';
constexpr char kBlank = ' ';
constexpr int kBlockNumbers = 10;
constexpr long long kMillimetresPerMetre = 1000;
constexpr int kChecksumDigits = 3;
constexpr int kWholeDigits = 6;

char blockNumber(std::size_t index) { return static_cast<char>('0' + static_cast<int>(index % kBlockNumbers)); }

void appendBlock(std::string& out, std::string_view data, std::size_t index)
{
    const char number = blockNumber(index);
    out.push_back(kStx);
    out.append(data);
    out.push_back(number);
    out.append(BlockChecksum(data, number));
    out.append(kBlockEnd);
}

void appendDigits(std::string& out, long long value, int width)
{
    const std::string digits = std::to_string(value);
    const auto wanted = static_cast<std::size_t>(width);
    if (digits.size() < wanted) out.append(wanted - digits.size(), '0');
    out.append(digits);
}

} // namespace

std::string BlockChecksum(std::string_view data, char number)
{
    unsigned sum = static_cast<unsigned char>(number);
    for (const char c : data) sum ^= static_cast<unsigned char>(c);
    std::string out;
    appendDigits(out, sum, kChecksumDigits);
    return out;
}

std::string FrameRecords(std::string_view records)
{
    std::string out;
    std::size_t index = 0;
    for (std::size_t at = 0; at < records.size(); at += kBlockDataSize, ++index) {
        std::string data(records.substr(at, kBlockDataSize));
        if (data.size() < kBlockDataSize) {
            data.push_back(kFillStart);
            data.resize(kBlockDataSize, kBlank);
        }
        appendBlock(out, data, index);
    }
    out.append(kEndBlock);
    return out;
}

std::string CoordinateValue(double metres)
{
    const long long millimetres = std::llround(std::fabs(metres) * static_cast<double>(kMillimetresPerMetre));
    std::string out(1, metres < 0 && millimetres != 0 ? '-' : '+');
    appendDigits(out, millimetres / kMillimetresPerMetre, kWholeDigits);
    appendDigits(out, millimetres % kMillimetresPerMetre, kChecksumDigits);
    return out;
}

std::optional<std::string> CoordinateRecords(std::string_view kardText)
{
    std::string out;
    bool ok = true;
    std::size_t count = 0;
    text::forEachLine(kardText, [&](std::string_view line) {
        const std::optional<kard::KardPoint> point = kard::readLine(line);
        if (!point) {
            ok = false;
            return;
        }
        ++count;
        out.append(kNameTag);
        out.append(point->name);
        if (point->name.size() < kNameWidth) out.append(kNameWidth - point->name.size(), kBlank);
        out.append(kEastingTag);
        out.append(CoordinateValue(text::readNumber(point->easting)));
        out.append(kNorthingTag);
        out.append(CoordinateValue(text::readNumber(point->northing)));
        out.append(kElevationTag);
        out.append(CoordinateValue(text::readNumber(point->elevation)));
    });
    if (!ok || count == 0) return std::nullopt;
    return out;
}

std::optional<std::string> FrameKardCoordinates(std::string_view kardText)
{
    const std::optional<std::string> records = CoordinateRecords(kardText);
    if (!records) return std::nullopt;
    return FrameRecords(*records);
}

std::vector<std::string_view> SplitAfterBlockEnds(std::string_view stream)
{
    std::vector<std::string_view> pieces;
    while (!stream.empty()) {
        const std::size_t end = stream.find(kBlockEnd);
        const std::size_t length = end == std::string_view::npos ? stream.size() : end + kBlockEnd.size();
        pieces.push_back(stream.substr(0, length));
        stream.remove_prefix(length);
    }
    return pieces;
}

} // namespace harwick::sim
