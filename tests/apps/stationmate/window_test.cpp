// The exchange program's real window, offscreen, against the simulated
// instrument: every dialog is answered by the test through the window's
// interaction interfaces, never by a person.
#include "fakes.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"
#include "main_frame.h"
#include "qt_serial_port.h"

#include "scratch.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace stationmate;
using namespace stationmate::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
namespace sim = harwick::sim;

namespace {

class ScriptedSettings : public SettingsAsker {
public:
    std::optional<SettingsChoices> answer;
    std::optional<SettingsChoices> AskSettings(const SettingsDialogModel&) override { return answer; }
};

class CapturingInfo : public InfoShower {
public:
    std::vector<FileInfo> shown;
    int abouts = 0;
    void ShowFileInfo(const FileInfo& info) override { shown.push_back(info); }
    void ShowAbout() override { ++abouts; }
};

class RecordingDesktop : public Desktop {
public:
    std::vector<std::string> opened, edited;
    bool Open(const std::string& p) override
    {
        opened.push_back(p);
        return false;
    }
    bool OpenInTextEditor(const std::string& p) override
    {
        edited.push_back(p);
        return true;
    }
};

const std::vector<std::string> kFixpoints = {
    "*110001+000000000000STN1 81..10+0000000002150000 82..10+0000000004820000 83..10+0000000000112450 ",
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set((temp_.path() / "config").string());
        sim::InstrumentStore store(temp_.path() / "instrument");
        ASSERT_TRUE(store.SetSerial("12345"));
        ASSERT_TRUE(store.PutJob(1, "NORTH", kFixpoints, {}));
        ASSERT_TRUE(store.PutJob(2, "", {}, {}));
        ASSERT_TRUE(store.PutAlignment(sim::AlignmentKind::Hal, 1, "ROAD1", {"H1"}));
        sim_ = std::make_unique<sim::InstrumentSim>(sim::SimOptions{temp_.path() / "instrument", "COM3", {}});
        std::string error;
        ASSERT_TRUE(sim_->Start(error)) << error;
        home_ = temp_.path() / "home";
        fs::create_directories(home_ / "jobs");
        harwick::testing::WriteFile(home_ / "DATA.GSI", "110001+0000000A 81..10+00001000 \r\n");
        harwick::testing::WriteFile(home_ / "notes.txt", "hello");
        app_ = std::make_unique<CStationmateApp>(port_, ui_, CanOpenPort, "", home_.string());
        app_->link.SetReplyTimeout(2000ms);
        frame_ = std::make_unique<CMainFrame>(*app_);
    }

    QTreeWidgetItem* deviceItem(const std::string& title)
    {
        for (QTreeWidgetItemIterator it(frame_->DeviceView()); *it; ++it) {
            if ((*it)->text(0).toStdString() == title) return *it;
        }
        return nullptr;
    }
    QTreeWidgetItem* pcItem(const std::string& title)
    {
        for (QTreeWidgetItemIterator it(frame_->DriveView()); *it; ++it) {
            if ((*it)->text(0).toStdString() == title) return *it;
        }
        return nullptr;
    }
    QTreeWidgetItem* homeItem() { return pcItem(home_.string() + "/"); }
    void settle() { QCoreApplication::processEvents(); }

    // Expands COM3 and lets the listing run.
    void listInstrument()
    {
        QTreeWidgetItem* port = deviceItem("COM3");
        ASSERT_NE(port, nullptr);
        port->setExpanded(true);
        settle();
        ASSERT_NE(deviceItem("Job 1: NORTH"), nullptr) << (prompter_.messages.empty() ? "" : prompter_.messages.back());
    }

