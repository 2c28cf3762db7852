// Drawings made through the entry points, read back by ezdxf: the
// converter's drawing (layers, points, labels), the entry points it never
// calls, and the calls the library must refuse without harm.
#include "drawmap.h"

#include "ezdxf_view.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

namespace drawmap::testing {
namespace {

namespace fs = std::filesystem;
using harwick::testing::ReadFile;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;

class DrawmapTest : public ::testing::Test {
protected:
    fs::path Path(const char* name) const { return dir_.path() / name; }

    // A drawing whose tables section holds the converter's six layers.
    int WithLayers(const fs::path& path)
    {
        const int d = dxfCreateFile(path.c_str());
        EXPECT_NE(d, 0);
        EXPECT_NE(dxfSectionBegin(d, DXF_SECTION_HEADER), 0);
        EXPECT_NE(dxfSectionEnd(d), 0);
        EXPECT_NE(dxfSectionBegin(d, DXF_SECTION_TABLES), 0);
        EXPECT_NE(dxfTableTypeBegin(d, DXF_TABLE_LAYER), 0);
        for (auto [name, color] : {std::pair{"ATTRIBUTE", 3}, {"LINE", 2}, {"ANNOTATION", 1}, {"PLANFORM", 4},
                                   {"SYMBOL", 5}, {"POINT", 2}}) {
            EXPECT_NE(dxfAddLayer(d, name, color, "Continuous"), 0) << name;
        }
        EXPECT_NE(dxfTableTypeEnd(d), 0);
        EXPECT_NE(dxfSectionEnd(d), 0);
        return d;
    }

    static void ExpectReadable(const EzdxfView& view)
    {
        ASSERT_EQ(view.status, 0) << view.printed;
        EXPECT_TRUE(view.Has("version AC1009")) << view.printed;
        EXPECT_TRUE(view.Has("audit 0 0")) << view.printed;
    }

private:
    TempDir dir_{"drawmap-test"};
};

TEST_F(DrawmapTest, ConverterDrawingOpensWithItsLayersPointsAndTexts)
{
    const fs::path path = Path("points.dxf");
    const int d = WithLayers(path);
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0);
    ASSERT_NE(dxfSetCurrentLayer(d, "POINT", 0), 0);
    ASSERT_NE(dxfPoint(d, 100.0, 200.0, 10.0, 0.0), 0);
    ASSERT_NE(dxfPoint(d, -5.25, 123.45678, 1234.5677490234375, 0.0), 0);
    ASSERT_NE(dxfSetCurrentLayer(d, "ANNOTATION", 0), 0);
    ASSERT_NE(dxfText(d, "P12  10.0000", 101.0, 201.0, 101.0, 201.0, 3.0, 0.0, 0, 0.0, 0), 0);
    ASSERT_NE(dxfText(d, "turned", 1.0, 2.0, 7.0, 8.0, 0.5, 45.0, 1, 15.0, 2), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);
    // Nothing reaches the disk before the drawing is complete.
    EXPECT_FALSE(fs::exists(path));
    ASSERT_NE(dxfCloseFile(d), 0);

