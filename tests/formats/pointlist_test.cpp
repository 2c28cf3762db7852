#include "pointlist/pointlist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::pointlist {
namespace {

using gsi::Flavour;

constexpr text::LocalDateTime kMarch7{2006, 3, 7, 14, 5, 9};

std::vector<std::string> cellsOf(const Row& r) { return {r.name, r.easting, r.northing, r.elevation, r.code}; }

std::vector<std::vector<std::string>> cellsOf(const Table& t)
{
    std::vector<std::vector<std::string>> out;
    for (const Row& r : t.rows) out.push_back(cellsOf(r));
    return out;
}

// A GSI word with its data filled on the left with "0" and its separator blank.
std::string word(std::string_view head, std::string_view data, std::size_t width)
{
    return std::string(head) + std::string(width - data.size(), '0') + std::string(data) + " ";
}
std::string w8(std::string_view head, std::string_view data) { return word(head, data, 8); }
std::string w16(std::string_view head, std::string_view data) { return word(head, data, 16); }

std::string withLf(std::string s)
{
    text::replaceAll(s, "\r\n", "\n");
    return s;
}

bool everyLineEndsCrLf(std::string_view s)
{
    if (s.empty() || !s.ends_with("\r\n")) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) return false;
        if (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')) return false;
    }
    return true;
}

Table tableOf(std::vector<Row> rows, Precision p = Precision::Milli)
{
    Table t;
    t.rows = std::move(rows);
    t.precision = p;
    return t;
}

// ---- Kind of a path ----------------------------------------------------------

