// The exchange engine and `harwick station` end to end: the real Qt serial
// port against the simulated instrument on a pseudo-terminal, registered as a
// COM port in a temporary port map.
#include "catalogue.h"
#include "comports/comports.h"
#include "harwick.h"
#include "download.h"
#include "erase.h"
#include "fakes.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"
#include "qt_serial_port.h"
#include "upload.h"

#include "pty.h"
#include "scratch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>

extern char** environ;

using namespace stationmate;
using namespace stationmate::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
namespace sim = harwick::sim;

namespace {

const std::vector<std::string> kFixpoints = {
    "*110001+000000000000STN1 81..10+0000000002150000 82..10+0000000004820000 83..10+0000000000112450 ",
    "*410002+000000000000KERB ",
    "*110003+0000000000000101 81..10+0000000002161254 82..10+0000000004833079 83..10+0000000000111902 ",
    "*110004+0000000000000102 81..06+0000000000001234 82..10-0000000000001500 ",
};

class InstrumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set((temp_.path() / "config").string());
        store_ = std::make_unique<sim::InstrumentStore>(temp_.path() / "instrument");
        ASSERT_TRUE(store_->SetSerial("12345"));
        ASSERT_TRUE(store_->PutCodeList(1, "ROADS", {"HEADER", "  VERSION      1.31", "END HEADER"}));
        ASSERT_TRUE(store_->PutJob(1, "NORTH", kFixpoints, {"110001+00000P17 21.324+12345678 "}));
        ASSERT_TRUE(store_->PutJob(2, "", {}, {}));
        ASSERT_TRUE(store_->PutAlignment(sim::AlignmentKind::Hal, 1, "ROAD1", {"H1", "H2"}));
        ASSERT_TRUE(store_->PutAlignment(sim::AlignmentKind::Val, 1, "ROAD1", {"V1"}));
        ASSERT_TRUE(store_->SetFormats({"GSI16"}));
        fs::create_directories(temp_.path() / "pc");
    }

    void startInstrument(sim::Misbehaviour misbehave = {})
    {
        sim_ = std::make_unique<sim::InstrumentSim>(sim::SimOptions{temp_.path() / "instrument", "COM3", misbehave});
        std::string error;
        ASSERT_TRUE(sim_->Start(error)) << error;
        link_.SetPortNumber(3);
        link_.SetReplyTimeout(1500ms);
    }

    std::string pc() const { return (temp_.path() / "pc").string() + "/"; }

    DeviceNode& listed()
    {
        DeviceNode& port = tree_.AddPort(3);
        EXPECT_TRUE(catalogue_.ListDevice(port)) << (prompter_.messages.empty() ? "" : prompter_.messages.back());
        return port;
    }

    harwick::testing::TempDir temp_{"harwick-instrument"};
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    std::unique_ptr<sim::InstrumentStore> store_;
    std::unique_ptr<sim::InstrumentSim> sim_;
    QtSerialPort port_;
    ScriptedPrompter prompter_;
    CountingWait wait_;
    ScriptedDialogs answers_;
    RecordingProgress progress_;
    InstrumentLink link_{port_, prompter_};
    Catalogue catalogue_{link_, prompter_, wait_};
    DeviceTree tree_;
};

std::vector<std::string> titles(const DeviceNode& n)
{
    std::vector<std::string> out;
    for (const auto& c : n.Children()) out.push_back(c->Title());
    return out;
}

TEST_F(InstrumentTest, ListingOverTheLine)
{
    startInstrument();
    DeviceNode& port = listed();
    EXPECT_TRUE(prompter_.messages.empty());
    EXPECT_EQ(port.Title().rfind("COM3: 12345", 0), 0u) << port.Title();
    ASSERT_EQ(titles(port), (std::vector<std::string>{"CodeLists", "Jobs", "Formats", "RoadHals", "RoadVals"}));
    EXPECT_EQ(titles(*port.Children()[0]), (std::vector<std::string>{"Codelist 1: ROADS: 3"}));
    EXPECT_EQ(titles(*port.Children()[1]), (std::vector<std::string>{"Job 1: NORTH", "Job 2: <empty>"}));
    EXPECT_EQ(titles(*port.Children()[1]->Children()[0]),
              (std::vector<std::string>{"Fixpoints: 4 Blocks", "Measurement Data: 1 Blocks"}));
    EXPECT_EQ(titles(*port.Children()[3]), (std::vector<std::string>{"Hal 1: ROAD1: 2"}));
    EXPECT_EQ(titles(*port.Children()[4]), (std::vector<std::string>{"Val 1: ROAD1: 1"}));
    EXPECT_FALSE(port_.IsOpen());
}

