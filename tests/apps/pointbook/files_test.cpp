// Open, Save and SaveAs through the window's menus: the GSI flavour kept and
// chosen, the precision a GSI file brings, export stopping at the first
// empty name, files that cannot be opened or written, and every sample file
// round-tripped through every format.
#include "window_fixture.h"

#include "text/text.h"

#include <cmath>

namespace pointbook::testing {
namespace {

namespace fs = std::filesystem;
using harwick::testing::ReadFile;
using harwick::testing::WriteFile;

bool StartsWith(const std::string& s, std::string_view prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool Contains(const std::string& s, std::string_view part)
{
    return s.find(part) != std::string::npos;
}

std::vector<std::string> LinesOf(const std::string& content)
{
    return harwick::text::splitLines(content);
}

TEST_F(PointbookTest, SaveKeepsTheFlavourOfTheOpenedGsi)
{
    for (const char* sample : {"job-north-gsi16.gsi", "job-north-gsi8.gsi"}) {
        SCOPED_TRACE(sample);
        const bool gsi16 = Contains(sample, "gsi16");
        // The kind is recognised whatever the case; the file keeps its name.
        const fs::path job = Dir() / (gsi16 ? "North16.GSI" : "North8.GSI");
        fs::copy_file(Sample(sample), job);
        ASSERT_TRUE(OpenThroughMenu(job));
        const pointlist::Table opened = Points();
        Type(0, Column::Code, "EDITED");
        Trigger(kSaveAction);

        const std::vector<std::string> lines = LinesOf(ReadFile(job));
        ASSERT_EQ(lines.size(), opened.rows.size());
        for (const std::string& line : lines) EXPECT_EQ(StartsWith(line, "*11"), gsi16) << line;
        EXPECT_TRUE(Contains(lines[0], "EDITED"));
        EXPECT_TRUE(prompter.messages.empty());
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir()), fs::directory_iterator()), 2);
}

TEST_F(PointbookTest, SaveAsGsiEntriesWriteJobGsiInTheChosenFlavour)
{
    Type(0, Column::Name, "P1");
    Type(0, Column::Easting, "1.000");
    Type(0, Column::Northing, "2.000");
    const fs::path job = Dir() / "job.gsi";

    SaveAsThroughMenu(Dir() / "job", kGsi8Filter);
    EXPECT_TRUE(StartsWith(ReadFile(job), "110001+000000P1 71....+00000000 81..10+00001000 "));
    EXPECT_FALSE(fs::exists(Dir() / "job.gsi8"));
    EXPECT_TRUE(prompter.questions.empty());

    // Replacing asks about the file written, job.gsi, and No keeps it.
    prompter.answers.push_back(false);
    SaveAsThroughMenu(Dir() / "job", kGsi16Filter);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(StartsWith(prompter.questions[0], job.string() + " already exists."));
    EXPECT_TRUE(StartsWith(ReadFile(job), "110001+"));

    prompter.answers.push_back(true);
    SaveAsThroughMenu(Dir() / "job", kGsi16Filter);
    EXPECT_TRUE(StartsWith(ReadFile(job), "*110001+00000000000000P1 71....+"));

    // Save afterwards writes the flavour last chosen, without a dialog.
    Type(0, Column::Code, "C");
    Trigger(kSaveAction);
    EXPECT_TRUE(StartsWith(ReadFile(job), "*110001+00000000000000P1 71....+000000000000000C "));
    EXPECT_EQ(Window().Editor().CurrentPath(), job.string());
}

TEST_F(PointbookTest, GsiNameWithoutAFlavourIsWrittenAsGsi16)
{
    Type(0, Column::Name, "P1");
    Type(0, Column::Easting, "1");
    Type(0, Column::Northing, "2");
    SaveAsThroughMenu(Dir() / "typed.gsi", kKardFilter);
    EXPECT_TRUE(StartsWith(ReadFile(Dir() / "typed.gsi"), "*110001+"));
    EXPECT_EQ(Window().Editor().Flavour(), gsi::Flavour::Gsi16);
}

TEST_F(PointbookTest, KardHeadingLineLeavesNoEmptyRowInFront)
{
    const fs::path file = Dir() / "site.dat";
    WriteFile(file, "Points of the north site\r\nSTN1,,2150.000,4820.000,112.450\r\nBM7,BM,1,2,3\r\n");
    ASSERT_TRUE(OpenThroughMenu(file));
    ASSERT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Cell(0, Column::Name), "STN1");
    EXPECT_EQ(Cell(0, Column::Elevation), "112.450");
    EXPECT_EQ(Cell(1, Column::Name), "BM7");
    EXPECT_EQ(Cell(1, Column::Code), "BM");
    EXPECT_EQ(StatusText(), "Opened " + file.string() + ": 2 point(s).");
}

