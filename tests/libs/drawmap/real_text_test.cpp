// Reals in a drawing are written in their shortest form that reads back as
// the same double. The quick path for survey coordinates must give exactly
// what the general form gives, or drawings change from one build to the next.
#include "dxf_out.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace drawmap::testing {
namespace {

// The value line of a group, as the general shortest form writes it.
std::string Expected(double value)
{
    std::array<char, 512> digits;
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    std::string text(digits.data(), end);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

std::string Written(double value)
{
    std::string out;
    PutReal(out, kX, value);
    const std::string head = " 10\r\n";
    EXPECT_EQ(out.substr(0, head.size()), head);
    EXPECT_EQ(out.substr(out.size() - kLineEnd.size()), kLineEnd);
    return out.substr(head.size(), out.size() - head.size() - kLineEnd.size());
}

double Parsed(const std::string& text)
{
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

TEST(RealTextTest, SurveyCoordinatesReadAsTheyWereWritten)
{
    std::mt19937_64 rng(20261209);
    std::uniform_int_distribution<long long> whole(-999999999, 999999999);
    std::uniform_int_distribution<long long> fraction(0, 999999);
    std::uniform_int_distribution<int> decimals(0, 6);
    for (int i = 0; i < 400000; ++i) {
        const int d = decimals(rng);
        std::string text = std::to_string(whole(rng));
        if (d > 0) {
            std::string digits = std::to_string(fraction(rng) % static_cast<long long>(std::pow(10, d)));
            text += "." + std::string(static_cast<std::size_t>(d) - digits.size(), '0') + digits;
        }
        const double value = Parsed(text);
        ASSERT_EQ(Written(value), Expected(value)) << text;
    }
}

TEST(RealTextTest, AnyOtherDoubleAsTheGeneralFormWritesIt)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> plane(-2e9, 2e9);
    std::uniform_real_distribution<double> small(-2, 2);
    for (int i = 0; i < 200000; ++i) {
        const double a = plane(rng);
        const double b = small(rng);
        // Sums and products of coordinates leave long tails.
        for (const double value : {a, b, a / 7, std::round(a), std::round(b * 1e4) / 1e4, a * 1e-3 + 0.1}) {
            ASSERT_EQ(Written(value), Expected(value)) << value;
        }
    }
}

TEST(RealTextTest, EdgesOfTheQuickPath)
{
    const std::vector<double> edges = {
        0.0, -0.0, 1.0, -1.0, 0.5, 0.001, 0.0001, 9999.0, -9999.0, 10000.0, 100000.0, 1e9, -1e9,
        std::nextafter(1e9, 0.0), 999999999.999999, 999999999.9999999, 1.000001, 1.0000001, 0.9999999,
        123456.78900000001, 0.1 + 0.2, 1e-300, 1e300, std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
    };
    for (const double value : edges) EXPECT_EQ(Written(value), Expected(value)) << value;
}

} // namespace
} // namespace drawmap::testing
