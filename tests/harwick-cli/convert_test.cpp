// The batch converter end to end: the shipped samples among every output
// kind, and every way a conversion can fail without leaving a file behind.
#include "convert.h"
#include "harwick.h"
#include "ports.h"

#include "dxf/dxf.h"
#include "gsi/gsi.h"
#include "idx/idx.h"
#include "kard/kard.h"
#include "text/text.h"

#include "pty.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace harwick;

namespace {

const text::LocalDateTime kWhen{2026, 3, 7, 14, 5, 9};

fs::path sample(std::string_view name) { return fs::path(HARWICK_SOURCE_DIR) / "samples" / name; }

bool everyLineEndsCrLf(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) return false;
    }
    return !s.empty() && s.back() == '\n';
}

class ConvertTest : public ::testing::Test {
protected:
    int convert(const fs::path& in, const fs::path& out, std::optional<pointlist::Precision> precision = {})
    {
        stdout_.str("");
        stderr_.str("");
        cli::ConvertRequest request;
        request.input = in.string();
        request.output = out.string();
        request.precision = precision;
        request.library = drawmap::LibrarySearch{DRAWMAP_DIR, false};
        return cli::convert(request, kWhen, stdout_, stderr_);
    }

    std::vector<fs::path> filesInDir() const
    {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(dir_)) files.push_back(e.path().filename());
        return files;
    }

    harwick::testing::TempDir temp_{"harwick-convert"};
    const fs::path dir_ = temp_.path();
    std::ostringstream stdout_;
    std::ostringstream stderr_;
};

TEST_F(ConvertTest, EverySampleConvertsToEveryKind)
{
    struct Input {
        const char* name;
        std::size_t points;
        const char* said; // on stderr
    };
    for (Input input : {Input{"job-north-gsi8.gsi", 10,
                              "harwick convert: warning: 5 blocks without coordinates were skipped.\n"},
                        Input{"job-north-gsi16.gsi", 10, ""}, Input{"site-points.dat", 10, ""},
                        Input{"creek-feet.idx", 10, ""}}) {
        for (const char* ext : {".gsi16", ".gsi8", ".dat", ".idx"}) {
            SCOPED_TRACE(std::string(input.name) + " -> " + ext);
            fs::path out = dir_ / (std::string("out") + ext);
            stderr_.str("");
            ASSERT_EQ(convert(sample(input.name), out), cli::kExitOk) << stderr_.str();
            EXPECT_EQ(stderr_.str(), input.said);
            std::string written = harwick::testing::ReadFile(std::string(ext) == ".gsi16" || std::string(ext) == ".gsi8"
                                            ? dir_ / "out.gsi"
                                            : out);
            EXPECT_TRUE(everyLineEndsCrLf(written));
            pointlist::Table back;
            std::string path = std::string(ext) == ".gsi16" || std::string(ext) == ".gsi8" ? "x.gsi" : out.string();
            pointlist::importFile(back, pointlist::kindOfPath(path), written);
            EXPECT_EQ(pointlist::exportableRows(back), input.points);
            fs::remove(dir_ / "out.gsi");
        }
    }
}

TEST_F(ConvertTest, GsiToGsiKeepsTheNumbersAndNamesTheFlavour)
{
    fs::path out = dir_ / "north.gsi16";
    ASSERT_EQ(convert(sample("job-north-gsi8.gsi"), out), cli::kExitOk);
    EXPECT_FALSE(fs::exists(out)) << "the pseudo-extension must become .gsi";
    std::string written = harwick::testing::ReadFile(dir_ / "north.gsi");
    EXPECT_EQ(written.substr(0, 121),
              "*110001+000000000000STN1 71....+0000000000000000 81..10+0000000002150000 "
              "82..10+0000000004820000 83..10+0000000000112450 ");
    EXPECT_NE(stdout_.str().find("converted 10 point(s) from GSI-8"), std::string::npos) << stdout_.str();
}

