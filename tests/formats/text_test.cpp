#include "text/text.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <cstdint>
#include <charconv>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace harwick::text {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, LfAndCrLfFilesReadAlike)
{
    EXPECT_EQ(splitLines("a\nbb\n\nc\n"), (Lines{"a", "bb", "", "c"}));
    EXPECT_EQ(splitLines("a\r\nbb\r\n\r\nc\r\n"), (Lines{"a", "bb", "", "c"}));
    EXPECT_EQ(splitLines("a\r\nbb\n\r\nc"), (Lines{"a", "bb", "", "c"}));
}

TEST(TextLines, LineEndBoundaries)
{
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\n"), Lines{""});
    EXPECT_EQ(splitLines("\r\n"), Lines{""});
    EXPECT_EQ(splitLines("last"), Lines{"last"});
    // A lone CR ends a line too, as older instruments write it.
    EXPECT_EQ(splitLines("a\r\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("a\rb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\rbb\rc"), (Lines{"a", "bb", "c"}));
}

// Texts from other systems: every kind of line end, mixed, and a last line
// without one. The pieces must always give the text back byte for byte.
TEST(TextLines, EveryLineEndKindIsALineEnd)
{
    const auto walk = [](std::string_view text) {
        std::vector<std::pair<std::string, std::string>> lines;
        std::string joined;
        forEachTextLine(text, [&](const TextLine& line) {
            lines.emplace_back(line.body, line.end);
            joined.append(line.body).append(line.end);
        });
        EXPECT_EQ(joined, text);
        return lines;
    };
    using L = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(walk(""), L{});
    EXPECT_EQ(walk("a\r\nb\nc\rd"), (L{{"a", "\r\n"}, {"b", "\n"}, {"c", "\r"}, {"d", ""}}));
    // CR CR LF is an empty line between a CR and a CR LF; LF CR is two ends.
    EXPECT_EQ(walk("a\r\r\n"), (L{{"a", "\r"}, {"", "\r\n"}}));
    EXPECT_EQ(walk("a\n\rb"), (L{{"a", "\n"}, {"", "\r"}, {"b", ""}}));
    EXPECT_EQ(walk("\r"), (L{{"", "\r"}}));

    EXPECT_EQ(withCrLfLineEnds(""), "");
    EXPECT_EQ(withCrLfLineEnds("P1,1\nP2,2"), "P1,1\r\nP2,2\r\n");
    EXPECT_EQ(withCrLfLineEnds("P1,1\rP2,2\r"), "P1,1\r\nP2,2\r\n");
    EXPECT_EQ(withCrLfLineEnds("P1,1\r\n\nP2"), "P1,1\r\n\r\nP2\r\n");
    // A CR LF text is already what it becomes, and is then not copied.
    EXPECT_EQ(withCrLfLineEnds("A\r\nB\r\n"), "A\r\nB\r\n");
    std::string storage;
    const std::string crlf = "A\r\nB\r\n";
    EXPECT_EQ(withCrLfLineEnds(crlf, storage).data(), crlf.data());
    for (const std::string text : {"A\r\nB", "A\r\r\nB\r\n", "A\nB\r\n", "\n", "A\r", "\r\n\r"}) {
        EXPECT_EQ(withCrLfLineEnds(text, storage), withCrLfLineEnds(text)) << text;
        EXPECT_NE(withCrLfLineEnds(text, storage).data(), text.data()) << text;
    }
}

TEST(TextFields, SplitKeepsEmptyAndUntrimmedFields)
{
    using F = std::vector<std::string_view>;
    EXPECT_EQ(splitFields("", ","), F{});
    EXPECT_EQ(splitFields("P1", ","), F{"P1"});
    EXPECT_EQ(splitFields("P1,,1.0, 2 ,", ","), (F{"P1", "", "1.0", " 2 ", ""}));
    EXPECT_EQ(splitFields(",", ","), (F{"", ""}));
    EXPECT_EQ(splitFields("a::b:c", "::"), (F{"a", "b:c"}));

    // The non-allocating cut counts every field but stores only what fits.
    std::array<std::string_view, 2> two;
    EXPECT_EQ(splitFieldsInto("P1,TREE,1,2,3", ",", two), 5u);
    EXPECT_EQ(two[0], "P1");
    EXPECT_EQ(two[1], "TREE");
    EXPECT_EQ(splitFieldsInto("", ",", two), 0u);
}

struct NumberCase {
    const char* text;
    double value;
};

TEST(TextNumber, ReadsLikeTheSuiteExpects)
{
    const NumberCase cases[] = {
        {"1234", 1234.0},       {"00001234", 1234.0}, {"  3.5", 3.5},        {"\t-2", -2.0},
        {"+7", 7.0},            {"-7.25", -7.25},     {"12abc", 12.0},       {"1,5", 1.0},
        {".5", 0.5},            {"5.", 5.0},          {"-.5", -0.5},         {"1e3", 1000.0},
        {"1E-2", 0.01},         {"2e+2x", 200.0},     {"1e", 1.0},           {"1e+", 1.0},
        {"3.5e", 3.5},          {"0x1A", 0.0},        {"0X10", 0.0},         {"", 0.0},
        {"abc", 0.0},           {"+", 0.0},           {"-", 0.0},            {".", 0.0},
        {"+-1", 0.0},           {"- 1", 0.0},         {"--------", 0.0},     {"inf", 0.0},
        {"-inf", 0.0},          {"INFINITY", 0.0},    {"nan", 0.0},          {"NaN(1)", 0.0},
        {"1e400", 0.0},         {"-1e400", 0.0},      {"5678.1234", 5678.1234},
    };
    for (const NumberCase& c : cases) {
        EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

// The quick reading of plain decimals must give the general reader's double
// to the last bit, or a list read twice would differ.
TEST(TextNumbers, PlainDecimalsReadExactlyAsTheGeneralReaderDoes)
{
    std::mt19937_64 rng(20261209);
    std::uniform_int_distribution<int> digitCount(1, 17);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 300000; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int count = digitCount(rng);
        const int decimals = std::uniform_int_distribution<int>(0, count - 1)(rng);
        for (int d = 0; d < count; ++d) {
            if (d == count - decimals) text += '.';
            text += static_cast<char>('0' + digit(rng));
        }
        const std::optional<PlainDecimal> plain = plainDecimal(text);
        ASSERT_TRUE(plain) << text;
        EXPECT_EQ(plain->decimals, decimals) << text;
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(plain->value.has_value(), count <= 15) << text;
        if (plain->value) ASSERT_EQ(std::bit_cast<std::uint64_t>(*plain->value), std::bit_cast<std::uint64_t>(expected)) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(readNumber(text)), std::bit_cast<std::uint64_t>(expected)) << text;
    }
    for (const char* other : {"", "-", "12.", ".5", "+1", "1e3", "1.2.3", " 1", "1 ", "--1", "0x10", "1,5"}) {
        EXPECT_FALSE(plainDecimal(other)) << '"' << other << '"';
    }
    EXPECT_EQ(plainDecimal("-0")->decimals, 0);
    EXPECT_TRUE(std::signbit(*plainDecimal("-0.000")->value));
}

TEST(TextFixed, PrintsAsPrintfDoes)
{
    std::mt19937_64 rng(20240611);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 12);
    char expected[512];
    for (int i = 0; i < 5000; ++i) {
        double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        int decimals = i % 6;
        std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
        ASSERT_EQ(formatFixed(v, decimals), expected) << v << " with " << decimals;
    }
}

// Lists hold coordinates decoded from instrument steps, in metres and in
// feet, and values just beside a half: each printed exactly as printf does.
TEST(TextFixed, SurveyValuesAndNearHalvesPrintAsPrintfDoes)
{
    std::mt19937_64 rng(20261209);
    std::uniform_int_distribution<long long> steps(-99999999999LL, 99999999999LL);
    std::uniform_int_distribution<int> places(0, 9);
    char expected[512];
    const auto check = [&](double v, int decimals) {
        std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
        ASSERT_EQ(formatFixed(v, decimals), expected) << v << " with " << decimals;
    };
    for (int i = 0; i < 200000; ++i) {
        const double s = static_cast<double>(steps(rng));
        for (const double v : {s / 1000.0, s / 10000.0 * 0.3048, s / 100000.0, s / 7.0, s * 1e-9}) {
            check(v, places(rng));
        }
        const int decimals = places(rng);
        const double half = (std::floor(s / 1e6) + 0.5) / std::pow(10.0, decimals);
        for (const double v : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300)}) check(v, decimals);
    }
    for (const double v : {-0.0, -0.0004, 0.0004, 1e-12, -1e-12, 0.9995, 1099511627775.9, 1099511627776.1}) {
        for (int decimals = 0; decimals <= 10; ++decimals) check(v, decimals);
    }
}