TEST_F(InstrumentTest, SplitRepliesAndAWrongIdentification)
{
    sim::Misbehaviour m;
    m.splitEvery = 3;
    m.splitPause = 2ms;
    m.wrongReplies["CONF/182"] = "0182/0032\r\n";
    startInstrument(m);
    DeviceNode& port = listed();
    EXPECT_EQ(prompter_.messages, (std::vector<std::string>{"0182/0032\r\n"})) << "shown, and the listing went on";
    EXPECT_EQ(titles(*port.Children()[1]), (std::vector<std::string>{"Job 1: NORTH", "Job 2: <empty>"}));
}

TEST_F(InstrumentTest, BytesAfterCrLfStayInTheirReply)
{
    sim::Misbehaviour m;
    m.bytesAfterCrLf = "XY";
    startInstrument(m);
    ASSERT_TRUE(link_.OpenInstrumentPort());
    std::string reply;
    ASSERT_TRUE(link_.SendCommand("a\r\n", reply));
    EXPECT_EQ(reply, "?\r\nXY");
    link_.ClosePort();
}

TEST_F(InstrumentTest, DownloadsOfEveryKindAreByteExact)
{
    startInstrument();
    DeviceNode& port = listed();
    Downloader d(link_, prompter_, answers_, progress_);
    DeviceNode& job = *port.Children()[1]->Children()[0];

    answers_.fileNames.push_back("NORTH.gsi");
    ASSERT_EQ(d.DownloadSelected(*job.Children()[0], pc()).outcome, TransferOutcome::Done);
    std::string gsi;
    for (const std::string& l : kFixpoints) gsi += l + "\r\n";
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "NORTH.gsi"), gsi + "\r\n");

    answers_.fileNames.push_back("NORTH.dat");
    ASSERT_EQ(d.DownloadSelected(*job.Children()[0], pc()).outcome, TransferOutcome::Done);
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "NORTH.dat"), "STN1,,2150.000,4820.000,112.450\r\n"
                                         "101,KERB,2161.254,4833.079,111.902\r\n"
                                         "102,KERB,0.1234,-1.500,\r\n");

    answers_.fileNames.push_back("codes.crf");
    ASSERT_EQ(d.DownloadSelected(*port.Children()[0]->Children()[0], pc()).outcome, TransferOutcome::Done);
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "codes.crf"), "HEADER\r\n  VERSION      1.31\r\nEND HEADER\r\n\r\n");

    answers_.fileNames.push_back("road.hal");
    ASSERT_EQ(d.DownloadSelected(*port.Children()[3]->Children()[0], pc()).outcome, TransferOutcome::Done);
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "road.hal"), "H1\r\nH2\r\n\r\n");
    EXPECT_TRUE(prompter_.messages.empty());
}

// A progress window whose CANCEL is pressed once the counter reaches a block.
class CancellingProgress : public RecordingProgress {
public:
    explicit CancellingProgress(std::size_t atBlock) : atBlock_(atBlock) {}
    bool CancelRequested() const override { return shown.size() >= atBlock_; }

private:
    std::size_t atBlock_;
};

std::size_t CountOf(const std::vector<std::string>& commands, const std::string& command)
{
    return static_cast<std::size_t>(std::count(commands.begin(), commands.end(), command));
}

