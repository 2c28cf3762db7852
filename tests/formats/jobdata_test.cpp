#include "jobdata/jobdata.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace harwick::jobdata {
namespace {

constexpr std::string_view kP17 = "110001+00000P17 81..10+00012345 82..10+00054321 83..10+00000123 ";

TEST(ParseGsiLine, PointBlockGsi8)
{
    GsiLine b = ParseGsiLine(kP17);
    EXPECT_EQ(b.kind, GsiLine::Kind::Point);
    EXPECT_EQ(b.pointId, "P17");
    EXPECT_EQ(b.easting, "12.345");
    EXPECT_EQ(b.northing, "54.321");
    EXPECT_EQ(b.height, "0.123");
    EXPECT_EQ(b.remark, "");
}

TEST(ParseGsiLine, PointBlockGsi16WithRemark)
{
    GsiLine b = ParseGsiLine("*110001+0000000000000P17 71....+000000000000TREE 81..10-0000000000012345 ");
    EXPECT_EQ(b.kind, GsiLine::Kind::Point);
    EXPECT_EQ(b.pointId, "P17");
    EXPECT_EQ(b.remark, "TREE");
    EXPECT_EQ(b.easting, "-12.345");
    EXPECT_EQ(b.northing, "");
    EXPECT_EQ(b.height, "");
}

struct UnitCase {
    std::string_view word;
    std::string_view easting;
};

TEST(ParseGsiLine, UnitDigitScalesTheValueAndKeepsItsDecimals)
{
    const UnitCase cases[] = {
        {"81..00+00001234 ", "1.234"},     {"81..10+00001234 ", "1.234"},   {"81..16+00012346 ", "1.2346"},
        {"81..18+00123456 ", "1.23456"},   {"81..11+00001000 ", "0.3048"},  {"81..17+00010000 ", "0.30480"},
        {"81..06+00001234 ", "0.1234"},    {"81..10-00001500 ", "-1.500"},
        // No unit, placeholders: an empty field, never a number.
        {"81..19+00000012 ", ""},          {"81..00+-------- ", ""},
    };
    for (const UnitCase& c : cases) {
        EXPECT_EQ(ParseGsiLine(c.word).easting, c.easting) << c.word;
    }
}

TEST(ParseGsiLine, CodeBlocksStopTheBlock)
{
    GsiLine gsi8 = ParseGsiLine("410001+0000TREE ");
    EXPECT_EQ(gsi8.kind, GsiLine::Kind::Code);
    EXPECT_EQ(gsi8.code, "TREE");

    // Only "*41" marks this line GSI-16; read as GSI-8 the code would be lost.
    GsiLine gsi16 = ParseGsiLine("*410001+000000000000TREE ");
    EXPECT_EQ(gsi16.kind, GsiLine::Kind::Code);
    EXPECT_EQ(gsi16.code, "TREE");

    GsiLine later = ParseGsiLine("110001+00000P17 41....+0000WALL 81..10+00001234 ");
    EXPECT_EQ(later.kind, GsiLine::Kind::Code);
    EXPECT_EQ(later.code, "WALL");
    EXPECT_EQ(later.easting, "");

    EXPECT_EQ(ParseGsiLine("41....+00000000 ").code, "");
}

TEST(ParseGsiLine, IdsAndSkippedWords)
{
    EXPECT_EQ(ParseGsiLine("110001+00000000 ").pointId, "0");
    EXPECT_EQ(ParseGsiLine("81..10+00001234 ").pointId, "");
    // No separator after the last word (trailing blanks stripped): read all the same.
    EXPECT_EQ(ParseGsiLine("110001+00000P17").pointId, "P17");
    EXPECT_EQ(ParseGsiLine("110001+00000P17 83..10+00001500").height, "1.500");
    GsiLine b = ParseGsiLine("110001+00000P17 84..10+00001234 21.324+09000000 ");
    EXPECT_EQ(b.pointId, "P17");
    EXPECT_EQ(b.easting, "");
}

TEST(KardFromJobData, PointWithoutCodeBlock)
{
    EXPECT_EQ(KardFromJobData(std::string(kP17) + "\r\n"), "P17,,12.345,54.321,0.123\r\n");
}

TEST(KardFromJobData, CodeBlockAppliesToEveryFollowingPoint)
{
    const std::string data = std::string(kP17) + "\r\n" +          // before any code
                             "410001+0000TREE \r\n" +               //
                             "110002+00000P18 81..10+00001000 \r\n" + //
                             "71....+0000LAMP \r\n" +               // no point id: nothing
                             "110003+00000000 83..10-00001500 \r\n" + //
                             "*410004+000000000000WALL \r\n" +      //
                             "*110005+000000000000P200 82..10+0000000000002000 \r\n" + //
                             "41....+00000000 \r\n" +               // clears the code
                             "110006+00000P21 81..06+00001234 \r\n";
    EXPECT_EQ(KardFromJobData(data), "P17,,12.345,54.321,0.123\r\n"
                                     "P18,TREE,1.000,,\r\n"
                                     "0,TREE,,,-1.500\r\n"
                                     "P200,WALL,,2.000,\r\n"
                                     "P21,,0.1234,,\r\n");
}

TEST(KardFromJobData, LfAndCrLfDataReadAlike)
{
    const std::string crlf = "410001+0000TREE \r\n" + std::string(kP17) + "\r\n\r\n" + std::string(kP17);
    std::string lf = crlf;
    text::replaceAll(lf, "\r\n", "\n");
    const std::string expected = "P17,TREE,12.345,54.321,0.123\r\nP17,TREE,12.345,54.321,0.123\r\n";
    EXPECT_EQ(KardFromJobData(crlf), expected);
    EXPECT_EQ(KardFromJobData(lf), expected);
    EXPECT_EQ(KardFromJobData(""), "");
    EXPECT_EQ(KardFromJobData("\r\n\r\n"), "");
}

TEST(KardLineToGsi16, FivePointsFieldsBecomeOneBlock)
{
    EXPECT_EQ(KardLineToGsi16("P1,TREE,1234.5678,5678.1234,12.3"),
              "*11....+00000000000000P1 81..10+0000000001234568 82..10+0000000005678123 "
              "83..10+0000000000012300 ");
    EXPECT_EQ(KardLineToGsi16("P2,,-12.5,0,-0.0004"),
              "*11....+00000000000000P2 81..10-0000000000012500 82..10+0000000000000000 "
              "83..10-0000000000000000 ");
    EXPECT_EQ(KardLineToGsi16("ABCDEFGHIJKLMNOPQRST,,x,,1e3"),
              "*11....+EFGHIJKLMNOPQRST 81..10+0000000000000000 82..10+0000000000000000 "
              "83..10+0000000001000000 ");
}

TEST(KardLineToGsi16, OtherLinesGoOutUnchanged)
{
    for (std::string_view line : {"P1,TREE,1.0,2.0", "P1,TREE,1.0,2.0,3.0,X", "", "110001+00000P17 ", "P1,,,,,"}) {
        EXPECT_EQ(KardLineToGsi16(line), line);
    }
}

TEST(KardLineToGsi16, UploadedBlocksDownloadAsTheSameKardLines)
{
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<long long> mm(-999'999'999'999LL, 999'999'999'999LL);
    std::uniform_int_distribution<int> letter(0, 25);
    std::string upload;
    std::string expected;
    for (int i = 0; i < 500; ++i) {
        std::string id(1, static_cast<char>('A' + letter(rng)));
        id += std::to_string(i * 7919 % 100000);
        std::string e = text::formatFixed(static_cast<double>(mm(rng)) / 1000.0, 3);
        std::string n = text::formatFixed(static_cast<double>(mm(rng) / 1000) / 1000.0, 3);
        std::string h = text::formatFixed(static_cast<double>(mm(rng) % 100000) / 1000.0, 3);
        upload += KardLineToGsi16(id + ",CODE," + e + "," + n + "," + h) + "\r\n";
        expected += id + ",," + e + "," + n + "," + h + "\r\n";
    }
    EXPECT_EQ(KardFromJobData(upload), expected);
}

} // namespace
} // namespace harwick::jobdata
