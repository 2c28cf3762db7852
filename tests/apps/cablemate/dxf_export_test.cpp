#include "dxf_export.h"

#include "cable_messages.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace cablemate {
namespace {

std::vector<std::string> splitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(text.substr(start, at - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

// The line offset lines after the n-th (0-based) line that equals key.
std::string after(const std::vector<std::string>& lines, std::string_view key, std::size_t n = 0,
                  std::size_t offset = 1)
{
    for (std::size_t i = 0; i + offset < lines.size(); ++i) {
        if (lines[i] == key && n-- == 0) return lines[i + offset];
    }
    return "<missing>";
}

// The whole drawing of one point is the golden file
// tests/data/golden/cable/kard-to-dxf; here, what the export hands the list.
TEST(DxfExport, OnePointFillsTheTable)
{
    const DxfResult r = ExportDxf("P1,TREE,100.5,200.25,3.125\r\n");
    ASSERT_TRUE(r.message.empty());
    ASSERT_TRUE(r.text);
    ASSERT_EQ(r.table.size(), 1u);
    EXPECT_EQ(r.table[0].name, "P1");
    EXPECT_EQ(r.table[0].c3, "3.125");
}

TEST(DxfExport, ExtentsTruncateTowardZeroAndLevelsCarryTheirSign)
{
    const DxfResult r = ExportDxf("A,,-10.7,5.9,-1.5\r\nB,,20.2,-3.99,0\r\nC,,1,1,-0\r\n");
    ASSERT_TRUE(r.text);
    const std::vector<std::string> lines = splitCrLf(*r.text);
    EXPECT_EQ(after(lines, "$EXTMIN", 0), " 10");
    EXPECT_EQ(after(lines, " 10", 0), "-10");
    EXPECT_EQ(after(lines, " 20", 0), "-3");
    EXPECT_EQ(after(lines, " 30", 0), "-1");
    EXPECT_EQ(after(lines, " 10", 1), "20");
    EXPECT_EQ(after(lines, " 20", 1), "5");
    EXPECT_EQ(after(lines, " 30", 1), "0");
    // The point entity takes each field's leading integer.
    EXPECT_EQ(after(lines, "POINT", 0, 4), "-10");
    EXPECT_EQ(after(lines, "POINT", 0, 6), "5");
    EXPECT_EQ(after(lines, "POINT", 0, 8), "-1");
    std::vector<std::string> levels;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i] == " 0.1") levels.push_back(lines[i + 2]);
    }
    EXPECT_EQ(levels, (std::vector<std::string>{"-1.5000", "+0.0000", "+0.0000"}));
}

TEST(DxfExport, LabelsAndSlotsKeepWhatFits)
{
    const DxfResult r = ExportDxf("ABCDEFGHIJKLMNOPQRST,CODE,4512345.12345678,1,12.345\r\n");
    ASSERT_TRUE(r.message.empty()) << r.message;
    ASSERT_TRUE(r.text);
    const std::vector<std::string> lines = splitCrLf(*r.text);
    EXPECT_EQ(after(lines, "  1", 0), "ABCDEFGHIJ");
    // The elevation keeps all of its digits, not just its first five characters.
    EXPECT_EQ(r.table[0].c3, "12.345");
    EXPECT_EQ(after(lines, "  1", 1), "+12.3450");
    EXPECT_EQ(r.table[0].name, "ABCDEFGHIJKLMN");
    EXPECT_EQ(r.table[0].c1, "4512345.123456");
    EXPECT_EQ(after(lines, " 10", 5), "4512345.1235");
}

TEST(DxfExport, RefusesWhatItCannotDraw)
{
    for (const std::string_view text : {"", "P1,TREE,1,2\r\n", "P1,TREE,1,2", "a,b\r\nc,d,e,f,g,h\r\n",
                                        "a,b,1,2,3,4\r\nc,d\r\n"}) {
        const DxfResult r = ExportDxf(text);
        EXPECT_EQ(r.message, kInvalidKard300Format) << text;
        EXPECT_FALSE(r.text) << text;
    }
    // A field of 21 characters, and 15-20 character coordinates whose cut
    // would change the number rather than drop decimals.
    for (const std::string_view text : {"ABCDEFGHIJKLMNOPQRSTU,C,1,2,3\r\n", "P,C,123456789012345,2,3\r\n",
                                        "P,C,1,1.234567890e+10,3\r\n", "P,C,1,2,12345678.12345x\r\n"}) {
        const DxfResult r = ExportDxf(text);
        EXPECT_EQ(r.message, kTransformFailed) << text;
        EXPECT_FALSE(r.text) << text;
        EXPECT_TRUE(r.table.empty()) << text;
    }
}

// An independent reader must open the drawing and find every entity on its
// layer at its place, with its text.
constexpr std::string_view kReaderScript = R"PY(
import sys
from collections import Counter
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
for name in sorted(layer.dxf.name for layer in doc.layers):
    print("layer", name)
counts = Counter((e.dxftype(), e.dxf.layer) for e in doc.modelspace())
for (kind, layer), n in sorted(counts.items()):
    print("count", kind, layer, n)
for e in doc.modelspace():
    if e.dxftype() == "POINT":
        p = e.dxf.location
        print("point %.4f %.4f %.4f" % (p.x, p.y, p.z))
    elif e.dxftype() == "TEXT":
        p = e.dxf.insert
        print("text %s %.4f %.4f %.4f %s" % (e.dxf.layer, p.x, p.y, p.z, e.dxf.text))
)PY";

TEST(DxfExport, IndependentReaderFindsTheEntities)
{
    const DxfResult r = ExportDxf("P1,TREE,100.5,200.25,3.125\r\nStation22,,-5,7.5,-1.5\r\n");
    ASSERT_TRUE(r.text);
    harwick::testing::TempDir dir("cablemate-dxf");
    const auto drawing = dir.path() / "points.dxf";
    const auto script = dir.path() / "read.py";
    const auto output = dir.path() / "out.txt";
    harwick::testing::WriteFile(drawing, *r.text);
    harwick::testing::WriteFile(script, kReaderScript);
    const std::string command = "timeout 120 /usr/bin/python3 '" + script.string() + "' '" + drawing.string() +
                                "' > '" + output.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    const std::string printed = harwick::testing::ReadFile(output);
    ASSERT_EQ(status, 0) << printed;

    for (std::string_view expected : {
             "layer Code\n", "layer Level\n", "layer Point\n", "layer PointNumber\n",
             "count POINT Point 2\n", "count TEXT Level 2\n", "count TEXT PointNumber 2\n",
             "point 100.0000 200.0000 3.0000\n", "point -5.0000 7.0000 -1.0000\n",
             "text PointNumber 100.5000 200.2500 3.1250 P1\n", "text Level 100.5000 200.2500 0.0000 +3.1250\n",
             "text PointNumber -5.0000 7.5000 -1.5000 Station22\n", "text Level -5.0000 7.5000 0.0000 -1.5000\n",
         }) {
        EXPECT_NE(printed.find(expected), std::string::npos) << expected << "in:\n" << printed;
    }
    EXPECT_EQ(printed.find("count TEXT Code"), std::string::npos);
}

} // namespace
} // namespace cablemate
