#include "landxml/landxml.h"

#include "point_rows.h"
#include "scratch.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace harwick::landxml {
namespace {

using points::PointRow;

const text::LocalDateTime kWhen{2026, 12, 7, 9, 30, 5};

using harwick::testing::fieldsOf;
using harwick::testing::Refusal;

// Names and codes XML must escape, or that are not ASCII.
const std::vector<PointRow> kAwkwardRows = {
    {"P\"1\" <a>", "100.125", "-200.5", "3.000", "KERB & 'b'"},
    {"Straße\t7", "1e3", "0.0005", "", "line\nbreak"},
    {"測点-😀", "-0", "12", "-7.25", ""},
};

TEST(LandXmlWrite, ReadsBackEveryNameCodeAndNumberText)
{
    std::vector<PointRow> rows = kAwkwardRows;
    rows.insert(rows.begin() + 1, PointRow{"NO-E", "", "5", "1", "X"});
    WriteResult w = write(rows, kWhen);
    ASSERT_TRUE(w.ok()) << w.failure->message();
    EXPECT_EQ(w.written, 3u);
    EXPECT_EQ(w.leftOut, 1u);
    ReadResult r = read(w.content);
    ASSERT_TRUE(r.ok()) << r.failure->message();
    EXPECT_EQ(fieldsOf(r.points), fieldsOf(kAwkwardRows));
    EXPECT_EQ(r.linearUnit, "meter");
}

TEST(LandXmlWrite, RefusesWhatACgPointCannotHold)
{
    for (const char* bad : {"12,5", "1.2.3", "abc", "-", "1 2", "INF"}) {
        WriteResult w = write({{"A", "1", "2", "", ""}, {"B", "1", bad, "", ""}}, kWhen);
        ASSERT_FALSE(w.ok()) << bad;
        EXPECT_TRUE(w.content.empty());
        EXPECT_EQ(w.failure->message(), std::string("row 2: the northing is not a number: ") + bad);
    }
    WriteResult control = write({{"A\x01", "1", "2", "", ""}}, kWhen);
    ASSERT_FALSE(control.ok());
    EXPECT_EQ(control.failure->row, 1u);
}

// ---- An independent reader --------------------------------------------------

// Python's own XML parser prints what it finds in the structure LandXML 1.2
// asks for; any other element under the root is printed too, so that it fails
// the comparison.
constexpr const char* kEtreeScript = R"PY(
import sys, xml.etree.ElementTree as ET
ns = "{http://www.landxml.org/schema/LandXML-1.2}"
root = ET.parse(sys.argv[1]).getroot()
print(root.tag == ns + "LandXML", root.get("version"), root.get("date"), root.get("time"))
for child in root:
    if child.tag == ns + "Units":
        for unit in child:
            print("unit", unit.tag[len(ns):], unit.get("linearUnit"), unit.get("areaUnit"), unit.get("volumeUnit"))
    elif child.tag == ns + "CgPoints":
        for p in child:
            print("point", p.tag[len(ns):], repr(p.get("name")), repr(p.get("code")), repr(p.text))
    else:
        print("other", child.tag)
)PY";

TEST(LandXmlWrite, PythonsXmlParserSeesLandXmlStructure)
{
    harwick::testing::TempDir dir("landxml-etree");
    const auto script = dir.path() / "read.py";
    const auto file = dir.path() / "points.xml";
    harwick::testing::WriteFile(script, kEtreeScript);
    WriteResult w = write(kAwkwardRows, kWhen);
    ASSERT_TRUE(w.ok());
    harwick::testing::WriteFile(file, w.content);
    const std::string out =
        harwick::testing::CommandOutput("PYTHONIOENCODING=utf-8 /usr/bin/python3 " + script.string() + " " + file.string() + " 2>&1");
    EXPECT_EQ(out, "True 1.2 2026-12-07 09:30:05\n"
                   "unit Metric meter squareMeter cubicMeter\n"
                   "point CgPoint 'P\"1\" <a>' \"KERB & 'b'\" '-200.5 100.125 3.000'\n"
                   "point CgPoint 'Straße\\t7' 'line\\nbreak' '0.0005 1e3'\n"
                   "point CgPoint '測点-😀' None '12 -0 -7.25'\n");
}

