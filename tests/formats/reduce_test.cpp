#include "reduce/reduce.h"

#include "gsi/gsi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::reduce {
namespace {

using gsi::Flavour;

// Hand-worked values below are written to 1e-10 m.
constexpr double kNear = 1e-7;

void expectPosition(const Position& p, double easting, double northing, double height)
{
    EXPECT_NEAR(p.easting, easting, kNear);
    EXPECT_NEAR(p.northing, northing, kNear);
    ASSERT_TRUE(p.height.has_value());
    EXPECT_NEAR(*p.height, height, kNear);
}

// A point whose position came from its measurements: the same numbers are in
// computed, for the editor's comparison.
void expectMeasured(const ReducedPoint& p, double easting, double northing, double height)
{
    SCOPED_TRACE(p.name);
    EXPECT_FALSE(p.fromInstrument);
    expectPosition(p.position, easting, northing, height);
    ASSERT_TRUE(p.computed.has_value());
    expectPosition(*p.computed, easting, northing, height);
}

std::vector<std::size_t> skippedLines(const Reduction& r)
{
    std::vector<std::size_t> lines;
    for (const Skipped& s : r.skipped) {
        EXPECT_FALSE(s.reason.empty()) << s.line;
        lines.push_back(s.line);
    }
    return lines;
}

// E0 1000.000, N0 2000.000, H0 100.000, instrument height 1.600 (mm words).
constexpr std::string_view kStation1 =
    "110001+000STN01 84..10+01000000 85..10+02000000 86..10+00100000 88..10+00001600 ";

// ---- Angles ----------------------------------------------------------------

struct AngleCase {
    std::string_view word;
    Flavour flavour;
    std::optional<double> radians; // nothing: refused
};

TEST(ReduceAngle, EveryUnitToRadians)
{
    const AngleCase cases[] = {
        // gon: 123.45678 x pi / 200
        {"21.322+12345678", Flavour::Gsi8, 1.9392545654192566},
        // 90 gon = 81 deg; the fifth character is the input mode and says nothing
        {"22.322+09000000", Flavour::Gsi8, 1.4137166941154071},
        {"22..02+09000000", Flavour::Gsi8, 1.4137166941154071},
        {"21.322-00050000", Flavour::Gsi8, -0.007853981633974483}, // -0.5 gon
        // decimal degrees: 35.451 x pi / 180
        {"21.323+03545100", Flavour::Gsi8, 0.6187366731245098},
        // ddd.mmsss: 35 deg 45' 10.0" = 35.752777... deg
        {"21.324+03545100", Flavour::Gsi8, 0.6240036889560838},
        // 0 deg 01' 00.0" = 1/60 deg: the minutes are not read as degrees
        {"21.324+00001000", Flavour::Gsi8, 0.0002908882086657216},
        // 35 deg 59' 59.9", the last tenth of a second before 36 deg
        {"21.324+03559599", Flavour::Gsi8, 0.6283180459042776},
        // 359 deg 59' 59.9"
        {"21.324+35959599", Flavour::Gsi8, 6.2831848223659055},
        // mil: 1234.5678 x 2 pi / 6400
        {"21.325+12345678", Flavour::Gsi8, 1.2120341033870354},
        {"21.325+16000000", Flavour::Gsi8, 1.5707963267948966}, // 1600 mil, a quarter circle
        // GSI-16: sixteen digits, the same scale
        {"21.322+0000000012345678", Flavour::Gsi16, 1.9392545654192566},
        {"22.324+0000000035959599", Flavour::Gsi16, 6.2831848223659055},
        {"22.322+0000000000000001", Flavour::Gsi16, 1.570796326794897e-07}, // 0.00001 gon
    };
    for (const AngleCase& c : cases) {
        const std::optional<double> a = decodeAngle(c.word, c.flavour);
        ASSERT_TRUE(a.has_value()) << c.word;
        EXPECT_NEAR(*a, *c.radians, 1e-13) << c.word;
    }
}

TEST(ReduceAngle, RefusesWhatIsNoAngle)
{
    const AngleCase cases[] = {
        // unit digits that name no angle unit (0, 1, 6 are lengths)
        {"21.320+12345678", Flavour::Gsi8, std::nullopt},
        {"21.321+12345678", Flavour::Gsi8, std::nullopt},
        {"21.326+12345678", Flavour::Gsi8, std::nullopt},
        {"21.32.+12345678", Flavour::Gsi8, std::nullopt},
        // sign
        {"21.322 12345678", Flavour::Gsi8, std::nullopt},
        {"21.322*12345678", Flavour::Gsi8, std::nullopt},
        {"21.32212345678 ", Flavour::Gsi8, std::nullopt},
        // data not all digits
        {"21.322+1234567A", Flavour::Gsi8, std::nullopt},
        {"21.322+--------", Flavour::Gsi8, std::nullopt},
        {"21.322+        ", Flavour::Gsi8, std::nullopt},
        {"21.322+0000000000001.34", Flavour::Gsi16, std::nullopt},
        // cut short
        {"21.322+1234567", Flavour::Gsi8, std::nullopt},
        {"21.322+", Flavour::Gsi8, std::nullopt},
        {"21.32", Flavour::Gsi8, std::nullopt},
        {"", Flavour::Gsi8, std::nullopt},
        {"21.322+12345678", Flavour::Gsi16, std::nullopt},
        // 35 deg 60' 00.0" and 35 deg 45' 60.0", 35 deg 45' 99.9"
        {"21.324+03560000", Flavour::Gsi8, std::nullopt},
        {"21.324+03545600", Flavour::Gsi8, std::nullopt},
        {"21.324+03545999", Flavour::Gsi8, std::nullopt},
        {"22.324+0000000003599000", Flavour::Gsi16, std::nullopt},
    };
    for (const AngleCase& c : cases) EXPECT_EQ(decodeAngle(c.word, c.flavour), std::nullopt) << '"' << c.word << '"';
}

// ---- Hand-worked jobs ------------------------------------------------------

TEST(ReduceJob, EachDistanceKind)
{
    const std::string job = std::string(kStation1) + "\r\n" +
                            // 31 with 22: Hz 30 gon, V 90 gon, slope 12.345, r 1.500; the 25
                            // (orientation 50 gon) is already in the 21 and changes nothing
                            //   d  = 12.345 sin 81 deg = 12.1930125646
                            //   dh = 12.345 cos 81 deg =  1.9311834709
                            //   E = 1000 + d sin 27 deg = 1005.5355118676
                            //   N = 2000 + d cos 27 deg = 2010.8640537446
                            //   H = 100 + 1.6 + dh - 1.5 = 102.0311834709
                            "110002+00000P01 71....+0000TREE 21.322+03000000 22.322+09000000 25.322+05000000 "
                            "31..00+00012345 87..10+00001500 \r\n"
                            // 32 with 22: Hz 170 gon (153 deg), V 105 gon (94.5 deg), d 20, r 1.300
                            //   dh = 20 cot 94.5 deg = -1.5740341365
                            //   E = 1000 + 20 x 0.4539904997 = 1009.0798099948
                            //   N = 2000 - 20 x 0.8910065242 = 1982.1798695162
                            //   H = 100 + 1.6 - 1.5740341365 - 1.3 = 98.7259658635
                            "110003+00000P02 21.322+17000000 22.322+10500000 32..00+00020000 87..10+00001300 \r\n"
                            // 32 with 33 (and 22, which the 33 outranks), no 87: Hz 230 gon (207 deg), d 15
                            //   E = 1000 - 15 x 0.4539904997 = 993.1901425039
                            //   N = 2000 - 15 x 0.8910065242 = 1986.6349021372
                            //   H = 100 + 1.6 - 0.750 - 0 = 100.85
                            "110004+00000P03 21.322+23000000 22.322+09500000 32..00+00015000 33..00-00000750 \r\n"
                            // 31 and 32 both: the slope with V decides, 99.999 is not used.
                            // Hz 370 gon (333 deg), V 80 gon (72 deg), slope 30, r 2.000
                            //   d = 30 sin 72 deg = 28.5316954889, dh = 30 cos 72 deg = 9.2705098312
                            //   E = 1000 - d x 0.4539904997 = 987.0468813066
                            //   N = 2000 + d x 0.8910065242 = 2025.4219268267
                            //   H = 100 + 1.6 + 9.2705098312 - 2 = 108.8705098312
                            "110005+00000P04 21.322+37000000 22.322+08000000 31..00+00030000 32..00+00099999 "
                            "87..10+00002000 \r\n"
                            // Vertical sight, V 0: d 0 whatever Hz, dh = slope 5.000, r 1.000
                            //   H = 100 + 1.6 + 5 - 1 = 105.6
                            "110006+00000P05 21.322+12300000 22.322+00000000 31..00+00005000 87..10+00001000 \r\n";
    const Reduction r = reduceJob(job);
    EXPECT_EQ(r.flavour, Flavour::Gsi8);
    EXPECT_EQ(r.stations, 1u);
    EXPECT_EQ(r.fromMeasurements, 5u);
    EXPECT_EQ(r.fromInstrument, 0u);
    EXPECT_EQ(r.beforeStation, 0u);
    EXPECT_TRUE(r.skipped.empty());
    ASSERT_EQ(r.points.size(), 5u);

    expectMeasured(r.points[0], 1005.5355118676, 2010.8640537446, 102.0311834709);
    expectMeasured(r.points[1], 1009.0798099948, 1982.1798695162, 98.7259658635);
    expectMeasured(r.points[2], 993.1901425039, 1986.6349021372, 100.85);
    expectMeasured(r.points[3], 987.0468813066, 2025.4219268267, 108.8705098312);
    expectMeasured(r.points[4], 1000.0, 2000.0, 105.6);

    const char* names[] = {"P01", "P02", "P03", "P04", "P05"};
    for (std::size_t k = 0; k < r.points.size(); ++k) {
        const ReducedPoint& p = r.points[k];
        EXPECT_EQ(p.name, names[k]);
        EXPECT_EQ(p.line, k + 2);
        EXPECT_EQ(p.decimals, 3) << p.name;
        EXPECT_FALSE(p.beforeStation) << p.name;
    }
    EXPECT_EQ(r.points[0].code, "TREE");
    EXPECT_EQ(r.points[1].code, "");
}

TEST(ReduceJob, InstrumentHeightPerBlockAndStationChange)
{
    const std::string job = std::string(kStation1) + "\n" +
                            // 88 2.500 on this block: Hz 0, V 100 gon, slope 10, r 1.000
                            //   E 1000, N 2010, H = 100 + 2.5 + 0 - 1 = 101.5
                            "110002+00000P01 21.322+00000000 22.322+10000000 31..00+00010000 87..10+00001000 "
                            "88..10+00002500 \n"
                            // The same shot without 88: the station's 1.600 again.
                            //   H = 100 + 1.6 - 1 = 100.6
                            "110003+00000P02 21.322+00000000 22.322+10000000 31..00+00010000 87..10+00001000 \n"
                            // No 87: reflector height 0.  H = 100 + 1.6 = 101.6
                            "110004+00000P03 21.322+00000000 22.322+10000000 31..00+00010000 \n"
                            // Second station: E0 1100, N0 1900, H0 95, i 1.450
                            "110005+000STN02 84..10+01100000 85..10+01900000 86..10+00095000 88..10+00001450 \n"
                            // Hz 320 gon (288 deg), V 98 gon (88.2 deg), slope 25, r 1.800
                            //   d = 25 sin 88.2 deg = 24.9876640091, dh = 25 cos 88.2 deg = 0.7852689770
                            //   E = 1100 + d sin 288 deg = 1076.2353193171
                            //   N = 1900 + d cos 288 deg = 1907.7216128286
                            //   H = 95 + 1.45 + 0.7852689770 - 1.8 = 95.4352689770
                            "110006+00000P04 21.322+32000000 22.322+09800000 31..00+00025000 87..10+00001800 \n";
    const Reduction r = reduceJob(job);
    EXPECT_EQ(r.stations, 2u);
    EXPECT_TRUE(r.skipped.empty());
    ASSERT_EQ(r.points.size(), 4u);
    expectMeasured(r.points[0], 1000.0, 2010.0, 101.5);
    expectMeasured(r.points[1], 1000.0, 2010.0, 100.6);
    expectMeasured(r.points[2], 1000.0, 2010.0, 101.6);
    expectMeasured(r.points[3], 1076.2353193171, 1907.7216128286, 95.4352689770);
    EXPECT_EQ(r.points[3].name, "P04");
    EXPECT_EQ(r.points[3].line, 6u);
}

TEST(ReduceJob, BlocksBeforeAnyStationAreFromTheOrigin)
{
    const std::string job =
        // From (0, 0, 0), instrument height 0: Hz 20 gon (18 deg), V 90 gon, slope 10, r 1.200
        //   d = 10 sin 81 deg = 9.8768834060, dh = 10 cos 81 deg = 1.5643446504
        //   E = d sin 18 deg = 3.0521248239, N = d cos 18 deg = 9.3934743239
        //   H = 0 + 0 + 1.5643446504 - 1.2 = 0.3643446504
        "110001+00000P01 21.322+02000000 22.322+09000000 31..00+00010000 87..10+00001200 \n" + std::string(kStation1) +
        "\n"
        // H = 100 + 1.6 + 0 - 1.2 = 100.4
        "110003+00000P02 21.322+00000000 22.322+10000000 31..00+00010000 87..10+00001200 \n";
    const Reduction r = reduceJob(job);
    EXPECT_EQ(r.stations, 1u);
    EXPECT_EQ(r.beforeStation, 1u);
    EXPECT_EQ(r.fromMeasurements, 2u);
    ASSERT_EQ(r.points.size(), 2u);
    EXPECT_TRUE(r.points[0].beforeStation);
    expectMeasured(r.points[0], 3.0521248239, 9.3934743239, 0.3643446504);
    EXPECT_FALSE(r.points[1].beforeStation);
    expectMeasured(r.points[1], 1000.0, 2010.0, 100.4);
}

TEST(ReduceJob, FootJobsComeOutInMetres)
{
    const std::string job =
        // 1/1000 ft: E0 500 ft = 152.4, N0 1000 ft = 304.8, H0 50 ft = 15.24, i 5 ft = 1.524
        "110001+000STN01 84..11+00500000 85..11+01000000 86..11+00050000 88..11+00005000 \r\n"
        // Hz 100 gon (east), V 100 gon, slope 100 ft = 30.48, r 6 ft = 1.8288
        //   E = 152.4 + 30.48 = 182.88, N = 304.8, H = 15.24 + 1.524 - 1.8288 = 14.9352
        "110002+00000P01 21.322+10000000 22.322+10000000 31..11+00100000 87..11+00006000 \r\n"
        // 1/10000 ft: Hz 0 (north), d 123.4567 ft = 37.62960216, 33 -1.2345 ft = -0.3762756,
        // r 5 ft = 1.524
        //   N = 304.8 + 37.62960216 = 342.42960216
        //   H = 15.24 + 1.524 - 0.3762756 - 1.524 = 14.8637244
        "110003+00000P02 21.322+00000000 22.322+10000000 32..17+01234567 33..17-00012345 87..17+00050000 \r\n";
    const Reduction r = reduceJob(job);
    ASSERT_EQ(r.points.size(), 2u);
    expectMeasured(r.points[0], 182.88, 304.8, 14.9352);
    expectMeasured(r.points[1], 152.4, 342.42960216, 14.8637244);
    // The foot units show 4 and 5 decimals of metres.
    EXPECT_EQ(r.points[0].decimals, 4);
    EXPECT_EQ(r.points[1].decimals, 5);
}

TEST(ReduceJob, InstrumentCoordinatesAreTakenAsTheyAre)
{
    const std::string job = std::string(kStation1) + "\r\n" +
                            // Measured: Hz 60 gon (54 deg), V 100 gon, slope 10, r 1.600
                            //   E = 1000 + 10 sin 54 deg = 1008.0901699437
                            //   N = 2000 + 10 cos 54 deg = 2005.8778525229
                            //   H = 100 + 1.6 - 1.6 = 100.0
                            // and the instrument's own 1008.000, 2006.000, 99.950.
                            "110002+00000P01 21.322+06000000 22.322+10000000 31..00+00010000 87..10+00001600 "
                            "81..10+01008000 82..10+02006000 83..10+00099950 \r\n";
    const Reduction r = reduceJob(job);
    EXPECT_EQ(r.fromInstrument, 1u);
    EXPECT_EQ(r.fromMeasurements, 0u);
    ASSERT_EQ(r.points.size(), 1u);
    const ReducedPoint& p = r.points[0];
    EXPECT_EQ(p.name, "P01");
    EXPECT_TRUE(p.fromInstrument);
    expectPosition(p.position, 1008.0, 2006.0, 99.95);
    ASSERT_TRUE(p.computed.has_value());
    expectPosition(*p.computed, 1008.0901699437, 2005.8778525229, 100.0);
}

TEST(ReduceJob, SkipsWhatGivesNoPointWithItsLine)
{
    const std::string job = std::string(kStation1) + "\r\n" +
                            "110002+00000P01 21.322+05000000 22.322+09000000 \r\n" // direction, no distance
                            "\r\n"                                                 // blank: silent
                            "410001+0000TREE \r\n"                                 // code block: silent
                            "110003+00000P02 31..00+00012345 87..10+00001500 \r\n" // distance, no angles
                            // Hz 0, V 100 gon, 10 m, r 1: E 1000, N 2010, H 100.6
                            "110004+00000P03 21.322+00000000 22.322+10000000 31..00+00010000 87..10+00001000 \r\n"
                            "21.322+05000000 22.322+09000000 31..00+00012345 "; // no name, no line end
    const Reduction r = reduceJob(job);
    EXPECT_EQ(skippedLines(r), (std::vector<std::size_t>{2, 5, 7}));
    EXPECT_EQ(r.stations, 1u);
    ASSERT_EQ(r.points.size(), 1u);
    EXPECT_EQ(r.points[0].name, "P03");
    EXPECT_EQ(r.points[0].line, 6u);
    expectMeasured(r.points[0], 1000.0, 2010.0, 100.6);
}

TEST(ReduceJob, CountsMeasuredBlocksWithoutCoordinates)
{
    const std::string job = std::string(kStation1) + "\n" +
                            "110002+00000P01 21.322+05000000 22.322+09000000 31..00+00012345 \n"                 // 1
                            "110003+00000P02 21.322+05000000 22.322+09000000 31..00+00012345 "
                            "81..10+01008000 82..10+02006000 83..10+00099950 \n"                                // has 81/82
                            "110004+00000P04 81..10+01000000 82..10+02000000 \n"                                // coordinates only
                            "410001+0000TREE \n"                                                                // code
                            "\n"
                            "110005+00000P05 21.322+05000000 \n"                                                // 2
                            "110006+00000P06 32..00+00012345 \n"                                                // 3
                            "110007+00000P07 22.322+09000000 \n";                                               // 4
    EXPECT_EQ(measuredWithoutCoordinates(job), 4u);
    EXPECT_EQ(measuredWithoutCoordinates(""), 0u);
    EXPECT_EQ(measuredWithoutCoordinates(kStation1), 0u);
}

// ---- A generated job --------------------------------------------------------

// Angle word in gon to 0.00001 gon, GSI-16.
void appendGonWord(std::string& out, std::string_view head, double gon)
{
    long long steps = std::llround(gon * 1e5);
    if (steps == 40'000'000) steps = 0; // 400 gon is 0
    char digits[24];
    std::snprintf(digits, sizeof digits, "%016lld", steps);
    out += head;
    out += digits;
    out += ' ';
}

void appendLength(std::string& out, std::string_view index, double metres)
{
    ASSERT_TRUE(gsi::appendLengthWord(out, index, gsi::kTenthMillimetre, metres, Flavour::Gsi16));
    out += ' ';
}

TEST(ReduceJob, GeneratedJobComesBackWithinATenthOfAMillimetre)
{
    // Station coordinates and heights are whole tenths of a millimetre, so
    // they are read back as they are; what remains is the rounding of the
    // angles (0.5e-5 gon, 0.03 mm at 400 m) and the slopes (0.05 mm).
    struct Station {
        double e, n, h, i;
    };
    const Station stations[] = {{512345.6789, 5412345.4321, 312.5432, 1.5430},
                                {512610.1234, 5412102.9876, 298.0101, 1.6120},
                                {512050.5000, 5412600.2500, 325.7500, 1.4005},
                                {511900.0001, 5411999.9999, 301.0000, 1.7000}};
    constexpr std::size_t kTargets = 1000;
    constexpr std::size_t kPerStation = 250;

    struct Target {
        std::string name;
        double e, n, h;
        std::size_t line;
    };
    std::vector<Target> targets;
    std::mt19937 rng(4711);
    std::uniform_real_distribution<double> offset(-280.0, 280.0);
    std::uniform_real_distribution<double> rise(-40.0, 40.0);
    std::uniform_int_distribution<int> tenthsOfMillimetre(10000, 25000); // 1.0000 .. 2.5000 m

    std::string job;
    std::size_t line = 0;
    std::size_t row = 0;
    for (std::size_t k = 0; k < kTargets; ++k) {
        const Station& s = stations[k / kPerStation];
        const std::string_view lineEnd = k % 3 == 0 ? "\r\n" : "\n";
        if (k % kPerStation == 0) {
            job += gsi::kGsi16Mark;
            gsi::appendTextWord(job, gsi::editorPointHead(++row), "STN" + std::to_string(k / kPerStation + 1),
                                Flavour::Gsi16);
            job += ' ';
            appendLength(job, "84", s.e);
            appendLength(job, "85", s.n);
            appendLength(job, "86", s.h);
            appendLength(job, "88", s.i);
            job += lineEnd;
            ++line;
        }

        Target t{"T" + std::to_string(k + 1), 0, 0, 0, 0};
        do {
            t.e = s.e + offset(rng);
            t.n = s.n + offset(rng);
        } while (std::hypot(t.e - s.e, t.n - s.n) < 5.0);
        t.h = s.h + rise(rng);
        const double reflector = tenthsOfMillimetre(rng) / 1e4;
        // Every seventh block carries its own instrument height.
        const bool ownHeight = k % 7 == 3;
        const double i = ownHeight ? 1.2000 + static_cast<double>(k % 50) / 1e4 : s.i;

        // From the known point back to what the instrument measured.
        const double toGon = 200.0 / std::numbers::pi;
        const double d = std::hypot(t.e - s.e, t.n - s.n);
        double hz = std::atan2(t.e - s.e, t.n - s.n) * toGon;
        if (hz < 0) hz += 400.0;
        const double dh = t.h + reflector - s.h - i;
        const double slope = std::hypot(d, dh);
        const double v = std::atan2(d, dh) * toGon;

        job += gsi::kGsi16Mark;
        gsi::appendTextWord(job, gsi::editorPointHead(++row), t.name, Flavour::Gsi16);
        job += ' ';
        appendGonWord(job, "21.322+", hz);
        appendGonWord(job, "22.322+", v);
        appendLength(job, "31", slope);
        appendLength(job, "87", reflector);
        if (ownHeight) appendLength(job, "88", i);
        job += lineEnd;
        t.line = ++line;
        targets.push_back(std::move(t));
    }

    const Reduction r = reduceJob(job);
    EXPECT_EQ(r.flavour, Flavour::Gsi16);
    EXPECT_EQ(r.stations, 4u);
    EXPECT_EQ(r.fromMeasurements, kTargets);
    EXPECT_EQ(r.beforeStation, 0u);
    EXPECT_TRUE(r.skipped.empty());
    EXPECT_EQ(measuredWithoutCoordinates(job), kTargets);
    ASSERT_EQ(r.points.size(), kTargets);
    for (std::size_t k = 0; k < kTargets; ++k) {
        const ReducedPoint& p = r.points[k];
        const Target& t = targets[k];
        ASSERT_EQ(p.name, t.name);
        ASSERT_EQ(p.line, t.line) << t.name;
        ASSERT_EQ(p.decimals, 4) << t.name;
        ASSERT_FALSE(p.fromInstrument) << t.name;
        ASSERT_LE(std::hypot(p.position.easting - t.e, p.position.northing - t.n), 1e-4)
            << t.name << " at " << p.position.easting << ", " << p.position.northing;
        ASSERT_TRUE(p.position.height.has_value()) << t.name;
        ASSERT_LE(std::fabs(*p.position.height - t.h), 1e-4) << t.name << " at " << *p.position.height;
    }
}

} // namespace
} // namespace harwick::reduce