TEST_F(InstrumentTest, CancelStopsALongDownloadAtTheNextReplyAndTheNextOneWorks)
{
    std::vector<std::string> many;
    for (int i = 1; i <= 5000; ++i) many.push_back("110001+0000000P" + std::to_string(i % 10) + " 81..10+00001000 ");
    ASSERT_TRUE(store_->PutJob(3, "BIG", many, {}));
    startInstrument();
    DeviceNode& port = listed();
    DeviceNode& big = *port.Children()[1]->Children()[2];
    ASSERT_EQ(big.Title().rfind("Job 3: BIG", 0), 0u) << big.Title();
    const std::size_t asksBefore = CountOf(sim_->CommandsSeen(), "?\r\n");

    CancellingProgress cancelling(10);
    Downloader d(link_, prompter_, answers_, cancelling);
    answers_.fileNames.push_back("big.gsi");
    EXPECT_EQ(d.DownloadSelected(*big.Children()[0], pc()).outcome, TransferOutcome::Cancelled);
    // CANCEL came with block 10: one more reply was read, and no more asked for.
    EXPECT_EQ(CountOf(sim_->CommandsSeen(), "?\r\n") - asksBefore, 11u);
    EXPECT_FALSE(fs::exists(pc() + "big.gsi"));
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_EQ(cancelling.closed, static_cast<int>(cancelling.opened.size()));

    // The next operation wakes the instrument up as always.
    Downloader again(link_, prompter_, answers_, progress_);
    answers_.fileNames.push_back("north.gsi");
    EXPECT_EQ(again.DownloadSelected(*port.Children()[1]->Children()[0]->Children()[0], pc()).outcome,
              TransferOutcome::Done);
    EXPECT_TRUE(fs::exists(pc() + "north.gsi"));
}

TEST_F(InstrumentTest, ARefusalInsteadOfARecordEndsListingAndDownload)
{
    sim::Misbehaviour m;
    m.wrongReplies["?"] = "@W127\r\n";
    startInstrument(m);
    DeviceNode& port = tree_.AddPort(3);
    EXPECT_FALSE(catalogue_.ListDevice(port));
    ASSERT_FALSE(prompter_.messages.empty());
    EXPECT_NE(prompter_.messages.back().find("'@W127'"), std::string::npos) << prompter_.messages.back();
    EXPECT_FALSE(port_.IsOpen());

    DeviceTree tree;
    DeviceNode& com = tree.AddPort(3);
    com.ClearChildren();
    DeviceNode& fix = com.AddChild("Jobs", 5, 6).AddChild("Job 1: NORTH", 5, 6).AddChild("Fixpoints: 4 Blocks", 7, 7);
    Downloader d(link_, prompter_, answers_, progress_);
    answers_.fileNames.push_back("refused.gsi");
    const TransferResult r = d.DownloadSelected(fix, pc());
    EXPECT_EQ(r.outcome, TransferOutcome::WrongReply);
    EXPECT_EQ(r.detail, "@W127\r\n");
    EXPECT_FALSE(fs::exists(pc() + "refused.gsi"));
    EXPECT_FALSE(port_.IsOpen());
}

