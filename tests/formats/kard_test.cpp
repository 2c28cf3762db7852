#include "kard/kard.h"

#include "text/text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace harwick::kard {
namespace {

std::vector<std::string> fieldsOf(const KardPoint& p) { return {p.name, p.code, p.easting, p.northing, p.elevation}; }

struct ReadCase {
    const char* label;
    const char* line;
    std::optional<std::vector<std::string>> expected; // name, code, easting, northing, elevation
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class KardReadLine : public testing::TestWithParam<ReadCase> {};

TEST_P(KardReadLine, TakesOnlyFiveFieldLinesWithTheirCode)
{
    const ReadCase& c = GetParam();
    std::optional<KardPoint> p = readLine(c.line);
    ASSERT_EQ(p.has_value(), c.expected.has_value()) << c.line;
    if (p) {
        EXPECT_EQ(fieldsOf(*p), *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, KardReadLine,
    testing::Values(
        ReadCase{"EmptyCode", "A1,,10.000,20.000,3.000",
                 std::vector<std::string>{"A1", "", "10.000", "20.000", "3.000"}},
        // Coordinates stay the text the file holds.
        ReadCase{"Code", "A1,TREE,10,20,3", std::vector<std::string>{"A1", "TREE", "10", "20", "3"}},
        ReadCase{"FieldsNotTrimmed", " A1 ,x, 10 ,-2.5 ,",
                 std::vector<std::string>{" A1 ", "x", " 10 ", "-2.5 ", ""}},
        ReadCase{"SixFieldsFromTrailingComma", "A1,,10.000,20.000,3.000,", std::nullopt},
        ReadCase{"FourFields", "A1,10.000,20.000,3.000", std::nullopt},
        ReadCase{"Heading", "Point list of job 7", std::nullopt},
        ReadCase{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

TEST(KardWrite, EditorLineKeepsCodeAndCellTexts)
{
    std::string out = "before\r\n";
    appendEditorLine(out, "P1", "KERB", "100.0000", "-200.5", "");
    appendEditorLine(out, "P2", "", "1", "2", "3");
    EXPECT_EQ(out, "before\r\nP1,KERB,100.0000,-200.5,\r\nP2,,1,2,3\r\n");
}

TEST(KardWrite, CableLinePrintsThreeDecimalsAndOptionalCode)
{
    std::string out;
    appendCableLine(out, "P1", "TREE", 1234.5674, -2.25, 0.0);
    appendCableLine(out, "RE7", "", 0.0004, 99999.9996, -0.012);
    EXPECT_EQ(out, "P1,TREE,1234.567,-2.250,0.000\r\n"
                   "RE7,,0.000,100000.000,-0.012\r\n");
}

// Deterministic "random" coordinates, with negatives and several magnitudes.
std::vector<KardPoint> generatedPoints(std::size_t n)
{
    std::vector<KardPoint> points;
    unsigned state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % 2000001) - 1000000;
    };
    for (std::size_t i = 0; i < n; ++i) {
        points.push_back(KardPoint{"P" + std::to_string(i + 1), i % 3 ? "KERB" : "", text::formatFixed(next() / 1000.0, 3),
                                   text::formatFixed(next() / 100.0, 3), text::formatFixed(next() / 10000.0, 3)});
    }
    return points;
}

TEST(KardRoundTrip, EditorLinesReadBackToTheSamePoints)
{
    const std::vector<KardPoint> points = generatedPoints(200);
    std::string file;
    for (const KardPoint& p : points) appendEditorLine(file, p.name, p.code, p.easting, p.northing, p.elevation);

    std::vector<KardPoint> back;
    text::forEachLine(file, [&](std::string_view line) {
        std::optional<KardPoint> p = readLine(line);
        ASSERT_TRUE(p.has_value()) << line;
        back.push_back(*p);
    });
    ASSERT_EQ(back.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(fieldsOf(back[i]), fieldsOf(points[i])) << i;
}

TEST(KardRoundTrip, CableLinesReadBackWithTheirNumbers)
{
    std::string file;
    appendCableLine(file, "P1", "TREE", 10.0, 20.0, 3.0);
    appendCableLine(file, "P2", "", -0.5, 1e5, 12.3456);
    std::vector<std::string> lines = text::splitLines(file);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(fieldsOf(readLine(lines[0]).value()), (std::vector<std::string>{"P1", "TREE", "10.000", "20.000", "3.000"}));
    EXPECT_EQ(fieldsOf(readLine(lines[1]).value()),
              (std::vector<std::string>{"P2", "", "-0.500", "100000.000", "12.346"}));
}

TEST(Kard600, MovesTheCodeToTheSecondField)
{
    EXPECT_EQ(kard600ToKard300("P1,100.000,200.000,3.000,TREE"), "P1,TREE,100.000,200.000,3.000\r\n");
    EXPECT_EQ(kard600ToKard300("P1,1,2,3,"), "P1,,1,2,3\r\n");
}

TEST(Kard600, CutsEachFieldToTwentyCharacters)
{
    EXPECT_EQ(kard600ToKard300("ABCDEFGHIJKLMNOPQRSTUVWXYZ,1.000,2.000,3.000,0123456789012345678901234"),
              "ABCDEFGHIJKLMNOPQRST,01234567890123456789,1.000,2.000,3.000\r\n");
}

TEST(Kard600, RefusesLinesWithoutExactlyFourCommas)
{
    EXPECT_FALSE(kard600ToKard300("P1,100.000,200.000,TREE"));
    EXPECT_FALSE(kard600ToKard300("P1,100.000,200.000,3.000,TREE,"));
    EXPECT_FALSE(kard600ToKard300(""));
}

} // namespace
} // namespace harwick::kard
