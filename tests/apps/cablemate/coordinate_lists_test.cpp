#include "coordinate_lists.h"

#include "cable_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cablemate {
namespace {

const std::string kOnePoint = "P1,TREE,1.000,2.000,3.000\r\n";

TEST(CoordinateList, Kard300ShowsTheLineAsCodeThenCoordinates)
{
    const CoordinateTable table = BuildCoordinateTable(kOnePoint, EditFormat::Kard300);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].code, "TREE");
    EXPECT_EQ(table[0].c1, "1.000");
    const auto rows = CoordinateRows(table, EditFormat::Kard300);
    EXPECT_EQ(rows, (std::vector<CoordinateRow>{{"P1", "TREE", "1.000", "2.000", "3.000"}}));
    EXPECT_EQ(CoordinateColumnTitles(EditFormat::Kard300),
              (std::array<std::string_view, 5>{"点名", "编码", "坐标N", "坐标E", "坐标Z"}));
    EXPECT_EQ(CoordinateListText(rows), kOnePoint);
}

TEST(CoordinateList, Kard600TakesTheColumnsAsChosen)
{
    const CoordinateTable table = BuildCoordinateTable(kOnePoint, EditFormat::Kard600);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].c1, "TREE");
    EXPECT_EQ(table[0].code, "3.000");
    const auto rows = CoordinateRows(table, EditFormat::Kard600);
    EXPECT_EQ(rows, (std::vector<CoordinateRow>{{"P1", "TREE", "1.000", "2.000", "3.000"}}));
    EXPECT_EQ(CoordinateColumnTitles(EditFormat::Kard600),
              (std::array<std::string_view, 5>{"点名", "坐标E", "坐标N", "坐标Z", "编码"}));
    EXPECT_EQ(CoordinateListText(rows), kOnePoint);
}

TEST(CoordinateList, WritesBackWhatItReadInEitherOrder)
{
    const std::string text = "A,C1,10.5,20.25,3\r\nB,,-1,-2,-3\r\nC,X,0,0,0\r\n";
    for (EditFormat f : {EditFormat::Kard300, EditFormat::Kard600}) {
        EXPECT_EQ(CoordinateListText(CoordinateRows(BuildCoordinateTable(text, f), f)), text);
    }
}

TEST(CoordinateList, StopsAtALineWithoutItsCommasOrLineEnd)
{
    // The line counter lets the second line in (eight commas in the first),
    // the table stops at it; extra commas stay in the last field.
    const CoordinateTable table = BuildCoordinateTable("a,b,c,d,e,f,g,h,i\r\nx\r\n", EditFormat::Kard300);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].c3, "e,f,g,h,i");

    EXPECT_EQ(BuildCoordinateTable("a,b,c,d,e\r\nf,g,h,i,j", EditFormat::Kard300).size(), 1u);
    EXPECT_TRUE(BuildCoordinateTable("", EditFormat::Kard600).empty());
    EXPECT_TRUE(BuildCoordinateTable("a,b,c\r\n", EditFormat::Kard600).empty());
}

TEST(CoordinateList, CellsKeepAtMostFourteenBytesWholeCharacters)
{
    const CoordinateTable table =
        BuildCoordinateTable("ABCDEFGHIJKLMNOPQ,树木树木树木,1234567.12345678,2,3\r\n", EditFormat::Kard300);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].name, "ABCDEFGHIJKLMN");
    EXPECT_EQ(table[0].code, "树木树木"); // 12 bytes: the fifth character would not fit whole
    EXPECT_EQ(table[0].c1, "1234567.123456");

    const std::vector<CoordinateRow> rows{{"123456789012345", "b", "c", "d", "e"}};
    EXPECT_EQ(CoordinateListText(rows), "12345678901234,b,c,d,e\r\n");
}

