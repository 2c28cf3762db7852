#include "kard/kard.h"

#include "text/text.h"

#include <algorithm>
#include <array>

namespace harwick::kard {

bool splitLine(std::string_view line, Fields& fields)
{
    return text::splitFieldsInto(line, kSeparator, fields) == kFieldCount;
}

std::optional<KardPoint> readLine(std::string_view line)
{
    Fields f;
    if (!splitLine(line, f)) return std::nullopt;
    return KardPoint{std::string(f[kKard300.name]), std::string(f[kKard300.code]), std::string(f[kKard300.easting]),
                     std::string(f[kKard300.northing]), std::string(f[kKard300.elevation])};
}

void appendEditorLine(std::string& out, std::string_view name, std::string_view code, std::string_view easting,
                      std::string_view northing, std::string_view elevation)
{
    out.append(name);
    out.append(kSeparator);
    out.append(code);
    out.append(kSeparator);
    out.append(easting);
    out.append(kSeparator);
    out.append(northing);
    out.append(kSeparator);
    out.append(elevation);
    out.append(text::kCrLf);
}

void appendCableLine(std::string& out, std::string_view name, std::string_view code, double easting, double northing,
                     double elevation)
{
    out.append(name);
    out.append(kSeparator);
    out.append(code);
    out.append(kSeparator);
    text::appendFixed(out, easting, 3);
    out.append(kSeparator);
    text::appendFixed(out, northing, 3);
    out.append(kSeparator);
    text::appendFixed(out, elevation, 3);
    out.append(text::kCrLf);
}

std::optional<std::string> kard600ToKard300(std::string_view line)
{
    std::array<std::string_view, kFieldCount> f;
    if (text::splitFieldsInto(line, kSeparator, f) != kFieldCount) return std::nullopt;
    for (std::string_view& field : f) field = field.substr(0, kKard600FieldLimit);
    std::string out;
    const std::size_t order[kFieldCount] = {kKard600.name, kKard600.code, kKard600.easting, kKard600.northing,
                                            kKard600.elevation};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (i > 0) out.append(kSeparator);
        out.append(f[order[i]]);
    }
    out.append(text::kCrLf);
    return out;
}

} // namespace harwick::kard