TEST(PointlistKind, SearchesTheLowerCasedFileNameForGsiThenDatThenIdx)
{
    const std::vector<std::pair<std::string, FileKind>> cases = {
        {"job.gsi", FileKind::Gsi},
        {"/data/JOB.GSI", FileKind::Gsi},
        {"survey.dat.gsi", FileKind::Gsi},
        {"pts.idx.dat", FileKind::Kard},
        {"/home/u/old.gsi.bak/pts.idx", FileKind::Idx}, // a folder's name says nothing
        {"/home/u/job.gsi/notes.txt", FileKind::Unknown},
        {"Pts.Idx", FileKind::Idx},
        {"points.gs", FileKind::Unknown},
        {"gsi", FileKind::Unknown},
        {"", FileKind::Unknown},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(kindOfPath(path), kind) << path;
}

// ---- GSI import --------------------------------------------------------------

TEST(PointlistImportGsi, ShowsTheFinestUnitsDecimalsAndTakesFlavour)
{
    const std::string file = "*" + w16("110001+", "P1") + w16("71....+", "TREE") + w16("81..16+", "12346") +
                             w16("82..16-", "5000") + w16("83..16+", "0") + "\r\n" + "*" + w16("110002+", "P10") +
                             w16("81..10+", "1") + w16("82..10+", "2") + w16("83..10+", "30000") + "\r\n";
    Table t = tableOf({{"old", "1", "2", "3", "x"}});
    importFile(t, FileKind::Gsi, file);
    const std::vector<std::vector<std::string>> expected = {{"P1", "1.2346", "-0.5000", "0.0000", "TREE"},
                                                            {"P10", "0.0010", "0.0020", "30.0000", ""}};
    EXPECT_EQ(cellsOf(t), expected);
    EXPECT_EQ(t.flavour, Flavour::Gsi16);
    EXPECT_EQ(t.precision, Precision::TenthMilli);

    Table lf;
    importFile(lf, FileKind::Gsi, withLf(file));
    EXPECT_EQ(cellsOf(lf), expected);
}

struct PrecisionCase {
    const char* label;
    std::vector<std::string> lines;
    Precision before;
    Precision after;
    std::optional<Flavour> flavour;
};

void PrintTo(const PrecisionCase& c, std::ostream* os) { *os << c.label; }

class PointlistImportGsiPrecision : public testing::TestWithParam<PrecisionCase> {};

TEST_P(PointlistImportGsiPrecision, FinestUnitDecides)
{
    const PrecisionCase& c = GetParam();
    std::string file;
    for (const std::string& line : c.lines) file += line + "\r\n";
    Table t = tableOf({}, c.before);
    importFile(t, FileKind::Gsi, file);
    EXPECT_EQ(t.precision, c.after);
    EXPECT_EQ(t.flavour, c.flavour);
}

std::string point8(std::string_view name, std::string_view eastingHead, std::string_view easting)
{
    return w8("110001+", name) + w8(eastingHead, easting) + w8("82..10+", "1");
}

INSTANTIATE_TEST_SUITE_P(
    Units, PointlistImportGsiPrecision,
    testing::Values(
        PrecisionCase{"Millimetre", {point8("P1", "81..00+", "1234")}, Precision::HundredthMilli, Precision::Milli,
                      Flavour::Gsi8},
        PrecisionCase{"FinerLineBeforeCoarser",
                      {"*" + w16("110001+", "P1") + w16("81..18+", "1") + w16("82..10+", "1"),
                       "*" + w16("110002+", "P2") + w16("81..16+", "1") + w16("82..10+", "1")},
                      Precision::Milli, Precision::HundredthMilli, Flavour::Gsi16},
        PrecisionCase{"TenthMillimetreInputModeDot", {point8("P1", "81...6+", "1")}, Precision::Milli,
                      Precision::TenthMilli, Flavour::Gsi8},
        PrecisionCase{"ThousandthFoot", {point8("P1", "81..11+", "1000")}, Precision::Milli, Precision::TenthMilli,
                      Flavour::Gsi8},
        PrecisionCase{"TenThousandthFoot", {point8("P1", "81..17+", "1")}, Precision::Milli,
                      Precision::HundredthMilli, Flavour::Gsi8},
        PrecisionCase{"NoPointLeavesIt", {w8("110001+", "P1") + w8("71....+", "K")}, Precision::HundredthMilli,
                      Precision::HundredthMilli, std::nullopt}),
    [](const testing::TestParamInfo<PrecisionCase>& info) { return std::string(info.param.label); });

TEST(PointlistImportGsi, FootValuesAreInternationalFeetShownInMetres)
{
    Table t;
    // 1000 x 1/1000 ft, -100000 x 1/10000 ft, 12345678 x 1/1000 ft, worked out by hand:
    // 0.3048 m, -3.048 m, 3762.962654 m (shown with the finest unit's five decimals).
    importFile(t, FileKind::Gsi,
               w8("110001+", "P1") + w8("81..11+", "1000") + w8("82..17-", "100000") + w8("83..11+", "12345678") + "\n");
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(cellsOf(t.rows[0]), (std::vector<std::string>{"P1", "0.30480", "-3.04800", "3762.96265", ""}));
}

TEST(PointlistImportGsi, OnlyBlocksWithNameAndPlanCoordinatesArePoints)
{
    // Neither a blank line, a code block nor a measurement may become a row: a
    // nameless row stops every export, and a row without coordinates would be
    // saved as a point at 0.
    const std::string file = w8("110001+", "P1") + w8("81..10+", "1000") + w8("82..10+", "2000") + "\r\n" + "\r\n" +
                             w8("410002+", "TREE") + "\r\n" + w8("81..10+", "5000") + w8("82..10+", "6000") + "\r\n" +
                             w8("110003+", "0") + w8("81..10+", "3000") + w8("82..10+", "-") + "\r\n" +
                             w8("110004+", "S1") + w8("21.324+", "09000000") + w8("31..00+", "12345") + "\r\n" +
                             w8("110005+", "P5") + w8("81..10+", "4000") + w8("82..10-", "4000") + "\r\n" +
                             w8("110006+", "P6") + w8("81..10+", "7000") + "82..10+0001";
    Table t;
    const ImportReport report = importFile(t, FileKind::Gsi, file);
    EXPECT_EQ(cellsOf(t), (std::vector<std::vector<std::string>>{{"P1", "1.000", "2.000", "", ""},
                                                                 {"P5", "4.000", "-4.000", "", ""}}));
    EXPECT_EQ(report.withoutCoordinates, 4u); // code, placeholder, measurement, cut off
    EXPECT_EQ(report.withoutName, 1u);
    EXPECT_EQ(importNotes(report, FileKind::Gsi),
              (std::vector<std::string>{"4 blocks without coordinates were skipped.",
                                        "1 block without a point name was skipped."}));
    // A 2D point saves without elevation, in every kind: never as 0.
    EXPECT_EQ(exportFile(t, FileKind::Kard, std::nullopt, kMarch7).content, "P1,,1.000,2.000,\r\nP5,,4.000,-4.000,\r\n");
    EXPECT_EQ(exportFile(t, FileKind::Gsi, Flavour::Gsi8, kMarch7).content,
              w8("110001+", "P1") + w8("71....+", "") + w8("81..10+", "1000") + w8("82..10+", "2000") + "\r\n" +
                  w8("110002+", "P5") + w8("71....+", "") + w8("81..10+", "4000") + w8("82..10-", "4000") + "\r\n");
}

// ---- KARD and IDX import --------------------------------------------------

TEST(PointlistImportKard, SkipsOddLinesKeepsCodesAndFlavour)
{
    const std::string file = "Name,Easting,Northing\r\n"
                             "A1,TREE,10.000,20.000,3.000\r\n"
                             "\r\n"
                             "A2,,1,2,3,\r\n"
                             ",KERB,1,2,3\r\n"
                             "A3,,-1.5,2,0.25\r\n";
    Table t = tableOf({{"old", "", "", "", ""}}, Precision::TenthMilli);
    t.flavour = Flavour::Gsi16;
    const ImportReport report = importFile(t, FileKind::Kard, file);
    const std::vector<std::vector<std::string>> expected = {{"A1", "10.000", "20.000", "3.000", "TREE"},
                                                            {"A3", "-1.5", "2", "0.25", ""}};
    EXPECT_EQ(cellsOf(t), expected);
    EXPECT_EQ(t.precision, Precision::TenthMilli);
    EXPECT_EQ(t.flavour, Flavour::Gsi16);
    EXPECT_EQ(importNotes(report, FileKind::Kard),
              (std::vector<std::string>{"1 line without a point name was skipped."}));

    importFile(t, FileKind::Kard, withLf(file));
    EXPECT_EQ(cellsOf(t), expected);

    // Five decimals in the file raise the precision, so a GSI save keeps them.
    t.precision = Precision::Milli;
    importFile(t, FileKind::Kard, "A1,,1.00001,2,3\r\n");
    EXPECT_EQ(t.precision, Precision::HundredthMilli);
}

TEST(PointlistImportIdx, TakesCodesAndConvertsFeet)
{
    const std::string file = "    LINEAR     US_SURVEY_FEET\r\n"
                             "  POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)\r\n"
                             "    1,  \"P1\",  \"TREE\",    1000,  0,  -10,  FIX;\r\n";
    Table t = tableOf({}, Precision::HundredthMilli);
    importFile(t, FileKind::Idx, file);
    // US survey feet, 1200/3937 m: 1000 ft = 304.80061 m, -10 ft = -3.04801 m.
    EXPECT_EQ(cellsOf(t), (std::vector<std::vector<std::string>>{{"P1", "304.8006", "0.0000", "-3.0480", "TREE"}}));
    EXPECT_EQ(t.precision, Precision::HundredthMilli);
    EXPECT_FALSE(t.flavour.has_value());
    importFile(t, FileKind::Idx, file);
    t.precision = Precision::Milli;
    importFile(t, FileKind::Idx, file);
    EXPECT_EQ(t.precision, Precision::TenthMilli);
}

TEST(PointlistImport, UnknownKindOnlyClearsTheRows)
{
    Table t = tableOf({{"P1", "1", "2", "3", ""}});
    importFile(t, FileKind::Unknown, "P2,,1,2,3\r\n");
    EXPECT_TRUE(t.rows.empty());
}

// ---- Precision -----------------------------------------------------------------

struct ReformatCase {
    Precision from;
    Precision to;
    const char* cell;
    const char* expected;
};

TEST(PointlistPrecision, ReformatsCoordinateCells)
{
    const std::vector<ReformatCase> cases = {
        {Precision::Milli, Precision::TenthMilli, "12.345", "12.3450"},
        {Precision::TenthMilli, Precision::Milli, "12.3456", "12.346"},
        // Rounded after adding a tenth of the new last place, so a 5 rounds up.
        {Precision::TenthMilli, Precision::Milli, "0.1245", "0.125"},
        // Negative values round as their mirror does: half away from zero.
        {Precision::TenthMilli, Precision::Milli, "-12.3456", "-12.346"},
        {Precision::TenthMilli, Precision::Milli, "-0.1245", "-0.125"},
        {Precision::HundredthMilli, Precision::TenthMilli, "-1.00003", "-1.0000"},
        {Precision::HundredthMilli, Precision::TenthMilli, "1.00003", "1.0000"},
        {Precision::Milli, Precision::HundredthMilli, "-3.1", "-3.10000"},
        {Precision::Milli, Precision::TenthMilli, "12.3450", "12.3450"}, // already four decimals
        // An empty cell holds no value: it stays empty, never 0.
        {Precision::Milli, Precision::TenthMilli, "", ""},
        {Precision::TenthMilli, Precision::Milli, "", ""},
        // Without a point every character counts as a decimal.
        {Precision::Milli, Precision::TenthMilli, "12", "12.0000"},
        {Precision::Milli, Precision::TenthMilli, "1234", "1234"},
        {Precision::TenthMilli, Precision::Milli, "12345", "12345.000"},
        {Precision::TenthMilli, Precision::Milli, "1.2.3456", "1.200"},
    };
    for (const ReformatCase& c : cases) {
        Table t = tableOf({{"P1", c.cell, c.cell, c.cell, "1.23456"}}, c.from);
        changePrecision(t, c.to);
        EXPECT_EQ(t.precision, c.to);
        EXPECT_EQ(cellsOf(t.rows[0]), (std::vector<std::string>{"P1", c.expected, c.expected, c.expected, "1.23456"}))
            << c.cell << " from " << info(c.from).text << " to " << info(c.to).text;
    }
}

TEST(PointlistPrecision, UnchangedPrecisionLeavesCellsAlone)
{
    Table t = tableOf({{"P1", "1.23456", "", "7", ""}}, Precision::Milli);
    changePrecision(t, Precision::Milli);
    EXPECT_EQ(cellsOf(t.rows[0]), (std::vector<std::string>{"P1", "1.23456", "", "7", ""}));
}

TEST(PointlistPrecision, RowsAfterANamelessRowAreReformattedToo)
{
    Table t = tableOf({{"P1", "1", "2", "3", ""}, {"", "4", "5", "6", ""}, {"P3", "7", "8", "9", ""}});
    changePrecision(t, Precision::TenthMilli);
    EXPECT_EQ(t.rows[2].easting, "7.0000");
    EXPECT_EQ(t.rows[1].elevation, "6.0000");
}

TEST(PointlistPrecision, ParsesOnlyTheThreeSettings)
{
    EXPECT_EQ(parsePrecision("0.00001"), Precision::HundredthMilli);
    EXPECT_EQ(parsePrecision("0.0001"), Precision::TenthMilli);
    EXPECT_EQ(parsePrecision("0.001"), Precision::Milli);
    EXPECT_FALSE(parsePrecision("0.01"));
    EXPECT_FALSE(parsePrecision(""));
}

// ---- Save path ---------------------------------------------------------------

TEST(PointlistSavePath, PseudoExtensionsChooseTheFlavour)
{
    struct Case {
        const char* chosen;
        std::optional<Flavour> current;
        const char* path;
        FileKind kind;
        std::optional<Flavour> flavour;
    };
    const std::vector<Case> cases = {
        {"/jobs/job.gsi16", std::nullopt, "/jobs/job.gsi", FileKind::Gsi, Flavour::Gsi16},
        {"/jobs/job.gsi8", Flavour::Gsi16, "/jobs/job.gsi", FileKind::Gsi, Flavour::Gsi8},
        {"/jobs/Job.GSI16", Flavour::Gsi8, "/jobs/Job.gsi", FileKind::Gsi, Flavour::Gsi16},
        {"/jobs/job.gsi", Flavour::Gsi16, "/jobs/job.gsi", FileKind::Gsi, Flavour::Gsi16},
        {"/jobs/job.gsi", std::nullopt, "/jobs/job.gsi", FileKind::Gsi, std::nullopt},
        {"/jobs/job.dat", Flavour::Gsi8, "/jobs/job.dat", FileKind::Kard, Flavour::Gsi8},
        {"/jobs/job.idx", std::nullopt, "/jobs/job.idx", FileKind::Idx, std::nullopt},
        {"/jobs/job.txt", std::nullopt, "/jobs/job.txt", FileKind::Unknown, std::nullopt},
    };
    for (const Case& c : cases) {
        const SaveTarget t = resolveSavePath(c.chosen, c.current);
        EXPECT_EQ(t.path, c.path) << c.chosen;
        EXPECT_EQ(t.kind, c.kind) << c.chosen;
        EXPECT_EQ(t.flavour, c.flavour) << c.chosen;
    }
}

// ---- Export ---------------------------------------------------------------------

TEST(PointlistExport, GsiEightBlockByteForByte)
{
    const Table t = tableOf({{"P12", "1234.5678", "20.5", "0", "TREE"}});
    const ExportResult r = exportFile(t, FileKind::Gsi, Flavour::Gsi8, kMarch7);
    EXPECT_EQ(r.content, "110001+00000P12 71....+0000TREE 81..10+01234568 82..10+00020500 83..10+00000000 \r\n");
    EXPECT_EQ(r.rowsWritten, 1u);
    EXPECT_EQ(r.valuesCut, 0u);
}

TEST(PointlistExport, TenthMillimetreGsiOpenedAndSavedKeepsEveryStep)
{
    Table t;
    const std::string file = w8("110001+", "P1") + w8("71....+", "") + w8("81..16+", "12346") + w8("82..16-", "20") +
                             w8("83..16+", "7") + "\r\n";
    importFile(t, FileKind::Gsi, file);
    ASSERT_EQ(t.precision, Precision::TenthMilli);
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0].easting, "1.2346");
    EXPECT_EQ(exportFile(t, FileKind::Gsi, t.flavour, kMarch7).content, file);
}

