// Downloads against a scripted instrument: what each node asks for, the bytes
// that reach the file, and that a failed download leaves no file behind and
// an existing one untouched.
#include "catalogue.h"
#include "download.h"
#include "fakes.h"
#include "move.h"
#include "outcome_texts.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace stationmate;
using namespace stationmate::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// An instrument that streams given lines after a receive command.
struct StreamScript {
    std::vector<std::string> stream; // every reply after the receive command, in order
    std::string formSet0 = "GSI,0,1,3\r\n";
    std::size_t at = 0;
    bool started = false;

    std::vector<std::string> operator()(const std::string& c)
    {
        if (c == "a\r\n" || c == "c\r\n") return {"?\r\n"};
        if (c == "FORM/SET/0\r\n") return {formSet0};
        if (c == "FORM/SET/1\r\n") return {"?\r\n"};
        if (c.find("/RCV/") != std::string::npos) {
            started = true;
            at = 0;
            return {"?\r\n"};
        }
        if (c == "?\r\n" && started) {
            if (at < stream.size()) return {stream[at++]};
            return {"\x1A\r\n"};
        }
        return {};
    }
};

class DownloadTest : public ::testing::Test {
protected:
    DownloadTest()
    {
        link.SetReplyTimeout(300ms);
        port.answer = std::ref(script);
        DeviceNode& com = tree.AddPort(1);
        com.ClearChildren();
        DeviceNode& codes = com.AddChild("CodeLists", kImageFolder, kImageFolderOpen);
        codeList = &codes.AddChild("Codelist 1: TPSCodeList: 12", kImageLeaf, kImageLeaf);
        DeviceNode& jobs = com.AddChild("Jobs", kImageFolder, kImageFolderOpen);
        DeviceNode& job = jobs.AddChild("Job 2: A1", kImageFolder, kImageFolderOpen);
        fixpoints = &job.AddChild("Fixpoints: 3 Blocks", kImageLeaf, kImageLeaf);
        measurements = &job.AddChild("Measurement Data: 0 Blocks", kImageLeaf, kImageLeaf);
        DeviceNode& hals = com.AddChild("RoadHals", kImageFolder, kImageFolderOpen);
        hal = &hals.AddChild("Hal 4: ROAD1: 2", kImageLeaf, kImageLeaf);
        DeviceNode& vals = com.AddChild("RoadVals", kImageFolder, kImageFolderOpen);
        val = &vals.AddChild("Val 5: ROAD1: 2", kImageLeaf, kImageLeaf);
        jobsGroup = &jobs;
    }

    std::string folder() const { return temp.path().string() + "/"; }

    harwick::testing::TempDir temp{"harwick-download"};
    StreamScript script;
    ScriptedPort port;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    RecordingProgress progress;
    InstrumentLink link{port, prompter};
    Downloader downloader{link, prompter, dialogs, progress};
    DeviceTree tree;
    DeviceNode* codeList = nullptr;
    DeviceNode* fixpoints = nullptr;
    DeviceNode* measurements = nullptr;
    DeviceNode* hal = nullptr;
    DeviceNode* val = nullptr;
    DeviceNode* jobsGroup = nullptr;
};

const std::vector<std::string> kJobStream = {
    "410001+0000TREE \r\n",
    "110002+00000P17 81..10+00012345 82..10+00054321 83..10+00000123 \r\n",
    "110003+00000P18 81..06+00001234 82..10-00001500 \r\n",
    "71....+0000NOTE \r\n",
};

TEST(DownloadPlanning, WhatEachNodeAsksFor)
{
    DeviceTree tree;
    DeviceNode& com = tree.AddPort(1);
    DeviceNode& job = com.AddChild("Jobs", 5, 6).AddChild("Job 12: SITE: A", 5, 6);
    std::optional<DownloadPlan> fix = PlanDownload(job.AddChild("Fixpoints: 0 Blocks", 7, 7));
    ASSERT_TRUE(fix);
    EXPECT_EQ(fix->transferCommand, "JOB/RCV/COORDS/12\r\n");
    EXPECT_EQ(fix->defaultName, "SITE: A.gsi");
    std::optional<DownloadPlan> obs = PlanDownload(job.AddChild("Measurement Data: 0 Blocks", 7, 7));
    ASSERT_TRUE(obs);
    EXPECT_EQ(obs->transferCommand, "JOB/RCV/OBSERV/12\r\n");
    EXPECT_FALSE(PlanDownload(job)) << "the job node itself moves nothing";
    EXPECT_FALSE(PlanDownload(com));
    std::optional<DownloadPlan> hal = PlanDownload(com.AddChild("RoadHals", 5, 6).AddChild("Hal 3: R: 1", 7, 7));
    ASSERT_TRUE(hal);
    EXPECT_EQ(hal->transferCommand, "HAL/RCV/3\r\n");
    EXPECT_EQ(hal->formatCommand, "");
    EXPECT_EQ(hal->defaultName, "RoadHal.hal");
    EXPECT_EQ(ApplyFormatChoice("A1.gsi", 2), "A1.dat");
    EXPECT_EQ(ApplyFormatChoice("A1.x.gsi", 1), "A1.idx");
    EXPECT_EQ(ApplyFormatChoice("A1", 0), ".gsi");
}

