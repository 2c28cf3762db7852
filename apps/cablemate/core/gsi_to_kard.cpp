// GSI text received from the instrument to KARD300 lines, for saving the
// document as ".dat".
#include "conversions.h"
#include "document_save.h"

#include "fileio/fileio.h"
#include "gsi/gsi.h"
#include "text/text.h"

namespace cablemate {

namespace {

using harwick::text::startsWith;

// Shorter lines carry no word and are passed over.
constexpr std::size_t kMinLineLength = 7;
// A line opening with "41" is a code line unless its third character is this.
constexpr std::size_t kCodeLineMarkAt = 2;
constexpr char kCodeLineMark = '.';
// Points of a station setup: "RE…" names, and the occupied station.
constexpr std::string_view kRePrefix = "RE";
constexpr std::string_view kOccupiedStation = "OCUPAR";
constexpr char kComma = ',';

// What carries over from line to line.
struct GsiState {
    std::string code;     // set by code lines, kept until the next one
    std::string reName;   // the last "RE…" name of a word 41
    std::string name;
    std::string easting;  // "%.3f" texts; empty until a word gives them
    std::string northing;
    std::string elevation;
};

bool IsCodeLine(std::string_view line) {
    return startsWith(line, harwick::gsi::kCodeBlock) &&
           (line.size() <= kCodeLineMarkAt || line[kCodeLineMarkAt] != kCodeLineMark);
}

std::string* ValueSlot(GsiState& state, std::string_view index) {
    namespace gsi = harwick::gsi;
    if (index == gsi::kEasting || index == gsi::kStationEasting) return &state.easting;
    if (index == gsi::kNorthing || index == gsi::kStationNorthing) return &state.northing;
    if (index == gsi::kElevation || index == gsi::kStationHeight) return &state.elevation;
    return nullptr;
}

// A value read as zero, in whatever decimals its unit shows.
bool IsZero(const std::string& value) {
    return !value.empty() && harwick::text::readNumber(value) == 0.0;
}

// Reads a data line's words into state; true when at least one value was read.
bool ReadDataWords(const std::vector<std::string_view>& words, harwick::gsi::Flavour flavour, GsiState& state) {
    namespace gsi = harwick::gsi;
    bool anyValue = false;
    for (std::string_view word : words) {
        const std::string_view index = gsi::wordIndex(word);
        if (index == gsi::kPointNumber) {
            state.name = gsi::decodeBlankSeparatedText(word);
        } else if (index == gsi::kCodeBlock) {
            state.name = gsi::decodeBlankSeparatedText(word);
            if (startsWith(state.name, kRePrefix)) state.reName = state.name;
        } else if (std::string* slot = ValueSlot(state, index)) {
            if (std::optional<std::string> value = gsi::decodeCableLength(word, flavour)) {
                *slot = std::move(*value);
                anyValue = true;
            }
        }
    }
    return anyValue;
}

// Writes the point of a data line, or drops the zero point that follows a
// bare "RE" setup, then starts the next point afresh.
void FinishPoint(GsiState& state, std::string& out) {
    const bool rePoint = startsWith(state.name, kRePrefix);
    const bool zero = IsZero(state.easting) && IsZero(state.northing) && IsZero(state.elevation);
    if (zero && state.reName == kRePrefix && !rePoint) {
        state.reName.clear();
    } else {
        out.append(state.name);
        out.push_back(kComma);
        if (!state.code.empty() && !rePoint && state.name != kOccupiedStation) out.append(state.code);
        out.push_back(kComma);
        out.append(state.easting);
        out.push_back(kComma);
        out.append(state.northing);
        out.push_back(kComma);
        out.append(state.elevation);
        out.append(harwick::text::kCrLf);
        if (!rePoint) state.reName.clear();
    }
    state.name.clear();
    state.easting.clear();
    state.northing.clear();
    state.elevation.clear();
}

void ConvertLine(std::string_view line, GsiState& state, std::string& out) {
    namespace gsi = harwick::gsi;
    if (line.size() < kMinLineLength) return;
    const gsi::MarkedBlock marked = gsi::markBlankSeparated(line);
    const std::string_view body = marked.body;
    const std::vector<std::string_view> words = gsi::splitBlankSeparated(body, gsi::kCableMaxPieces);
    if (IsCodeLine(body)) {
        // Each word in turn: the last one decides.
        for (std::string_view word : words) state.code = gsi::decodeBlankSeparatedText(word);
        return;
    }
    if (ReadDataWords(words, marked.flavour, state)) FinishPoint(state, out);
}

} // namespace

std::string GsiToKardText(std::string_view gsi, const std::function<void()>& onLineEnd) {
    GsiState state;
    std::string out;
    out.reserve(gsi.size() / 2);
    // Every kind of line end ends a line, and a last line without one is
    // read too, so a file saved without a final line end keeps its last point.
    harwick::text::forEachTextLine(gsi, [&](const harwick::text::TextLine& line) {
        if (!line.end.empty() && onLineEnd) onLineEnd();
        ConvertLine(line.body, state, out);
    });
    return out;
}

SaveOutcome GsiToKardSave(std::string_view gsi, const std::filesystem::path& target,
                          const std::function<void()>& onLineEnd) {
    if (gsi.empty()) return SaveOutcome::NoData;
    const SaveContent kard = KardContent(gsi, onLineEnd);
    if (!kard.bytes) return SaveOutcome::NothingToWrite;
    std::string error;
    if (!harwick::platform::replaceFileAtomically(target, *kard.bytes, error)) return SaveOutcome::CannotCreate;
    return SaveOutcome::Saved;
}

} // namespace cablemate