TEST_F(ConvertTest, PlainGsiOutputKeepsTheInputFlavourAndPrecision)
{
    fs::path out = dir_ / "copy.gsi";
    ASSERT_EQ(convert(sample("job-north-gsi16.gsi"), out), cli::kExitOk);
    std::string written = harwick::testing::ReadFile(out);
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written[0], '*');
    // The sample is in tenths of a millimetre; the editor shows three decimals
    // but writes the finer unit back.
    EXPECT_NE(written.find(" 81..16+"), std::string::npos);
    EXPECT_NE(stdout_.str().find("precision 0.0001"), std::string::npos);
}

TEST_F(ConvertTest, FeetIdxBecomesMetresInKard)
{
    fs::path out = dir_ / "creek.dat";
    ASSERT_EQ(convert(sample("creek-feet.idx"), out), cli::kExitOk);
    std::string written = harwick::testing::ReadFile(out);
    // US survey feet, 1200/3937 m, with four decimals: 7053.720 ft is
    // 8464464/3937 = 2149.97815 m.
    EXPECT_EQ(written.substr(0, written.find('\n') + 1), "STN1,,2149.9782,4819.9510,112.4489\r\n");
}

TEST_F(ConvertTest, GivenPrecisionReformatsCellsAndUnit)
{
    fs::path in = dir_ / "in.dat";
    harwick::testing::WriteFile(in, "A1,,12.345,20.5,-1.5\r\n");
    ASSERT_EQ(convert(in, dir_ / "out.dat", pointlist::Precision::TenthMilli), cli::kExitOk);
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "out.dat"), "A1,,12.3450,20.5000,-1.5000\r\n");
    ASSERT_EQ(convert(in, dir_ / "out.gsi8", pointlist::Precision::HundredthMilli), cli::kExitOk);
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "out.gsi"),
              "110001+000000A1 71....+00000000 81..18+01234500 82..18+02050000 83..18-00150000 \r\n");
}

TEST_F(ConvertTest, IdxOutputIsStampedWithTheGivenTime)
{
    fs::path in = dir_ / "in.dat";
    harwick::testing::WriteFile(in, "P1,,100.000,200.000,10.000\n");
    ASSERT_EQ(convert(in, dir_ / "out.idx"), cli::kExitOk);
    std::string written = harwick::testing::ReadFile(dir_ / "out.idx");
    EXPECT_NE(written.find("    CREATION_DATE  07-03-2026/14:05:09.0\r\n"), std::string::npos);
    EXPECT_NE(written.find("    1,  \"P1\",  \"\",    100.000,  200.000,  10.000,  FIX;\r\n"), std::string::npos);
}

TEST_F(ConvertTest, ValuesTooLongForGsi8AreReported)
{
    fs::path in = dir_ / "far.dat";
    harwick::testing::WriteFile(in, "FAR,,123456.789,1.000,2.000\r\n");
    ASSERT_EQ(convert(in, dir_ / "far.gsi8"), cli::kExitOk);
    EXPECT_NE(stderr_.str().find("warning: 1 coordinate value(s)"), std::string::npos) << stderr_.str();
    EXPECT_NE(harwick::testing::ReadFile(dir_ / "far.gsi").find("81..10+23456789 "), std::string::npos);
}

TEST_F(ConvertTest, FollowsTheWindowOnFlavourKindAndWarnings)
{
    // A plain .gsi output of a list that names no flavour is GSI-16, as the
    // window saves it; the kind comes from the file's name, not its folder's.
    harwick::testing::WriteFile(dir_ / "site.dat", "P1,KERB,1,2,3\r\nNINECHARS,,4,5,6\r\n,,7,8,9\r\n");
    fs::create_directory(dir_ / "old.gsi");
    ASSERT_EQ(convert(dir_ / "site.dat", dir_ / "old.gsi" / "site.dat"), cli::kExitOk) << stderr_.str();
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "old.gsi" / "site.dat"), "P1,KERB,1,2,3\r\nNINECHARS,,4,5,6\r\n");
    EXPECT_EQ(stderr_.str(), "harwick convert: warning: 1 line without a point name was skipped.\n");

    stderr_.str("");
    ASSERT_EQ(convert(dir_ / "site.dat", dir_ / "site.gsi"), cli::kExitOk) << stderr_.str();
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "site.gsi").rfind("*110001+", 0), 0u);

    // Whatever the window would ask about is said on stderr.
    stderr_.str("");
    ASSERT_EQ(convert(dir_ / "site.dat", dir_ / "site.gsi8"), cli::kExitOk) << stderr_.str();
    EXPECT_EQ(stderr_.str(), "harwick convert: warning: 1 line without a point name was skipped.\n"
                             "harwick convert: warning: 1 name(s) or code(s) are longer than the 8 characters GSI-8 "
                             "holds and keep only their last characters.\n");
}

