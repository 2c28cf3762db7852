// Point lists as drawings: what goes into the drawing for each row, and what
// is read back from our own drawings and from other programs'.
#include "dxf/dxf.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace harwick;
using namespace harwick::dxf;
using points::PointRow;

namespace {

// A drawing as our library writes one, group by group, with the given line end.
std::string drawingOf(const std::vector<std::pair<int, std::string>>& groups, std::string_view end = "\r\n")
{
    std::string out;
    for (const auto& [code, value] : groups) {
        out += (code < 10 ? "  " : code < 100 ? " " : "") + std::to_string(code) + std::string(end) + value +
               std::string(end);
    }
    return out;
}

std::vector<std::pair<int, std::string>> entities(std::vector<std::pair<int, std::string>> body)
{
    std::vector<std::pair<int, std::string>> all{{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"},
                                                 {0, "ENDSEC"},  {0, "SECTION"}, {2, "ENTITIES"}};
    all.insert(all.end(), body.begin(), body.end());
    all.push_back({0, "ENDSEC"});
    all.push_back({0, "EOF"});
    return all;
}

std::vector<std::pair<int, std::string>> point(std::string layer, std::string x, std::string y, std::string z)
{
    return {{0, "POINT"}, {8, std::move(layer)}, {10, std::move(x)}, {20, std::move(y)}, {30, std::move(z)}};
}

std::vector<std::pair<int, std::string>> label(std::string layer, std::string text, std::string x, std::string y,
                                               std::string height = "1.0")
{
    return {{0, "TEXT"}, {8, std::move(layer)}, {10, std::move(x)}, {20, std::move(y)}, {30, "0.0"},
            {40, std::move(height)}, {1, std::move(text)}};
}

template <typename... Parts>
std::vector<std::pair<int, std::string>> joined(Parts... parts)
{
    std::vector<std::pair<int, std::string>> all;
    (all.insert(all.end(), parts.begin(), parts.end()), ...);
    return all;
}

} // namespace

TEST(DxfPlan, APointPerRowOnItsCodesLayerWithNameAndElevationLabels)
{
    const std::vector<PointRow> rows{{"P1", "2150.0005", "4820.0002", "112.45", "KERB"},
                                     {"P2", " +10 ", "20", "", ""},
                                     {"P3", "30", "", "5", "KERB"},
                                     {"P4", "1e3", "-2.5", "-0.0001", "kerb"}};
    const Planned planned = plan(rows, 2.5);
    ASSERT_TRUE(planned.ok());
    EXPECT_EQ(planned.written, 3u);
    EXPECT_EQ(planned.leftOut, 1u);
    EXPECT_EQ(planned.drawing.layers, (std::vector<std::string>{"KERB"}));
    EXPECT_EQ(planned.drawing.textHeight, 2.5);
    ASSERT_EQ(planned.drawing.marks.size(), 3u);
    const Mark& first = planned.drawing.marks[0];
    EXPECT_EQ(first.layer, "KERB");
    EXPECT_DOUBLE_EQ(first.x, 2150.0005);
    EXPECT_DOUBLE_EQ(first.z, 112.45);
    EXPECT_EQ(first.name, "P1");
    EXPECT_EQ(first.elevation, "112.4500");
    const Mark& flat = planned.drawing.marks[1];
    EXPECT_EQ(flat.layer, "0");
    EXPECT_DOUBLE_EQ(flat.x, 10);
    EXPECT_EQ(flat.z, 0);
    EXPECT_EQ(flat.elevation, "");
    // "kerb" and "KERB" share a layer: a drawing cannot tell them apart.
    EXPECT_EQ(planned.drawing.marks[2].layer, "KERB");
    EXPECT_EQ(planned.drawing.marks[2].elevation, "-0.0001");
    ASSERT_EQ(planned.losses.size(), 1u);
    EXPECT_EQ(planned.losses[0], "codes that differ only in letter case share layer \"KERB\"");

    const Place name = namePlace(100, 200);
    EXPECT_EQ(name.x, 101);
    EXPECT_EQ(name.y, 201);
    const Place elevation = elevationPlace(100, 200, 2);
    EXPECT_EQ(elevation.x, 101);
    EXPECT_EQ(elevation.y, 198);
}

TEST(DxfPlan, CodesBecomeLayerNamesAndWhatDoesNotFitIsSaid)
{
    EXPECT_EQ(layerOf(""), "0");
    EXPECT_EQ(layerOf("tree"), "TREE");
    EXPECT_EQ(layerOf("$a-b_9"), "$A-B_9");
    EXPECT_EQ(layerOf("MH/12 old"), "MH_12_OLD");
    EXPECT_EQ(layerOf("Bäume"), "B__UME");
    EXPECT_EQ(layerOf(std::string(40, 'x')), std::string(31, 'X'));

    const Planned planned = plan(
        {{"A", "1", "2", "", "MH/12"}, {"B", "1", "2", "", "MH/12"}, {"C", "1", "2", "", "fence"}, {"D", "1", "2", "", "0"}},
        1);
    ASSERT_TRUE(planned.ok());
    EXPECT_EQ(planned.losses, (std::vector<std::string>{
                                  "the code \"0\" is drawn on layer \"0\", the layer of points without a code",
                                  "the code \"MH/12\" is drawn on layer \"MH_12\""}));
}

TEST(DxfPlan, NamesAreLabelsEveryReaderShows)
{
    const std::string longName(300, 'n');
    const Planned planned =
        plan({{"Brücke 北", "1", "2", "", ""}, {"tab\there", "1", "2", "", ""}, {longName, "1", "2", "", ""},
              {std::string("latin\xFC"), "1", "2", "", ""}},
             1);
    ASSERT_TRUE(planned.ok());
    EXPECT_EQ(planned.drawing.marks[0].name, "Br\\U+00FCcke \\U+5317");
    EXPECT_EQ(planned.drawing.marks[1].name, "tab\\U+0009here");
    EXPECT_EQ(planned.drawing.marks[2].name, "");
    EXPECT_EQ(planned.drawing.marks[3].name, "latin\xFC");
    ASSERT_EQ(planned.losses.size(), 1u);
    EXPECT_EQ(planned.losses[0], "the name of row 3 is too long for a label and is not shown");
}

TEST(DxfPlan, NumbersThatAreNoNumbersAndBadHeightsFail)
{
    Planned planned = plan({{"A", "1", "2", "", ""}, {"B", "1", "2,5", "", ""}}, 1);
    ASSERT_FALSE(planned.ok());
    EXPECT_EQ(planned.failure->message(), "row 2: the northing is not a number: 2,5");
    EXPECT_TRUE(planned.drawing.marks.empty());
    planned = plan({{"A", "1", "2", "nan", ""}}, 1);
    ASSERT_FALSE(planned.ok());
    EXPECT_EQ(planned.failure->message(), "row 1: the elevation is not a number: nan");
    for (double height : {0.0, -1.0, std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(plan({{"A", "1", "2", "", ""}}, height).ok()) << height;
    }
    EXPECT_EQ(parseTextHeight("2.5"), 2.5);
    EXPECT_FALSE(parseTextHeight("0"));
    EXPECT_FALSE(parseTextHeight("-1"));
    EXPECT_FALSE(parseTextHeight("2m"));
    EXPECT_FALSE(parseTextHeight(""));
}

// With every line end a drawing may have, and without the last one.
TEST(DxfRead, PointsTakeTheirNamesFromTheLabelBesideThemAndTheirCodeFromTheLayer)
{
    for (std::string_view end : {"\r\n", "\n", "\r"}) {
        const std::string content = drawingOf(
            entities(joined(point("KERB", "2150.0005", "4820.0002", "112.45"),
                            label("KERB", "101", "2151.0005", "4821.0002"),
                            label("KERB", "112.4500", "2151.0005", "4819.5002"),
                            // z 0 with its elevation label: an elevation of 0.
                            point("0", "10", "20", "0.0"), label("0", "Br\\U+00FCcke \\u+5317", "11", "21", "2"),
                            label("0", "0.0000", "11", "18"),
                            // z 0 without one: a point without elevation.
                            point("0", "-5", "-6", "0"), label("0", "FLAT", "-4", "-5"),
                            // Every coordinate with the decimals of the most precise one.
                            point("TREE", "1.2345", "2", "3"), label("TREE", "T1", "2.2345", "3.0"),
                            // A label on another layer is not this point's.
                            point("MH", "50", "60", "7"), label("OTHER", "X", "51", "61"))),
            end);
        const ReadResult read = dxf::read(content);
        ASSERT_TRUE(read.ok()) << read.failure->message();
        ASSERT_EQ(read.points.size(), 5u);
        EXPECT_EQ(read.points[0], (PointRow{"101", "2150.0005", "4820.0002", "112.4500", "KERB"}));
        EXPECT_EQ(read.points[1], (PointRow{"Brücke 北", "10.0000", "20.0000", "0.0000", ""}));
        EXPECT_EQ(read.points[2], (PointRow{"FLAT", "-5.0000", "-6.0000", "", ""}));
        EXPECT_EQ(read.points[3], (PointRow{"T1", "1.2345", "2.0000", "3.0000", "TREE"}));
        EXPECT_EQ(read.points[4], (PointRow{"5", "50.0000", "60.0000", "7.0000", "MH"}));
        EXPECT_EQ(read.numbered, 1u);
        // Without its last line end the drawing reads the same.
        const ReadResult cut = dxf::read(std::string_view(content).substr(0, content.size() - end.size()));
        ASSERT_TRUE(cut.ok()) << cut.failure->message();
        EXPECT_EQ(cut.points, read.points);
    }
}

// What other CAD programs write: later versions with handles and subclass
// markers, points in blocks (not the drawing's own), two points at one place,
// other entities with values this reader would refuse in a point.
TEST(DxfRead, OtherProgramsDrawings)
{
    const std::string content = drawingOf(
        {{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {8, "0"}, {2, "SYMBOL"}, {0, "POINT"}, {8, "0"}, {10, "9"},
         {20, "9"}, {30, "9"}, {0, "ENDBLK"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}, {0, "POINT"}, {5, "2F"},
         {100, "AcDbEntity"}, {8, "Survey"}, {100, "AcDbPoint"}, {10, "1.5000004"}, {20, "2.5"}, {30, "3.5"},
         {0, "POINT"}, {8, "Survey"}, {10, "1.5000004"}, {20, "2.5"}, {30, "3.25"}, {0, "TEXT"}, {8, "Survey"}, {10, "2.5"}, {20, "3.5"},
         {1, "A"}, {0, "TEXT"}, {8, "Survey"}, {10, "2.5"}, {20, "3.5"}, {1, "B"}, {0, "LINE"}, {8, "0"}, {10, "1.#QNAN"},
         {20, "0"}, {11, "1"}, {21, "1"}, {0, "ENDSEC"}, {0, "EOF"}},
        "\n");
    const ReadResult read = dxf::read(content);
    ASSERT_TRUE(read.ok()) << read.failure->message();
    ASSERT_EQ(read.points.size(), 2u);
    // Another program's arithmetic: seven decimals, kept to six; the label
    // with fewer decimals still meets its point. A label right after a point
    // is that point's; the other label at the place goes to the point left.
    EXPECT_EQ(read.points[0], (PointRow{"B", "1.500000", "2.500000", "3.500000", "Survey"}));
    EXPECT_EQ(read.points[1], (PointRow{"A", "1.500000", "2.500000", "3.250000", "Survey"}));
    EXPECT_EQ(read.numbered, 0u);
}

TEST(DxfRead, WhatIsNoDrawingIsRefusedWithWhere)
{
    struct Case {
        std::string content;
        std::string message;
    };
    const std::vector<Case> cases{
        {"AutoCAD Binary DXF\r\n\x1a", "this is a binary drawing: save it as an ASCII DXF drawing to read it"},
        {"name,easting\n", "the file is not a DXF drawing: it does not start with a SECTION"},
        {drawingOf({{0, "SECTION"}, {2, "HEADER"}, {0, "ENDSEC"}, {0, "EOF"}}), "the drawing has no ENTITIES section"},
        {drawingOf({{0, "SECTION"}, {2, "ENTITIES"}}) + "  x\r\nPOINT\r\n",
         "line 5, column 1: a group code (a whole number) was expected here"},
        {drawingOf(entities(point("0", "1", "north", "0"))),
         "line 22, column 1: this coordinate is not a number"},
        {drawingOf({{0, "SECTION"}, {2, "ENTITIES"}}) + "  0\r\n", "line 5, column 1: the drawing ends between a group code and its value"},
    };
    for (const Case& c : cases) {
        const ReadResult read = dxf::read(c.content);
        ASSERT_FALSE(read.ok()) << c.message;
        EXPECT_EQ(read.failure->message(), c.message);
        EXPECT_TRUE(read.points.empty());
    }
    EXPECT_TRUE(looksLikeDxf(drawingOf({{0, "SECTION"}})));
    EXPECT_TRUE(looksLikeDxf(drawingOf({{0, "SECTION"}}, "\r")));
    EXPECT_TRUE(looksLikeDxf("\n0\nsection\n"));
    EXPECT_FALSE(looksLikeDxf("0\nSECTIONS\n"));
    EXPECT_FALSE(looksLikeDxf("0,SECTION\n"));
    EXPECT_FALSE(looksLikeDxf(""));
}