    harwick::testing::TempDir temp_{"harwick-window"};
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    fs::path home_;
    std::unique_ptr<sim::InstrumentSim> sim_;
    QtSerialPort port_;
    ScriptedPrompter prompter_;
    ScriptedDialogs dialogs_;
    RecordingProgress progress_;
    CountingWait wait_;
    ScriptedSettings settings_;
    CapturingInfo info_;
    RecordingDesktop desktop_;
    Interactions ui_{prompter_, dialogs_, progress_, wait_, settings_, info_, desktop_};
    std::unique_ptr<CStationmateApp> app_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(WindowTest, ProbeShowsOnlyMappedPortsAndExpansionLists)
{
    ASSERT_EQ(frame_->DeviceView()->topLevelItemCount(), 1);
    EXPECT_EQ(frame_->DeviceView()->topLevelItem(0)->text(0), "COM3");
    EXPECT_EQ(app_->link.PortNumber(), 3);
    EXPECT_NE(deviceItem("<EMPTY>"), nullptr);
    listInstrument();
    EXPECT_EQ(wait_.shown, 1);
    EXPECT_NE(deviceItem("Fixpoints: 1 Blocks"), nullptr);
    EXPECT_NE(deviceItem("Hal 1: ROAD1: 1"), nullptr);
    EXPECT_EQ(deviceItem("Job 1: NORTH")->data(0, kImageRole).toInt(), kImageFolder);

    frame_->UpdateDevices();
    settle();
    EXPECT_EQ(deviceItem("Job 1: NORTH"), nullptr);
    EXPECT_NE(deviceItem("<EMPTY>"), nullptr);
    frame_->DeviceView()->topLevelItem(0)->setExpanded(true);
    settle();
    EXPECT_NE(deviceItem("Job 1: NORTH"), nullptr) << "the next expansion lists again";
}

TEST_F(WindowTest, CopyDownloadsIntoTheSelectedFolder)
{
    listInstrument();
    homeItem()->setExpanded(true);
    settle();
    frame_->DriveView()->setCurrentItem(homeItem());
    frame_->DeviceView()->setCurrentItem(deviceItem("Fixpoints: 1 Blocks"));
    dialogs_.fileName = "north.dat";
    frame_->CopyDeviceNode();
    EXPECT_EQ(harwick::testing::ReadFile(home_ / "north.dat"), "STN1,,2150.000,4820.000,112.450\r\n");
    EXPECT_NE(pcItem("north.dat"), nullptr) << "the PC tree shows the new file";

    // A drop onto a file is refused; onto a folder it downloads.
    EXPECT_FALSE(AcceptsDownload(*frame_->DriveView()->NodeOf(pcItem("notes.txt"))));
    EXPECT_TRUE(AcceptsDownload(*frame_->DriveView()->NodeOf(pcItem("jobs"))));
    dialogs_.fileName = "north.gsi";
    frame_->DownloadInto(*frame_->DeviceView()->SelectedNode(), *frame_->DriveView()->NodeOf(pcItem("jobs")));
    EXPECT_TRUE(fs::exists(home_ / "jobs" / "north.gsi"));
}

TEST_F(WindowTest, DroppingAPcFileOnFixpointsUploadsIntoThatJob)
{
    listInstrument();
    DeviceNode* fix = frame_->DeviceView()->NodeOf(deviceItem("Fixpoints: 1 Blocks"));
    ASSERT_NE(fix, nullptr);
    EXPECT_TRUE(AcceptsUpload(*fix));
    EXPECT_FALSE(AcceptsUpload(*frame_->DeviceView()->NodeOf(deviceItem("Hal 1: ROAD1: 1"))));
    frame_->DriveView()->setCurrentItem(pcItem("DATA.GSI"));
    dialogs_.job = UploadAnswer{0, "Job 1: NORTH"};
    frame_->UploadOnto(*fix);
    sim::InstrumentStore store(temp_.path() / "instrument");
    EXPECT_EQ(store.GetJob(1)->fixpoints, (std::vector<std::string>{"110001+0000000A 81..10+00001000 "}));
    EXPECT_EQ(dialogs_.uploads.at(0).preselected, 0);
}

TEST_F(WindowTest, DeleteAndMove)
{
    listInstrument();
    frame_->DeviceView()->setCurrentItem(deviceItem("Hal 1: ROAD1: 1"));
    frame_->DeleteDeviceNode();
    EXPECT_NE(deviceItem("Hal 1: ROAD1: 0"), nullptr);
    frame_->DeviceView()->setCurrentItem(deviceItem("Fixpoints: 1 Blocks"));
    dialogs_.fileName = "moved.gsi";
    frame_->MoveDeviceNode();
    EXPECT_TRUE(fs::exists(home_ / "moved.gsi"));
    EXPECT_NE(deviceItem("Fixpoints: 0 Blocks"), nullptr);
    sim::InstrumentStore store(temp_.path() / "instrument");
    EXPECT_TRUE(store.GetJob(1)->fixpoints.empty());
}

TEST_F(WindowTest, SettingsDialogSetsThePortSettings)
{
    settings_.answer = SettingsChoices{"COM3", "QRX700", "9600", "Even", "1", "7", "CRLF"};
    frame_->PortSetting();
    settle();
    EXPECT_EQ(app_->link.PortSettings(), "9600,e,7,1");
    settings_.answer.reset();
    frame_->PortSetting();
    EXPECT_EQ(app_->link.PortSettings(), "9600,e,7,1") << "CANCEL leaves the settings in force";
}

TEST_F(WindowTest, PcPaneFilterFoldersRenameAndInfo)
{
    frame_->DriveView()->setCurrentItem(homeItem());
    homeItem()->setExpanded(true);
    settle();
    frame_->ChooseFilter(6); // GSI files (*.gsi)
    EXPECT_NE(pcItem("DATA.GSI"), nullptr);
    EXPECT_EQ(pcItem("notes.txt"), nullptr);
    frame_->ChooseFilter(11);
    ASSERT_NE(pcItem("notes.txt"), nullptr);

    frame_->DriveView()->setCurrentItem(pcItem("jobs"));
    frame_->NewPcFolder();
    frame_->DriveView()->setCurrentItem(pcItem("jobs"));
    frame_->NewPcFolder();
    settle();
    EXPECT_TRUE(fs::is_directory(home_ / "jobs" / "New Folder"));
    EXPECT_TRUE(fs::is_directory(home_ / "jobs" / "New Folder (1)"));

    frame_->DriveView()->setCurrentItem(pcItem("notes.txt"));
    frame_->RenamePcItem("DATA.GSI");
    EXPECT_EQ(prompter_.messages.back().rfind("Rename Failed", 0), 0u);
    EXPECT_EQ(harwick::testing::ReadFile(home_ / "notes.txt"), "hello");

    // Editing a title in place renames the file; top-level items do not edit.
    EXPECT_FALSE(homeItem()->flags() & Qt::ItemIsEditable);
    frame_->DriveView()->setCurrentItem(pcItem("DATA.GSI"));
    pcItem("DATA.GSI")->setText(0, "data2.gsi");
    settle();
    EXPECT_TRUE(fs::exists(home_ / "data2.gsi"));
    EXPECT_NE(pcItem("data2.gsi"), nullptr);

    frame_->DriveView()->setCurrentItem(pcItem("notes.txt"));
    frame_->ShowPcFileInfo();
    ASSERT_EQ(info_.shown.size(), 1u);
    EXPECT_EQ(info_.shown[0].size, "5 BYTE");
    EXPECT_EQ(info_.shown[0].fileType, "TXT (F)File");
    frame_->OpenPcItem();
    EXPECT_EQ(desktop_.opened, (std::vector<std::string>{(home_ / "notes.txt").string()}));
    EXPECT_EQ(desktop_.edited.size(), 1u) << "no application: the text editor";
}

TEST_F(WindowTest, ASecondInstrumentOperationIsRefusedWhileOneWaits)
{
    app_->busy = true;
    frame_->DeviceView()->topLevelItem(0)->setExpanded(true);
    settle();
    EXPECT_EQ(deviceItem("Job 1: NORTH"), nullptr);
    EXPECT_TRUE(sim_->CommandsSeen().empty());
}

} // namespace