// Each failure: a non-zero exit, one line on stderr naming the problem, and
// no output file (nor temporary) left behind.
TEST_F(ConvertTest, BadInputsFailWithOneLineAndNoOutput)
{
    harwick::testing::WriteFile(dir_ / "empty.dat", "");
    harwick::testing::WriteFile(dir_ / "heading-only.dat", "NAME,CODE,E,N,H,EXTRA\r\n");
    harwick::testing::WriteFile(dir_ / "notes.txt", "Field notes, day 2\r\n");
    harwick::testing::WriteFile(dir_ / "codes-only.gsi", "410001+0000TREE \r\n\r\n");
    harwick::testing::WriteFile(dir_ / "ok.dat", "P1,,1,2,3\r\n");
    fs::create_directory(dir_ / "folder.dat");
    struct Case {
        const char* input;
        const char* output;
        const char* message;
    };
    const Case cases[] = {
        {"missing.gsi", "out.dat", "cannot open"},
        {"folder.dat", "out.idx", "cannot read"},
        {"notes.txt", "out.dat", "not a point list of any kind known here"},
        {"empty.dat", "out.gsi16", "no points found"},
        {"heading-only.dat", "out.gsi16", "no points found"},
        {"codes-only.gsi", "out.dat", "no points found"},
        {"ok.dat", "out.txt", "unknown kind of output"},
        {"ok.dat", "no-such-dir/out.dat", "cannot write"},
    };
    const std::vector<fs::path> before = filesInDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(convert(dir_ / c.input, dir_ / c.output), cli::kExitFailed);
        std::string err = stderr_.str();
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_EQ(err.rfind("harwick convert: ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(filesInDir(), before);
        EXPECT_EQ(stdout_.str(), "");
    }
}

TEST_F(ConvertTest, FailedConversionLeavesAnExistingOutputAlone)
{
    harwick::testing::WriteFile(dir_ / "target.dat", "KEEP,,1,2,3\r\n");
    harwick::testing::WriteFile(dir_ / "empty.gsi", "\r\n");
    EXPECT_EQ(convert(dir_ / "empty.gsi", dir_ / "target.dat"), cli::kExitFailed);
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "target.dat"), "KEEP,,1,2,3\r\n");
}

TEST_F(ConvertTest, CommandLineParsing)
{
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* stderrHas;
    };
    const std::string in = sample("site-points.dat").string();
    const std::string out = (dir_ / "p.dat").string();
    const Case cases[] = {
        {{}, cli::kExitUsage, "usage: harwick"},
        {{"export", in, out}, cli::kExitUsage, "unknown command 'export'"},
        {{"convert", in}, cli::kExitUsage, "takes an INPUT and an OUTPUT"},
        {{"convert", in, out, "extra"}, cli::kExitUsage, "takes an INPUT and an OUTPUT"},
        {{"convert", "--precision", "0.01", in, out}, cli::kExitUsage, "not '0.01'"},
        {{"convert", in, out, "--precision"}, cli::kExitUsage, "needs a value"},
        {{"convert", "--fast", in, out}, cli::kExitUsage, "unknown option '--fast'"},
        {{"convert", "--precision=0.00001", in, out}, cli::kExitOk, ""},
        {{"convert", "--precision", "0.001", in, out}, cli::kExitOk, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream o, e;
        EXPECT_EQ(cli::run(c.args, o, e), c.exit) << e.str();
        EXPECT_NE(e.str().find(c.stderrHas), std::string::npos) << e.str();
    }
}

