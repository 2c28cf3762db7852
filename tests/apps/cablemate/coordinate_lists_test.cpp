#include "coordinate_lists.h"

#include "cable_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cablemate {
namespace {

const std::string kOnePoint = "P1,TREE,1.000,2.000,3.000\r\n";

// OK on a list: its rows as they now stand, each with where it came from.
std::string WriteBack(const ListLines& lines, const std::vector<CoordinateRow>& rows, const RowOrigins& origins)
{
    std::vector<std::string> bodies;
    for (const CoordinateRow& row : rows) bodies.push_back(CoordinateRowText(row));
    return WriteListBack(lines, bodies, origins);
}

RowOrigins Unchanged(std::size_t rows)
{
    RowOrigins origins;
    for (std::size_t i = 0; i < rows; ++i) origins.emplace_back(i);
    return origins;
}

// OK with nothing edited.
std::string Untouched(std::string_view text, EditFormat format)
{
    const auto source = ReadCoordinateList(text, format);
    return WriteBack(source.lines, CoordinateRows(source.table, format), Unchanged(source.table.size()));
}

TEST(CoordinateList, Kard300ShowsTheLineAsCodeThenCoordinates)
{
    const CoordinateTable table = ReadCoordinateList(kOnePoint, EditFormat::Kard300).table;
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].code, "TREE");
    EXPECT_EQ(table[0].c1, "1.000");
    const auto rows = CoordinateRows(table, EditFormat::Kard300);
    EXPECT_EQ(rows, (std::vector<CoordinateRow>{{"P1", "TREE", "1.000", "2.000", "3.000"}}));
    EXPECT_EQ(CoordinateColumnTitles(EditFormat::Kard300),
              (std::array<std::string_view, 5>{"点名", "编码", "坐标N", "坐标E", "坐标Z"}));
    EXPECT_EQ(Untouched(kOnePoint, EditFormat::Kard300), kOnePoint);
}

TEST(CoordinateList, Kard600TakesTheColumnsAsChosen)
{
    const CoordinateTable table = ReadCoordinateList(kOnePoint, EditFormat::Kard600).table;
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].c1, "TREE");
    EXPECT_EQ(table[0].code, "3.000");
    const auto rows = CoordinateRows(table, EditFormat::Kard600);
    EXPECT_EQ(rows, (std::vector<CoordinateRow>{{"P1", "TREE", "1.000", "2.000", "3.000"}}));
    EXPECT_EQ(CoordinateColumnTitles(EditFormat::Kard600),
              (std::array<std::string_view, 5>{"点名", "坐标E", "坐标N", "坐标Z", "编码"}));
    EXPECT_EQ(Untouched(kOnePoint, EditFormat::Kard600), kOnePoint);
}

// Texts as they come from other programs and other systems: OK with nothing
// edited gives every one of them back byte for byte, and the lines the list
// cannot show are counted for the message.
TEST(CoordinateList, OkWithoutEditsGivesEveryTextBackUnchanged)
{
    const std::vector<std::string> texts{
        "A,C1,10.5,20.25,3\r\nB,,-1,-2,-3\r\nC,X,0,0,0\r\n",
        "A,C1,10.5,20.25,3\nB,,-1,-2,-3\n",            // LF only
        "A,C1,10.5,20.25,3\rB,,-1,-2,-3\r",            // CR only
        "A,C1,10.5,20.25,3\r\nB,,-1,-2,-3",            // last line unterminated
        "A,C1,1,2,3\r\nbroken,line\r\nB,,4,5,6\r\n\r\nC,,7,8,9\r\n",
        "a,b,c,d,e,f,g,h,i\r\nx\r\n",                  // too many commas, then none
        "ABCDEFGHIJKLMNOPQ,B,1,2,3\r\n",                // a field too long for its cell
        "title line\r\n",
        "",
    };
    for (EditFormat f : {EditFormat::Kard300, EditFormat::Kard600}) {
        for (const std::string& text : texts) EXPECT_EQ(Untouched(text, f), text) << text;
    }
    const auto mixed = ReadCoordinateList(texts[4], EditFormat::Kard300);
    EXPECT_EQ(mixed.table.size(), 3u);
    EXPECT_EQ(mixed.lines.keptAside, 1u) << "a blank line is not worth a word";
    EXPECT_EQ(KeptLinesMessage(mixed.lines, 3), std::string(kListKeepsLines) + "1.");
    EXPECT_EQ(ReadCoordinateList(texts[5], EditFormat::Kard300).table.size(), 0u);
    EXPECT_EQ(KeptLinesMessage(ReadCoordinateList(texts[7], EditFormat::Kard300).lines, 0), kListShowsNoLine);
    EXPECT_EQ(KeptLinesMessage(ReadCoordinateList(texts[0], EditFormat::Kard300).lines, 3), "");
    EXPECT_EQ(KeptLinesMessage(ReadCoordinateList("", EditFormat::Kard300).lines, 0), "");
}