    const EzdxfView view = ReadWithEzdxf(path);
    ExpectReadable(view);
    for (const char* line : {"layer ATTRIBUTE 3 CONTINUOUS", "layer LINE 2 CONTINUOUS", "layer ANNOTATION 1 CONTINUOUS",
                             "layer PLANFORM 4 CONTINUOUS", "layer SYMBOL 5 CONTINUOUS", "layer POINT 2 CONTINUOUS",
                             "ltype CONTINUOUS 0.0 |Solid line", "point POINT 100.0 200.0 10.0",
                             "point POINT -5.25 123.45678 1234.5677490234375",
                             "text ANNOTATION 101.0 201.0 3.0 0.0 STANDARD 256 |P12  10.0000",
                             // Justified text stands at its alignment point.
                             "text ANNOTATION 1.0 2.0 0.5 45.0 STANDARD 256 |turned"}) {
        EXPECT_TRUE(view.Has(line)) << line << "\nin:\n" << view.printed;
    }
    EXPECT_EQ(view.Lines("point ").size(), 2u);
    EXPECT_EQ(view.Lines("text ").size(), 2u);
    // The sections stand in the file in the order they were made.
    const std::string text = ReadFile(path);
    EXPECT_LT(text.find("HEADER"), text.find("TABLES"));
    EXPECT_LT(text.find("TABLES"), text.find("ENTITIES"));
    EXPECT_TRUE(text.ends_with("  0\r\nEOF\r\n"));
}

TEST_F(DrawmapTest, EntryPointsTheConverterNeverCallsWriteRealEntries)
{
    const fs::path path = Path("all.dxf");
    const int d = dxfCreateFile(path.c_str());
    ASSERT_NE(d, 0);
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_HEADER), 0);
    EXPECT_NE(dxfWriteParamString(d, "$MENU", 1, "survey"), 0);
    EXPECT_NE(dxfWriteParamInteger(d, "$LUPREC", 70, 3), 0);
    EXPECT_NE(dxfWriteParamDouble(d, "$EXTMIN", 10, -1.5), 0);
    EXPECT_NE(dxfWriteParamDouble(d, "$EXTMIN", 20, 2.5), 0);
    EXPECT_NE(dxfWriteParamDouble(d, "$EXTMIN", 30, 0.0), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);

    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_TABLES), 0);
    ASSERT_NE(dxfTableTypeBegin(d, DXF_TABLE_LTYPE), 0);
    const double dashes[] = {0.5, -0.25};
    EXPECT_NE(dxfAddLinetype(d, "DASHED", "Dashed __ __", 2, dashes), 0);
    ASSERT_NE(dxfTableTypeEnd(d), 0);
    ASSERT_NE(dxfTableTypeBegin(d, DXF_TABLE_LAYER), 0);
    EXPECT_NE(dxfAddLayer(d, "KERB", 4, "dashed"), 0);
    ASSERT_NE(dxfTableTypeEnd(d), 0);
    ASSERT_NE(dxfTableTypeBegin(d, DXF_TABLE_STYLE), 0);
    EXPECT_NE(dxfAddTextStyle(d, "LABELS", "txt", 0.0, 0.8, 0.0), 0);
    ASSERT_NE(dxfTableTypeEnd(d), 0);
    ASSERT_NE(dxfTableTypeBegin(d, DXF_TABLE_DIMSTYLE), 0);
    EXPECT_NE(dxfAddDimStyle(d, "SURVEY", 0.5, 0.25, 0.125, 0.25, 0.125), 0);
    ASSERT_NE(dxfTableTypeEnd(d), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);

    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_BLOCKS), 0);
    ASSERT_NE(dxfBlockBegin(d, "MANHOLE", 0.0, 0.0, 0.0), 0);
    EXPECT_NE(dxfCircle(d, 0.0, 0.0, 0.0, 0.5), 0);
    EXPECT_NE(dxfLine(d, -0.5, 0.0, 0.0, 0.5, 0.0, 0.0), 0);
    ASSERT_NE(dxfBlockEnd(d), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);

    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0);
    EXPECT_NE(dxfSetCurrentLayer(d, "KERB", 1), 0);
    EXPECT_NE(dxfSetCurrentLinetype(d, "DASHED"), 0);
    EXPECT_NE(dxfLine(d, 0.0, 0.0, 0.0, 10.0, 5.0, 1.0), 0);
    EXPECT_NE(dxfSetCurrentLinetype(d, "BYLAYER"), 0);
    EXPECT_NE(dxfSetCurrentColor(d, 6), 0);
    EXPECT_NE(dxfCircle(d, 3.0, 4.0, 0.0, 2.5), 0);
    EXPECT_NE(dxfSetCurrentColor(d, DXF_COLOR_BYLAYER), 0);
    EXPECT_NE(dxfArc(d, 1.0, 1.0, 0.0, 2.0, 30.0, 120.0), 0);
    EXPECT_NE(dxfSolid(d, 0.0, 0.0, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0, 0.0), 0);
    EXPECT_NE(dxfInsertBlock(d, "manhole", 20.0, 30.0, 0.0, 2.0, 2.0, 1.0, 90.0), 0);
    EXPECT_NE(dxfSetCurrentTextStyle(d, "LABELS"), 0);
    EXPECT_NE(dxfText(d, "styled", 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0, 0.0, 0), 0);
    EXPECT_NE(dxfSetCurrentDimStyle(d, "SURVEY"), 0);
    EXPECT_NE(dxfDimLinear(d, 0.0, 0.0, 10.0, 0.0, 5.0, 2.0, 0.0, nullptr), 0);
    EXPECT_NE(dxfDimLinear(d, 0.0, 0.0, 3.0, 4.0, 0.0, 0.0, 90.0, "height"), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);
    ASSERT_NE(dxfCloseFile(d), 0);

    const EzdxfView view = ReadWithEzdxf(path, {"$MENU", "$LUPREC", "$EXTMIN"});
    ExpectReadable(view);
    for (const char* line : {
             "header $MENU 'survey'", "header $LUPREC 3", "header $EXTMIN (-1.5, 2.5, 0.0)",
             "ltype DASHED 0.75 0.5 -0.25 |Dashed __ __", "ltype CONTINUOUS 0.0 |Solid line", "layer KERB 4 DASHED",
             "style LABELS txt 0.0 0.8", "dimstyle SURVEY 0.5 0.25 0.125 0.25 0.125",
             "block MANHOLE CIRCLE LINE", "block *D1 LINE LINE LINE SOLID SOLID TEXT",
             // The first point lies on the dimension line: no extension line.
             "block *D2 LINE LINE SOLID SOLID TEXT", "line KERB 0.0 0.0 0.0 10.0 5.0 1.0 DASHED",
             "circle KERB 3.0 4.0 0.0 2.5 6", "arc KERB 1.0 1.0 0.0 2.0 30.0 120.0",
             "solid KERB 0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0 1.0 1.0 0.0",
             "insert KERB MANHOLE 20.0 30.0 0.0 2.0 2.0 90.0",
             "text KERB 0.0 0.0 1.0 0.0 LABELS 256 |styled",
             "dimension KERB *D1 SURVEY 10.0 |", "dimension KERB *D2 SURVEY 4.0 |height",
         }) {
        EXPECT_TRUE(view.Has(line)) << line << "\nin:\n" << view.printed;
    }
    // The measured length is the dimension block's text.
    EXPECT_NE(ReadFile(path).find("  1\r\n10.0000\r\n"), std::string::npos);
}