TEST_F(PointbookTest, TenthMillimetreGsiShowsAndKeepsItsSteps)
{
    ASSERT_TRUE(OpenThroughMenu(Sample("job-north-gsi16.gsi")));
    EXPECT_EQ(Cell(0, Column::Easting), "2150.0005");
    runner.Then([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox*>(kPrecisionCombo)->currentText().toStdString(), "0.0001");
        return static_cast<int>(QDialog::Rejected);
    });
    Trigger(kSettingAction);
    EXPECT_TRUE(runner.Done());

    SaveAsThroughMenu(Dir() / "out", kGsi8Filter);
    EXPECT_TRUE(Contains(LinesOf(ReadFile(Dir() / "out.gsi"))[0], " 81..16+21500005 "));
}

TEST_F(PointbookTest, OpenSaysWhatWasSkippedAndLeavesMissingValuesEmpty)
{
    const fs::path file = Dir() / "field.gsi";
    WriteFile(file, "110001+000000P1 81..10+00001000 82..10+00002000 \r"
                    "110002+000000S1 21.324+09000000 31..00+00012345 \r"
                    "410003+0000TREE \r"
                    "110004+000000P4 81..10+00004000 82..10+00005000 83..10+--------\r");
    // The measured block could be computed; No opens the file as it always did.
    prompter.answers.push_back(false);
    ASSERT_TRUE(OpenThroughMenu(file));
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(Contains(prompter.questions[0], "holds 1 measured block without coordinates"));
    prompter.questions.clear();
    ASSERT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Cell(1, Column::Name), "P4");
    EXPECT_EQ(Cell(1, Column::Elevation), "");
    EXPECT_EQ(StatusText(), "Opened " + file.string() + ": 2 point(s). 2 blocks without coordinates were skipped.");
    EXPECT_TRUE(prompter.messages.empty());

    // Saved as GSI, the 2D points keep no elevation: no 83 word, never 0.
    Trigger(kSaveAction);
    EXPECT_EQ(ReadFile(file), "110001+000000P1 71....+00000000 81..10+00001000 82..10+00002000 \r\n"
                              "110002+000000P4 71....+00000000 81..10+00004000 82..10+00005000 \r\n");
    EXPECT_EQ(StatusText(), "Saved " + file.string() + ": 2 point(s).");
}

// A job of measurements opens as computed points when asked, and Save then
// asks for a new name: the job is never overwritten with its points.
TEST_F(PointbookTest, MeasuredJobOpensAsComputedPointsAndKeepsTheJob)
{
    const fs::path job = Dir() / "job.gsi";
    // Station E 1000, N 2000, H 100, instrument 1.500. P1: 50 gon, level
    // (100 gon), 100 m slope, reflector 1.600: 100 sin 50 gon = 70.7107 east
    // and north, H = 100 + 1.500 + 0 - 1.600 = 99.900.
    const std::string text =
        "110001+0000STN1 84..10+01000000 85..10+02000000 86..10+00100000 88..10+00001500 \r\n"
        "110002+000000P1 21.322+05000000 22.322+10000000 31..00+00100000 87..10+00001600 71....+0000KERB \r\n"
        "110003+000000P3 21.322+05000000 \r\n";
    WriteFile(job, text);
    prompter.answers.push_back(true);
    files.open.push_back(job.string());
    Trigger(kOpenAction);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(Contains(prompter.questions[0], "holds 2 measured blocks without coordinates"));
    ASSERT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(Cell(0, Column::Name), "P1");
    EXPECT_EQ(Cell(0, Column::Easting), "1070.711");
    EXPECT_EQ(Cell(0, Column::Northing), "2070.711");
    EXPECT_EQ(Cell(0, Column::Elevation), "99.900");
    EXPECT_EQ(Cell(0, Column::Code), "KERB");
    EXPECT_EQ(StatusText(), "Opened " + job.string() +
                                ": 1 point(s). 1 point computed from measurements. 1 measured block skipped. Computed "
                                "points are saved under a new name, so that the measurements are kept.");

    files.save.push_back(SaveChoice{(Dir() / "points").string(), kGsi8Filter});
    Trigger(kSaveAction);
    EXPECT_EQ(ReadFile(job), text);
    EXPECT_EQ(ReadFile(Dir() / "points.gsi"), "110001+000000P1 71....+0000KERB 81..10+01070711 82..10+02070711 "
                                              "83..10+00099900 \r\n");
}

