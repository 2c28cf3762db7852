#include "idx/idx.h"

#include <array>
#include <cstdio>

namespace harwick::idx {

namespace {

constexpr std::array<std::string_view, 10> kHeadLines = {
    "HEADER",
    "  VERSION      1.31",
    "  SYSTEM       \"QRX\"",
    "  SEPARATOR    ','",
    "  TERMINATOR   ';'",
    "  UNITS",
    "    LINEAR     METRE",
    "  END UNITS",
    "  PROJECT",
    "    NAME           \"idx\"",
};
constexpr std::string_view kCreationDateHead = "    CREATION_DATE  ";
constexpr std::array<std::string_view, 5> kAfterDateLines = {"  END PROJECT", "END HEADER", "", "", "DATABASE"};
constexpr std::array<std::string_view, 3> kClosingLines = {"    END THEMINFO", "  END POINTS", "END DATABASE"};

constexpr std::string_view kFieldSeparator = ",";
constexpr std::size_t kPointFieldCount = 7;

void appendLine(std::string& out, std::string_view line)
{
    out.append(line);
    out.append(text::kCrLf);
}

void appendPointLine(std::string& out, std::size_t number, const IdxPoint& p)
{
    std::array<char, 24> buffer{};
    int n = std::snprintf(buffer.data(), buffer.size(), "%zu", number);
    out.append("    ");
    out.append(buffer.data(), static_cast<std::size_t>(n));
    out.append(",  \"");
    out.append(p.name);
    out.append("\",  \"");
    out.append(p.code);
    out.append("\",    ");
    out.append(p.easting);
    out.append(",  ");
    out.append(p.northing);
    out.append(",  ");
    out.append(p.elevation);
    out.append(",  FIX;");
    out.append(text::kCrLf);
}

std::string fromFeet(std::string_view feet)
{
    if (feet.empty()) return {};
    return text::formatFixed(text::readNumber(feet) * kUsSurveyFootMetres, kFeetDecimals);
}

} // namespace

std::string write(const std::vector<IdxPoint>& points, const text::LocalDateTime& created)
{
    std::string out;
    out.reserve(600 + points.size() * 64);
    for (std::string_view line : kHeadLines) appendLine(out, line);
    out.append(kCreationDateHead);
    appendLine(out, text::formatStamp(created));
    for (std::string_view line : kAfterDateLines) appendLine(out, line);
    out.append("  ");
    appendLine(out, kPointsHeader);
    for (std::size_t i = 0; i < points.size(); ++i) appendPointLine(out, i + 1, points[i]);
    out.append("    ");
    appendLine(out, kThemInfoHeader);
    for (std::string_view line : kClosingLines) appendLine(out, line);
    return out;
}

std::vector<IdxPoint> readPoints(std::string_view file)
{
    std::vector<IdxPoint> points;
    bool feet = false;
    bool inPoints = false;
    std::string cleaned;
    text::forEachLine(file, [&](std::string_view line) {
        if (line.find(kFeetMarker) != std::string_view::npos) {
            feet = true;
        } else if (line.find(kPointsHeader) != std::string_view::npos) {
            inPoints = true;
        } else if (line.find(kThemInfoHeader) != std::string_view::npos) {
            inPoints = false;
        } else if (inPoints) {
            cleaned.assign(line);
            text::removeChars(cleaned, "\" \t");
            std::array<std::string_view, kPointFieldCount> f;
            if (text::splitFieldsInto(cleaned, kFieldSeparator, f) != kPointFieldCount) return;
            IdxPoint p{std::string(f[1]), std::string(f[2]), std::string(f[3]), std::string(f[4]), std::string(f[5])};
            if (feet) {
                p.easting = fromFeet(p.easting);
                p.northing = fromFeet(p.northing);
                p.elevation = fromFeet(p.elevation);
            }
            points.push_back(std::move(p));
        }
    });
    return points;
}

} // namespace harwick::idx
