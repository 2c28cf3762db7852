#include "document_save.h"

#include "cable_messages.h"
#include "conversions.h"
#include "dxf_export.h"

#include "text/text.h"

#include <algorithm>

namespace cablemate {

namespace {

namespace txt = harwick::text;

constexpr std::size_t kKardCommas = 4;
// A drawing opens with group code 0 and the start of a section.
constexpr std::string_view kDxfOpeningCode = "0";
constexpr std::string_view kDxfOpeningValue = "SECTION";
constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool IsKardText(std::string_view text) {
    bool any = false, all = true;
    txt::forEachTextLine(text, [&](const txt::TextLine& line) {
        if (Trimmed(line.body).empty()) return;
        any = true;
        all = all && static_cast<std::size_t>(std::count(line.body.begin(), line.body.end(), ',')) == kKardCommas;
    });
    return any && all;
}

bool IsDxfText(std::string_view text) {
    std::vector<std::string_view> opening;
    txt::forEachTextLine(text, [&](const txt::TextLine& line) {
        if (opening.size() < 2 && !Trimmed(line.body).empty()) opening.push_back(Trimmed(line.body));
    });
    return opening.size() == 2 && opening[0] == kDxfOpeningCode && opening[1] == kDxfOpeningValue;
}

} // namespace

std::string_view TypeExtension(SaveType type) {
    switch (type) {
    case SaveType::Kard: return "dat";
    case SaveType::Dxf: return "dxf";
    case SaveType::Gsi: break;
    }
    return "gsi";
}

SaveFormat FormatForPath(const std::filesystem::path& path) {
    const std::string extension = txt::toLower(path.extension().string());
    const auto is = [&](SaveType type) { return extension.size() > 1 && extension.substr(1) == TypeExtension(type); };
    if (is(SaveType::Kard)) return SaveFormat::Kard;
    if (is(SaveType::Dxf)) return SaveFormat::Dxf;
    return SaveFormat::AsText;
}

std::filesystem::path WithTypeExtension(std::filesystem::path path, SaveType type) {
    if (path.has_extension() || !path.has_filename()) return path;
    path += ".";
    path += TypeExtension(type);
    return path;
}

std::size_t CountLineEnds(std::string_view text) {
    std::size_t count = 0;
    txt::forEachTextLine(text, [&](const txt::TextLine& line) { count += line.end.empty() ? 0 : 1; });
    return count;
}

SaveContent KardContent(std::string_view text, const std::function<void()>& onLineEnd) {
    if (IsKardText(text)) {
        if (onLineEnd) {
            for (std::size_t ends = CountLineEnds(text); ends > 0; --ends) onLineEnd();
        }
        return SaveContent{std::string(text), {}};
    }
    std::string kard = GsiToKardText(text, onLineEnd);
    if (kard.empty()) return SaveContent{std::nullopt, {kNothingToSaveAsKard}};
    return SaveContent{std::move(kard), {}};
}

SaveContent DxfContent(std::string_view text) {
    if (IsDxfText(text)) return SaveContent{std::string(text), {}};
    DxfResult drawing = ExportDxf(text);
    if (!drawing.text) return SaveContent{std::nullopt, {drawing.message}};
    return SaveContent{std::move(drawing.text), {}};
}

} // namespace cablemate