TEST(TextFixed, RoundingAndOddValues)
{
    // Ties go to the even neighbour only when the value is exactly representable.
    EXPECT_EQ(formatFixed(0.5, 0), "0");
    EXPECT_EQ(formatFixed(1.5, 0), "2");
    EXPECT_EQ(formatFixed(2.5, 0), "2");
    EXPECT_EQ(formatFixed(1234567.8, 0), "1234568");
    EXPECT_EQ(formatFixed(-1.5, 3), "-1.500");
    EXPECT_EQ(formatFixed(1e20, 0), "100000000000000000000");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 3), "0.000");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "0.00");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::max(), 0).size(), 309u);

    std::string out = "x=";
    appendFixed(out, 12.3456, 2);
    EXPECT_EQ(out, "x=12.35");
}

TEST(TextEdit, SmallStringHelpers)
{
    EXPECT_EQ(stripLeadingZeros("00P12"), "P12");
    EXPECT_EQ(stripLeadingZeros("P010"), "P010");
    EXPECT_EQ(stripLeadingZeros("0000"), "");
    EXPECT_EQ(stripLeadingZeros(""), "");

    std::string s = "a\r\nb\x1a\r\n";
    removeChars(s, "\r\x1a");
    EXPECT_EQ(s, "a\nb\n");

    s = "aaaa";
    replaceAll(s, "aa", "b");
    EXPECT_EQ(s, "bb");
    s = "aaa";
    replaceAll(s, "aa", "aab");
    EXPECT_EQ(s, "aaba");
    s = "Job 4: <empty>";
    replaceAll(s, "<empty>", "NEW");
    EXPECT_EQ(s, "Job 4: NEW");
    replaceAll(s, "", "x");
    EXPECT_EQ(s, "Job 4: NEW");

    EXPECT_EQ(toLower("A1.DAT\xC3\x84"), "a1.dat\xC3\x84");
}

TEST(TextEdit, RightAlignedFillOrKeepRightmost)
{
    std::string out;
    appendRightAligned(out, "P12", 8, '0');
    EXPECT_EQ(out, "00000P12");
    out.clear();
    appendRightAligned(out, "ABCDEFGH", 8, '0');
    EXPECT_EQ(out, "ABCDEFGH");
    out.clear();
    appendRightAligned(out, "POINT12345", 8, '0');
    EXPECT_EQ(out, "INT12345");
    out.clear();
    appendRightAligned(out, "", 4, ' ');
    EXPECT_EQ(out, "    ");
}

TEST(TextStamp, TwoDigitItemsAndTenths)
{
    EXPECT_EQ(formatStamp({2024, 3, 5, 7, 8, 9}), "05-03-2024/07:08:09.0");
    EXPECT_EQ(formatStamp({1999, 12, 31, 23, 59, 59}), "31-12-1999/23:59:59.0");
    LocalDateTime now = localNow();
    EXPECT_GE(now.year, 2020);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

} // namespace
} // namespace harwick::text