TEST_F(DrawmapTest, DimensionInADrawingWithoutBlocksGetsABlocksSection)
{
    const fs::path path = Path("dimension.dxf");
    const int d = dxfCreateFile(path.c_str());
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0);
    ASSERT_NE(dxfDimLinear(d, 0.0, 0.0, 2.0, 5.0, 4.0, 0.0, 90.0, ""), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);
    ASSERT_NE(dxfCloseFile(d), 0);
    const EzdxfView view = ReadWithEzdxf(path);
    ExpectReadable(view);
    EXPECT_TRUE(view.Has("block *D1 LINE LINE LINE SOLID SOLID TEXT")) << view.printed;
    EXPECT_TRUE(view.Has("dimension 0 *D1 STANDARD 5.0 |")) << view.printed;
    const std::string text = ReadFile(path);
    EXPECT_LT(text.find("BLOCKS"), text.find("ENTITIES"));
}

// A drawing of many entities is written out as it grows; a dimension drawn
// after that still gets its block in front of the entities, and every entity
// arrives. One whose close fails leaves nothing behind.
TEST_F(DrawmapTest, LargeDrawingWithADimensionAtTheEnd)
{
    const fs::path path = Path("large.dxf");
    const int d = dxfCreateFile(path.c_str());
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0);
    constexpr int kPoints = 300000;
    for (int i = 0; i < kPoints; ++i) ASSERT_NE(dxfPoint(d, 500000.0 + i * 0.001, 5200000.5, 100.25, 0.0), 0) << i;
    ASSERT_NE(dxfDimLinear(d, 0.0, 0.0, 2.0, 5.0, 4.0, 0.0, 90.0, ""), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);
    ASSERT_NE(dxfCloseFile(d), 0);
    const std::string text = ReadFile(path);
    ASSERT_GT(text.size(), std::size_t{16} << 20) << "not large enough to be held in pieces";
    const std::size_t blocks = text.find("\r\nBLOCKS\r\n");
    const std::size_t entities = text.find("\r\nENTITIES\r\n");
    ASSERT_NE(blocks, std::string::npos);
    EXPECT_LT(blocks, entities);
    EXPECT_LT(text.find("*D1"), entities);
    // Every point whole, from its start to its elevation, wherever a piece ends.
    const auto count = [&text](std::string_view part) {
        std::size_t n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("  0\r\nPOINT\r\n  8\r\n0\r\n 10\r\n"), static_cast<std::size_t>(kPoints));
    EXPECT_EQ(count(" 20\r\n5200000.5\r\n 30\r\n100.25\r\n"), static_cast<std::size_t>(kPoints));
    EXPECT_EQ(count("DIMENSION"), 1u);
    EXPECT_TRUE(text.ends_with("ENDSEC\r\n  0\r\nEOF\r\n"));

    // Without a dimension the text written out is the file as it stands.
    const fs::path plain = Path("plain.dxf");
    const int p = dxfCreateFile(plain.c_str());
    ASSERT_NE(dxfSectionBegin(p, DXF_SECTION_ENTITIES), 0);
    for (int i = 0; i < kPoints; ++i) ASSERT_NE(dxfPoint(p, 500000.0 + i * 0.001, 5200000.5, 100.25, 0.0), 0) << i;
    ASSERT_NE(dxfSectionEnd(p), 0);
    ASSERT_NE(dxfCloseFile(p), 0);
    const std::size_t dimensionAt = text.find("  0\r\nDIMENSION\r\n");
    ASSERT_NE(dimensionAt, std::string::npos);
    const std::string expected = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n" +
                                 text.substr(entities + 12, dimensionAt - entities - 12) + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    EXPECT_TRUE(ReadFile(plain) == expected) << "the drawing without the dimension differs";
    fs::remove(plain);

    const int unfinished = dxfCreateFile(Path("unfinished.dxf").c_str());
    ASSERT_NE(dxfSectionBegin(unfinished, DXF_SECTION_ENTITIES), 0);
    for (int i = 0; i < kPoints; ++i) ASSERT_NE(dxfPoint(unfinished, i, 0.0, 0.0, 0.0), 0) << i;
    EXPECT_EQ(dxfCloseFile(unfinished), 0); // the section is still open
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(DrawmapTest, BadCallsReturnZeroAndLeaveTheDrawingIntact)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int unknown : {0, -1, 987654}) {
        EXPECT_EQ(dxfSectionBegin(unknown, DXF_SECTION_HEADER), 0);
        EXPECT_EQ(dxfPoint(unknown, 1.0, 2.0, 3.0, 0.0), 0);
        EXPECT_EQ(dxfCloseFile(unknown), 0);
    }
    const fs::path path = Path("bad.dxf");
    const int d = dxfCreateFile(path.c_str());
    ASSERT_NE(d, 0);
    EXPECT_EQ(dxfPoint(d, 1.0, 2.0, 3.0, 0.0), 0) << "entity outside any section";
    EXPECT_EQ(dxfSectionEnd(d), 0) << "no section open";
    EXPECT_EQ(dxfTableTypeEnd(d), 0) << "no table open";
    EXPECT_EQ(dxfSectionBegin(d, 2), 0) << "no such section";
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_TABLES), 0);
    EXPECT_EQ(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0) << "inside another section";
    EXPECT_EQ(dxfAddLayer(d, "A", 1, "CONTINUOUS"), 0) << "no layer table open";
    EXPECT_EQ(dxfTableTypeBegin(d, 5), 0) << "no such table";
    ASSERT_NE(dxfTableTypeBegin(d, DXF_TABLE_LAYER), 0);
    EXPECT_EQ(dxfTableTypeBegin(d, DXF_TABLE_STYLE), 0) << "inside another table";
    EXPECT_EQ(dxfAddLayer(d, nullptr, 1, "CONTINUOUS"), 0);
    EXPECT_EQ(dxfAddLayer(d, "A", 1, nullptr), 0);
    EXPECT_EQ(dxfAddLayer(d, "A", 1, "DASHDOT"), 0) << "undeclared line type";
    EXPECT_EQ(dxfAddLayer(d, "A", 0, "CONTINUOUS"), 0) << "colour 0";
    EXPECT_EQ(dxfAddLayer(d, "A", 300, "CONTINUOUS"), 0) << "colour 300";
    EXPECT_EQ(dxfAddLayer(d, "TWO WORDS", 1, "CONTINUOUS"), 0);
    EXPECT_EQ(dxfAddLinetype(d, "DASHED", "", 0, nullptr), 0) << "entry of another table";
    ASSERT_NE(dxfAddLayer(d, "Good", 1, "CONTINUOUS"), 0);
    EXPECT_EQ(dxfAddLayer(d, "GOOD", 2, "CONTINUOUS"), 0) << "declared twice";
    EXPECT_EQ(dxfSectionEnd(d), 0) << "table still open";
    ASSERT_NE(dxfTableTypeEnd(d), 0);
    EXPECT_EQ(dxfTableTypeEnd(d), 0) << "table ended twice";
    EXPECT_EQ(dxfTableTypeBegin(d, DXF_TABLE_LTYPE), 0) << "LTYPE after LAYER";
    ASSERT_NE(dxfSectionEnd(d), 0);
    EXPECT_EQ(dxfSectionEnd(d), 0) << "section ended twice";
    EXPECT_EQ(dxfSectionBegin(d, DXF_SECTION_HEADER), 0) << "header after tables";
    EXPECT_EQ(dxfSectionBegin(d, DXF_SECTION_TABLES), 0) << "tables twice";

    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0);
    EXPECT_EQ(dxfSetCurrentLayer(d, "NOWHERE", 1), 0) << "undeclared layer asked for";
    EXPECT_EQ(dxfSetCurrentLayer(d, nullptr, 0), 0);
    EXPECT_EQ(dxfSetCurrentColor(d, 257), 0);
    EXPECT_EQ(dxfSetCurrentLinetype(d, "DASHED"), 0);
    EXPECT_EQ(dxfSetCurrentTextStyle(d, "LABELS"), 0);
    EXPECT_EQ(dxfText(d, nullptr, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0, 0.0, 0), 0);
    EXPECT_EQ(dxfText(d, "two\r\nlines", 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0, 0.0, 0), 0);
    EXPECT_EQ(dxfText(d, "flat", 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0, 0.0, 0), 0) << "height 0";
    EXPECT_EQ(dxfText(d, "odd", 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 6, 0.0, 0), 0) << "justification 6";
    EXPECT_EQ(dxfPoint(d, nan, 0.0, 0.0, 0.0), 0);
    EXPECT_EQ(dxfCircle(d, 0.0, 0.0, 0.0, 0.0), 0) << "radius 0";
    EXPECT_EQ(dxfInsertBlock(d, "MISSING", 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 0.0), 0);
    EXPECT_EQ(dxfBlockBegin(d, "LATE", 0.0, 0.0, 0.0), 0) << "block outside the blocks section";
    EXPECT_EQ(dxfBlockEnd(d), 0);
    EXPECT_EQ(dxfWriteParamString(d, "$MENU", 1, "x"), 0) << "header value outside the header";
    ASSERT_NE(dxfSetCurrentLayer(d, "good", 1), 0);
    ASSERT_NE(dxfPoint(d, 1.0, 2.0, 3.0, 0.0), 0);
    ASSERT_NE(dxfSectionEnd(d), 0);
    ASSERT_NE(dxfCloseFile(d), 0);
    EXPECT_EQ(dxfPoint(d, 1.0, 2.0, 3.0, 0.0), 0) << "closed drawing";
    EXPECT_EQ(dxfCloseFile(d), 0) << "closed twice";

    // None of the refused calls left a trace.
    const EzdxfView view = ReadWithEzdxf(path);
    ExpectReadable(view);
    EXPECT_EQ(view.Lines("point ").size(), 1u) << view.printed;
    EXPECT_TRUE(view.Has("point GOOD 1.0 2.0 3.0")) << view.printed;
    EXPECT_TRUE(view.Lines("text ").empty()) << view.printed;
    EXPECT_FALSE(view.Has("layer A 1 CONTINUOUS")) << view.printed;
}

