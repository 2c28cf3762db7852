#include "dxf_out.h"

#include <array>
#include <charconv>

namespace drawmap {

namespace {

// Room for any double in shortest or fixed form with a few decimals.
constexpr std::size_t kNumberRoom = 400;
// Group codes are right-aligned in three columns, as R12 writes them.
constexpr int kCodeWidth = 3;

} // namespace

void PutCode(std::string& out, int code)
{
    std::array<char, 16> digits{};
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), code);
    const auto length = static_cast<int>(end - digits.data());
    if (length < kCodeWidth) out.append(static_cast<std::size_t>(kCodeWidth - length), ' ');
    out.append(digits.data(), end);
    out.append(kLineEnd);
}

void Put(std::string& out, int code, std::string_view value)
{
    PutCode(out, code);
    out.append(value);
    out.append(kLineEnd);
}

void Put(std::string& out, int code, int value)
{
    std::array<char, 16> digits{};
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    Put(out, code, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void PutReal(std::string& out, int code, double value)
{
    // Left uninitialised: to_chars writes what is read, and a drawing of a
    // million points makes ten million of these calls.
    std::array<char, kNumberRoom> digits;
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
    PutCode(out, code);
    out.append(text);
    // "100" is a valid real, but CAD readers are happiest with "100.0".
    if (text.find_first_of(".e") == std::string_view::npos) out.append(".0");
    out.append(kLineEnd);
}

void PutPoint(std::string& out, int code, double x, double y, double z)
{
    PutReal(out, code, x);
    PutReal(out, code + 10, y);
    PutReal(out, code + 20, z);
}

std::string Fixed(double value, int decimals)
{
    std::array<char, kNumberRoom> digits{};
    auto [end, ec] =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals);
    return std::string(digits.data(), end);
}

} // namespace drawmap