// ---- The exchange formats ----------------------------------------------------------

int runArgs(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::ostringstream o, e;
    const int rc = cli::run(args, o, e);
    out = o.str();
    err = e.str();
    return rc;
}

std::vector<fs::path> fieldPointLists()
{
    std::vector<fs::path> lists;
    for (const fs::path& folder : {fs::path(HARWICK_SOURCE_DIR) / "tests/data/field", fs::path(HARWICK_SOURCE_DIR) / "samples"}) {
        for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
            if (pointlist::kindOfPath(e.path().string()) != pointlist::FileKind::Unknown) lists.push_back(e.path());
        }
    }
    std::sort(lists.begin(), lists.end());
    return lists;
}

// Every field file through CSV, GeoJSON, LandXML and DXF and back to KARD holds
// the same points as the field file written as KARD directly.
TEST_F(ConvertTest, FieldFilesKeepTheirPointsThroughEveryExchangeFormat)
{
    for (const fs::path& list : fieldPointLists()) {
        SCOPED_TRACE(list.string());
        ASSERT_EQ(convert(list, dir_ / "direct.dat"), 0) << stderr_.str();
        const std::string direct = harwick::testing::ReadFile(dir_ / "direct.dat");
        for (const char* via : {"via.csv", "via.geojson", "via.xml"}) {
            SCOPED_TRACE(via);
            ASSERT_EQ(convert(list, dir_ / via), 0) << stderr_.str();
            ASSERT_EQ(convert(dir_ / via, dir_ / "back.dat"), 0) << stderr_.str();
            EXPECT_EQ(harwick::testing::ReadFile(dir_ / "back.dat"), direct);
        }
        // A drawing's layers hold the codes as layer names may be written.
        ASSERT_EQ(convert(list, dir_ / "via.dxf"), 0) << stderr_.str();
        ASSERT_EQ(convert(dir_ / "via.dxf", dir_ / "back.dat"), 0) << stderr_.str();
        pointlist::Table expected, back;
        pointlist::importFile(expected, pointlist::FileKind::Kard, direct);
        for (pointlist::Row& row : expected.rows) row.code = row.code.empty() ? "" : dxf::layerOf(row.code);
        pointlist::importFile(back, pointlist::FileKind::Kard, harwick::testing::ReadFile(dir_ / "back.dat"));
        EXPECT_EQ(back.rows, expected.rows);
    }
}

// Without its extension every field file is found as its kind; a file that
// reads as more than one kind is refused with the kinds it could be.
TEST_F(ConvertTest, KindFoundFromTheContent)
{
    std::string out, err;
    for (const fs::path& list : fieldPointLists()) {
        SCOPED_TRACE(list.string());
        fs::copy_file(list, dir_ / "plain", fs::copy_options::overwrite_existing);
        ASSERT_EQ(runArgs({"convert", (dir_ / "plain").string(), (dir_ / "found.dat").string()}, out, err), 0) << err;
        pointlist::Table read;
        pointlist::importFile(read, pointlist::kindOfPath(list.string()), harwick::testing::ReadFile(list));
        pointlist::ListKind expected{pointlist::ContentKind{pointlist::kindOfPath(list.string()), read.flavour}, {}};
        EXPECT_NE(out.find(" from " + std::string(pointlist::listKindName(expected)) + " '"), std::string::npos) << out;
    }
    for (const char* both : {"P1,5,10.000,20.000,1.000\r\nP2,7,11.000,21.000,1.100\r\n", "1,2,3,4,5\n6,7,8,9,10\n"}) {
        harwick::testing::WriteFile(dir_ / "both", both);
        EXPECT_EQ(runArgs({"convert", (dir_ / "both").string(), (dir_ / "x.csv").string()}, out, err), 1);
        EXPECT_NE(err.find("could be KARD or CSV: say which with --from"), std::string::npos) << err;
        EXPECT_EQ(runArgs({"convert", "--from", "kard", (dir_ / "both").string(), (dir_ / "x.csv").string()}, out, err),
                  0)
            << err;
    }
    EXPECT_FALSE(fs::exists(dir_ / "nothing.csv"));
    harwick::testing::WriteFile(dir_ / "words", "just some words\n");
    EXPECT_EQ(runArgs({"convert", (dir_ / "words").string(), (dir_ / "nothing.csv").string()}, out, err), 1);
    EXPECT_NE(err.find("not a point list of any kind known here"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir_ / "nothing.csv"));
}

