// Uploads and erases against a scripted instrument: the commands and lines
// that go out, the dialogs asked, and the titles afterwards.
#include "catalogue.h"
#include "erase.h"
#include "fakes.h"
#include "upload.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace stationmate;
using namespace stationmate::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// Takes every line with "?"; answers the alignment openers and the code list.
struct TakingScript {
    std::map<std::string, std::string> special;
    std::vector<std::string> codeListAfterUpload = {"TPSCodeL,1,4"};
    std::size_t listAt = 0;
    std::vector<std::string> operator()(const std::string& c)
    {
        if (auto it = special.find(c); it != special.end()) return {it->second};
        if (c == "CODE/CONF/LIST\r\n") {
            listAt = 0;
            return {next()};
        }
        if (c == "?\r\n") return {next()};
        if (c.rfind("HAL/SND/", 0) == 0) return {"RoadHal,1," + c.substr(8)};
        if (c.rfind("VAL/SND/", 0) == 0) return {"RoadVal,1," + c.substr(8)};
        return {"?\r\n"};
    }
    std::string next()
    {
        return listAt < codeListAfterUpload.size() ? codeListAfterUpload[listAt++] + "\r\n" : "\x1A\r\n";
    }
};

class TransferTest : public ::testing::Test {
protected:
    TransferTest()
    {
        link.SetReplyTimeout(300ms);
        port.answer = std::ref(script);
        ListingScript listing;
        listing.lists["CODE/CONF/LIST\r\n"] = {"OLD,1,2"};
        listing.lists["JOB/CONF/LIST\r\n"] = {"SITE1,1,5,0", "SITE2,2,0,0", ",3,0,0", ",4,0,0"};
        listing.lists["HAL/CONF/LIST\r\n"] = {"ROAD1,1,5", "MY ROAD,2,3"};
        listing.lists["VAL/CONF/LIST\r\n"] = {"V,7,1"};
        port.answer = std::ref(listing);
        com = &tree.AddPort(1);
        EXPECT_TRUE(catalogue.ListDevice(*com));
        port.answer = std::ref(script);
        port.written.clear();
    }

    std::string file(const std::string& name, const std::string& content)
    {
        const fs::path p = temp.path() / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }

    std::vector<std::string> sentAfterWake() const
    {
        return std::vector<std::string>(port.written.begin() + 2, port.written.end());
    }

    harwick::testing::TempDir temp{"harwick-upload"};
    TakingScript script;
    ScriptedPort port;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    RecordingProgress progress;
    CountingWait wait;
    InstrumentLink link{port, prompter};
    Catalogue catalogue{link, prompter, wait};
    DeviceTree tree;
    Uploader uploader{link, prompter, dialogs, progress, catalogue, tree};
    Eraser eraser{link, prompter, dialogs};
    DeviceNode* com = nullptr;
};

TEST_F(TransferTest, KardFixpointsGoAsGsi16IntoTheChosenJob)
{
    dialogs.jobs.push_back(UploadAnswer{1, "Job 2: SITE2"});
    const std::string path = file("pts.dat", "P1,TREE,1234.5678,5678.1234,12.3\r\n\r\nA,B,C\r\nP2,,1,2,3\r\n");
    DeviceNode* fix = tree.FindByTitle("Job 2: SITE2")->Children()[0].get();
    ASSERT_EQ(uploader.Upload(path, fix).outcome, TransferOutcome::Done);
    EXPECT_EQ(sentAfterWake(),
              (std::vector<std::string>{
                  "FORM/SET/0\r\n", "JOB/SND/COORD/2\r\n",
                  "*11....+00000000000000P1 81..10+0000000001234568 82..10+0000000005678123 83..10+0000000000012300 \r\n",
                  "A,B,C\r\n",
                  "*11....+00000000000000P2 81..10+0000000000001000 82..10+0000000000002000 83..10+0000000000003000 \r\n",
                  "\x1A\r\n"}));
    ASSERT_EQ(dialogs.uploads.size(), 1u);
    EXPECT_EQ(dialogs.uploads[0].jobs,
              (std::vector<std::string>{"Job 1: SITE1", "Job 2: SITE2", "Job 3: <empty>", "Job 4: <empty>"}));
    EXPECT_EQ(dialogs.uploads[0].preselected, 1);
    EXPECT_EQ(dialogs.uploads[0].source, "Fixpoints File: " + path);
    EXPECT_EQ(fix->Title(), "Fixpoints: 2 Blocks");
}