TEST_F(InstrumentTest, UploadsAreStoredAsSent)
{
    startInstrument();
    DeviceNode& port = listed();
    Uploader u(link_, prompter_, answers_, progress_, catalogue_, tree_);
    const std::string kard = pc() + "new.dat";
    std::ofstream(kard, std::ios::binary) << "P1,TREE,1234.5678,5678.1234,12.3\r\n\r\nP2,,1,2,3\r\n";
    answers_.jobs.push_back(UploadAnswer{1, "Job 2: <empty>"});
    answers_.newNames.push_back("SOUTH");
    ASSERT_EQ(u.Upload(kard, nullptr).outcome, TransferOutcome::Done);
    std::optional<sim::Job> job = store_->GetJob(2);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->name, "SOUTH");
    EXPECT_EQ(job->fixpoints,
              (std::vector<std::string>{
                  "*11....+00000000000000P1 81..10+0000000001234568 82..10+0000000005678123 83..10+0000000000012300 ",
                  "*11....+00000000000000P2 81..10+0000000000001000 82..10+0000000000002000 83..10+0000000000003000 "}));
    // The blank line is no block: the progress is told two, with their bytes
    // as they went (CR LF ended), before the first goes.
    const std::size_t sent = job->fixpoints[0].size() + job->fixpoints[1].size() + 4;
    EXPECT_EQ(progress_.expected, (std::pair<std::size_t, std::size_t>{2, sent}));
    EXPECT_EQ(progress_.counted, (std::pair<std::size_t, std::size_t>{2, sent}));
    const DeviceNode& south = *port.Children()[1]->Children()[1];
    EXPECT_EQ(south.Title(), "Job 2: SOUTH");
    EXPECT_EQ(south.Children()[0]->Title(), "Fixpoints: 2 Blocks");

    const std::string hal = pc() + "curve.hal";
    std::ofstream(hal, std::ios::binary) << "A1\r\nA2\r\n";
    ASSERT_EQ(u.Upload(hal, nullptr).outcome, TransferOutcome::Done);
    std::optional<sim::Alignment> a = store_->GetAlignment(sim::AlignmentKind::Hal, 0);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->lines, (std::vector<std::string>{"A1", "A2"}));

    const std::string crf = pc() + "roads.crf";
    std::ofstream(crf, std::ios::binary) << "HEADER\r\n\tVERSION 1.20\r\n\t\tTEMPLATE_ID\t1000\r\n"
                                            "\t\tCODES(Code, Name, OBJTYPE, Shortcut)\r\n\t\t\"KERB\",\t\"\",\tPOINT,\t1;\r\n"
                                            "\t\tEND CODES\r\n";
    ASSERT_EQ(u.Upload(crf, nullptr).outcome, TransferOutcome::Done);
    std::optional<sim::CodeList> codes = store_->GetCodeList(1);
    ASSERT_TRUE(codes);
    ASSERT_GE(codes->lines.size(), 3u);
    EXPECT_EQ(codes->lines[1], "  VERSION      1.31");
    // The catalogue was read again and the code-list node shows what is there now.
    EXPECT_EQ(port.Children()[0]->Children()[0]->Title(), "Codelist 1: " + codes->name + ": " +
                                                              std::to_string(codes->lines.size()));
    EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(InstrumentTest, ErasingEmptiesTheObjectAndRetitlesTheNode)
{
    startInstrument();
    DeviceNode& port = listed();
    Eraser e(link_, prompter_, answers_);
    for (int i = 0; i < 3; ++i) answers_.okCancel.push_back(true); // each erase is asked first
    DeviceNode& job = *port.Children()[1]->Children()[0];
    ASSERT_EQ(e.DeleteSelected(*job.Children()[1]).outcome, TransferOutcome::Done);
    EXPECT_TRUE(store_->GetJob(1)->measurements.empty());
    EXPECT_EQ(store_->GetJob(1)->fixpoints.size(), kFixpoints.size());
    EXPECT_EQ(job.Children()[1]->Title(), "Measurement Data: 0 Blocks");
    ASSERT_EQ(e.DeleteSelected(job).outcome, TransferOutcome::Done);
    EXPECT_EQ(job.Title(), "Job 1: <empty>");
    EXPECT_TRUE(store_->GetJob(1)->fixpoints.empty());
    ASSERT_EQ(e.DeleteSelected(*port.Children()[3]->Children()[0]).outcome, TransferOutcome::Done);
    EXPECT_FALSE(store_->GetAlignment(sim::AlignmentKind::Hal, 1));
    EXPECT_EQ(port.Children()[3]->Children()[0]->Title(), "Hal 1: ROAD1: 0");
}