TEST_F(PointbookTest, ExportStopsAtTheFirstEmptyNameAndSaysSo)
{
    Type(0, Column::Name, "A");
    Type(1, Column::Name, "B");
    Type(2, Column::Name, "C");
    Type(1, Column::Name, "");
    // Asked before writing; No writes nothing.
    prompter.answers.push_back(false);
    SaveAsThroughMenu(Dir() / "stop", kKardFilter);
    EXPECT_FALSE(fs::exists(Dir() / "stop.dat"));
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(Contains(prompter.questions[0], "Only 1 of 3 rows are saved: row 2 has no name"));
    EXPECT_TRUE(Contains(prompter.questions[0], "Save anyway?"));
    EXPECT_EQ(StatusText(), "Nothing was saved.");

    prompter.answers.push_back(true);
    SaveAsThroughMenu(Dir() / "stop", kKardFilter);
    EXPECT_EQ(ReadFile(Dir() / "stop.dat"), "A,,,,\r\n");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Model().rowCount(), 4); // the grid keeps every row
}

TEST_F(PointbookTest, NamesAFormatCannotHoldAreAskedAboutBeforeWriting)
{
    Type(0, Column::Name, "WALL,7");
    Type(0, Column::Easting, "1");
    Type(0, Column::Northing, "2");
    Type(1, Column::Name, "LONGNAME9");
    Type(1, Column::Easting, "1");
    Type(1, Column::Northing, "2");
    prompter.answers.push_back(false);
    SaveAsThroughMenu(Dir() / "site", kKardFilter);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(Contains(prompter.questions[0], "1 name(s) or code(s) hold a comma or a double quote, which KARD"));
    EXPECT_FALSE(fs::exists(Dir() / "site.dat"));

    prompter.answers.push_back(false);
    SaveAsThroughMenu(Dir() / "site", kGsi8Filter);
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_TRUE(Contains(prompter.questions[1], "1 name(s) or code(s) are longer than the 8 characters GSI-8"));
    EXPECT_FALSE(fs::exists(Dir() / "site.gsi"));
    EXPECT_EQ(Window().Editor().CurrentPath(), "");
}

TEST_F(PointbookTest, FilesThatCannotBeOpenedLeaveTheGridAsItWas)
{
    Type(0, Column::Name, "KEEP");
    WriteFile(Dir() / "notes.txt", "just some words\r\n");
    WriteFile(Dir() / "both.txt", "P1,5,10.000,20.000,1.000\r\nP2,7,11.000,21.000,1.100\r\n");
    WriteFile(Dir() / "empty.gsi", "");
    const fs::path attempts[] = {Dir() / "missing.gsi", Dir() / "notes.txt", Dir() / "both.txt", Dir() / "empty.gsi"};
    const char* says[] = {"Cannot open ", "is not a point file", " could be KARD or CSV: give it the extension",
                          "No points were found in "};
    for (std::size_t i = 0; i < std::size(attempts); ++i) {
        EXPECT_FALSE(OpenThroughMenu(attempts[i]));
        ASSERT_EQ(prompter.messages.size(), i + 1);
        EXPECT_TRUE(Contains(prompter.messages[i], says[i])) << prompter.messages[i];
        EXPECT_TRUE(Contains(prompter.messages[i], kGridKept));
        ASSERT_EQ(Model().rowCount(), 2);
        EXPECT_EQ(Cell(0, Column::Name), "KEEP");
    }
    EXPECT_EQ(Window().Editor().CurrentPath(), "");
    files.open.push_back(std::nullopt); // cancelled
    Trigger(kOpenAction);
    EXPECT_EQ(prompter.messages.size(), std::size(attempts));
}

TEST_F(PointbookTest, SaveWritesNothingItCannotWriteWhole)
{
    Type(0, Column::Name, "P1");
    SaveAsThroughMenu(Dir() / "job.txt", kKardFilter);
    EXPECT_FALSE(fs::exists(Dir() / "job.txt"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(Contains(prompter.messages[0], "Nothing was saved"));

    SaveAsThroughMenu(Dir() / "no-such-folder" / "job", kKardFilter);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(StartsWith(prompter.messages[1], "Cannot save "));
    EXPECT_EQ(Window().Editor().CurrentPath(), "");

    // Save with no current path asks for a name; Cancel writes nothing.
    files.save.push_back(std::nullopt);
    Trigger(kSaveAction);
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir()), fs::directory_iterator()), 0);
}