TEST_F(DrawmapTest, HeaderPointsMustBeWhole)
{
    const fs::path path = Path("header.dxf");
    const int d = dxfCreateFile(path.c_str());
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_HEADER), 0);
    EXPECT_EQ(dxfWriteParamString(d, "$ACADVER", 1, "AC1015"), 0) << "the library's own";
    EXPECT_EQ(dxfWriteParamDouble(d, "$INSBASE", 20, 1.0), 0) << "y without x";
    EXPECT_EQ(dxfWriteParamInteger(d, "$LUPREC", 10, 1), 0) << "integer under a real's code";
    EXPECT_EQ(dxfWriteParamDouble(d, "NODOLLAR", 40, 1.0), 0);
    ASSERT_NE(dxfWriteParamDouble(d, "$INSBASE", 10, 1.0), 0);
    EXPECT_EQ(dxfWriteParamDouble(d, "$TEXTSIZE", 40, 2.0), 0) << "x still waits for its y";
    EXPECT_EQ(dxfSectionEnd(d), 0) << "x still waits for its y";
    ASSERT_NE(dxfWriteParamDouble(d, "$INSBASE", 20, 2.0), 0);
    EXPECT_EQ(dxfWriteParamDouble(d, "$INSBASE", 20, 2.0), 0) << "y twice";
    ASSERT_NE(dxfWriteParamDouble(d, "$TEXTSIZE", 40, 2.0), 0);
    EXPECT_EQ(dxfWriteParamDouble(d, "$INSBASE", 30, 0.0), 0) << "variable already finished";
    ASSERT_NE(dxfSectionEnd(d), 0);
    ASSERT_NE(dxfCloseFile(d), 0);
    const EzdxfView view = ReadWithEzdxf(path, {"$ACADVER", "$INSBASE", "$TEXTSIZE"});
    ExpectReadable(view);
    EXPECT_TRUE(view.Has("header $ACADVER 'AC1009'")) << view.printed;
    EXPECT_TRUE(view.Has("header $INSBASE (1.0, 2.0)")) << view.printed;
    EXPECT_TRUE(view.Has("header $TEXTSIZE 2.0")) << view.printed;
}