// ---- Reading ----------------------------------------------------------------

std::string document(const std::string& units, const std::string& points)
{
    return "<?xml version='1.0' encoding='utf-8'?>\n<LandXML xmlns='http://www.landxml.org/schema/LandXML-1.1' "
           "version='1.1'>\n<Units>" +
           units + "</Units>\n<CgPoints>" + points + "</CgPoints>\n</LandXML>\n";
}

TEST(LandXmlRead, ConvertsFeetAndMillimetresKeepingTheirStep)
{
    const std::string points = "<CgPoint name='A'>1000.000 2000.000 100.00</CgPoint>"
                               "<CgPoint name='B'>0.5\t-1E2</CgPoint>";
    ReadResult us = read(document("<Imperial linearUnit='USSurveyFoot' areaUnit='squareFoot'/>", points));
    ASSERT_TRUE(us.ok()) << us.failure->message();
    EXPECT_EQ(us.linearUnit, "USSurveyFoot");
    // 1200/3937 m: one decimal more than the feet, and at least 0.1 mm.
    EXPECT_EQ(fieldsOf(us.points), (std::vector<std::vector<std::string>>{{"A", "", "609.6012", "304.8006", "30.4801"},
                                                                         {"B", "", "-30.4801", "0.1524", ""}}));
    ReadResult feet = read(document("<Imperial linearUnit='foot'/>", "<CgPoint>1.23456 3</CgPoint>"));
    ASSERT_TRUE(feet.ok());
    EXPECT_EQ(fieldsOf(feet.points), (std::vector<std::vector<std::string>>{{"", "", "0.9144", "0.376294", ""}}));
    ReadResult mm = read(document("<Metric linearUnit='millimeter'/>", "<CgPoint>1234.5 -2 1e6</CgPoint>"));
    ASSERT_TRUE(mm.ok());
    EXPECT_EQ(fieldsOf(mm.points), (std::vector<std::vector<std::string>>{{"", "", "-0.0020", "1.2345", "1000.0000"}}));
    // Exponents far beyond any decimals a list shows (found by fuzzing: once
    // an undefined conversion) give the finest step kept, not a crash.
    ReadResult far = read(document("<Imperial linearUnit='foot'/>", "<CgPoint>1e-222222222222 2e99999999999</CgPoint>"));
    ASSERT_TRUE(far.ok());
    ASSERT_EQ(far.points.size(), 1u);
    EXPECT_EQ(far.points[0].northing, "0.000000000000");
}

TEST(LandXmlRead, TakesMarkupAsAnyXmlWriterMayWriteIt)
{
    const char* file = "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<!-- exported -->\r\n"
                       "<lx:LandXML xmlns:lx=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\">"
                       "<lx:Project name=\"job\"/><?pi x?>"
                       "<lx:CgPoints name=\"outer\"><lx:CgPoints>"
                       "<lx:CgPoint name=\"&#x41;&#233;&#x1F600;&lt;&amp;&gt;\" code = 'q&quot;&apos;'>"
                       "1 <!-- note --> 2<![CDATA[ 3]]></lx:CgPoint>"
                       "<lx:CgPoint name=\"REF\" pntRef=\"A\"/>"
                       "</lx:CgPoints></lx:CgPoints>"
                       "<lx:CgPoints><lx:CgPoint name=\"Z\" code=\"\">\n  -4.0\n  5.5\n</lx:CgPoint></lx:CgPoints>"
                       "</lx:LandXML>\r\n<!-- end -->\r\n";
    ReadResult r = read(file);
    ASSERT_TRUE(r.ok()) << r.failure->message();
    EXPECT_EQ(fieldsOf(r.points), (std::vector<std::vector<std::string>>{{"Aé😀<&>", "q\"'", "2", "1", "3"},
                                                                        {"Z", "", "5.5", "-4.0", ""}}));
    EXPECT_EQ(r.withoutCoordinates, 1u);
    // Without Units the values are taken as metres, and the caller is told.
    EXPECT_EQ(r.linearUnit, "");
}

class LandXmlRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(LandXmlRefuses, WithReasonAndPlace)
{
    ReadResult r = read(GetParam().file);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.points.empty());
    EXPECT_EQ(r.failure->message(), GetParam().message);
}

