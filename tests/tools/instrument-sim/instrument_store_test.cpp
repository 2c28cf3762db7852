#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/instrument_protocol.h"
#include "instrument-sim/instrument_store.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::testing::TempDir;
using Lines = std::vector<std::string>;

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& file, const std::string& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

class InstrumentSimStore : public ::testing::Test {
protected:
    TempDir dir_{"instrument-sim-store"};
    const fs::path root_ = dir_.path();
    InstrumentStore store_{root_};
};

TEST_F(InstrumentSimStore, ObjectsLandInTheDocumentedFilesWithCrLf)
{
    ASSERT_TRUE(store_.SetSerial("12345"));
    ASSERT_TRUE(store_.SetFormats({"GSI16_Coords"}));
    ASSERT_TRUE(store_.PutJob(4, "SITE", {"*f1 ", "*f2 "}, {"m1 "}));
    ASSERT_TRUE(store_.PutCodeList(1, "ROADS", {"A", "B"}));
    ASSERT_TRUE(store_.PutAlignment(AlignmentKind::Hal, 2, "ROAD1", {"h"}));
    ASSERT_TRUE(store_.PutAlignment(AlignmentKind::Val, 3, "ROAD2", {}));

    EXPECT_EQ(bytesOf(root_ / "serial.txt"), "12345\r\n");
    EXPECT_EQ(bytesOf(root_ / "formats.txt"), "GSI16_Coords\r\n");
    EXPECT_EQ(bytesOf(root_ / "jobs/4/name.txt"), "SITE\r\n");
    EXPECT_EQ(bytesOf(root_ / "jobs/4/fixpoints.gsi"), "*f1 \r\n*f2 \r\n");
    EXPECT_EQ(bytesOf(root_ / "jobs/4/measurements.gsi"), "m1 \r\n");
    EXPECT_EQ(bytesOf(root_ / "codelists/1/name.txt"), "ROADS\r\n");
    EXPECT_EQ(bytesOf(root_ / "codelists/1/lines.txt"), "A\r\nB\r\n");
    EXPECT_EQ(bytesOf(root_ / "hal/2/name.txt"), "ROAD1\r\n");
    EXPECT_EQ(bytesOf(root_ / "hal/2/lines.txt"), "h\r\n");
    EXPECT_TRUE(fs::exists(root_ / "val/3/lines.txt"));
    EXPECT_EQ(bytesOf(root_ / "val/3/lines.txt"), "");
}

TEST_F(InstrumentSimStore, HandWrittenFilesReadBack)
{
    writeBytes(root_ / "serial.txt", "987\n");
    writeBytes(root_ / "jobs/10/name.txt", "TEN\n");
    writeBytes(root_ / "jobs/10/fixpoints.gsi", "a\nb\r\n\nc");
    writeBytes(root_ / "jobs/2/name.txt", "TWO");
    fs::create_directories(root_ / "jobs/07");     // not a plain number
    fs::create_directories(root_ / "jobs/notes");  // not a number at all
    writeBytes(root_ / "jobs/README", "ignored");
    fs::create_directories(root_ / "hal/5");       // no files: an empty, unnamed alignment

    EXPECT_EQ(store_.Serial(), "987");
    const std::vector<Job> jobs = store_.Jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].number, 2) << "jobs come by number, not by name";
    EXPECT_EQ(jobs[0].name, "TWO");
    EXPECT_TRUE(jobs[0].fixpoints.empty());
    EXPECT_EQ(jobs[1].number, 10);
    EXPECT_EQ(jobs[1].fixpoints, (Lines{"a", "b", "", "c"}));
    ASSERT_EQ(store_.Alignments(AlignmentKind::Hal).size(), 1u);
    EXPECT_EQ(store_.GetAlignment(AlignmentKind::Hal, 5)->name, "");
    EXPECT_TRUE(store_.Alignments(AlignmentKind::Val).empty());
    EXPECT_TRUE(store_.CodeLists().empty());
    EXPECT_TRUE(store_.Formats().empty());
}