// Many files in one call: each failure named, the others converted, the exit
// code saying not all did; CSV options reach the writer.
TEST_F(ConvertTest, BatchConvertsEveryFileItCan)
{
    const fs::path samples = fs::path(HARWICK_SOURCE_DIR) / "samples";
    std::string out, err;
    EXPECT_EQ(runArgs({"convert", "--to", "csv", "--delimiter", ";", "--decimal-comma", "--columns", "name,n,e",
                       "--out-dir", (dir_ / "batch").string(), (samples / "site-points.dat").string(),
                       (samples / "roads.crf").string(), (samples / "job-north-gsi8.gsi").string()},
                      out, err),
              1);
    EXPECT_NE(err.find("roads.crf': not a point list"), std::string::npos) << err;
    EXPECT_NE(err.find("1 of 3 file(s) not converted"), std::string::npos) << err;
    const std::string site = harwick::testing::ReadFile(dir_ / "batch" / "site-points.csv");
    EXPECT_TRUE(site.starts_with("name;northing;easting\r\n")) << site;
    EXPECT_NE(site.find(','), std::string::npos) << "decimal comma";
    EXPECT_TRUE(fs::exists(dir_ / "batch" / "job-north-gsi8.csv"));
    EXPECT_FALSE(fs::exists(dir_ / "batch" / "roads.csv"));
    // Two inputs of one name: the second does not replace what the first made.
    fs::create_directory(dir_ / "same");
    fs::copy_file(samples / "job-north-gsi8.gsi", dir_ / "same" / "site-points.gsi");
    EXPECT_EQ(runArgs({"convert", "--to", "kard", "--out-dir", (dir_ / "b").string(), (samples / "site-points.dat").string(),
                       (dir_ / "same" / "site-points.gsi").string()},
                      out, err),
              1);
    EXPECT_NE(err.find("is made from '" + (samples / "site-points.dat").string() + "' already"), std::string::npos) << err;
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "b" / "site-points.dat"), harwick::testing::ReadFile(samples / "site-points.dat"));
    EXPECT_EQ(runArgs({"convert", "--out-dir", (dir_ / "b").string(), (samples / "site-points.dat").string()}, out, err),
              2);
    EXPECT_EQ(runArgs({"convert", "--to", "dwg", "a", "b"}, out, err), 2);
}

// The installed program, as a surveyor's script would call it.
TEST_F(ConvertTest, ProgramExitCodesAndStreams)
{
    const std::string bin = HARWICK_BIN;
    auto run = [&](const std::string& args) {
        std::string cmd = bin + " " + args + " >" + (dir_ / "o.txt").string() + " 2>" + (dir_ / "e.txt").string();
        int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("convert " + sample("site-points.dat").string() + " " + (dir_ / "s.gsi16").string()), 0);
    EXPECT_TRUE(fs::exists(dir_ / "s.gsi"));
    EXPECT_EQ(run("convert " + (dir_ / "absent.dat").string() + " " + (dir_ / "x.dat").string()), 1);
    EXPECT_NE(harwick::testing::ReadFile(dir_ / "e.txt").find("cannot open"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "x.dat"));
    EXPECT_EQ(run("convert"), 2);
}