TEST(PointlistExport, CountsValuesTooLongForTheFlavour)
{
    const Table t = tableOf({{"P1", "123456.789", "99999.999", "-100000", ""}});
    EXPECT_EQ(exportFile(t, FileKind::Gsi, Flavour::Gsi8, kMarch7).valuesCut, 2u);
    EXPECT_EQ(exportFile(t, FileKind::Gsi, Flavour::Gsi16, kMarch7).valuesCut, 0u);
}

TEST(PointlistExport, EveryKindStopsAtTheFirstEmptyName)
{
    const Table t = tableOf({{"P1", "1.000", "2.000", "3.000", "K"}, {"", "4", "5", "6", ""}, {"P3", "7", "8", "9", ""}});
    EXPECT_EQ(exportableRows(t), 1u);

    const ExportResult kard = exportFile(t, FileKind::Kard, std::nullopt, kMarch7);
    EXPECT_EQ(kard.content, "P1,K,1.000,2.000,3.000\r\n");
    EXPECT_EQ(kard.rowsWritten, 1u);

    const ExportResult idx = exportFile(t, FileKind::Idx, std::nullopt, kMarch7);
    EXPECT_NE(idx.content.find("    1,  \"P1\",  \"K\",    1.000,  2.000,  3.000,  FIX;\r\n"
                               "    THEMINFO"),
              std::string::npos);
    EXPECT_EQ(idx.rowsWritten, 1u);

    for (Flavour f : {Flavour::Gsi8, Flavour::Gsi16}) {
        const ExportResult gsi = exportFile(t, FileKind::Gsi, f, kMarch7);
        EXPECT_EQ(text::splitLines(gsi.content).size(), 1u);
        EXPECT_EQ(gsi.rowsWritten, 1u);
    }
}

