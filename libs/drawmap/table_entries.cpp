// Entries of the LAYER, LTYPE, STYLE and DIMSTYLE tables.
#include "drawing.h"

#include "drawmap.h"
#include "names.h"

#include <algorithm>
#include <cmath>

namespace drawmap {

namespace {

// R12 line types hold at most this many dash elements.
constexpr std::size_t kMaxDashes = 12;
// A variable-height style's last height used, as R12 starts it.
constexpr double kDefaultLastHeight = 0.2;

// DIMSTYLE groups: dimension scale, arrow size, extension offset and
// extension beyond the line.
constexpr int kDimScale = 40;
constexpr int kDimArrowSize = 41;
constexpr int kDimExtensionOffset = 42;
constexpr int kDimExtensionBeyond = 44;

} // namespace

void Drawing::AddEntry(std::string_view entry)
{
    tableBody_ += entry;
    ++tableEntries_;
}

bool Drawing::AddLayer(std::string_view name, int color, std::string_view linetype)
{
    const std::optional<std::string> layer = SymbolName(name);
    const std::optional<std::string> type = SymbolName(linetype);
    if (!TableOpen(DXF_TABLE_LAYER) || !layer || !type || layers_.contains(*layer) || !LinetypeDeclared(*type)) {
        return false;
    }
    // Negative colours mark a layer that is switched off.
    if (color == 0 || color < -kMaxColor || color > kMaxColor) return false;
    std::string entry;
    Put(entry, kStart, word::kLayer);
    Put(entry, kName, *layer);
    Put(entry, kFlags, 0);
    Put(entry, kColor, color);
    Put(entry, kLinetypeName, *type);
    layers_.insert(*layer);
    AddEntry(entry);
    return true;
}

bool Drawing::AddLinetype(std::string_view name, std::string_view description, std::span<const double> elements)
{
    const std::optional<std::string> type = SymbolName(name);
    if (!TableOpen(DXF_TABLE_LTYPE) || !type || linetypes_.contains(*type) || *type == word::kByLayer ||
        *type == word::kByBlock || !ValidText(description) || elements.size() > kMaxDashes) {
        return false;
    }
    double length = 0.0;
    for (double e : elements) {
        if (!std::isfinite(e)) return false;
        length += std::fabs(e);
    }
    std::string entry;
    Put(entry, kStart, word::kLinetype);
    Put(entry, kName, *type);
    Put(entry, kFlags, 0);
    Put(entry, kOtherName, description);
    Put(entry, kFlags2, word::kAlignmentA);
    Put(entry, kFlags3, static_cast<int>(elements.size()));
    PutReal(entry, kHeight, length);
    for (double e : elements) PutReal(entry, kDashLength, e);
    linetypes_.insert(*type);
    AddEntry(entry);
    return true;
}

bool Drawing::AddTextStyle(const TextStyleEntry& style)
{
    const std::optional<std::string> name = SymbolName(style.name);
    if (!TableOpen(DXF_TABLE_STYLE) || !name || textStyles_.contains(*name) || style.font.empty() ||
        !ValidText(style.font) || !AllFinite({style.height, style.widthFactor, style.oblique}) || style.height < 0.0 ||
        style.widthFactor <= 0.0) {
        return false;
    }
    std::string entry;
    Put(entry, kStart, word::kStyle);
    Put(entry, kName, *name);
    Put(entry, kFlags, 0);
    PutReal(entry, kHeight, style.height);
    PutReal(entry, kReal1, style.widthFactor);
    PutReal(entry, kAngle, style.oblique);
    Put(entry, kFlags1, 0);
    PutReal(entry, kReal2, style.height > 0.0 ? style.height : kDefaultLastHeight);
    Put(entry, kOtherName, style.font);
    Put(entry, kBigFont, std::string_view{});
    textStyles_.insert(*name);
    AddEntry(entry);
    return true;
}

bool Drawing::AddDimStyle(std::string_view name, const DimStyleValues& v)
{
    const std::optional<std::string> style = SymbolName(name);
    if (!TableOpen(DXF_TABLE_DIMSTYLE) || !style || dimStyles_.contains(*style) ||
        !AllFinite({v.textHeight, v.arrowSize, v.extensionOffset, v.extensionBeyond, v.textGap}) ||
        v.textHeight <= 0.0 || v.arrowSize < 0.0 || v.extensionOffset < 0.0 || v.extensionBeyond < 0.0 ||
        v.textGap < 0.0) {
        return false;
    }
    std::string entry;
    Put(entry, kStart, word::kDimStyle);
    Put(entry, kName, *style);
    Put(entry, kFlags, 0);
    PutReal(entry, kDimScale, 1.0);
    PutReal(entry, kDimArrowSize, v.arrowSize);
    PutReal(entry, kDimExtensionOffset, v.extensionOffset);
    PutReal(entry, kDimExtensionBeyond, v.extensionBeyond);
    PutReal(entry, kDimTextHeight, v.textHeight);
    PutReal(entry, kDimGap, v.textGap);
    dimStyles_.emplace(*style, v);
    AddEntry(entry);
    return true;
}

} // namespace drawmap