// GDAL, not our reader, finds in the drawing the program writes every point
// at its place on its code's layer, with its name and elevation beside it.
TEST_F(ConvertTest, DrawingsGdalReads)
{
    harwick::testing::WriteFile(dir_ / "in.csv", "name,easting,northing,elevation,code\n"
                                                 "\"A, 1\",500100.5,5200200.25,12.3,kerb\n"
                                                 "P2,500101,5200201,,\n"
                                                 "\"Q\"\"3\",500102.125,5200202,-1.5,MH/12\n");
    const std::string convert = std::string(HARWICK_BIN) + " convert --text-height 2.5 " + (dir_ / "in.csv").string() +
                                " " + (dir_ / "out.dxf").string() + " 2>&1";
    const std::string said = harwick::testing::CommandOutput(convert);
    ASSERT_NE(said.find("converted 3 point(s) from CSV"), std::string::npos) << said;
    EXPECT_NE(said.find("warning: the code \"MH/12\" is drawn on layer \"MH_12\""), std::string::npos) << said;

    const std::string out =
        harwick::testing::CommandOutput("timeout 120 /usr/bin/ogrinfo -ro -al -q " + (dir_ / "out.dxf").string() + " 2>&1");
    // Each feature as "layer|text|x y z": points have no text.
    std::vector<std::string> features;
    std::string layer, label;
    for (const std::string& line : text::splitLines(out)) {
        const auto after = [&line](std::string_view head) { return line.substr(head.size()); };
        if (text::startsWith(line, "  Layer (String) = ")) {
            layer = after("  Layer (String) = ");
            label.clear();
        } else if (text::startsWith(line, "  Text (String) = ")) {
            label = after("  Text (String) = ");
        } else if (text::startsWith(line, "  POINT Z (")) {
            features.push_back(layer + "|" + label + "|" + line.substr(11, line.size() - 12));
        }
    }
    EXPECT_EQ(features, (std::vector<std::string>{
                            "KERB||500100.5 5200200.25 12.3",
                            "KERB|A, 1|500101.5 5200201.25 0",
                            "KERB|12.3000|500101.5 5200197.5 0",
                            "0||500101 5200201 0",
                            "0|P2|500102 5200202 0",
                            "MH_12||500102.125 5200202.0 -1.5",
                            "MH_12|Q\"3|500103.125 5200203.0 0",
                            "MH_12|-1.5000|500103.125 5200199.25 0",
                        }))
        << out;
}

// A drawing goes through the drawing library: without it nothing is
// written and the user is told which library is missing; a drawing is found
// as one from its content.
TEST_F(ConvertTest, DrawingsNeedTheDrawingLibraryAndAreFoundByContent)
{
    cli::ConvertRequest request;
    request.input = sample("site-points.dat").string();
    request.output = (dir_ / "out.dxf").string();
    request.library = drawmap::LibrarySearch{dir_, false};
    EXPECT_EQ(cli::convert(request, kWhen, stdout_, stderr_), cli::kExitFailed);
    EXPECT_EQ(stderr_.str(), "harwick convert: cannot write '" + request.output +
                                 "': the drawing library libdrawmap.so was not found beside the program or could not "
                                 "be loaded\n");
    EXPECT_FALSE(fs::exists(dir_ / "out.dxf"));
    EXPECT_EQ(filesInDir(), std::vector<fs::path>{});

    ASSERT_EQ(convert(sample("site-points.dat"), dir_ / "drawing"), cli::kExitFailed);
    ASSERT_EQ(convert(sample("site-points.dat"), dir_ / "out.dxf"), cli::kExitOk) << stderr_.str();
    fs::rename(dir_ / "out.dxf", dir_ / "drawing");
    ASSERT_EQ(convert(dir_ / "drawing", dir_ / "back.dat"), cli::kExitOk) << stderr_.str();
    EXPECT_NE(stdout_.str().find("from DXF '"), std::string::npos) << stdout_.str();
    EXPECT_EQ(harwick::testing::ReadFile(dir_ / "back.dat"), harwick::testing::ReadFile(sample("site-points.dat")));
}