TEST(PointlistExport, NothingWithoutAFlavourOrAKnownKind)
{
    const Table t = tableOf({{"P1", "1", "2", "3", ""}});
    for (FileKind kind : {FileKind::Gsi, FileKind::Unknown}) {
        const ExportResult r = exportFile(t, kind, std::nullopt, kMarch7);
        EXPECT_EQ(r.content, "");
        EXPECT_EQ(r.rowsWritten, 0u);
    }
}

// Writing a generated list and importing the file gives the list back, as far
// as each format carries it.
TEST(PointlistRoundTrip, EveryFormatReadsBackWhatItWrote)
{
    Table t;
    unsigned state = 7;
    auto next = [&state](int range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 9) % static_cast<unsigned>(2 * range + 1)) - range;
    };
    for (int i = 0; i < 120; ++i) {
        t.rows.push_back(Row{"P" + std::to_string(i + 1), text::formatFixed(next(99999999) / 1000.0, 3),
                             text::formatFixed(next(999999) / 1000.0, 3), text::formatFixed(next(9999) / 1000.0, 3),
                             i % 4 == 0 ? "" : "K" + std::to_string(i % 9)});
    }
    struct Case {
        FileKind kind;
        std::optional<Flavour> flavour;
        bool keepsCode;
    };
    for (const Case& c : {Case{FileKind::Gsi, Flavour::Gsi8, true}, Case{FileKind::Gsi, Flavour::Gsi16, true},
                          Case{FileKind::Kard, std::nullopt, true}, Case{FileKind::Idx, std::nullopt, true}}) {
        const ExportResult r = exportFile(t, c.kind, c.flavour, kMarch7);
        EXPECT_EQ(r.rowsWritten, t.rows.size());
        EXPECT_EQ(r.valuesCut, 0u);
        EXPECT_TRUE(everyLineEndsCrLf(r.content));

        Table back;
        importFile(back, c.kind, r.content);
        ASSERT_EQ(back.rows.size(), t.rows.size()) << static_cast<int>(c.kind);
        for (std::size_t i = 0; i < t.rows.size(); ++i) {
            Row want = t.rows[i];
            if (!c.keepsCode) want.code.clear();
            EXPECT_EQ(cellsOf(back.rows[i]), cellsOf(want)) << "row " << i << " kind " << static_cast<int>(c.kind);
        }
        if (c.flavour) {
            EXPECT_EQ(back.flavour, c.flavour);
        }
        EXPECT_EQ(back.precision, Precision::Milli);
    }
}