TEST(MoveVerdicts, OnlyACopyOnDiskLetsTheEraseFollow)
{
    harwick::testing::TempDir dir("move-verdict");
    const fs::path copy = dir.path() / "copy.gsi";
    std::ofstream(copy, std::ios::binary) << "data";
    EXPECT_TRUE(AfterMoveCopy({TransferOutcome::Done, copy.string()}).erase);
    EXPECT_TRUE(AfterMoveCopy({TransferOutcome::Done, copy.string()}).message.empty());

    // Done, but the file is gone (or was a folder): the data stays.
    const MoveVerdict gone = AfterMoveCopy({TransferOutcome::Done, (dir.path() / "gone.gsi").string()});
    EXPECT_FALSE(gone.erase);
    EXPECT_EQ(gone.message.rfind(kMoveKeptOnInstrument, 0), 0u) << gone.message;
    EXPECT_FALSE(AfterMoveCopy({TransferOutcome::Done, dir.path().string()}).erase);

    const MoveVerdict wrong = AfterMoveCopy({TransferOutcome::WrongReply, "@W127\r\n"});
    EXPECT_FALSE(wrong.erase);
    EXPECT_NE(wrong.message.find("@W127"), std::string::npos) << wrong.message;
    // The user's own Cancel, and a port already reported, say nothing more.
    for (TransferOutcome quiet : {TransferOutcome::Cancelled, TransferOutcome::PortFailed}) {
        EXPECT_FALSE(AfterMoveCopy({quiet, {}}).erase);
        EXPECT_TRUE(AfterMoveCopy({quiet, {}}).message.empty());
    }
}

TEST(OutcomeMessages, SayWhatHappenedAndWhatWasLeft)
{
    // Done, the user's Cancel and a port failure already shown: nothing more to say.
    for (TransferOutcome quiet : {TransferOutcome::Done, TransferOutcome::Cancelled, TransferOutcome::PortFailed})
        for (Operation op : {Operation::Download, Operation::Upload, Operation::Erase})
            EXPECT_EQ(OutcomeMessage(op, {quiet, "x"}), "");

    const std::string download =
        OutcomeMessage(Operation::Download, {TransferOutcome::NoAnswer, "?\r\n", "/data/north.gsi"});
    EXPECT_EQ(download, "The instrument stopped answering (no reply to '?'). /data/north.gsi was not written; a file "
                        "already there keeps its old content. The data is still on the instrument.");
    EXPECT_NE(OutcomeMessage(Operation::Download, {TransferOutcome::WrongReply, "@W127\r\n"}).find("'@W127'"),
              std::string::npos);

    const std::string upload =
        OutcomeMessage(Operation::Upload, {TransferOutcome::WrongReply, "@E\r\n", "/data/s.gsi", 12});
    EXPECT_NE(upload.find("acknowledged 12 lines of /data/s.gsi"), std::string::npos) << upload;
    EXPECT_NE(OutcomeMessage(Operation::Upload, {TransferOutcome::FileFailed, "cannot read /x"}).find("Nothing was sent"),
              std::string::npos);

    const std::string erase = OutcomeMessage(Operation::Erase, {TransferOutcome::NoAnswer, "JOB/ERASE/1\r\n"});
    EXPECT_NE(erase.find("is not known"), std::string::npos) << erase;
    EXPECT_EQ(OutcomeMessage(Operation::Upload, {TransferOutcome::NothingToDo, "the instrument has no jobs"}),
              "Nothing was done: the instrument has no jobs.");
}