TEST_F(InstrumentSimStore, BlankLinesAndEmptyNamesSurviveARoundTrip)
{
    const Lines lines{"", "x", "", ""};
    ASSERT_TRUE(store_.PutJob(1, "", lines, {""}));
    const auto job = store_.GetJob(1);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->name, "");
    EXPECT_EQ(job->fixpoints, lines);
    EXPECT_EQ(job->measurements, Lines{""});
}

TEST_F(InstrumentSimStore, JobPartsChangeAndSlotsStay)
{
    ASSERT_TRUE(store_.SetJobName(3, "NEW"));
    ASSERT_TRUE(store_.GetJob(3));
    EXPECT_TRUE(store_.GetJob(3)->fixpoints.empty()) << "naming a missing job makes an empty slot";

    ASSERT_TRUE(store_.SetJobFixpoints(3, {"f"}));
    ASSERT_TRUE(store_.SetJobMeasurements(3, {"m"}));
    EXPECT_EQ(store_.GetJob(3)->name, "NEW");
    EXPECT_EQ(store_.GetJob(3)->fixpoints, Lines{"f"});

    ASSERT_TRUE(store_.EmptyJob(3));
    const auto slot = store_.GetJob(3);
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->name, "");
    EXPECT_TRUE(slot->fixpoints.empty());
    EXPECT_TRUE(slot->measurements.empty());

    ASSERT_TRUE(store_.RemoveJob(3));
    EXPECT_FALSE(store_.GetJob(3));
    EXPECT_FALSE(fs::exists(root_ / "jobs/3"));
}

TEST_F(InstrumentSimStore, RemovedObjectsLeaveNoFiles)
{
    ASSERT_TRUE(store_.PutCodeList(1, "A", {"x"}));
    ASSERT_TRUE(store_.PutAlignment(AlignmentKind::Val, 1, "V", {"x"}));
    ASSERT_TRUE(store_.PutAlignment(AlignmentKind::Hal, 1, "H", {"x"}));
    ASSERT_TRUE(store_.RemoveCodeList(1));
    ASSERT_TRUE(store_.RemoveAlignment(AlignmentKind::Val, 1));
    EXPECT_FALSE(fs::exists(root_ / "codelists/1"));
    EXPECT_FALSE(fs::exists(root_ / "val/1"));
    EXPECT_TRUE(fs::exists(root_ / "hal/1")) << "the other kind of alignment is untouched";
    EXPECT_TRUE(store_.RemoveCodeList(1)) << "removing what is gone is no failure";
}

TEST_F(InstrumentSimStore, DemoInstrumentListsAsDescribed)
{
    ASSERT_TRUE(SeedDemoInstrument(store_));
    InstrumentProtocol protocol(store_);
    EXPECT_EQ(protocol.Answer("GET//WI13\r\n"), "13....+00012345\r\n");

    const std::vector<Job> jobs = store_.Jobs();
    ASSERT_EQ(jobs.size(), 3u);
    EXPECT_EQ(jobs[2].name, "") << "one job is an empty slot";
    EXPECT_GE(jobs[0].fixpoints.size(), 24u);
    EXPECT_FALSE(jobs[0].measurements.empty());
    for (const Job& job : jobs) {
        for (const std::string& block : job.fixpoints) {
            EXPECT_EQ(block.rfind("*11", 0), 0u) << "GSI-16 point block: " << block;
            EXPECT_EQ(block.back(), ' ') << "every word ends with its blank: " << block;
        }
    }
    ASSERT_EQ(store_.CodeLists().size(), 1u);
    EXPECT_FALSE(store_.CodeLists()[0].lines.empty());
    EXPECT_EQ(store_.Formats().size(), 1u);
    EXPECT_EQ(store_.Alignments(AlignmentKind::Hal).size(), 1u);
    EXPECT_EQ(store_.Alignments(AlignmentKind::Val).size(), 1u);
}

} // namespace
} // namespace harwick::sim