TEST_F(InstrumentTest, SilenceAtEachStageClosesThePortAndWritesNothing)
{
    // Commands of a fixpoint download: a, c, FORM/SET/0, JOB/RCV/COORDS/1, then "?"s.
    for (int answered : {0, 1, 2, 3, 5}) {
        SCOPED_TRACE(answered);
        prompter_.messages.clear();
        sim::Misbehaviour m;
        m.silentAfterCommands = answered;
        startInstrument(m);
        link_.SetReplyTimeout(300ms);
        DeviceTree tree;
        DeviceNode& com = tree.AddPort(3);
        com.ClearChildren();
        DeviceNode& fix =
            com.AddChild("Jobs", 5, 6).AddChild("Job 1: NORTH", 5, 6).AddChild("Fixpoints: 4 Blocks", 7, 7);
        Downloader d(link_, prompter_, answers_, progress_);
        // The name is asked once the instrument has woken up.
        if (answered >= 2) answers_.fileNames.push_back("late.gsi");
        EXPECT_NE(d.DownloadSelected(fix, pc()).outcome, TransferOutcome::Done);
        EXPECT_FALSE(fs::exists(pc() + "late.gsi"));
        EXPECT_FALSE(port_.IsOpen());
        EXPECT_EQ(prompter_.messages, answered < 2 ? std::vector<std::string>{"Connect Error"}
                                                   : std::vector<std::string>{});
        sim_.reset();
    }
}

TEST_F(InstrumentTest, LineClosedMidDownload)
{
    sim::Misbehaviour m;
    m.hangUpAfterRecords = 2;
    startInstrument(m);
    link_.SetReplyTimeout(500ms);
    DeviceTree tree;
    DeviceNode& com = tree.AddPort(3);
    com.ClearChildren();
    DeviceNode& fix = com.AddChild("Jobs", 5, 6).AddChild("Job 1: NORTH", 5, 6).AddChild("Fixpoints: 4 Blocks", 7, 7);
    std::ofstream(pc() + "kept.gsi", std::ios::binary) << "OLD";
    Downloader d(link_, prompter_, answers_, progress_);
    answers_.fileNames.push_back("kept.gsi");
    answers_.okCancel.push_back(true); // replace it
    EXPECT_EQ(d.DownloadSelected(fix, pc()).outcome, TransferOutcome::NoAnswer);
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "kept.gsi"), "OLD");
    EXPECT_FALSE(port_.IsOpen());
}

// ---- harwick station ------------------------------------------------------

int station(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::ostringstream o, e;
    std::vector<std::string> all = {"station"};
    all.insert(all.end(), args.begin(), args.end());
    const int rc = harwick::cli::run(all, o, e);
    out = o.str();
    err = e.str();
    return rc;
}

