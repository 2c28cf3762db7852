#include "gsi/gsi.h"

#include "text/text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace harwick::gsi {

namespace {

constexpr std::size_t kMaxBlockNumber = 9999;
constexpr std::string_view kNoBlockNumber = "....";

// "%0.0f" of the absolute value: the nearest whole number, ties to even.
void appendWholeSteps(std::string& digits, double steps)
{
    const double whole = std::nearbyint(std::fabs(steps));
    if (whole < 1e18) {
        std::array<char, 24> buffer{};
        auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<std::uint64_t>(whole));
        digits.append(buffer.data(), end);
        return;
    }
    text::appendFixed(digits, whole, 0);
}

} // namespace

void appendTextWord(std::string& out, std::string_view head, std::string_view text, Flavour f)
{
    out.append(head);
    text::appendRightAligned(out, text, dataWidth(f), '0');
}

bool appendLengthWord(std::string& out, std::string_view index, LengthUnit unit, double metres, Flavour f)
{
    double steps = metres * unit.stepsPerMetre;
    // A value too large for any number of steps is written as zero and
    // reported as not fitting, like any other value that does not fit.
    const bool finite = std::isfinite(steps);
    if (!finite) steps = 0.0;
    out.append(index);
    out.append("..");
    out.append(unit.pair);
    out.push_back(steps < 0 ? '-' : '+');
    std::string digits;
    appendWholeSteps(digits, steps);
    text::appendRightAligned(out, digits, dataWidth(f), '0');
    return finite && digits.size() <= dataWidth(f);
}

std::string editorPointHead(std::size_t row)
{
    std::string head(kPointNumber);
    if (row > kMaxBlockNumber) {
        head.append(kNoBlockNumber);
    } else {
        std::array<char, 8> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%04zu", row);
        head.append(buffer.data());
    }
    head.push_back('+');
    return head;
}

int appendEditorBlock(std::string& out, Flavour f, std::size_t row, std::string_view name, std::string_view code,
                      std::optional<double> easting, std::optional<double> northing, std::optional<double> elevation,
                      LengthUnit unit)
{
    if (f == Flavour::Gsi16) out.push_back(kGsi16Mark);
    appendTextWord(out, editorPointHead(row), name, f);
    out.push_back(kSeparator);
    appendTextWord(out, kEditorCodeHead, code, f);
    out.push_back(kSeparator);
    int overflows = 0;
    const std::pair<std::string_view, std::optional<double>> values[] = {
        {kEasting, easting}, {kNorthing, northing}, {kElevation, elevation}};
    for (const auto& [index, value] : values) {
        if (!value) continue;
        overflows += appendLengthWord(out, index, unit, *value, f) ? 0 : 1;
        out.push_back(kSeparator);
    }
    out.append(text::kCrLf);
    return overflows;
}

void appendExchangePointBlock(std::string& out, std::string_view name, double easting, double northing,
                              double elevation)
{
    appendTextWord(out, kExchangePointHead, name, Flavour::Gsi16);
    out.push_back(kSeparator);
    appendLengthWord(out, kEasting, kMillimetre, easting, Flavour::Gsi16);
    out.push_back(kSeparator);
    appendLengthWord(out, kNorthing, kMillimetre, northing, Flavour::Gsi16);
    out.push_back(kSeparator);
    appendLengthWord(out, kElevation, kMillimetre, elevation, Flavour::Gsi16);
    out.push_back(kSeparator);
}

} // namespace harwick::gsi