TEST_F(PointbookTest, RowsBeyond9999AreSavedAndTheUserIsWarned)
{
    std::string kard;
    for (int i = 1; i <= 10001; ++i) kard += "P" + std::to_string(i) + ",,1.000,2.000,3.000\r\n";
    WriteFile(Dir() / "big.dat", kard);
    ASSERT_TRUE(OpenThroughMenu(Dir() / "big.dat"));
    EXPECT_EQ(Model().rowCount(), 10002);

    prompter.answers.push_back(true);
    SaveAsThroughMenu(Dir() / "big", kGsi16Filter);
    const std::vector<std::string> lines = LinesOf(ReadFile(Dir() / "big.gsi"));
    ASSERT_EQ(lines.size(), 10001u);
    EXPECT_TRUE(StartsWith(lines[9998], "*119999+"));
    EXPECT_TRUE(StartsWith(lines[10000], "*11....+0000000000P10001 "));
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(Contains(prompter.questions[0], "2 rows after row 9999 are saved without a block number"));
}

// An IDX file stamps the time it was written.
std::string WithoutStamp(const std::string& content)
{
    std::string out;
    for (const std::string& line : LinesOf(content)) {
        if (!Contains(line, "CREATION_DATE") && !Contains(line, "date=\"")) out += line + "\n";
    }
    return out;
}

void ExpectSamePoints(const pointlist::Table& saved, const pointlist::Table& original)
{
    ASSERT_EQ(saved.rows.size(), original.rows.size());
    for (std::size_t i = 0; i < saved.rows.size(); ++i) {
        const pointlist::Row& s = saved.rows[i];
        const pointlist::Row& o = original.rows[i];
        EXPECT_EQ(s.name, o.name) << i;
        EXPECT_EQ(s.code, o.code) << i;
        for (auto cell : {&pointlist::Row::easting, &pointlist::Row::northing, &pointlist::Row::elevation}) {
            EXPECT_NEAR(harwick::text::readNumber(s.*cell), harwick::text::readNumber(o.*cell), 0.0006)
                << i << " " << s.*cell << " " << o.*cell;
        }
    }
}

TEST_F(PointbookTest, SampleFilesRoundTripThroughEveryFormat)
{
    const char* samples[] = {"job-north-gsi16.gsi", "job-north-gsi8.gsi", "site-points.dat", "creek-feet.idx"};
    const char* written[] = {"out.gsi", "out.gsi", "out.idx", "out.dat", "out.csv", "out.geojson", "out.xml", "out.dxf"};
    static_assert(std::size(written) == kSaveFilters.size());
    for (const char* sample : samples) {
        for (std::size_t filter = 0; filter < kSaveFilters.size(); ++filter) {
            SCOPED_TRACE(std::string(sample) + " as " + written[filter]);
            ASSERT_TRUE(OpenThroughMenu(Sample(sample)));
            const pointlist::Table original = Points();
            ASSERT_GE(original.rows.size(), 10u);
            const fs::path target = Dir() / written[filter];
            fs::remove(target);
            SaveAsThroughMenu(Dir() / "out", filter);
            ASSERT_TRUE(OpenThroughMenu(target));
            ExpectSamePoints(Points(), original);
            // Saving again, in the file's own format, changes nothing.
            const std::string first = WithoutStamp(ReadFile(target));
            Trigger(kSaveAction);
            EXPECT_EQ(WithoutStamp(ReadFile(target)), first);
        }
    }
    EXPECT_TRUE(prompter.messages.empty());
}