// The window's tests see the empty-name stop and the rows past 9999; here,
// what each format cannot hold.
TEST(PointlistSaveLosses, NamesAndValuesEachFormatCannotHold)
{
    const SaveTarget gsi8{"/w/a.gsi", FileKind::Gsi, Flavour::Gsi8};
    const SaveTarget gsi16{"/w/a.gsi", FileKind::Gsi, Flavour::Gsi16};
    Table table;
    table.rows.push_back({"EIGHTCHR", "1.000", "2.000", "3.000", "NINECHARS"});
    table.rows.push_back({"NINECHARS", "1.000", "2.000", "", ""});

    EXPECT_TRUE(saveLosses(table, gsi16, {"", 2, 0}).empty());
    EXPECT_EQ(saveLosses(table, gsi8, {"", 2, 3}),
              (std::vector<std::string>{
                  "3 coordinate value(s) have more digits than GSI-8 holds and keep only their rightmost digits.",
                  "2 name(s) or code(s) are longer than the 8 characters GSI-8 holds and keep only their last "
                  "characters."}));
    // Rows not written are not counted again.
    EXPECT_EQ(saveLosses(table, gsi8, {"", 1, 0}).size(), 2u);

    // A row without a northing writes no 82 and would not read back as a point.
    table.rows[1].northing.clear();
    EXPECT_EQ(saveLosses(table, gsi16, {"", 2, 0}),
              (std::vector<std::string>{"1 row(s) lack an easting or a northing: GSI writes no value for them, and "
                                        "they will not read back as points."}));

    Table texts;
    texts.rows.push_back({"A,1", "1", "2", "3", "KERB \"7\""});
    texts.rows.push_back({"B 2", "1", "2", "3", "TREE"});
    EXPECT_EQ(saveLosses(texts, {"/w/a.dat", FileKind::Kard, std::nullopt}, {"", 2, 0}),
              (std::vector<std::string>{"2 name(s) or code(s) hold a comma or a double quote, which KARD cannot "
                                        "hold: those points will not read back as they are."}));
    EXPECT_EQ(saveLosses(texts, {"/w/a.idx", FileKind::Idx, std::nullopt}, {"", 2, 0}),
              (std::vector<std::string>{"3 name(s) or code(s) hold a comma, a double quote or a blank, which IDX "
                                        "cannot hold: those points will not read back as they are."}));
}

} // namespace
} // namespace harwick::pointlist