// Edits land in their own lines; a deleted row takes its line with it, and
// everything the list did not show stays where it was.
TEST(CoordinateList, EditsDeletesAndAddsKeepTheOtherLinesInPlace)
{
    const std::string text = "# job 12\nA,,1,2,3\nbroken\nB,,4,5,6\nC,,7,8,9\ntrailer";
    const auto source = ReadCoordinateList(text, EditFormat::Kard300);
    ASSERT_EQ(source.table.size(), 3u);
    // A edited, B deleted, C kept, D added.
    const std::vector<CoordinateRow> rows{
        {"A", "TREE", "1", "2", "3"}, {"C", "", "7", "8", "9"}, {"D", "NEW", "10", "11", "12"}};
    const RowOrigins origins{0, 2, std::nullopt};
    EXPECT_EQ(WriteBack(source.lines, rows, origins),
              "# job 12\nA,TREE,1,2,3\nbroken\nC,,7,8,9\nD,NEW,10,11,12\ntrailer");

    // Added after an unterminated last row: that row gets the text's line end.
    const auto open = ReadCoordinateList("A,,1,2,3\r\nB,,4,5,6", EditFormat::Kard300);
    EXPECT_EQ(WriteBack(open.lines, {{"A", "", "1", "2", "3"}, {"B", "", "4", "5", "6"}, {"N", "", "0", "0", "0"}},
                        {0, 1, std::nullopt}),
              "A,,1,2,3\r\nB,,4,5,6\r\nN,,0,0,0\r\n");

    // No row at all: the text stays, added rows go after it.
    const auto none = ReadCoordinateList("notes", EditFormat::Kard600);
    EXPECT_EQ(WriteBack(none.lines, {}, {}), "notes");
    EXPECT_EQ(WriteBack(none.lines, {{"N", "0", "0", "0", "C"}}, {std::nullopt}), "notes\r\nN,0,0,0,C\r\n");
    // Every row deleted: their lines go, the rest stays.
    EXPECT_EQ(WriteBack(source.lines, {}, {}), "# job 12\nbroken\ntrailer");
}

TEST(CoordinateList, CellsKeepAtMostFourteenBytesWholeCharacters)
{
    // A field that would not fit its cell keeps the line out of the list
    // (and in the text) rather than cut it.
    EXPECT_TRUE(ReadCoordinateList("ABCDEFGHIJKLMNOPQ,B,1,2,3\r\n", EditFormat::Kard300).table.empty());
    const CoordinateTable table =
        ReadCoordinateList("ABCDEFGHIJKLMN,树木树木,1234567.123456,2,3\r\n", EditFormat::Kard300).table;
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].name, "ABCDEFGHIJKLMN");
    EXPECT_EQ(table[0].code, "树木树木");

    // What the dialogs type in is cut to the cell, never through a character.
    EXPECT_EQ(CoordinateRowText({"123456789012345", "树木树木树木", "c", "d", "e"}), "12345678901234,树木树木,c,d,e");
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

TEST(CodeList, ShowsWhatFitsAndKeepsTheRest)
{
    const std::string text = "1,TREE\n12345,ABCDEFGHIJKLMN\n1,A,B\n2,WALL";
    const auto source = ReadCodeList(text);
    ASSERT_EQ(source.table.size(), 2u);
    EXPECT_EQ(source.table[1].number, "2");
    EXPECT_EQ(source.table[1].code, "WALL");
    EXPECT_EQ(source.lines.keptAside, 2u);
    const std::vector<CodeRow> rows = CodeRows(source.table);
    std::vector<std::string> bodies;
    for (const CodeRow& row : rows) bodies.push_back(CodeRowText(row));
    EXPECT_EQ(WriteListBack(source.lines, bodies, {0, 1}), text);
    EXPECT_EQ(CodeColumnTitles(), (std::array<std::string_view, 2>{"编号", "编码"}));
    EXPECT_EQ(CodeRowText(CodeRowFromFields("12345678901", "C")), "1234567890,C");
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
    // A last line without its line end is corrected like the others.
    const CorrectionResult tail = CorrectCoordinates("A,B,3,0,4\nC,D,3,0,4", 0, 1);
    EXPECT_TRUE(tail.message.empty());
    EXPECT_EQ(tail.text, "A,B,3.600000,0.000000,4.800000\r\nC,D,3.600000,0.000000,4.800000\r\n");
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
