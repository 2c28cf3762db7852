#include "dxf_out.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace drawmap {

namespace {

// Room for any double in shortest or fixed form with a few decimals.
constexpr std::size_t kNumberRoom = 400;
// Group codes are right-aligned in three columns, as R12 writes them.
constexpr int kCodeWidth = 3;
// A group code line: up to ten digits and a sign, its padding, the line end.
constexpr std::size_t kCodeRoom = 16;

// The code's line into room; returns its end. A drawing of a million points
// writes twenty million of these, so each group goes into the text in one
// append rather than piece by piece.
char* CodeLine(char* room, int code)
{
    std::array<char, kCodeRoom> digits;
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), code);
    const auto length = static_cast<int>(end - digits.data());
    char* at = room;
    for (int pad = length; pad < kCodeWidth; ++pad) *at++ = ' ';
    for (const char* d = digits.data(); d != end; ++d) *at++ = *d;
    for (const char c : kLineEnd) *at++ = c;
    return at;
}

} // namespace

void PutCode(std::string& out, int code)
{
    std::array<char, kCodeRoom> line;
    out.append(line.data(), CodeLine(line.data(), code));
}

void Put(std::string& out, int code, std::string_view value)
{
    // The whole group at once where it is short, as nearly every one is.
    constexpr std::size_t kGroupRoom = 512;
    std::array<char, kGroupRoom> group;
    char* end = CodeLine(group.data(), code);
    if (static_cast<std::size_t>(end - group.data()) + value.size() + kLineEnd.size() > kGroupRoom) {
        out.append(group.data(), end);
        out.append(value);
        out.append(kLineEnd);
        return;
    }
    end = std::copy(value.begin(), value.end(), end);
    end = std::copy(kLineEnd.begin(), kLineEnd.end(), end);
    out.append(group.data(), end);
}

void Put(std::string& out, int code, int value)
{
    std::array<char, kCodeRoom> digits;
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    Put(out, code, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void PutReal(std::string& out, int code, double value)
{
    // Left uninitialised: to_chars writes what is read.
    std::array<char, kNumberRoom + 2> digits;
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + kNumberRoom, value);
    std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
    // "100" is a valid real, but CAD readers are happiest with "100.0".
    if (text.find_first_of(".e") == std::string_view::npos) {
        *end++ = '.';
        *end++ = '0';
        text = std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
    }
    Put(out, code, text);
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
