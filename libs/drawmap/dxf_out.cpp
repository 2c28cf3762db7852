#include "dxf_out.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

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
    if (code >= 0 && code < 1000) {
        room[0] = code >= 100 ? static_cast<char>('0' + code / 100) : ' ';
        room[1] = code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ';
        room[2] = static_cast<char>('0' + code % 10);
        return std::copy(kLineEnd.begin(), kLineEnd.end(), room + kCodeWidth);
    }
    std::array<char, kCodeRoom> digits;
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), code);
    const auto length = static_cast<int>(end - digits.data());
    char* at = room;
    for (int pad = length; pad < kCodeWidth; ++pad) *at++ = ' ';
    for (const char* d = digits.data(); d != end; ++d) *at++ = *d;
    for (const char c : kLineEnd) *at++ = c;
    return at;
}

// Survey coordinates have a few decimals, and small whole numbers (text
// heights, a zero elevation) fill the rest of a drawing. For those, the
// shortest text that reads back as the value is the value's own decimals,
// found here far faster than the general shortest form. A million points
// write eleven million reals.
constexpr std::array<double, 7> kTens = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
// Below this, a decimal with six or fewer decimals is the only one that short
// that reads back as its double: doubles there lie closer than a millionth.
constexpr double kQuickLimit = 1e9;
// Whole numbers of up to four digits are shorter than their exponent form
// ("1e+04").
constexpr double kQuickWholeLimit = 1e4;

char* QuickRealText(char* room, double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude < kQuickLimit)) return nullptr;
    if (value == std::trunc(value)) {
        // Minus zero prints as "-0".
        if (magnitude >= kQuickWholeLimit || (value == 0 && std::signbit(value))) return nullptr;
        auto [end, ec] = std::to_chars(room, room + kNumberRoom, static_cast<long long>(value));
        *end++ = '.';
        *end++ = '0';
        return end;
    }
    // Below one the exponent form can be the shorter.
    if (magnitude < 1) return nullptr;
    for (std::size_t decimals = 1; decimals < kTens.size(); ++decimals) {
        // Rounded by adding a half: whatever whole number comes out is
        // checked to read back as the value.
        const auto whole = static_cast<long long>(magnitude * kTens[decimals] + 0.5);
        if (static_cast<double>(whole) / kTens[decimals] != magnitude) continue;
        // A last zero means the scaling missed a shorter form: leave it to to_chars.
        if (whole % 10 == 0) return nullptr;
        char* at = room;
        if (value < 0) *at++ = '-';
        std::array<char, 24> digits;
        auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), whole);
        const auto count = static_cast<std::size_t>(end - digits.data());
        const std::size_t wholeDigits = count - decimals;
        at = std::copy_n(digits.data(), wholeDigits, at);
        *at++ = '.';
        return std::copy(digits.data() + wholeDigits, end, at);
    }
    return nullptr;
}

char* RealText(char* room, double value)
{
    if (char* end = QuickRealText(room, value)) return end;
    auto [end, ec] = std::to_chars(room, room + kNumberRoom, value);
    // "100" is a valid real, but CAD readers are happiest with "100.0".
    if (std::find_if(room, end, [](char c) { return c == '.' || c == 'e'; }) == end) {
        *end++ = '.';
        *end++ = '0';
    }
    return end;
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
    // Left uninitialised: what is read is written first.
    std::array<char, kNumberRoom + 2> digits;
    char* end = RealText(digits.data(), value);
    Put(out, code, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
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
