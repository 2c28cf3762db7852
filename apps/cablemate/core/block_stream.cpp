#include "block_stream.h"

#include "line_counts.h"

#include "kard/kard.h"
#include "text/text.h"

#include <array>

namespace cablemate {

namespace {

constexpr char kPadMark = '_';
constexpr char kBlank = ' ';
constexpr char kPoint = '.';
constexpr char kFirstBlockNumber = '0';
constexpr std::size_t kBlockNumbers = 10;
constexpr std::size_t kChecksumDigits = 3;
constexpr std::size_t kNumberAndChecksum = 1 + kChecksumDigits;
using harwick::text::kCrLf;

constexpr std::size_t kWholeDigits = 6;
constexpr std::size_t kDecimalDigits = 3;
constexpr std::size_t kCodeNumberDigits = 3;
constexpr char kCodeSeparator = ',';
// A coordinate record without its texts: "_+", three marks and three values
// of sign and nine digits.
constexpr std::size_t kCoordinateRecordBase = 2 + 3 * (3 + 10);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view DigitRun(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && IsDigit(s[n])) ++n;
    return s.substr(0, n);
}

void AppendPadded(std::string& out, std::string_view s, std::size_t width, char fill) {
    out.append(s);
    if (s.size() < width) out.append(width - s.size(), fill);
}

void AppendZeroFilled(std::string& out, std::string_view digits, std::size_t width) {
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out.append(digits);
}

// Adds one to a run of decimal digits; "999" becomes "1000".
void IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

void AppendBlock(std::string& out, std::string_view data, std::size_t index) {
    const char number = static_cast<char>(kFirstBlockNumber + index % kBlockNumbers);
    out.push_back(kStx);
    out.append(data);
    unsigned checksum = static_cast<unsigned char>(number);
    for (char c : data) checksum ^= static_cast<unsigned char>(c);
    out.push_back(number);
    std::array<char, kChecksumDigits> digits{};
    for (std::size_t i = kChecksumDigits; i-- > 0; checksum /= 10) digits[i] = static_cast<char>('0' + checksum % 10);
    out.append(digits.data(), digits.size());
    out.push_back(kEtx);
    out.append(kCrLf);
}

void AppendCoordinateRecord(std::string& records, std::string_view line) {
    std::array<std::string_view, harwick::kard::kFieldCount> fields{};
    harwick::text::splitFieldsInto(line, harwick::kard::kSeparator, fields);
    const auto& order = harwick::kard::kKard300;
    records.append(kNameMark);
    AppendPadded(records, fields[order.name], kRecordTextWidth, kBlank);
    records.append(kEastingMark);
    records.append(CoordinateRecordValue(fields[order.easting]));
    records.append(kNorthingMark);
    records.append(CoordinateRecordValue(fields[order.northing]));
    records.append(kElevationMark);
    records.append(CoordinateRecordValue(fields[order.elevation]));
}

void AppendCodeRecord(std::string& records, std::string_view line) {
    const std::size_t comma = line.find(kCodeSeparator);
    const std::string_view number = line.substr(0, comma);
    const std::string_view code = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
    records.append(kCodeRecordMark);
    AppendZeroFilled(records, number, kCodeNumberDigits);
    AppendPadded(records, code, kRecordTextWidth, kBlank);
}

// Calls append(records, line) for each of the first count lines ending in CR LF.
template <typename Append>
std::string RecordsOfLines(std::string_view text, std::size_t count, std::size_t recordSize, Append append) {
    std::string records;
    records.reserve(count * recordSize);
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t end = text.find(kCrLf, pos);
        if (end == std::string_view::npos) break;
        append(records, text.substr(pos, end - pos));
        pos = end + kCrLf.size();
    }
    return records;
}

} // namespace

std::string FrameRecordStream(std::string_view records) {
    const std::size_t full = records.size() / kBlockDataSize;
    const std::size_t rest = records.size() % kBlockDataSize;
    const bool padded = rest != 0;
    std::string out;
    out.reserve((full + (padded ? 1 : 0)) * kBlockSize + kEndBlock.size());
    for (std::size_t b = 0; b < full; ++b) AppendBlock(out, records.substr(b * kBlockDataSize, kBlockDataSize), b);
    if (padded) {
        std::string last(records.substr(full * kBlockDataSize));
        last.push_back(kPadMark);
        last.resize(kBlockDataSize, kBlank);
        AppendBlock(out, last, full);
    }
    out.append(kEndBlock);
    return out;
}

