#include "geojson/geojson.h"

#include "point_rows.h"
#include "scratch.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace harwick::geojson {
namespace {

using points::PointRow;

using harwick::testing::fieldsOf;
using harwick::testing::Refusal;

// Names and codes JSON must escape, or that are not ASCII.
const std::vector<PointRow> kAwkwardRows = {
    {"P\"1\"", "100.125", "-200.5", "3.000", "KERB <a> & b"},
    {"Straße 7", "1e3", "0.0005", "", "back\\slash\ttab"},
    {"測点-😀", "-0", "12", "-7.25", ""},
};

TEST(GeoJsonWrite, ReadsBackEveryNameCodeAndNumberText)
{
    std::vector<PointRow> rows = kAwkwardRows;
    rows.push_back({"NO-N", "5.0", "", "1", "X"}); // no northing: no point
    WriteResult w = write(rows);
    ASSERT_TRUE(w.ok()) << w.failure->message();
    EXPECT_EQ(w.written, 3u);
    EXPECT_EQ(w.leftOut, 1u);
    ReadResult r = read(w.content);
    ASSERT_TRUE(r.ok()) << r.failure->message();
    EXPECT_EQ(fieldsOf(r.points), fieldsOf(kAwkwardRows));
    EXPECT_EQ(r.nonPointFeatures, 0u);
    EXPECT_EQ(r.crs, "");
}

TEST(GeoJsonWrite, TwoDimensionalPointAndNamedCrsAsWritten)
{
    WriteResult w = write({{"A", " +010.50 ", ".25", "", "c"}}, WriteOptions{"epsg:25832"});
    ASSERT_TRUE(w.ok());
    EXPECT_EQ(w.content,
              "{\"type\":\"FeatureCollection\",\r\n"
              "\"crs\":{\"type\":\"name\",\"properties\":{\"name\":\"urn:ogc:def:crs:EPSG::25832\"}},\r\n"
              "\"features\":[\r\n"
              "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[10.50,0.25]},"
              "\"properties\":{\"name\":\"A\",\"code\":\"c\"}}\r\n"
              "]}\r\n");
    EXPECT_EQ(read(w.content).crs, "EPSG:25832");
}

TEST(GeoJsonWrite, RefusesABadCrsOrCoordinateWithWhere)
{
    for (const char* crs : {"25832", "EPSG:", "EPSG:0123", "EPSG:12a", "EPSG:1234567890", "ESRI:102100"}) {
        WriteResult w = write({{"A", "1", "2", "", ""}}, WriteOptions{crs});
        ASSERT_FALSE(w.ok()) << crs;
        EXPECT_EQ(w.failure->row, 0u);
        EXPECT_TRUE(w.content.empty());
    }
    for (const char* bad : {"12,5", "1.2.3", "abc", "-", ".", "1e", "0x10", "nan"}) {
        WriteResult w = write({{"A", "1", "2", "", ""}, {"B", "1", "2", bad, ""}});
        ASSERT_FALSE(w.ok()) << bad;
        EXPECT_EQ(w.failure->message(), std::string("row 2: the elevation is not a number: ") + bad);
    }
}

TEST(GeoJsonRead, TakesPointFeaturesAndTheirPropertiesSensibly)
{
    const char* file = R"({"features": [
      {"type": "Feature", "id": 17, "geometry": {"coordinates": [1.50e3, -2, 3, 99], "type": "Point"},
       "properties": {"code": 12.0, "other": {"deep": [1, [2]]}}},
      {"type": "Feature", "geometry": {"type": "LineString", "coordinates": [[0, 0], [1, 1]]}, "properties": null},
      {"type": "Feature", "geometry": null, "properties": {"name": "nothing"}},
      {"type": "Feature", "geometry": {"type": "Point", "coordinates": []}},
      {"type": "Feature", "id": "ignored", "geometry": {"type": "Point", "coordinates": [4, 5]},
       "properties": {"name": "\u00e9\ud83d\ude00\/\"", "code": null}},
      {"type": "Feature", "geometry": {"type": "Point", "coordinates": [6, 7]},
       "properties": {"name": true, "code": ["x"]}}
    ], "type": "FeatureCollection", "bbox": [0, 0, 1, 1]})";
    ReadResult r = read(file);
    ASSERT_TRUE(r.ok()) << r.failure->message();
    EXPECT_EQ(fieldsOf(r.points), (std::vector<std::vector<std::string>>{{"17", "12.0", "1.50e3", "-2", "3"},
                                                                         {"é😀/\"", "", "4", "5", ""},
                                                                         {"true", "", "6", "7", ""}}));
    EXPECT_EQ(r.nonPointFeatures, 3u);

    ReadResult single =
        read("\xEF\xBB\xBF{\"type\":\"Feature\",\"properties\":{\"name\":\"S\"},"
             "\"geometry\":{\"type\":\"Point\",\"coordinates\":[1,2]}}\n");
    ASSERT_TRUE(single.ok()) << single.failure->message();
    EXPECT_EQ(fieldsOf(single.points), (std::vector<std::vector<std::string>>{{"S", "", "1", "2", ""}}));
}

class GeoJsonRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(GeoJsonRefuses, WithReasonAndPlace)
{
    ReadResult r = read(GetParam().file);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.points.empty());
    EXPECT_EQ(r.failure->message(), GetParam().message);
}

const std::string kPointsOpen = "{\"type\":\"FeatureCollection\",\"features\":[\n";
std::string featureWith(const std::string& coordinates, const std::string& name = "\"A\"")
{
    return kPointsOpen + "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":" + coordinates +
           "},\"properties\":{\"name\":" + name + "}}]}";
}

INSTANTIATE_TEST_SUITE_P(
    Files, GeoJsonRefuses,
    ::testing::Values(
        Refusal{"Empty", "", "the file is not GeoJSON: it holds no FeatureCollection or Feature"},
        Refusal{"Text", "P1,1,2,3", "line 1, column 1: the file is not GeoJSON: it holds no FeatureCollection or Feature"},
        Refusal{"OtherJson", "{\"type\": \"Topology\", \"objects\": {}}",
                "line 1, column 1: the file is not GeoJSON: it holds no FeatureCollection or Feature"},
        Refusal{"BareGeometry", "{\"type\":\"Point\",\"coordinates\":[1,2]}",
                "line 1, column 1: the file holds a bare geometry, not a Feature or FeatureCollection"},
        Refusal{"NoFeatures", "{\"type\":\"FeatureCollection\"}",
                "line 1, column 1: the FeatureCollection has no \"features\" array"},
        Refusal{"NotAFeature", kPointsOpen + "  {\"type\":\"Point\"}]}",
                "line 2, column 3: this member of \"features\" is not a Feature"},
        Refusal{"OneNumber", featureWith("[1]"),
                "line 2, column 60: a Point's coordinates must be an array of two or three numbers"},
        Refusal{"StringCoordinate", featureWith("[1, \"2\"]"),
                "line 2, column 64: a Point's coordinates must be an array of two or three numbers"},
        Refusal{"LeadingZero", featureWith("[01, 2]"),
                "line 2, column 61: this number is not written as JSON writes numbers"},
        Refusal{"LoneSurrogate", featureWith("[1, 2]", "\"\\udc00\""),
                "line 2, column 90: this \\u escape is half a surrogate pair"},
        Refusal{"HighSurrogateAlone", featureWith("[1, 2]", "\"\\ud83dx\""),
                "line 2, column 90: this \\u escape is half a surrogate pair"},
        Refusal{"BadEscape", featureWith("[1, 2]", "\"\\x41\""), "line 2, column 90: this backslash escape is not JSON"},
        Refusal{"RawNewlineInString", featureWith("[1, 2]", "\"A\nB\""),
                "line 2, column 91: a control character must be escaped inside a string"},
        Refusal{"Unclosed", kPointsOpen + "{\"type\":\"Feature\"", "line 2, column 18: a comma or a closing brace was expected here"},
        Refusal{"UnclosedString", featureWith("[1, 2]", "\"A"), "line 2, column 89: the string is not closed"},
        Refusal{"MissingColon", "{\"type\" \"Feature\"}", "line 1, column 9: a colon was expected after the member name"},
        Refusal{"Trailing", featureWith("[1, 2]") + " x", "line 2, column 97: there is more text after the GeoJSON object"},
        Refusal{"DeepNesting", "{\"type\":\"FeatureCollection\",\"x\":" + std::string(100000, '[') + "}",
                "line 1, column 161: the values are nested too deeply"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.label); });