TEST_F(TransferTest, NamingAnEmptyJobSlot)
{
    dialogs.jobs.push_back(UploadAnswer{3, "Job 4: <empty>"});
    dialogs.newNames.push_back("NEW");
    ASSERT_EQ(uploader.Upload(file("a.gsi", "110001+0000000A 81..10+00001000 \r\n"), nullptr).outcome,
              TransferOutcome::Done);
    EXPECT_EQ(sentAfterWake()[0], "JOB/SET/NEW/4\r\n");
    EXPECT_EQ(sentAfterWake()[1], "FORM/SET/0\r\n");
    DeviceNode* job = tree.FindByTitle("Job 4: NEW");
    ASSERT_NE(job, nullptr);
    EXPECT_EQ(job->Children()[0]->Title(), "Fixpoints: 1 Blocks");

    // Cancelling the name sends nothing.
    port.written.clear();
    dialogs.jobs.push_back(UploadAnswer{2, "Job 3: <empty>"});
    dialogs.newNames.push_back(std::nullopt);
    EXPECT_EQ(uploader.Upload(file("b.gsi", "x\r\n"), nullptr).outcome, TransferOutcome::Cancelled);
    EXPECT_TRUE(port.written.empty());
}

TEST_F(TransferTest, NoJobChosenGoesToJobZeroAndAWrongAckStops)
{
    dialogs.jobs.push_back(UploadAnswer{});
    script.special["L2\r\n"] = "E\r\n";
    EXPECT_EQ(uploader.Upload(file("c.gsi", "L1\r\nL2\r\nL3\r\n"), nullptr).outcome, TransferOutcome::WrongReply);
    EXPECT_EQ(sentAfterWake(), (std::vector<std::string>{"FORM/SET/0\r\n", "JOB/SND/COORD/0\r\n", "L1\r\n", "L2\r\n"}));
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(TransferTest, AlignmentsAndTheirOpeningReply)
{
    ASSERT_EQ(uploader.Upload(file("road.HAL", "H1\r\nH2\r\n"), nullptr).outcome, TransferOutcome::Done);
    EXPECT_EQ(sentAfterWake(), (std::vector<std::string>{"HAL/SND/0\r\n", "H1\r\n", "H2\r\n", "\x1A\r\n"}));
    port.written.clear();
    ASSERT_EQ(uploader.Upload(file("road.val", "V1\r\n"), nullptr).outcome, TransferOutcome::Done);
    EXPECT_EQ(sentAfterWake()[0], "VAL/SND/0\r\n");
    port.written.clear();
    script.special["HAL/SND/0\r\n"] = "RoadHal,1,1\r\n";
    EXPECT_EQ(uploader.Upload(file("r2.hal", "H1\r\n"), nullptr).outcome, TransferOutcome::WrongReply);
    EXPECT_EQ(sentAfterWake(), (std::vector<std::string>{"HAL/SND/0\r\n"})) << "no data after a wrong opening reply";
}

TEST_F(TransferTest, CodeListIsConvertedAndTheCatalogueReadAgain)
{
    const std::string crf = "HEADER\r\n\tVERSION 1.20\r\nDEFINITIONS\r\n\t\tTEMPLATE_ID\t1000\r\n"
                            "\t\tCODES(Code, Name, OBJTYPE, Shortcut)\r\n\t\t\"KERB\",\t\"\",\tPOINT,\t1;\r\n\t\tEND CODES\r\n";
    ASSERT_EQ(uploader.Upload(file("roads.crf", crf), nullptr).outcome, TransferOutcome::Done);
    std::vector<std::string> sent = sentAfterWake();
    EXPECT_EQ(sent[0], "FORM/SET/1\r\n");
    EXPECT_EQ(sent[1], "CODE/SND/1\r\n");
    EXPECT_EQ(sent[2], "HEADER\r\n");
    EXPECT_EQ(sent[3], "  VERSION      1.31\r\n");
    EXPECT_NE(std::find(sent.begin(), sent.end(), "      1,  \"KERB\",   \"\",\tPOINT,\t0,\t1;\r\n"), sent.end());
    EXPECT_EQ(tree.FindByTitle("Codelist 1: TPSCodeL: 4") != nullptr, true);

    // A file that is not VERSION 1.20 goes as it is.
    port.written.clear();
    ASSERT_EQ(uploader.Upload(file("plain.crf", "A\r\nB\r\n"), nullptr).outcome, TransferOutcome::Done);
    EXPECT_EQ(sentAfterWake()[2], "A\r\n");
}

TEST_F(TransferTest, ErasingRetitlesOnlyWhenTheInstrumentSaysSo)
{
    DeviceNode* job1 = tree.FindByTitle("Job 1: SITE1");
    // Every erase is asked first: OK to the first five.
    for (int i = 0; i < 5; ++i) dialogs.okCancel.push_back(true);
    ASSERT_EQ(eraser.DeleteSelected(*job1).outcome, TransferOutcome::Done);
    EXPECT_EQ(dialogs.questions.back(), "DeleteJob 1: SITE1\nReally?|Warning");
    EXPECT_EQ(sentAfterWake(), (std::vector<std::string>{"JOB/ERASE/1\r\n"}));
    EXPECT_EQ(job1->Title(), "Job 1: <empty>");
    EXPECT_EQ(job1->Children()[0]->Title(), "Fixpoints: 0 Blocks");

    port.written.clear();
    DeviceNode* road = tree.FindByTitle("Hal 2: MY ROAD: 3");
    ASSERT_EQ(eraser.DeleteSelected(*road).outcome, TransferOutcome::Done);
    EXPECT_EQ(sentAfterWake(), (std::vector<std::string>{"HAL/ERASE/2:\r\n"}));
    EXPECT_EQ(road->Title(), "Hal 2: MY 0");

    DeviceNode* code = tree.FindByTitle("Codelist 1: OLD: 2");
    script.special["CODE/ERASE/1\r\n"] = "@E\r\n";
    EXPECT_EQ(eraser.DeleteSelected(*code).outcome, TransferOutcome::WrongReply);
    EXPECT_EQ(code->Title(), "Codelist 1: OLD: 2");
    script.special.erase("CODE/ERASE/1\r\n");
    ASSERT_EQ(eraser.DeleteSelected(*code).outcome, TransferOutcome::Done);
    EXPECT_EQ(code->Title(), "Codelist 1: TPSCodeList: 0");

    // Groups and ports: asked, woken, nothing sent.
    port.written.clear();
    EXPECT_EQ(eraser.DeleteSelected(*com->Children()[1]).outcome, TransferOutcome::NothingToDo);
    EXPECT_EQ(port.written, (std::vector<std::string>{"a\r\n", "c\r\n"}));
    dialogs.okCancel.push_back(false);
    port.written.clear();
    EXPECT_EQ(eraser.DeleteSelected(*job1).outcome, TransferOutcome::Cancelled);
    EXPECT_TRUE(port.written.empty());
}

TEST_F(TransferTest, AWholeJobEraseWithoutAnswerKeepsItsTitles)
{
    DeviceNode* job2 = tree.FindByTitle("Job 2: SITE2");
    ASSERT_NE(job2, nullptr);
    const std::string fixpoints = job2->Children()[0]->Title();
    port.answer = [this](const std::string& c) {
        return c == "JOB/ERASE/2\r\n" ? std::vector<std::string>{} : script(c);
    };
    dialogs.okCancel.push_back(true);
    const TransferResult r = eraser.DeleteSelected(*job2);
    EXPECT_EQ(r.outcome, TransferOutcome::NoAnswer);
    EXPECT_EQ(job2->Title(), "Job 2: SITE2");
    EXPECT_EQ(job2->Children()[0]->Title(), fixpoints);
}

TEST_F(TransferTest, FixpointsNeedAListedInstrument)
{
    DeviceTree fresh;
    Catalogue unlisted{link, prompter, wait};
    Uploader u{link, prompter, dialogs, progress, unlisted, fresh};
    dialogs.jobs.push_back(UploadAnswer{0, "Job 1: SITE1"});
    EXPECT_EQ(u.Upload(file("x.gsi", "L\r\n"), nullptr).outcome, TransferOutcome::NothingToDo);
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(uploader.Upload((temp.path() / "missing.gsi").string(), nullptr).outcome, TransferOutcome::FileFailed);
}

// Silence while opening the object, at a data line, or at the end line: the
// port is closed, the upload ends without a message, and no title changes.
TEST_F(TransferTest, SilenceAtEachStageOfAnUpload)
{
    const std::string path = file("s.gsi", "110001+0000000A \r\n110002+0000000B \r\n");
    for (const char* silentAt : {"FORM/SET/0\r\n", "JOB/SND/COORD/1\r\n", "110002+0000000B \r\n", "\x1A\r\n"}) {
        SCOPED_TRACE(silentAt);
        dialogs.jobs.push_back(UploadAnswer{0, "Job 1: SITE1"});
        port.written.clear();
        port.answer = [&, silentAt](const std::string& c) {
            return c == silentAt ? std::vector<std::string>{} : script(c);
        };
        const TransferResult stopped = uploader.Upload(path, nullptr);
        EXPECT_EQ(stopped.outcome, TransferOutcome::NoAnswer);
        EXPECT_EQ(stopped.file, path);
        // The lines the instrument took before the silence: none, one (A), or both.
        const std::string at(silentAt);
        EXPECT_EQ(stopped.linesAcknowledged, at == "110002+0000000B \r\n" ? 1u : at == "\x1A\r\n" ? 2u : 0u);
        EXPECT_EQ(port.written.back(), silentAt) << "nothing is sent after the silence";
        EXPECT_FALSE(port.IsOpen());
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_NE(tree.FindByTitle("Fixpoints: 5 Blocks"), nullptr) << "the block count stays";
    }
}

} // namespace
