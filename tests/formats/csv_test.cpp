#include "csv/csv.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace harwick::csv {
namespace {

using points::PointRow;

auto fieldsOf(const PointRow& r) { return std::tie(r.name, r.easting, r.northing, r.elevation, r.code); }

void ExpectRows(const std::vector<PointRow>& got, const std::vector<PointRow>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(fieldsOf(got[i]), fieldsOf(want[i])) << "row " << i;
    }
}

std::vector<PointRow> ReadRows(std::string_view content, const ReadOptions& options = {})
{
    Result<ReadResult> r = read(content, options);
    EXPECT_TRUE(r.ok()) << r.error;
    return r.ok() ? r.value->rows : std::vector<PointRow>{};
}

// Names and codes that only quoting keeps whole, with every delimiter.
const std::vector<PointRow> kAwkward = {
    {"P,1", "1234.567", "2345.678", "12.300", "say \"hi\""},
    {"two\r\nlines", "-0.5", "+7", "", "a;b\tc"},
    {"\"quoted\"", "10", "20", "30", "lf\nonly and lone\rcr"},
    {" blank edges ", "1.0", "2.0", "3.0", ""},
};

TEST(CsvRoundTrip, QuotedNamesAndCodesReadBackExactlyWithEveryDelimiter)
{
    for (char delimiter : {',', ';', kTab}) {
        for (bool decimalComma : {false, true}) {
            if (decimalComma && delimiter == ',') continue;
            WriteOptions options;
            options.delimiter = delimiter;
            options.decimalComma = decimalComma;
            Result<std::string> out = write(kAwkward, options);
            ASSERT_TRUE(out.ok()) << out.error;
            EXPECT_TRUE(looksLikeCsv(*out.value));
            Result<ReadResult> back = read(*out.value);
            ASSERT_TRUE(back.ok()) << back.error;
            EXPECT_EQ(back.value->layout.delimiter, delimiter);
            EXPECT_EQ(back.value->layout.decimalComma, decimalComma);
            ExpectRows(back.value->rows, kAwkward);
        }
    }
}

TEST(CsvWrite, QuotesOnlyWhatNeedsItAndEndsLinesCrLf)
{
    Result<std::string> out = write({kAwkward[0], kAwkward[3]});
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(*out.value, "name,easting,northing,elevation,code\r\n"
                          "\"P,1\",1234.567,2345.678,12.300,\"say \"\"hi\"\"\"\r\n"
                          " blank edges ,1.0,2.0,3.0,\r\n");
}

TEST(CsvWrite, ColumnChoiceDecimalCommaAndNoHeader)
{
    Result<Columns> columns = parseColumns(" Name , n,E,z ");
    ASSERT_TRUE(columns.ok()) << columns.error;
    WriteOptions options{*columns.value, ';', true, false};
    Result<std::string> out = write({kAwkward[0]}, options);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(*out.value, "P,1;2345,678;1234,567;12,300\r\n");
    // The same columns read back when they are given.
    ReadOptions readOptions;
    readOptions.columns = columns.value;
    std::vector<PointRow> rows = ReadRows(*out.value, readOptions);
    ExpectRows(rows, {{"P,1", "1234.567", "2345.678", "12.300", ""}});
}

TEST(CsvRefusals, BadChoicesSayWhatIsAccepted)
{
    const std::string accepted = "name, e or easting, n or northing, z or elevation, code";
    Result<Columns> unknown = parseColumns("name,x,y");
    ASSERT_FALSE(unknown.ok());
    EXPECT_NE(unknown.error.find("Unknown column \"x\""), std::string::npos) << unknown.error;
    EXPECT_NE(unknown.error.find(accepted), std::string::npos) << unknown.error;
    EXPECT_NE(parseColumns("").error.find(accepted), std::string::npos);
    EXPECT_EQ(parseColumns("name,e,easting").error, "The column \"easting\" is given twice.");

    EXPECT_EQ(*parseDelimiter("TAB").value, kTab);
    EXPECT_EQ(parseDelimiter("|").error, "The delimiter must be \",\", \";\" or tab.");

    WriteOptions commaTwice;
    commaTwice.decimalComma = true;
    Result<std::string> out = write(kAwkward, commaTwice);
    ASSERT_FALSE(out.ok());
    EXPECT_NE(out.error.find("A decimal comma needs the delimiter \";\" or tab"), std::string::npos);
    ReadOptions readCommaTwice;
    readCommaTwice.delimiter = ',';
    readCommaTwice.decimalComma = true;
    EXPECT_EQ(read("name,e,n\r\nA,1,2\r\n", readCommaTwice).error, out.error);
}