TEST_F(InstrumentTest, StationCommandLine)
{
    startInstrument();
    std::string out, err;
    ASSERT_EQ(station({"list", "COM3", "--timeout", "1500"}, out, err), 0) << err;
    EXPECT_NE(out.find("COM3: 12345\n  CodeLists\n    Codelist 1: ROADS: 3\n  Jobs\n    Job 1: NORTH\n"
                       "      Fixpoints: 4 Blocks\n"),
              std::string::npos)
        << out;

    ASSERT_EQ(station({"download", "COM3", "job", "1", "fixpoints", pc() + "n.dat"}, out, err), 0) << err;
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "n.dat").substr(0, 33), "STN1,,2150.000,4820.000,112.450\r\n");

    std::ofstream(pc() + "up.gsi", std::ios::binary) << "110001+0000000A 81..10+00001000 \r\n";
    EXPECT_EQ(station({"upload", "COM3", pc() + "up.gsi", "--job", "2"}, out, err), 1);
    EXPECT_NE(err.find("job 2 is empty: give it a name with --name"), std::string::npos) << err;
    ASSERT_EQ(station({"upload", "COM3", pc() + "up.gsi", "--job", "2", "--name", "EAST"}, out, err), 0) << err;
    EXPECT_EQ(store_->GetJob(2)->name, "EAST");

    EXPECT_EQ(station({"erase", "COM3", "hal", "1"}, out, err), 2);
    ASSERT_EQ(station({"erase", "COM3", "hal", "1", "--yes"}, out, err), 0) << err;
    EXPECT_FALSE(store_->GetAlignment(sim::AlignmentKind::Hal, 1));

    EXPECT_EQ(station({"list", "COM9"}, out, err), 1);
    EXPECT_NE(err.find("COM9: no such port"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(station({"list", "COMX"}, out, err), 2);
    EXPECT_EQ(station({"list", "COM3", "--timeout", "0"}, out, err), 2);
    EXPECT_EQ(station({"upload", "COM3", pc() + "up.gsi", "--job", "-1"}, out, err), 2);
    EXPECT_EQ(station({"download", "COM3", "job", "1", "everything", pc() + "x.gsi"}, out, err), 2);
}

// The log a user sends with a bug report: the wake-up going out before the
// identification coming back, each line saying which way it went.
TEST_F(InstrumentTest, StationLogHoldsTheConversationInOrder)
{
    startInstrument();
    std::string out, err;
    const std::string log = pc() + "list.log";
    ASSERT_EQ(station({"list", "COM3", "--log", log, "--timeout", "1500"}, out, err), 0) << err;
    std::istringstream lines(harwick::testing::ReadFile(log));
    std::string incoming, line;
    std::size_t wakeAt = std::string::npos, lineNumber = 0, serialAt = std::string::npos;
    for (; std::getline(lines, line); ++lineNumber) {
        const std::size_t text = line.find(" | ");
        ASSERT_NE(text, std::string::npos) << line;
        if (line.find(" ms out 61 0D 0A | ") != std::string::npos && wakeAt == std::string::npos) wakeAt = lineNumber;
        if (line.find(" ms in  ") == std::string::npos) continue;
        incoming += line.substr(text + 3);
        if (serialAt == std::string::npos && incoming.find("12345") != std::string::npos) serialAt = lineNumber;
    }
    ASSERT_NE(wakeAt, std::string::npos) << harwick::testing::ReadFile(log);
    ASSERT_NE(serialAt, std::string::npos) << harwick::testing::ReadFile(log);
    EXPECT_LT(wakeAt, serialAt);

    // A log that cannot be written is said once and costs the transfer nothing.
    ASSERT_EQ(station({"list", "COM3", "--log", pc() + "no/such/folder.log"}, out, err), 0) << err;
    EXPECT_NE(err.find("warning: the traffic log " + pc() + "no/such/folder.log cannot be written"), std::string::npos)
        << err;
    EXPECT_NE(out.find("COM3: 12345"), std::string::npos) << out;
}

// For scripts: the whole catalogue as one document, formats too.
TEST_F(InstrumentTest, StationListAsJson)
{
    startInstrument();
    std::string out, err;
    ASSERT_EQ(station({"list", "--json", "COM3", "--timeout=1500"}, out, err), 0) << err;
    EXPECT_EQ(err, "");
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << out;
    EXPECT_EQ(root["port"].toString(), "COM3");
    EXPECT_EQ(root["device"].toString().toStdString(), *harwick::platform::DevicePathForPort("COM3"));
    EXPECT_EQ(root["serial"].toString(), "12345");

    const QJsonArray codeLists = root["codeLists"].toArray();
    ASSERT_EQ(codeLists.size(), 1);
    EXPECT_EQ(codeLists[0].toObject()["number"].toInt(), 1);
    EXPECT_EQ(codeLists[0].toObject()["name"].toString(), "ROADS");
    EXPECT_EQ(codeLists[0].toObject()["count"].toInt(), 3);

    const QJsonArray jobs = root["jobs"].toArray();
    ASSERT_EQ(jobs.size(), 2);
    const QJsonObject north = jobs[0].toObject();
    EXPECT_EQ(north["number"].toInt(), 1);
    EXPECT_EQ(north["name"].toString(), "NORTH");
    EXPECT_EQ(north["parts"].toObject()["fixpoints"].toObject()["blocks"].toInt(), 4);
    EXPECT_EQ(north["parts"].toObject()["measurements"].toObject()["blocks"].toInt(), 1);
    // An empty job's name is empty, not the tree's "<empty>".
    EXPECT_EQ(jobs[1].toObject()["name"].toString(), "");
    EXPECT_EQ(jobs[1].toObject()["parts"].toObject()["fixpoints"].toObject()["blocks"].toInt(-1), 0);

    const QJsonArray formats = root["formats"].toArray();
    ASSERT_EQ(formats.size(), 1);
    EXPECT_EQ(formats[0].toObject()["name"].toString(), "GSI16");
    EXPECT_EQ(root["horizontalAlignments"].toArray()[0].toObject()["name"].toString(), "ROAD1");
    EXPECT_EQ(root["horizontalAlignments"].toArray()[0].toObject()["count"].toInt(), 2);
    EXPECT_EQ(root["verticalAlignments"].toArray()[0].toObject()["count"].toInt(), 1);
}

// The real program with its stderr on the given descriptor and its stdout
// in a file; its exit code, or -1 when it had to be killed.
int runHarwick(const std::vector<std::string>& args, int stderrFd, const fs::path& stdoutFile)
{
    std::vector<std::string> all = {HARWICK_BIN};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const harwick::platform::UniqueFd out(::open(stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    const auto end = std::chrono::steady_clock::now() + 60s;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(10ms);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A long download at a slow line speed shows its progress on a terminal, of
// the block count the catalogue gives, and never in a pipe or with --quiet.
TEST_F(InstrumentTest, StationDownloadShowsProgressOnATerminalOnly)
{
    std::vector<std::string> many;
    for (int i = 0; i < 24; ++i) {
        many.push_back("*1100" + std::to_string(10 + i) + "+0000000000000P" + std::to_string(10 + i) +
                       " 81..10+0000000002150000 82..10+0000000004820000 83..10+0000000000112450 ");
    }
    ASSERT_TRUE(store_->PutJob(3, "LONG", many, {}));
    sim::Misbehaviour slow;
    slow.paceBaud = 19200;
    startInstrument(slow);
    const std::vector<std::string> download = {"station", "download", "COM3", "job", "3", "fixpoints"};

    harwick::testing::PseudoTerminal terminal;
    ASSERT_FALSE(terminal.slavePath().empty());
    const harwick::platform::UniqueFd slave(::open(terminal.slavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    ASSERT_GE(slave.get(), 0);
    std::vector<std::string> args = download;
    args.push_back(pc() + "tty.gsi");
    ASSERT_EQ(runHarwick(args, slave.get(), pc() + "tty.out"), 0) << terminal.receive(1 << 20, 200ms);
    const std::string drawn = terminal.receive(1 << 20, 500ms);
    EXPECT_NE(drawn.find("\r"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find(" of 24 blocks, "), std::string::npos) << drawn;
    EXPECT_NE(drawn.find(" elapsed"), std::string::npos) << drawn;
    EXPECT_EQ(drawn.find('\n'), std::string::npos) << "the line is wiped, not left behind: " << drawn;
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "tty.out"), "downloaded to " + pc() + "tty.gsi\n");
    EXPECT_NE(harwick::testing::ReadFile(pc() + "tty.gsi").find("P33"), std::string::npos);

    args.back() = pc() + "quiet.gsi";
    args.push_back("--quiet");
    ASSERT_EQ(runHarwick(args, slave.get(), pc() + "quiet.out"), 0);
    EXPECT_EQ(terminal.receive(1 << 20, 300ms), "");

    // stderr to a file: the file stays empty.
    args = download;
    args.push_back(pc() + "pipe.gsi");
    const harwick::platform::UniqueFd file(
        ::open((pc() + "stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    ASSERT_EQ(runHarwick(args, file.get(), pc() + "pipe.out"), 0);
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "stderr.txt"), "");
    EXPECT_EQ(harwick::testing::ReadFile(pc() + "pipe.gsi"), harwick::testing::ReadFile(pc() + "tty.gsi"));
}

TEST_F(InstrumentTest, StationReportsASilentInstrument)
{
    sim::Misbehaviour m;
    m.silentAfterCommands = 0;
    startInstrument(m);
    std::string out, err;
    EXPECT_EQ(station({"list", "COM3", "--timeout", "200"}, out, err), 1);
    EXPECT_EQ(err, "harwick station: COM3: the instrument does not answer\n");
    EXPECT_EQ(out, "");
}

} // namespace