TEST(GeoJsonSniff, KnowsFeatureCollectionsFromOtherText)
{
    EXPECT_TRUE(looksLikeGeoJson(write({{"A", "1", "2", "3", ""}}).content));
    EXPECT_TRUE(looksLikeGeoJson("\xEF\xBB\xBF\n {\"type\": \"Feature\"}"));
    EXPECT_FALSE(looksLikeGeoJson("{\"name\": \"a settings file\"}"));
    EXPECT_FALSE(looksLikeGeoJson("P1,FEATURE,1,2,3"));
    EXPECT_FALSE(looksLikeGeoJson(""));
}

// ---- An independent reader --------------------------------------------------

// Four decimals, enough to tell each test value apart; -0 as 0, as GDAL prints it.
std::string asPrinted(std::string_view number) { return text::formatFixed(text::readNumber(number) + 0.0, 4); }

// GDAL reads each feature as "  name (String) = ...", "  code (String) = ..."
// and "  POINT Z (e n z)" or "  POINT (e n)".
TEST(GeoJsonWrite, GdalReadsTheSamePointsAndCoordinateSystem)
{
    harwick::testing::TempDir dir("geojson-ogr");
    const auto path = dir.path() / "points.geojson";
    std::vector<PointRow> rows = kAwkwardRows;
    rows[1].code = "back\\slash";
    rows.push_back({"2D", "0.001", "654321.987", "", "FENCE"});
    WriteResult w = write(rows, WriteOptions{"EPSG:25832"});
    ASSERT_TRUE(w.ok());
    harwick::testing::WriteFile(path, w.content);
    const std::string out = harwick::testing::CommandOutput("/usr/bin/ogrinfo -ro -al " + path.string() + " 2>&1");
    EXPECT_NE(out.find("ID[\"EPSG\",25832]"), std::string::npos) << out;

    std::vector<std::vector<std::string>> seen;
    std::vector<std::string> current;
    for (const std::string& line : text::splitLines(out)) {
        auto after = [&line](std::string_view head) { return line.substr(head.size()); };
        if (text::startsWith(line, "  name (String) = ")) current = {after("  name (String) = ")};
        else if (text::startsWith(line, "  code (String) = ")) current.push_back(after("  code (String) = "));
        else if (text::startsWith(line, "  POINT ") && current.size() == 2) {
            const std::string inner = line.substr(line.find('(') + 1, line.find(')') - line.find('(') - 1);
            std::vector<std::string_view> xyz = text::splitFields(inner, " ");
            for (std::string_view v : xyz) current.push_back(asPrinted(v));
            seen.push_back(current);
        }
    }
    std::vector<std::vector<std::string>> expected;
    for (const PointRow& p : rows) {
        std::vector<std::string> e = {p.name, p.code, asPrinted(p.easting), asPrinted(p.northing)};
        if (!p.elevation.empty()) e.push_back(asPrinted(p.elevation));
        expected.push_back(e);
    }
    EXPECT_EQ(seen, expected) << out;
}

} // namespace
} // namespace harwick::geojson