struct HeaderCase {
    const char* label;
    const char* content;
    std::vector<PointRow> rows;
    std::vector<std::string> ignored;
};

class CsvHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(CsvHeader, NamesTheColumnsInAnyOrder)
{
    Result<ReadResult> r = read(GetParam().content);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.value->layout.header);
    EXPECT_EQ(r.value->layout.ignoredColumns, GetParam().ignored);
    ExpectRows(r.value->rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, CsvHeader,
    ::testing::Values(
        HeaderCase{"SurveyLetters", "Point;Y;X;H;Desc\n7;1,5;2,25;-3;KERB\n", {{"7", "1.5", "2.25", "-3", "KERB"}}, {}},
        HeaderCase{"TabsAndQuotedNames",
                   "\"ID\"\t\"North\"\t\"East\"\t\"Height\"\t\"Code\"\r\nA\t 20.5 \t10\t\tx\r\n",
                   {{"A", "10", "20.5", "", "x"}},
                   {}},
        HeaderCase{"PlanOnlyNoName", "pt,n,e\r\n1,2,3\r\n", {{"1", "3", "2", "", ""}}, {}},
        HeaderCase{"UnknownColumnKeptOut",
                   "NAME,EASTING,NORTHING,ELEVATION,CODE,Date\r\nA,1,2,3,c,2026-12-07\r\n",
                   {{"A", "1", "2", "3", "c"}},
                   {"Date"}},
        HeaderCase{"HeaderOnly", "name,e,n,z,code\r\n", {}, {}}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.label); });

TEST(CsvRead, FiveColumnsWithoutHeaderAreTheWritersOrder)
{
    ExpectRows(ReadRows("P1,100.5,200.25,,KERB\n2,1,2,3,17\n"),
               {{"P1", "100.5", "200.25", "", "KERB"}, {"2", "1", "2", "3", "17"}});
    ExpectRows(ReadRows("P1;1234,567;-2,5;0;\n"), {{"P1", "1234.567", "-2.5", "0", ""}});
}

TEST(CsvRead, ColumnsThatCannotBeToldApartAreRefusedWithTheChoices)
{
    // name, code, easting, northing, elevation: the second column holds words.
    const std::string_view file = "P1,KERB,10,20,30\r\nP2,TREE,11,21,31\r\n";
    EXPECT_FALSE(looksLikeCsv(file));
    Result<ReadResult> r = read(file);
    ASSERT_FALSE(r.ok());
    for (std::string_view choice : {"columns", "delimiter", "decimal comma", "name,n,e,z,code"}) {
        EXPECT_NE(r.error.find(choice), std::string::npos) << r.error;
    }
    ReadOptions options;
    options.columns = Columns{Column::Name, Column::Code, Column::Easting, Column::Northing, Column::Elevation};
    ExpectRows(ReadRows(file, options), {{"P1", "10", "20", "30", "KERB"}, {"P2", "11", "21", "31", "TREE"}});

    for (std::string_view other : {"", "\r\n\r\n", "just some words\r\n", "P1,10,20\r\n", "a,b,c\r\nd;e;f\r\n"}) {
        EXPECT_FALSE(looksLikeCsv(other)) << other;
        EXPECT_FALSE(read(other).ok()) << other;
    }
}

TEST(CsvRead, LineEndsByteOrderMarkAndBlankLines)
{
    const std::vector<PointRow> want = {{"A", "1", "2", "3", "x"}, {"B", "4", "5", "6", ""}};
    for (std::string_view content :
         {"name,e,n,z,code\nA,1,2,3,x\nB,4,5,6,\n", "name,e,n,z,code\r\nA,1,2,3,x\r\n\r\nB,4,5,6,",
          "name,e,n,z,code\rA,1,2,3,x\r\r,,,,\rB,4,5,6,\r", "\xEF\xBB\xBF\nname,e,n,z,code\r\nA,1,2,3,x\nB,4,5,6,\r"}) {
        ExpectRows(ReadRows(content), want);
    }
}

