// `harwick reduce` end to end through its command line: a job's points
// written as a list, the comparison a surveyor reads first, and every way it
// refuses without leaving a file behind.
#include "harwick.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace harwick;

namespace {

using harwick::testing::ReadFile;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;

// Station E 1000, N 2000, H 100, instrument 1.500.
//  P1: 50 gon, level, 100 m slope, reflector 1.600, code KERB:
//      100 sin 50 gon = 70.7107 east and north; H = 100 + 1.5 + 0 - 1.6 = 99.900.
//  P2: the same measurements, with the instrument's own 1070.711 / 2070.712 /
//      99.898: computed minus instrument = -0.00032 / -0.00132 / +0.0020, and
//      a horizontal distance of hypot(0.00032, 0.00132) = 0.00136.
//  P3: a direction alone.
constexpr std::string_view kJob =
    "110001+0000STN1 84..10+01000000 85..10+02000000 86..10+00100000 88..10+00001500 \r\n"
    "110002+000000P1 21.322+05000000 22.322+10000000 31..00+00100000 87..10+00001600 71....+0000KERB \r\n"
    "110003+000000P2 21.322+05000000 22.322+10000000 31..00+00100000 87..10+00001600 81..10+01070711 "
    "82..10+02070712 83..10+00099898 \r\n"
    "110004+000000P3 21.322+05000000 \r\n";

class ReduceCommand : public ::testing::Test {
protected:
    int run(std::vector<std::string> args)
    {
        out_.str("");
        err_.str("");
        args.insert(args.begin(), "reduce");
        return cli::run(args, out_, err_);
    }
    fs::path path(const char* name) const { return dir_.path() / name; }
    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }

private:
    TempDir dir_{"reduce-command"};
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(ReduceCommand, JobBecomesAListWithWhatWasSkippedByLine)
{
    WriteFile(path("job.gsi"), std::string(kJob));
    ASSERT_EQ(run({path("job.gsi").string(), path("points.csv").string()}), cli::kExitOk) << err();
    EXPECT_EQ(ReadFile(path("points.csv")), "name,easting,northing,elevation,code\r\n"
                                            "P1,1070.711,2070.711,99.900,KERB\r\n"
                                            "P2,1070.711,2070.712,99.898,\r\n");
    EXPECT_EQ(err(), "harwick reduce: warning: line 4: a direction but no distance\n");
    EXPECT_NE(out().find("1 point computed from measurements."), std::string::npos) << out();
    EXPECT_NE(out().find("1 point with the instrument's own coordinates."), std::string::npos) << out();
    EXPECT_NE(out().find("reduced 2 point(s) from GSI job '" + path("job.gsi").string() + "' to CSV"),
              std::string::npos)
        << out();

    // Any kind the converter writes, with its options; a finer precision
    // prints the computed values finer, not the millimetres padded.
    ASSERT_EQ(run({"--precision", "0.0001", path("job.gsi").string(), path("points.gsi16").string()}),
              cli::kExitOk)
        << err();
    EXPECT_NE(ReadFile(path("points.gsi")).find("*110001+00000000000000P1 71....+000000000000KERB "
                                                "81..16+0000000010707107"),
              std::string::npos);
}

TEST_F(ReduceCommand, CompareGivesEachDifferenceAndTheLargest)
{
    WriteFile(path("job.gsi"), std::string(kJob));
    ASSERT_EQ(run({"--compare", path("job.gsi").string()}), cli::kExitOk) << err();
    EXPECT_NE(out().find("P2                  -0.0003    -0.0013    +0.0020     0.0014"), std::string::npos) << out();
    EXPECT_NE(out().find("largest difference over 1 point(s): 0.0014 m in position (P2), 0.0020 m in height (P2)"),
              std::string::npos)
        << out();
    // P1 has no coordinates of its own to compare with.
    EXPECT_EQ(out().find("\nP1 "), std::string::npos) << out();

    // Compared and written at once.
    ASSERT_EQ(run({"--compare", path("job.gsi").string(), path("both.xml").string()}), cli::kExitOk) << err();
    EXPECT_TRUE(fs::exists(path("both.xml")));
}

// For scripts: the comparison alone on stdout, one JSON document; the job's
// notes ride in it and the skipped block stays a warning on stderr.
TEST_F(ReduceCommand, CompareAsJson)
{
    WriteFile(path("job.gsi"), std::string(kJob));
    ASSERT_EQ(run({"--compare", "--json", path("job.gsi").string()}), cli::kExitOk) << err();
    EXPECT_EQ(out(), R"json({
  "input": ")json" + path("job.gsi").string() + R"json(",
  "notes": [
    "1 point computed from measurements.",
    "1 point with the instrument's own coordinates.",
    "1 measured block skipped."
  ],
  "points": [
    {
      "name": "P2",
      "dE": -0.0003,
      "dN": -0.0013,
      "dH": 0.0020,
      "distance": 0.0014
    }
  ],
  "largest": {
    "position": {
      "name": "P2",
      "difference": 0.0014
    },
    "height": {
      "name": "P2",
      "difference": 0.0020
    }
  }
}
)json");
    EXPECT_EQ(err(), "harwick reduce: warning: line 4: a direction but no distance\n");
    EXPECT_EQ(run({"--json", path("job.gsi").string(), path("p.csv").string()}), cli::kExitUsage);
    EXPECT_EQ(run({"--compare", "--json", path("job.gsi").string(), path("p.csv").string()}), cli::kExitUsage);
    EXPECT_FALSE(fs::exists(path("p.csv")));
}

TEST_F(ReduceCommand, RefusalsLeaveNoFile)
{
    // Only computed points: nothing to compare is a failure, not a silent success.
    WriteFile(path("computed.gsi"), std::string(kJob.substr(0, kJob.find("110003"))));
    EXPECT_EQ(run({"--compare", path("computed.gsi").string()}), cli::kExitFailed);
    EXPECT_NE(err().find("nothing to compare"), std::string::npos) << err();
    EXPECT_EQ(run({"--compare", path("computed.gsi").string(), path("compared.csv").string()}), cli::kExitFailed);
    EXPECT_FALSE(fs::exists(path("compared.csv")));

    // No measured block gives a point.
    WriteFile(path("none.gsi"), "110001+000000P3 21.322+05000000 \r\n410002+0000TREE \r\n");
    EXPECT_EQ(run({path("none.gsi").string(), path("none.csv").string()}), cli::kExitFailed);
    EXPECT_NE(err().find("no points"), std::string::npos) << err();
    EXPECT_FALSE(fs::exists(path("none.csv")));

    EXPECT_EQ(run({path("missing.gsi").string(), path("m.csv").string()}), cli::kExitFailed);
    EXPECT_EQ(run({path("computed.gsi").string(), path("out.unknown").string()}), cli::kExitFailed);
    EXPECT_FALSE(fs::exists(path("out.unknown")));
    EXPECT_EQ(run({path("computed.gsi").string()}), cli::kExitUsage);
    EXPECT_EQ(run({"--from", "csv", path("computed.gsi").string(), path("x.csv").string()}), cli::kExitUsage);
    EXPECT_EQ(run({"--help"}), cli::kExitOk);
    EXPECT_NE(out().find("usage: harwick reduce"), std::string::npos);
}

} // namespace