TEST_F(DownloadTest, JobDataAsGsiKeepsTheInstrumentsBytes)
{
    script.stream = kJobStream;
    dialogs.fileNames.push_back("A1.gsi");
    TransferResult r = downloader.DownloadSelected(*fixpoints, folder());
    ASSERT_EQ(r.outcome, TransferOutcome::Done) << r.detail;
    std::string expected;
    for (const std::string& l : kJobStream) expected += l;
    expected += "\r\n"; // what is left of the end marker's reply
    EXPECT_EQ(harwick::testing::ReadFile(temp.path() / "A1.gsi"), expected);
    ASSERT_EQ(dialogs.downloads.size(), 1u);
    EXPECT_EQ(dialogs.downloads[0].source, "COM1\\Jobs\\Job 2: A1\\Fixpoints: 3 Blocks\\");
    EXPECT_EQ(dialogs.downloads[0].fileName, "A1.gsi");
    EXPECT_TRUE(dialogs.downloads[0].offerFormats);
    EXPECT_EQ(port.written, (std::vector<std::string>{"a\r\n", "c\r\n", "FORM/SET/0\r\n", "JOB/RCV/COORDS/2\r\n", "?\r\n",
                                                      "?\r\n", "?\r\n", "?\r\n", "?\r\n", "?\r\n"}));
    EXPECT_EQ(progress.shown, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(progress.opened, (std::vector<std::string>{"Job 2: A1||" + folder()}));
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(DownloadTest, JobDataAsKardCarriesCodesAndSkipsBlocksWithoutId)
{
    script.stream = kJobStream;
    dialogs.fileNames.push_back("A1.DAT");
    ASSERT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::Done);
    EXPECT_EQ(harwick::testing::ReadFile(temp.path() / "A1.DAT"), "P17,TREE,12.345,54.321,0.123\r\n"
                                             "P18,TREE,0.1234,-1.500,\r\n");
}

TEST_F(DownloadTest, EndMarkerInsideALineEndsThePullAndTheRestStays)
{
    script.stream = {"110001+0000000A 81..10+00001000 \r\n", "110002+0000000B\x1A tail\r\n"};
    dialogs.fileNames.push_back("A1.gsi");
    ASSERT_EQ(downloader.DownloadSelected(*measurements, folder()).outcome, TransferOutcome::Done);
    EXPECT_EQ(harwick::testing::ReadFile(temp.path() / "A1.gsi"), "110001+0000000A 81..10+00001000 \r\n110002+0000000B tail\r\n");
    EXPECT_EQ(port.written[3], "JOB/RCV/OBSERV/2\r\n");
}

TEST_F(DownloadTest, CodeListAndAlignmentsEndOnAFirstByteMarker)
{
    script.stream = {"HEADER\r\n", "  VERSION      1.31\r\n", "END\x1A\r\n", "more\r\n"};
    dialogs.fileNames.push_back("TPSCodeL.crf");
    ASSERT_EQ(downloader.DownloadSelected(*codeList, folder()).outcome, TransferOutcome::Done);
    // A marker inside a line does not end a code list; one in first place does.
    EXPECT_EQ(harwick::testing::ReadFile(temp.path() / "TPSCodeL.crf"), "HEADER\r\n  VERSION      1.31\r\nEND\r\nmore\r\n\r\n");
    EXPECT_EQ(port.written[2], "FORM/SET/1\r\n");
    EXPECT_EQ(port.written[3], "CODE/RCV/1\r\n");
    EXPECT_EQ(progress.opened[0], "CodeLists|TPSCodeList1|" + folder() + "TPSCodeL.crf");

    for (DeviceNode* node : {hal, val}) {
        port.written.clear();
        script.stream = {"H1\r\n"};
        dialogs.fileNames.push_back("road.hal");
        if (node == val) dialogs.okCancel.push_back(true); // road.hal is there from the first
        ASSERT_EQ(downloader.DownloadSelected(*node, folder()).outcome, TransferOutcome::Done);
        EXPECT_EQ(port.written[2], node == hal ? "HAL/RCV/4\r\n" : "VAL/RCV/5\r\n");
        EXPECT_EQ(harwick::testing::ReadFile(temp.path() / "road.hal"), "H1\r\n\r\n");
    }
}

TEST_F(DownloadTest, FailuresWriteNoFileAndLeaveAnOldOneAlone)
{
    std::ofstream(temp.path() / "A1.gsi", std::ios::binary) << "OLD";
    dialogs.fileNames.push_back("A1.gsi");

    // Overwrite refused: nothing sent after the wake-up.
    dialogs.okCancel.push_back(false);
    EXPECT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"The file has been existed,cover it?|warning"}));
    EXPECT_EQ(port.written.size(), 2u);

    // A wrong answer to FORM/SET/0 ends the download without a word.
    dialogs.fileNames.push_back("A1.gsi");
    dialogs.okCancel.push_back(true);
    script.formSet0 = "GSI,0,1,2\r\n";
    EXPECT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::WrongReply);
    script.formSet0 = "GSI,0,1,3\r\n";

    // Silence in the middle of the stream.
    port.answer = [this](const std::string& c) {
        if (c == "?\r\n" && script.at >= 1) return std::vector<std::string>{};
        return script(c);
    };
    script.stream = kJobStream;
    dialogs.fileNames.push_back("A1.gsi");
    dialogs.okCancel.push_back(true);
    EXPECT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::NoAnswer);
    EXPECT_EQ(progress.closed, progress.opened.size()) << "every progress window opened was closed";

    EXPECT_EQ(harwick::testing::ReadFile(temp.path() / "A1.gsi"), "OLD");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);

    // Cancelling the dialog; a node that downloads nothing.
    dialogs.fileNames.push_back(std::nullopt);
    EXPECT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(downloader.DownloadSelected(*jobsGroup, folder()).outcome, TransferOutcome::NothingToDo);
}

TEST_F(DownloadTest, PortAndWakeUpFailuresSayWhich)
{
    port.failOpen = true;
    EXPECT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::PortFailed);
    EXPECT_EQ(prompter.messages.back(), "Port inital failed");
    port.failOpen = false;
    port.answer = [](const std::string&) { return std::vector<std::string>{}; };
    EXPECT_EQ(downloader.DownloadSelected(*fixpoints, folder()).outcome, TransferOutcome::PortFailed);
    EXPECT_EQ(prompter.messages.back(), "Connect Error");
    EXPECT_TRUE(dialogs.downloads.empty());
}

} // namespace