// Root opens any device, so the refusal a surveyor outside the device's
// group meets is met here by running the command as another user.
TEST_F(ConvertTest, RefusedPortNamesTheDeviceAndTheFixInEveryTransferCommand)
{
    if (::geteuid() != 0) GTEST_SKIP() << "only root can run the command as a user the device refuses";
    harwick::testing::PseudoTerminal line;
    ASSERT_FALSE(line.slavePath().empty());
    ASSERT_NE(::access(line.slavePath().c_str(), R_OK | W_OK), -1);
    fs::create_directories(dir_ / "config" / "harwick" / "ports");
    fs::create_symlink(line.slavePath(), dir_ / "config" / "harwick" / "ports" / "COM3");
    fs::permissions(dir_, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const std::string as = "cd " + dir_.string() + " && setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=" +
                           dir_.string() + " XDG_CONFIG_HOME=" + (dir_ / "config").string() + " " + HARWICK_BIN;
    for (const std::string command : {" station list COM3", " cable receive COM3 received.txt"}) {
        SCOPED_TRACE(command);
        const int status = std::system((as + command + " </dev/null 2>" + (dir_ / "e.txt").string()).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        const std::string said = harwick::testing::ReadFile(dir_ / "e.txt");
        EXPECT_NE(said.find("COM3 (" + line.slavePath() + "): permission denied (group "), std::string::npos) << said;
        EXPECT_NE(said.find("sudo usermod -aG dialout $USER"), std::string::npos) << said;
    }
    EXPECT_FALSE(fs::exists(dir_ / "received.txt"));
}

// ---- harwick ports ----------------------------------------------------------------

TEST(PortsCommand, EachLineSaysWhatThePortIsAndWhetherItCanBeUsed)
{
    platform::PresentPort adapter;
    adapter.comName = "COM33";
    adapter.device = "/dev/ttyUSB0";
    adapter.byId = "/dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0";
    adapter.vendorProduct = "0403:6001";
    adapter.product = "FT232R USB UART";
    EXPECT_EQ(cli::PortLine(adapter), "COM33  /dev/ttyUSB0  USB-serial adapter: FT232R USB UART  "
                                      "/dev/serial/by-id/usb-FTDI_FT232R_A10K3X-if00-port0  ok");
    adapter.comName.clear();
    adapter.access = {false, "permission denied (group dialout, mode rw-rw----)",
                      "add yourself to the group dialout: sudo usermod -aG dialout $USER, then log out and in again"};
    EXPECT_EQ(cli::PortLine(adapter).substr(0, 2), "- ");
    EXPECT_NE(cli::PortLine(adapter).find("not usable: permission denied (group dialout, mode rw-rw----); add "
                                          "yourself to the group dialout"),
              std::string::npos);
}

TEST(PortsCommand, ListsAPortOfThePortsMap)
{
    harwick::testing::TempDir dir("harwick-ports");
    harwick::testing::ScopedEnv config("XDG_CONFIG_HOME");
    config.set(dir.path().string());
    const fs::path map = dir.path() / "harwick" / "ports";
    fs::create_directories(map);
    harwick::testing::PseudoTerminal pty;
    ASSERT_FALSE(pty.slavePath().empty());
    harwick::testing::WriteFile(map / "COM9", pty.slavePath() + "\n");
    std::ostringstream out, err;
    EXPECT_EQ(cli::run({"ports"}, out, err), cli::kExitOk);
    EXPECT_NE(out.str().find("COM9  " + pty.slavePath() + "  mapped port  ok\n"), std::string::npos) << out.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(cli::run({"ports", "extra"}, out, err), cli::kExitUsage);

    // map writes the entry the listing then shows.
    harwick::testing::PseudoTerminal second;
    std::ostringstream mapped, mapErr;
    EXPECT_EQ(cli::run({"ports", "map", "COM12", second.slavePath()}, mapped, mapErr), cli::kExitOk) << mapErr.str();
    EXPECT_EQ(fs::read_symlink(map / "COM12"), second.slavePath());
    std::ostringstream listed;
    EXPECT_EQ(cli::run({"ports"}, listed, err), cli::kExitOk);
    EXPECT_NE(listed.str().find("COM12  " + second.slavePath() + "  mapped port  ok\n"), std::string::npos)
        << listed.str();
    EXPECT_EQ(cli::run({"ports", "map", "COM13", "/dev/no-such-tty"}, mapped, mapErr), cli::kExitFailed);
    EXPECT_NE(mapErr.str().find("'/dev/no-such-tty' is no device present"), std::string::npos) << mapErr.str();
}

} // namespace
