#include "conversions.h"

#include "cable_messages.h"

#include "kard/kard.h"
#include "text/text.h"

#include <array>
#include <new>
#include <optional>
#include <utility>

namespace cablemate {

namespace {

using harwick::text::contains;
using harwick::text::kCrLf;

constexpr std::string_view kSigns = "+-";
constexpr char kComma = ',';
constexpr double kMillimetresPerMetre = 1000.0;
// A measured record whose "_ U" lies this far or further from its "_+" is not
// taken; the reader moves on to the next "_+".
constexpr std::size_t kMeasuredNameSpan = 16;
constexpr std::size_t kMeasuredValues = 3;

ConversionResult Refused(std::string_view message) { return ConversionResult{{message}, std::nullopt}; }

ConversionResult Converted(std::string text) { return ConversionResult{{}, std::move(text)}; }

// s.substr(pos, n) that gives "" instead of failing past the end.
std::string_view Slice(std::string_view s, std::size_t pos, std::size_t n = std::string_view::npos) {
    return pos < s.size() ? s.substr(pos, n) : std::string_view{};
}

bool BeginsWithStx(std::string_view text) { return !text.empty() && text.front() == kStx; }

// A received stream holds line ends (its blocks end with them), of whatever kind.
bool HasLineEnd(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// ---- Measured data ---------------------------------------------------------------

struct MeasuredRecord {
    std::size_t start = 0;  // where its "_+" stands
    std::string_view name;
    std::string_view code;
    std::array<double, kMeasuredValues> values{};
};

// The "_+" at or after pos whose "_ U" follows closely enough, with that "_ U".
std::optional<std::pair<std::size_t, std::size_t>> FindMeasuredHead(std::string_view s, std::size_t pos) {
    std::size_t values = std::string_view::npos;
    for (;;) {
        const std::size_t start = s.find(kNameMark, pos);
        if (start == std::string_view::npos) return std::nullopt;
        // The "_ U" found for an earlier "_+" is still the next one when it
        // lies beyond this "_+"; searching again would make the skip quadratic.
        if (values == std::string_view::npos || values < start + kNameMark.size()) {
            values = s.find(kMeasuredValuesMark, start + kNameMark.size());
            if (values == std::string_view::npos) return std::nullopt;
        }
        if (values - start < kMeasuredNameSpan) return std::pair{start, values};
        pos = start + kNameMark.size();
    }
}

// Three signed millimetre values, each running up to the next sign. The
// third may also run to the end of the stream: the last record of a stream
// has no sign after it.
bool ReadMeasuredValues(std::string_view s, std::size_t at, std::array<double, kMeasuredValues>& values) {
    for (std::size_t k = 0; k < kMeasuredValues; ++k) {
        if (at >= s.size()) return false;
        const std::size_t next = s.find_first_of(kSigns, at + 1);
        if (next == std::string_view::npos && k + 1 < kMeasuredValues) return false;
        const double number = harwick::text::readNumber(Slice(s, at + 1, next - (at + 1))) / kMillimetresPerMetre;
        values[k] = s[at] == '-' ? -number : number;
        at = next;
    }
    return true;
}

std::optional<MeasuredRecord> NextMeasuredRecord(std::string_view s, std::size_t pos) {
    const auto head = FindMeasuredHead(s, pos);
    if (!head) return std::nullopt;
    MeasuredRecord record;
    record.start = head->first;
    const std::size_t valuesMark = head->second;
    record.name = s.substr(record.start + kNameMark.size(), valuesMark - record.start - kNameMark.size());
    const std::size_t codeMark = s.find(kMeasuredCodeMark, record.start);
    if (codeMark == std::string_view::npos) return std::nullopt;
    const std::size_t codeStart = codeMark + kMeasuredCodeMark.size();
    const std::size_t codeEnd = s.find(kMeasuredCodeEnd, codeStart);
    if (codeEnd == std::string_view::npos) return std::nullopt;
    record.code = s.substr(codeStart, codeEnd - codeStart);
    if (!ReadMeasuredValues(s, valuesMark + kMeasuredValuesMark.size(), record.values)) return std::nullopt;
    return record;
}

// ---- Coordinates ------------------------------------------------------------------

double ReadRecordValue(std::string_view s, std::size_t mark, std::size_t markSize) {
    return harwick::text::readNumber(Slice(s, mark + markSize)) / kMillimetresPerMetre;
}

// Appends the coordinate record at start (its "_+"); false when its marks are missing.
bool AppendCoordinateLine(std::string& out, std::string_view s, std::size_t start) {
    const std::size_t nameStart = start + kNameMark.size();
    const std::size_t x = s.find(kEastingMark, nameStart);
    if (x == std::string_view::npos) return false;
    const std::size_t y = s.find(kNorthingMark, x + kEastingMark.size());
    if (y == std::string_view::npos) return false;
    const std::size_t z = s.find(kElevationMark, y + kNorthingMark.size());
    if (z == std::string_view::npos) return false;
    // The instrument fills names to ten characters; a longer name written
    // whole by BuildCoordinateBlocks comes back whole.
    const std::string_view name = s.substr(nameStart, x - nameStart);
    harwick::kard::appendCableLine(out, name, name, ReadRecordValue(s, x, kEastingMark.size()),
                                   ReadRecordValue(s, y, kNorthingMark.size()),
                                   ReadRecordValue(s, z, kElevationMark.size()));
    return true;
}

} // namespace

ConversionResult CodeBlocksToText(std::string_view editor, CodeTable& table, const Refresh& refresh) {
    // A stream that stops at its EOT, as a COM download leaves it, ends like
    // one once its last line is ended.
    std::string storage;
    const std::string_view text = harwick::text::withCrLfLineEnds(editor, storage);
    if (CountCodeRecords(text) == 0) return Refused(kInvalidPcodeFormat);
    if (!BeginsWithStx(text) || !contains(text, kCodeRecordMark) || !HasLineEnd(editor)) {
        return Refused(kInvalidFormat);
    }
    const std::string stream = JoinBlocks(text, JoinVariant::UpToEot);
    const std::string_view s = stream;
    constexpr std::size_t kRecordBody = kCodeNumberWidth + kCodeTextWidth;
    RefreshThrottle throttle(refresh);
    CodeTable records;
    std::string out;
    // Every record of the stream is taken: counting "_:" in the raw text
    // misses a mark split by a block boundary and would lose the last record.
    for (std::size_t at = s.find(kCodeRecordMark); at != std::string_view::npos;) {
        const std::string_view body = Slice(s, at + kCodeRecordMark.size(), kRecordBody);
        CodeRecord record{std::string(body.substr(0, kCodeNumberWidth)), std::string(Slice(body, kCodeNumberWidth))};
        out.append(record.number);
        out.push_back(kComma);
        out.append(record.code);
        out.append(kCrLf);
        records.push_back(std::move(record));
        throttle.Offer(out);
        at = s.find(kCodeRecordMark, at + kCodeRecordMark.size() + body.size());
    }
    table = std::move(records);
    return Converted(std::move(out));
}

ConversionResult MeasuredBlocksToKard(std::string_view editor, const Refresh& refresh) {
    if (editor.empty()) return Refused(kNoDataSpaced);
    if (!BeginsWithStx(editor)) return Refused(kFileFormatInvalid);
    if (!contains(editor, kNameMark)) return Refused(kTransformFailed);
    if (!HasLineEnd(editor)) return Refused(kInvalidSurveyDataFormat);
    const std::string stream = JoinBlocks(editor, JoinVariant::WholeText);
    RefreshThrottle throttle(refresh);
    std::string out;
    std::size_t pos = 0;
    while (const auto record = NextMeasuredRecord(stream, pos)) {
        // Received first the northing, then the easting, then the elevation.
        harwick::kard::appendCableLine(out, record->name, record->code, record->values[1], record->values[0],
                                       record->values[2]);
        throttle.Offer(out);
        pos = record->start + kNameMark.size();
    }
    return Converted(std::move(out));
}

ConversionResult CoordinateBlocksToKard(std::string_view editor, const Refresh& refresh) {
    if (editor.empty()) return Refused(kNoData);
    if (!BeginsWithStx(editor) || !contains(editor, kNameMark) || !HasLineEnd(editor)) {
        return Refused(kInvalidFormat);
    }
    std::string storage;
    const std::string stream = JoinBlocks(harwick::text::withCrLfLineEnds(editor, storage), JoinVariant::UpToEot);
    const std::string_view s = stream;
    RefreshThrottle throttle(refresh);
    std::string out;
    for (std::size_t at = s.find(kNameMark); at != std::string_view::npos;
         at = s.find(kNameMark, at + kNameMark.size())) {
        if (!AppendCoordinateLine(out, s, at)) break;
        throttle.Offer(out);
    }
    return Converted(std::move(out));
}

ConversionResult KardToCoordinateBlocks(std::string_view editor) {
    if (editor.empty()) return Refused(kNoData);
    try {
        std::string storage;
        std::optional<std::string> blocks = BuildCoordinateBlocks(harwick::text::withCrLfLineEnds(editor, storage));
        if (!blocks) return Refused(kInvalidFormat);
        return Converted(std::move(*blocks));
    } catch (const std::bad_alloc&) {
        return Refused(kMemoryAllocateFailed);
    }
}

ConversionResult Kard600ToKard300(std::string_view editor, const Refresh& refresh) {
    if (editor.empty()) return Refused(kNoData);
    if (editor.find(kComma) == std::string_view::npos) return Refused(kInvalidFormat);
    // Every line is read, the last one too when nothing ends it.
    std::string storage;
    const std::string_view text = harwick::text::withCrLfLineEnds(editor, storage);
    RefreshThrottle throttle(refresh);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t end = text.find(kCrLf, pos);
        if (end == std::string_view::npos) break;
        const std::string_view line = text.substr(pos, end - pos);
        if (line.find(kComma) == std::string_view::npos) break;
        // Lines with commas but not four of them are passed over.
        if (std::optional<std::string> converted = harwick::kard::kard600ToKard300(line)) {
            out.append(*converted);
            throttle.Offer(out);
        }
        pos = end + kCrLf.size();
    }
    return Converted(std::move(out));
}

} // namespace cablemate