std::string repeated(const std::string& s, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

std::string withPoint(const std::string& cgPoint) { return document("<Metric linearUnit='meter'/>", cgPoint); }

INSTANTIATE_TEST_SUITE_P(
    Files, LandXmlRefuses,
    ::testing::Values(
        Refusal{"Empty", "", "the file is not XML: it does not start with markup"},
        Refusal{"Text", "P1,1,2,3", "line 1, column 1: the file is not XML: it does not start with markup"},
        Refusal{"OtherRoot", "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"/>",
                "line 2, column 1: the file is not LandXML: its first element is not LandXML"},
        Refusal{"OtherNamespace", "<LandXML xmlns=\"urn:example\"/>",
                "line 1, column 1: the file is not LandXML: its first element is not LandXML"},
        Refusal{"UnknownUnit", document("<Imperial linearUnit='inch'/>", ""),
                "line 3, column 8: the linear unit \"inch\" is not one this reader knows"},
        Refusal{"MetricFoot", document("<Metric linearUnit='foot'/>", ""),
                "line 3, column 8: the linear unit \"foot\" is not one this reader knows"},
        Refusal{"Latin1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><LandXML/>",
                "line 1, column 1: only UTF-8 files are read; this file names another encoding"},
        Refusal{"Doctype", "<!DOCTYPE LandXML [<!ENTITY a 'b'>]><LandXML/>",
                "line 1, column 1: document type declarations are not read"},
        Refusal{"OneNumber", withPoint("<CgPoint>1</CgPoint>"),
                "line 4, column 11: a CgPoint's text must be two or three numbers: northing easting [elevation]"},
        Refusal{"FourNumbers", withPoint("<CgPoint>1 2 3 4</CgPoint>"),
                "line 4, column 11: a CgPoint's text must be two or three numbers: northing easting [elevation]"},
        Refusal{"Words", withPoint("<CgPoint>1 x</CgPoint>"),
                "line 4, column 11: a CgPoint's text must be two or three numbers: northing easting [elevation]"},
        Refusal{"Mismatched", withPoint("<CgPoint>1 2</CgPoints>"),
                "line 4, column 23: this end tag does not close the element that is open"},
        Refusal{"Unclosed", "<LandXML><CgPoints><CgPoint>1 2",
                "the file ends before its elements are closed"},
        Refusal{"UnknownEntity", withPoint("<CgPoint name='&nbsp;'>1 2</CgPoint>"),
                "line 4, column 26: this & starts no known entity or character reference"},
        Refusal{"NulReference", withPoint("<CgPoint>1&#0; 2</CgPoint>"),
                "line 4, column 21: this & starts no known entity or character reference"},
        Refusal{"LessThanInValue", withPoint("<CgPoint name='a<b'>1 2</CgPoint>"),
                "line 4, column 27: a \"<\" must be written &lt; inside an attribute value"},
        Refusal{"UnquotedValue", withPoint("<CgPoint name=a>1 2</CgPoint>"),
                "line 4, column 25: an attribute must be written name=\"value\""},
        Refusal{"UnclosedComment", "<LandXML><!-- x", "line 1, column 10: this markup is not closed"},
        Refusal{"Trailing", "<LandXML/><LandXML/>", "line 1, column 11: there is more after the LandXML element"},
        Refusal{"DeepNesting", "<LandXML>" + repeated("<a>", 1000),
                "line 1, column 775: the elements are nested too deeply"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.label); });

TEST(LandXmlSniff, KnowsLandXmlFromOtherMarkup)
{
    EXPECT_TRUE(looksLikeLandXml(write({{"A", "1", "2", "3", ""}}, kWhen).content));
    EXPECT_TRUE(looksLikeLandXml("\xEF\xBB\xBF\n<lx:LandXML xmlns:lx='x'/>"));
    EXPECT_FALSE(looksLikeLandXml("<?xml version=\"1.0\"?><gpx/>"));
    EXPECT_FALSE(looksLikeLandXml("{\"type\": \"FeatureCollection\"}"));
    EXPECT_FALSE(looksLikeLandXml(""));
}

} // namespace
} // namespace harwick::landxml