// Lists from other tools open by their name or, where it says nothing, by
// their content, and Save writes them back as what they were.
TEST_F(PointbookTest, ListsOfOtherToolsOpenAndSaveAsWhatTheyWere)
{
    const fs::path csv = Dir() / "from-spreadsheet.txt";
    WriteFile(csv, "Point;East;North;Height;Desc\r\nA 1;100,5;200,25;12,3;kerb\r\nB2;101;201;;\r\n");
    ASSERT_TRUE(OpenThroughMenu(csv));
    ASSERT_EQ(Model().rowCount(), 3); // and the empty row to type into
    EXPECT_EQ(Cell(0, Column::Name), "A 1");
    EXPECT_EQ(Cell(0, Column::Easting), "100.5");
    EXPECT_EQ(Cell(0, Column::Code), "kerb");
    EXPECT_TRUE(StartsWith(StatusText(), "Opened " + csv.string() + ": 2 point(s)."));
    Type(1, Column::Code, "FENCE");
    Trigger(kSaveAction);
    // The delimiter and the decimal comma are the file's own.
    EXPECT_EQ(ReadFile(csv), "name;easting;northing;elevation;code\r\nA 1;100,5;200,25;12,3;kerb\r\nB2;101;201;;FENCE\r\n");

    // A GSI-8 job under a name that says nothing is saved as GSI-8 again.
    const fs::path gsi8 = Dir() / "north.txt";
    fs::copy_file(Sample("job-north-gsi8.gsi"), gsi8);
    ASSERT_TRUE(OpenThroughMenu(gsi8));
    Trigger(kSaveAction);
    EXPECT_TRUE(StartsWith(ReadFile(gsi8), "110001+")) << ReadFile(gsi8).substr(0, 40);
    ASSERT_TRUE(OpenThroughMenu(csv));

    WriteFile(Dir() / "broken.geojson", "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",");
    EXPECT_FALSE(OpenThroughMenu(Dir() / "broken.geojson"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(StartsWith(prompter.messages[0], "Cannot open " + (Dir() / "broken.geojson").string() + ": line 1"))
        << prompter.messages[0];
    EXPECT_EQ(Window().Editor().CurrentPath(), csv.string());
    EXPECT_EQ(Cell(0, Column::Name), "A 1");
}

// A drawing holds codes as layer names: a code that is not one is asked
// about before the drawing is written, and No writes nothing.
TEST_F(PointbookTest, DrawingsAskBeforeCodesBecomeOtherLayerNames)
{
    Type(0, Column::Name, "P1");
    Type(0, Column::Easting, "1.000");
    Type(0, Column::Northing, "2.000");
    Type(0, Column::Code, "MH/12");
    prompter.answers.push_back(false);
    SaveAsThroughMenu(Dir() / "plan", kDxfFilter);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(Contains(prompter.questions[0], "the code \"MH/12\" is drawn on layer \"MH_12\""))
        << prompter.questions[0];
    EXPECT_FALSE(fs::exists(Dir() / "plan.dxf"));
    prompter.answers.push_back(true);
    SaveAsThroughMenu(Dir() / "plan", kDxfFilter);
    ASSERT_TRUE(fs::exists(Dir() / "plan.dxf"));
    EXPECT_EQ(StatusText(), "Saved " + (Dir() / "plan.dxf").string() + ": 1 point(s).");
    ASSERT_TRUE(OpenThroughMenu(Dir() / "plan.dxf"));
    EXPECT_EQ(Cell(0, Column::Name), "P1");
    EXPECT_EQ(Cell(0, Column::Code), "MH_12");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PointbookTest, SamplesOpenedAndSavedComeBackUnchanged)
{
    // Files in the editor's own forms come back byte for byte (CR LF line
    // ends); the others
    // (an exchange-style GSI-8 job with code blocks, an IDX in feet) come back
    // as the same points.
    for (const char* sample : {"job-north-gsi16.gsi", "site-points.dat", "job-north-gsi8.gsi", "creek-feet.idx"}) {
        SCOPED_TRACE(sample);
        const fs::path copy = Dir() / sample;
        fs::copy_file(Sample(sample), copy, fs::copy_options::overwrite_existing);
        ASSERT_TRUE(OpenThroughMenu(copy));
        const pointlist::Table opened = Points();
        Trigger(kSaveAction);
        const bool ownForm = Contains(sample, "gsi16") || Contains(sample, ".dat");
        // The GSI-16 sample has LF line ends; the editor writes CR LF.
        if (ownForm) EXPECT_EQ(ReadFile(copy), harwick::text::withCrLfLineEnds(ReadFile(Sample(sample))));
        ASSERT_TRUE(OpenThroughMenu(copy));
        EXPECT_EQ(Points().rows.size(), opened.rows.size());
        for (std::size_t i = 0; i < opened.rows.size(); ++i) {
            const pointlist::Row& a = Points().rows[i];
            const pointlist::Row& b = opened.rows[i];
            EXPECT_EQ(std::tie(a.name, a.easting, a.northing, a.elevation, a.code),
                      std::tie(b.name, b.easting, b.northing, b.elevation, b.code))
                << i;
        }
    }
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(prompter.questions.empty());
}

} // namespace
} // namespace pointbook::testing