TEST(CoordinateList, DialogFieldsMapToColumnsByFormat)
{
    const PointFields p{"P", "E", "N", "Z", "C"};
    EXPECT_EQ(RowFromFields(p, EditFormat::Kard600), (CoordinateRow{"P", "E", "N", "Z", "C"}));
    EXPECT_EQ(RowFromFields(p, EditFormat::Kard300), (CoordinateRow{"P", "C", "E", "N", "Z"}));
    for (EditFormat f : {EditFormat::Kard300, EditFormat::Kard600}) {
        const PointFields back = FieldsFromRow(RowFromFields(p, f), f);
        EXPECT_EQ(back.name, "P");
        EXPECT_EQ(back.easting, "E");
        EXPECT_EQ(back.northing, "N");
        EXPECT_EQ(back.elevation, "Z");
        EXPECT_EQ(back.code, "C");
    }
    EXPECT_EQ(CheckNewRow("", "C"), kNameEmpty);
    EXPECT_EQ(CheckNewRow("P", ""), kCodeEmpty);
    EXPECT_EQ(CheckNewRow("", ""), kNameEmpty);
    EXPECT_TRUE(CheckNewRow("P", "C").empty());
}

TEST(CodeList, BuildsCutsAndWritesBack)
{
    const CodeTable table = BuildCodeTable("1,TREE\r\n12345,ABCDEFGHIJKLMN\r\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].number, "123");
    EXPECT_EQ(table[1].code, "ABCDEFGHIJ");
    const std::vector<CodeRow> rows = CodeRows(table);
    EXPECT_EQ(CodeListText(rows), "1,TREE\r\n123,ABCDEFGHIJ\r\n");
    EXPECT_EQ(CodeColumnTitles(), (std::array<std::string_view, 2>{"编号", "编码"}));
    EXPECT_EQ(CodeListText({CodeRowFromFields("12345678901", "C")}), "1234567890,C\r\n");

    EXPECT_TRUE(BuildCodeTable("1,A,B\r\n").empty());
    EXPECT_EQ(BuildCodeTable("1,A\r\n2,B").size(), 1u);
}

TEST(Correction, MovesPointsAlongTheirDirection)
{
    const CorrectionResult r = CorrectCoordinates("A,B,3,0,4\r\n", 0, 1);
    EXPECT_EQ(r.text, "A,B,3.600000,0.000000,4.800000\r\n");
    EXPECT_TRUE(r.message.empty());

    const CorrectionResult same = CorrectCoordinates("P1,C,1.5,-2.25,100\r\nP2,,7,8,9\r\n", 0, 0);
    EXPECT_EQ(same.text, "P1,C,1.500000,-2.250000,100.000000\r\nP2,,7.000000,8.000000,9.000000\r\n");

    // Old minus new: the distance shrinks; a point at the instrument stays.
    EXPECT_EQ(CorrectCoordinates("A,B,0,6,8\r\nO,B,0,0,0\r\n", 5, 0).text,
              "A,B,0.000000,3.000000,4.000000\r\nO,B,0.000000,0.000000,0.000000\r\n");
}

TEST(Correction, StopsAtALineThatIsNotFiveFieldsAndKeepsTheRest)
{
    for (const std::string_view bad : {"no commas", "a,b,1,2", "a,b,1,2,3,4"}) {
        const std::string rest = std::string(bad) + "\r\nC,D,3,0,4\r\n";
        const CorrectionResult r = CorrectCoordinates("A,B,3,0,4\r\n" + rest, 0, 1);
        EXPECT_EQ(r.message, kInvalidSourceData) << bad;
        // The lines from the bad one on are not corrected, and not lost.
        EXPECT_EQ(r.text, "A,B,3.600000,0.000000,4.800000\r\n" + rest) << bad;
    }
    // Text after the last line end is no line: it stays as it was.
    const CorrectionResult tail = CorrectCoordinates("A,B,3,0,4\r\nC,D,3,0,4", 0, 1);
    EXPECT_TRUE(tail.message.empty());
    EXPECT_EQ(tail.text, "A,B,3.600000,0.000000,4.800000\r\nC,D,3,0,4");
}

TEST(Correction, OffersTheTextAsItGrows)
{
    std::vector<std::string> shown;
    const CorrectionResult r =
        CorrectCoordinates("A,B,1,0,0\r\nC,D,2,0,0\r\n", 0, 0, [&](std::string_view s) { shown.emplace_back(s); });
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), "A,B,1.000000,0.000000,0.000000\r\n");
    EXPECT_EQ(r.text.substr(0, shown.back().size()), shown.back());
}

} // namespace
} // namespace cablemate
