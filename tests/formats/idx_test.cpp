#include "idx/idx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::idx {
namespace {

std::vector<std::string> fieldsOf(const IdxPoint& p) { return {p.name, p.code, p.easting, p.northing, p.elevation}; }

std::vector<std::vector<std::string>> fieldsOf(const std::vector<IdxPoint>& points)
{
    std::vector<std::vector<std::string>> out;
    for (const IdxPoint& p : points) out.push_back(fieldsOf(p));
    return out;
}

// CR LF turned into LF, to read a file as a Unix tool would have written it.
std::string withLf(std::string s)
{
    text::replaceAll(s, "\r\n", "\n");
    return s;
}

constexpr text::LocalDateTime kMarch7{2006, 3, 7, 14, 5, 9};

TEST(IdxWrite, WritesTheWholeFileWithCrLf)
{
    const std::vector<IdxPoint> points = {{"P1", "TREE", "100.000", "200.000", "10.000"},
                                          {"P2", "", "-1.5", "0.25", ""}};
    EXPECT_EQ(write(points, kMarch7),
              "HEADER\r\n"
              "  VERSION      1.31\r\n"
              "  SYSTEM       \"QRX\"\r\n"
              "  SEPARATOR    ','\r\n"
              "  TERMINATOR   ';'\r\n"
              "  UNITS\r\n"
              "    LINEAR     METRE\r\n"
              "  END UNITS\r\n"
              "  PROJECT\r\n"
              "    NAME           \"idx\"\r\n"
              "    CREATION_DATE  07-03-2006/14:05:09.0\r\n"
              "  END PROJECT\r\n"
              "END HEADER\r\n"
              "\r\n"
              "\r\n"
              "DATABASE\r\n"
              "  POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)\r\n"
              "    1,  \"P1\",  \"TREE\",    100.000,  200.000,  10.000,  FIX;\r\n"
              "    2,  \"P2\",  \"\",    -1.5,  0.25,  ,  FIX;\r\n"
              "    THEMINFO (PointNo,PointID,Attribute,Value)\r\n"
              "    END THEMINFO\r\n"
              "  END POINTS\r\n"
              "END DATABASE\r\n");
}

TEST(IdxWrite, EmptyListStillHasBothSections)
{
    const std::string file = write({}, {2024, 12, 31, 23, 59, 58});
    EXPECT_NE(file.find("    CREATION_DATE  31-12-2024/23:59:58.0\r\n"), std::string::npos);
    EXPECT_NE(file.find("  POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)\r\n"
                        "    THEMINFO (PointNo,PointID,Attribute,Value)\r\n"),
              std::string::npos);
    EXPECT_TRUE(readPoints(file).empty());
}

TEST(IdxRoundTrip, WrittenPointsReadBackUnchanged)
{
    std::vector<IdxPoint> points;
    for (int i = 0; i < 150; ++i) {
        points.push_back({"PT" + std::to_string(i), i % 3 == 0 ? "" : "C" + std::to_string(i % 7),
                          text::formatFixed(i * 123.4567 - 5000.0, 3 + i % 3), text::formatFixed(-i * 0.5, 3),
                          text::formatFixed(i * 1e3, 4)});
    }
    const std::string file = write(points, kMarch7);
    EXPECT_EQ(fieldsOf(readPoints(file)), fieldsOf(points));
    EXPECT_EQ(fieldsOf(readPoints(withLf(file))), fieldsOf(points));
}

// A file as another IDX writer might lay it out, with the points section
// between other sections.
constexpr std::string_view kForeignFile = "HEADER\r\n"
                                          "  UNITS\r\n"
                                          "    LINEAR     METRE\r\n"
                                          "  END UNITS\r\n"
                                          "END HEADER\r\n"
                                          "DATABASE\r\n"
                                          "  POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)\r\n"
                                          "    1,  \"Big Tree 1\",  \"OAK \t2\",  5.0,  6.0,  7.0,  FIX;\r\n"
                                          "    2,  \"P2\",  \"\",  5.0,  6.0,  7.0;\r\n"
                                          "    3,\"P3\",\"K\",1,2,3,FIX;\r\n"
                                          "\r\n"
                                          "    THEMINFO (PointNo,PointID,Attribute,Value)\r\n"
                                          "    4,  \"P4\",  \"\",  1,  2,  3,  FIX;\r\n"
                                          "    END THEMINFO\r\n"
                                          "  END POINTS\r\n"
                                          "END DATABASE\r\n";

TEST(IdxRead, TakesSevenFieldLinesOfThePointsSectionOnly)
{
    // Blanks, tabs and quotes go before splitting; the line without a class has
    // six fields; P4 lies in the THEMINFO section.
    const std::vector<std::vector<std::string>> expected = {{"BigTree1", "OAK2", "5.0", "6.0", "7.0"},
                                                            {"P3", "K", "1", "2", "3"}};
    EXPECT_EQ(fieldsOf(readPoints(kForeignFile)), expected);
    EXPECT_EQ(fieldsOf(readPoints(withLf(std::string(kForeignFile)))), expected);
}

TEST(IdxRead, WithoutPointsSectionYieldsNothing)
{
    EXPECT_TRUE(readPoints("HEADER\r\n    1,  \"P1\",  \"\",  1,  2,  3,  FIX;\r\nEND HEADER\r\n").empty());
    EXPECT_TRUE(readPoints("").empty());
}

TEST(IdxRead, SurveyFeetAreConvertedToMetres)
{
    const std::string file = "HEADER\n"
                             "  UNITS\n"
                             "    LINEAR     US_SURVEY_FEET\n"
                             "  END UNITS\n"
                             "END HEADER\n"
                             "  POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)\n"
                             "    1,  \"P1\",  \"K\",  1000,  -1000.0,  0,  FIX;\n"
                             "    2,  \"P2\",  \"\",  10,  1,  ,  FIX;\n";
    // The US survey foot is 1200/3937 m: 1000 ft = 304.80061 m, shown with
    // four decimals; a field the file leaves empty stays empty.
    const std::vector<std::vector<std::string>> expected = {{"P1", "K", "304.8006", "-304.8006", "0.0000"},
                                                            {"P2", "", "3.0480", "0.3048", ""}};
    EXPECT_EQ(fieldsOf(readPoints(file)), expected);
}

TEST(IdxRead, FeetMarkerAfterSomePointsConvertsOnlyTheLaterOnes)
{
    const std::string file = "  POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)\r\n"
                             "    1,  \"P1\",  \"\",  1000,  2000,  3,  FIX;\r\n"
                             "  LINEAR US_SURVEY_FEET\r\n"
                             "    2,  \"P2\",  \"\",  1000,  2000,  3,  FIX;\r\n";
    const std::vector<std::vector<std::string>> expected = {{"P1", "", "1000", "2000", "3"},
                                                            {"P2", "", "304.8006", "609.6012", "0.9144"}};
    EXPECT_EQ(fieldsOf(readPoints(file)), expected);
}

} // namespace
} // namespace harwick::idx