TEST_F(DrawmapTest, FailedDrawingsLeaveNoFile)
{
    EXPECT_EQ(dxfCreateFile(nullptr), 0);
    EXPECT_EQ(dxfCreateFile(""), 0);
    EXPECT_EQ(dxfCreateFile(Path("no-such-dir/x.dxf").c_str()), 0);
    fs::create_directory(Path("sub"));
    EXPECT_EQ(dxfCreateFile(Path("sub").c_str()), 0) << "a directory";

    // A drawing closed with a section still open is incomplete: the old
    // file stays as it was and no temporary file is left beside it.
    const fs::path path = Path("kept.dxf");
    WriteFile(path, "old drawing");
    const int d = dxfCreateFile(path.c_str());
    ASSERT_NE(d, 0);
    ASSERT_NE(dxfSectionBegin(d, DXF_SECTION_ENTITIES), 0);
    ASSERT_NE(dxfPoint(d, 1.0, 2.0, 3.0, 0.0), 0);
    EXPECT_EQ(dxfCloseFile(d), 0);
    EXPECT_EQ(ReadFile(path), "old drawing");
    EXPECT_EQ(dxfSectionEnd(d), 0) << "the handle is gone";
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path.parent_path())) ++files;
    EXPECT_EQ(files, 2u) << "kept.dxf and sub only";

    // A complete drawing replaces the file whole.
    const int again = dxfCreateFile(path.c_str());
    ASSERT_NE(dxfSectionBegin(again, DXF_SECTION_ENTITIES), 0);
    ASSERT_NE(dxfSectionEnd(again), 0);
    ASSERT_NE(dxfCloseFile(again), 0);
    EXPECT_EQ(ReadFile(path), "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
}

TEST(DrawmapExports, AllEntryPointsAreFoundByName)
{
    struct Closer {
        void operator()(void* library) const { ::dlclose(library); }
    };
    std::unique_ptr<void, Closer> library(::dlopen(DRAWMAP_PATH, RTLD_NOW | RTLD_LOCAL));
    ASSERT_TRUE(library) << ::dlerror();
    int found = 0;
#define DRAWMAP_TEST_FIND(name) found += ::dlsym(library.get(), #name) != nullptr ? 1 : 0;
    DRAWMAP_ENTRY_POINTS(DRAWMAP_TEST_FIND)
#undef DRAWMAP_TEST_FIND
    EXPECT_EQ(found, drawmap::kEntryPointCount);
    // The library's own machinery stays inside.
    EXPECT_EQ(::dlsym(library.get(), "_ZN7drawmap7Drawing5CloseEv"), nullptr);
}

} // namespace
} // namespace drawmap::testing