std::string JoinBlocks(std::string_view text, JoinVariant variant) {
    std::string out;
    out.reserve(text.size());
    // Text positions of the newest bytes kept, oldest first: an ETX drops the
    // bytes of the four positions before it that were kept, and no others, so
    // the end block's ETX cannot eat record bytes.
    std::array<std::size_t, kNumberAndChecksum> recent{};
    std::size_t recentCount = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kEot && variant == JoinVariant::UpToEot) return out;
        if (c == kStx) continue;
        if (variant == JoinVariant::WholeText && (c == '\r' || c == '\n')) continue;
        if (c == kEtx) {
            while (recentCount > 0 && recent[recentCount - 1] + kNumberAndChecksum >= i) {
                out.pop_back();
                --recentCount;
            }
            if (i + 1 < text.size() && text[i + 1] == '\r') ++i;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            continue;
        }
        if (recentCount == recent.size()) {
            for (std::size_t k = 1; k < recent.size(); ++k) recent[k - 1] = recent[k];
            --recentCount;
        }
        recent[recentCount++] = i;
        out.push_back(c);
    }
    if (variant == JoinVariant::UpToEot) out.clear();
    return out;
}

std::size_t CountCodeRecords(std::string_view text) {
    const std::size_t n = text.size();
    if (n < 3 || text.front() != kStx) return 0;
    if (text[n - 3] != kEot && text[n - 2] != '\r' && text[n - 1] != '\n') return 0;
    std::size_t count = 0;
    for (std::size_t at = text.find(kCodeRecordMark); at != std::string_view::npos;
         at = text.find(kCodeRecordMark, at + kCodeRecordMark.size())) {
        ++count;
    }
    return count;
}

std::string CoordinateRecordValue(std::string_view value) {
    const bool negative = harwick::text::readNumber(value) < 0;
    const std::size_t point = value.find(kPoint);
    // The whole part as atoi would read it, but as text: no overflow, however long.
    std::string_view head = value.substr(0, point);
    while (!head.empty() && (head.front() == kBlank || head.front() == '\t')) head.remove_prefix(1);
    if (!head.empty() && (head.front() == '+' || head.front() == '-')) head.remove_prefix(1);
    std::string whole(harwick::text::stripLeadingZeros(DigitRun(head)));
    if (whole.size() < kWholeDigits) whole.insert(0, kWholeDigits - whole.size(), '0');

    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view{} : DigitRun(value.substr(point + 1));
    std::string millis(decimals.substr(0, kDecimalDigits));
    millis.resize(kDecimalDigits, '0');
    if (decimals.size() > kDecimalDigits && decimals[kDecimalDigits] >= '5') {
        IncrementDigits(millis);
        if (millis.size() > kDecimalDigits) {
            millis.erase(0, 1);
            IncrementDigits(whole);
        }
    }
    std::string out;
    out.reserve(1 + whole.size() + kDecimalDigits);
    out.push_back(negative ? '-' : '+');
    out.append(whole);
    out.append(millis);
    return out;
}

std::optional<std::string> BuildCoordinateBlocks(std::string_view kard) {
    const std::size_t lines = CountKardLines(kard);
    if (lines == 0) return std::nullopt;
    return FrameRecordStream(
        RecordsOfLines(kard, lines, kCoordinateRecordBase + kRecordTextWidth, AppendCoordinateRecord));
}

std::optional<std::string> BuildCodeBlocks(std::string_view codeLines) {
    const std::size_t lines = CountCodeLines(codeLines);
    if (lines == 0) return std::nullopt;
    return FrameRecordStream(RecordsOfLines(codeLines, lines,
                                            kCodeRecordMark.size() + kCodeNumberDigits + kRecordTextWidth,
                                            AppendCodeRecord));
}

} // namespace cablemate