TEST(CsvRead, OverridesBeatDetection)
{
    // Detection reads this file with a decimal point; the user says comma.
    ReadOptions options;
    options.decimalComma = true;
    EXPECT_EQ(read("name;e;n\nA;1.5;2\n", options).error,
              "Line 2: the easting \"1.5\" is not a number with a decimal comma.");
    options = {};
    options.delimiter = ';';
    EXPECT_FALSE(read("name,e,n\nA,1.5,2\n", options).ok());
    // A header of names the reader does not know, skipped under given columns.
    options = {};
    options.columns = Columns{Column::Name, Column::Northing, Column::Easting};
    ExpectRows(ReadRows("Punkt,Hochwert,Rechtswert\nA,2,1\n", options), {{"A", "1", "2", "", ""}});
    EXPECT_EQ(read("A,2,1\n", ReadOptions{Columns{Column::Name, Column::Easting}, {}, {}}).error,
              "The columns given name 2 fields, but the rows hold 3.");
}

TEST(CsvRead, BadRowsRefuseTheFileNamingTheirLine)
{
    const std::string head = "name,easting,northing,elevation,code\r\n\"A\r\nB\",1,2,3,x\r\n";
    EXPECT_EQ(read(head + "C,1,oops,3,y\r\n").error, "Line 4: the northing \"oops\" is not a number.");
    EXPECT_EQ(read(head + "C,1,2,3\r\n").error, "Line 4: 4 fields where the rows before it have 5.");
    EXPECT_EQ(read(head + "C,1,2,3,\"y\r\n").error, "Line 4: a quoted field is not closed.");
    EXPECT_EQ(read(head + "C,1,2,3,\"y\"z\r\n").error, "Line 4: a quoted field goes on after its closing quote.");
    EXPECT_EQ(read("name;e;n\nA;1,5;2\nB;1.5;2\n").error, "Line 3: the easting \"1.5\" is not a number with a decimal comma.");
}

// ---- an independent reader --------------------------------------------------

struct GdalFeature {
    std::string name;
    std::string code;
    std::vector<double> point;
};

// The features GDAL's ogrinfo prints for a CSV file whose geometry it takes
// from the easting, northing and elevation columns.
std::vector<GdalFeature> ReadWithOgrinfo(const std::filesystem::path& file)
{
    harwick::testing::TempDir dir("csv-ogrinfo");
    const auto output = dir.path() / "out.txt";
    const std::string command = "timeout 120 /usr/bin/ogrinfo -al -q -oo X_POSSIBLE_NAMES=easting "
                                "-oo Y_POSSIBLE_NAMES=northing -oo Z_POSSIBLE_NAMES=elevation '" +
                                file.string() + "' > '" + output.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << harwick::testing::ReadFile(output);
    std::vector<GdalFeature> features;
    std::istringstream in(harwick::testing::ReadFile(output));
    for (std::string line; std::getline(in, line);) {
        auto after = [&line](std::string_view prefix) {
            return line.rfind(prefix, 0) == 0 ? std::optional(line.substr(prefix.size())) : std::nullopt;
        };
        if (after("OGRFeature(")) features.emplace_back();
        if (features.empty()) continue;
        if (auto v = after("  name (String) = ")) features.back().name = *v;
        if (auto v = after("  code (String) = ")) features.back().code = *v;
        if (line.rfind("  POINT", 0) == 0) {
            std::istringstream numbers(line.substr(line.find('(') + 1));
            for (double x; numbers >> x;) features.back().point.push_back(x);
        }
    }
    return features;
}

TEST(CsvWithGdal, OgrinfoReadsTheSameNamesCodesAndCoordinates)
{
    const std::vector<PointRow> rows = {{"P,1", "1234.567", "2345.678", "12.300", "say \"hi\""},
                                        {"a;b", "-0.5", "100", "", "KERB"},
                                        {"3", "700000.125", "5400000.875", "-3.25", ""}};
    harwick::testing::TempDir dir("csv-gdal");
    for (auto [delimiter, decimalComma] : {std::pair{',', false}, {';', true}, {kTab, true}}) {
        Result<std::string> out = write(rows, WriteOptions{kDefaultColumns, delimiter, decimalComma, true});
        ASSERT_TRUE(out.ok());
        const auto file = dir.path() / "points.csv";
        harwick::testing::WriteFile(file, *out.value);
        const std::vector<GdalFeature> features = ReadWithOgrinfo(file);
        ASSERT_EQ(features.size(), rows.size()) << "delimiter " << int(delimiter);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(features[i].name, rows[i].name);
            EXPECT_EQ(features[i].code, rows[i].code);
            std::vector<double> want = {std::stod(rows[i].easting), std::stod(rows[i].northing)};
            if (!rows[i].elevation.empty()) want.push_back(std::stod(rows[i].elevation));
            EXPECT_EQ(features[i].point, want) << rows[i].name;
        }
    }
}

} // namespace
} // namespace harwick::csv
