// The exchange program's real window, offscreen, against the simulated
// instrument: its own dialogs and message boxes, each answered by the test's
// scripted runner, never by a person; one nobody scripted fails the test.
#include "dialogs.h"
#include "dialog_texts.h"
#include "fakes.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"
#include "main_frame.h"
#include "qt_serial_port.h"

#include "language_scope.h"
#include "pty.h"
#include "scratch.h"
#include "scripted_runner.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using namespace stationmate;
using namespace stationmate::testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
namespace sim = harwick::sim;

namespace {

using harwick::testing::Answer;
using harwick::testing::Press;
using harwick::testing::Saying;
using harwick::testing::ScriptedRunner;

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

// "File Downloading" answered with a file name and OK.
ScriptedRunner::DialogStep NameTheFile(const char* name)
{
    return [name](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (edit == nullptr) {
            ADD_FAILURE() << "no file name in " << harwick::testing::DescribeDialog(dialog);
            return static_cast<int>(QDialog::Rejected);
        }
        edit->setText(QString::fromUtf8(name));
        return Press("okButton")(dialog);
    };
}

// "UpLoad File" answered with the job at position and OK.
ScriptedRunner::DialogStep ChooseJob(int position)
{
    return [position](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("jobCombo"))->setCurrentIndex(position);
        return Press("okButton")(dialog);
    };
}

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
        makeWindow(PortSource{});
    }

    // The program's state and window over the ports as source finds them.
    void makeWindow(PortSource ports)
    {
        // The old state lets go of the port before the new one takes it.
        frame_.reset();
        app_.reset();
        app_ = std::make_unique<CStationmateApp>(port_, ui_, std::move(ports), "", home_.string());
        app_->link.SetReplyTimeout(2000ms);
        frame_ = std::make_unique<CMainFrame>(*app_, runner_);
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
        ASSERT_NE(deviceItem("Job 1: NORTH"), nullptr);
    }

    harwick::testing::TempDir temp_{"harwick-window"};
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    fs::path home_;
    std::unique_ptr<sim::InstrumentSim> sim_;
    QtSerialPort port_;
    // Every dialog and message box is the program's own, answered by the
    // runner; the progress and wait windows only report.
    ScriptedRunner runner_;
    QtPrompter prompter_{nullptr, runner_};
    QtTransferDialogs dialogs_{nullptr, runner_};
    RecordingProgress progress_;
    CountingWait wait_;
    QtSettingsAsker settings_{nullptr, runner_};
    QtInfoShower info_{nullptr, runner_};
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

// Options > Log Communication: the file comes from the program's own save
// dialog, the next listing's wake-up is in it; a file that cannot be written
// is said and leaves logging off.
TEST_F(WindowTest, LogCommunicationRecordsTheListing)
{
    QAction* entry = frame_->findChild<QAction*>(QStringLiteral("logCommunicationAction"));
    ASSERT_NE(entry, nullptr);
    const auto chooseFile = [](std::string path) {
        return [path](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("logFileEdit"));
            if (edit == nullptr) return int(QDialog::Rejected);
            edit->setText(QString::fromStdString(path));
            return Press("okButton")(dialog);
        };
    };
    runner_.Then(std::string(harwick::qtkit::kLogFileCaption), chooseFile("/no/such/folder/station.log"));
    runner_.Then(Saying("cannot be written", Answer(QMessageBox::Ok)));
    entry->trigger();
    EXPECT_FALSE(entry->isChecked());

    const fs::path log = home_ / "station.log";
    runner_.Then(std::string(harwick::qtkit::kLogFileCaption), chooseFile(log.string()));
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    listInstrument();
    EXPECT_NE(harwick::testing::ReadFile(log).find(" ms out 61 0D 0A | a.."), std::string::npos)
        << harwick::testing::ReadFile(log);
}

TEST_F(WindowTest, CopyDownloadsIntoTheSelectedFolder)
{
    listInstrument();
    homeItem()->setExpanded(true);
    settle();
    frame_->DriveView()->setCurrentItem(homeItem());
    frame_->DeviceView()->setCurrentItem(deviceItem("Fixpoints: 1 Blocks"));
    runner_.Then(std::string(kDownloadCaption), NameTheFile("north.dat"));
    frame_->CopyDeviceNode();
    EXPECT_EQ(harwick::testing::ReadFile(home_ / "north.dat"), "STN1,,2150.000,4820.000,112.450\r\n");
    EXPECT_NE(pcItem("north.dat"), nullptr) << "the PC tree shows the new file";

    // A drop onto a file is refused; onto a folder it downloads.
    EXPECT_FALSE(AcceptsDownload(*frame_->DriveView()->NodeOf(pcItem("notes.txt"))));
    EXPECT_TRUE(AcceptsDownload(*frame_->DriveView()->NodeOf(pcItem("jobs"))));
    runner_.Then(std::string(kDownloadCaption), NameTheFile("north.gsi"));
    frame_->DownloadInto(*frame_->DeviceView()->SelectedNode(), *frame_->DriveView()->NodeOf(pcItem("jobs")));
    EXPECT_TRUE(fs::exists(home_ / "jobs" / "north.gsi"));
}

// In Chinese the window's menus are Chinese, while the instrument's catalogue
// keeps the instrument's words, which a download reads its object from: the
// copy still fetches the right job's fixpoints.
TEST_F(WindowTest, InChineseTheMenusAreChineseAndTheCatalogueStillDownloads)
{
    const harwick::testing::LanguageScope scope(harwick::Language::Chinese);
    makeWindow(PortSource{});
    for (QAction* menu : frame_->menuBar()->actions()) {
        EXPECT_TRUE(harwick::testing::HasChinese(menu->text().toStdString())) << menu->text().toStdString();
        for (const QAction* entry : menu->menu()->actions()) {
            if (entry->isSeparator()) continue;
            EXPECT_TRUE(harwick::testing::HasChinese(entry->text().toStdString())) << entry->text().toStdString();
        }
    }
    listInstrument();
    homeItem()->setExpanded(true);
    settle();
    frame_->DriveView()->setCurrentItem(homeItem());
    frame_->DeviceView()->setCurrentItem(deviceItem("Fixpoints: 1 Blocks"));
    runner_.Then(std::string(kDownloadCaption), NameTheFile("north.dat"));
    frame_->CopyDeviceNode();
    EXPECT_EQ(harwick::testing::ReadFile(home_ / "north.dat"), "STN1,,2150.000,4820.000,112.450\r\n");
}

TEST_F(WindowTest, DroppingAPcFileOnFixpointsUploadsIntoThatJob)
{
    listInstrument();
    DeviceNode* fix = frame_->DeviceView()->NodeOf(deviceItem("Fixpoints: 1 Blocks"));
    ASSERT_NE(fix, nullptr);
    EXPECT_TRUE(AcceptsUpload(*fix));
    EXPECT_FALSE(AcceptsUpload(*frame_->DeviceView()->NodeOf(deviceItem("Hal 1: ROAD1: 1"))));
    frame_->DriveView()->setCurrentItem(pcItem("DATA.GSI"));
    int preselected = -1;
    runner_.Then(std::string(kUploadCaption), [&preselected](QDialog& dialog) {
        preselected = dialog.findChild<QComboBox*>(QStringLiteral("jobCombo"))->currentIndex();
        return ChooseJob(0)(dialog);
    });
    frame_->UploadOnto(*fix);
    sim::InstrumentStore store(temp_.path() / "instrument");
    EXPECT_EQ(store.GetJob(1)->fixpoints, (std::vector<std::string>{"110001+0000000A 81..10+00001000 "}));
    EXPECT_EQ(preselected, 0) << "the job dropped on is offered first";
}

TEST_F(WindowTest, DeleteAndMove)
{
    listInstrument();
    frame_->DeviceView()->setCurrentItem(deviceItem("Hal 1: ROAD1: 1"));
    runner_.Then(Saying("Hal 1: ROAD1", Answer(QMessageBox::Ok)));
    frame_->DeleteDeviceNode();
    EXPECT_NE(deviceItem("Hal 1: ROAD1: 0"), nullptr);
    frame_->DeviceView()->setCurrentItem(deviceItem("Fixpoints: 1 Blocks"));
    runner_.Then(std::string(kDownloadCaption), NameTheFile("moved.gsi"));
    runner_.Then(Saying("Fixpoints", Answer(QMessageBox::Ok)));
    frame_->MoveDeviceNode();
    EXPECT_TRUE(fs::exists(home_ / "moved.gsi"));
    EXPECT_NE(deviceItem("Fixpoints: 0 Blocks"), nullptr);
    sim::InstrumentStore store(temp_.path() / "instrument");
    EXPECT_TRUE(store.GetJob(1)->fixpoints.empty());
}

// The instrument misbehaving after it was listed: whatever stops a transfer,
// the user is told what happened and what state things are in.
class FailureTest : public WindowTest {
protected:
    // Lists the instrument, then puts it on the line again misbehaving.
    void relistMisbehaving(const sim::Misbehaviour& m)
    {
        listInstrument();
        sim_.reset();
        sim_ = std::make_unique<sim::InstrumentSim>(sim::SimOptions{temp_.path() / "instrument", "COM3", m});
        std::string error;
        ASSERT_TRUE(sim_->Start(error)) << error;
    }
    void selectFixpoints() { frame_->DeviceView()->setCurrentItem(deviceItem("Fixpoints: 1 Blocks")); }
    void expectNothingErased()
    {
        for (const std::string& command : sim_->CommandsSeen()) EXPECT_EQ(command.find("ERASE"), std::string::npos) << command;
        sim::InstrumentStore store(temp_.path() / "instrument");
        EXPECT_EQ(store.GetJob(1)->fixpoints, kFixpoints);
        EXPECT_NE(deviceItem("Fixpoints: 1 Blocks"), nullptr);
    }
};

// Move erases only after a copy that is on disk whole; whatever stops the
// copy, the instrument keeps its data and the user is told why.
using MoveTest = FailureTest;

TEST_F(MoveTest, ATimeOutDuringTheCopyErasesNothingAndSaysSo)
{
    sim::Misbehaviour m;
    m.silentAfterCommands = 4; // a, c, FORM/SET/0 and the transfer command; no record comes
    relistMisbehaving(m);
    app_->link.SetReplyTimeout(300ms);
    selectFixpoints();
    runner_.Then(std::string(kDownloadCaption), NameTheFile("moved.gsi"));
    runner_.Then(Saying("Nothing was erased on the instrument. The instrument stopped answering", Answer(QMessageBox::Ok)));
    frame_->MoveDeviceNode();
    EXPECT_FALSE(fs::exists(home_ / "moved.gsi"));
    expectNothingErased();
}

TEST_F(MoveTest, ACopyThatCannotBeWrittenErasesNothingAndSaysSo)
{
    listInstrument();
    fs::create_directory(home_ / "moved.gsi"); // a folder in the way of the file
    selectFixpoints();
    runner_.Then(std::string(kDownloadCaption), NameTheFile("moved.gsi"));
    runner_.Then(Saying("The file has been existed", Answer(QMessageBox::Ok)));
    runner_.Then(Saying("moved.gsi was not written", Answer(QMessageBox::Ok)));
    frame_->MoveDeviceNode();
    EXPECT_TRUE(fs::is_directory(home_ / "moved.gsi"));
    expectNothingErased();
}

TEST_F(MoveTest, CancellingTheFileDialogErasesNothingSilently)
{
    listInstrument();
    selectFixpoints();
    runner_.Then(std::string(kDownloadCaption), Press("cancelButton"));
    frame_->MoveDeviceNode();
    expectNothingErased();
}

TEST_F(MoveTest, ANodeCopyCannotTakeIsRefusedBeforeTheInstrumentIsAsked)
{
    listInstrument();
    frame_->DeviceView()->setCurrentItem(deviceItem("Job 1: NORTH"));
    const std::size_t commandsBefore = sim_->CommandsSeen().size();
    runner_.Then(Saying("Nothing was copied and nothing was erased", Answer(QMessageBox::Ok)));
    frame_->MoveDeviceNode();
    EXPECT_EQ(sim_->CommandsSeen().size(), commandsBefore);
    expectNothingErased();
    EXPECT_NE(deviceItem("Job 1: NORTH"), nullptr);
}

TEST_F(FailureTest, ADownloadStoppedByAWrongReplyNamesTheReplyAndTheFile)
{
    sim::Misbehaviour m;
    m.wrongReplies["FORM/SET/0"] = "@W127\r\n";
    relistMisbehaving(m);
    selectFixpoints();
    frame_->DriveView()->setCurrentItem(homeItem());
    runner_.Then(std::string(kDownloadCaption), NameTheFile("north.gsi"));
    runner_.Then(Saying("answered '@W127'", Saying((home_ / "north.gsi").string() + " was not written",
                                                   Answer(QMessageBox::Ok))));
    frame_->CopyDeviceNode();
    EXPECT_FALSE(fs::exists(home_ / "north.gsi"));
}

TEST_F(FailureTest, AnUploadThatStopsSaysHowManyLinesTheInstrumentTook)
{
    const fs::path three = home_ / "three.gsi";
    harwick::testing::WriteFile(three, "110001+0000000A 81..10+00001000 \r\n110002+0000000B 81..10+00002000 \r\n"
                                       "110003+0000000C 81..10+00003000 \r\n");
    sim::Misbehaviour m;
    m.silentAfterCommands = 5; // a, c, FORM/SET/0, JOB/SND/COORD/1 and the first line
    relistMisbehaving(m);
    app_->link.SetReplyTimeout(300ms);
    homeItem()->setExpanded(true);
    settle();
    frame_->DriveView()->setCurrentItem(pcItem("three.gsi"));
    runner_.Then(std::string(kUploadCaption), ChooseJob(0));
    runner_.Then(Saying("acknowledged 1 line of " + three.string(), Saying("upload the file again",
                                                                            Answer(QMessageBox::Ok))));
    frame_->UploadOnto(*frame_->DeviceView()->NodeOf(deviceItem("Fixpoints: 1 Blocks")));
    EXPECT_NE(deviceItem("Fixpoints: 1 Blocks"), nullptr) << "the title does not claim what did not arrive";
}

TEST_F(FailureTest, AnEraseWithoutAnswerLeavesTheTitleAndSaysItIsNotKnown)
{
    sim::Misbehaviour m;
    m.silentAfterCommands = 2; // the wake-up only
    relistMisbehaving(m);
    app_->link.SetReplyTimeout(300ms);
    frame_->DeviceView()->setCurrentItem(deviceItem("Job 1: NORTH"));
    runner_.Then(Saying("Job 1: NORTH", Answer(QMessageBox::Ok)));
    runner_.Then(Saying("no reply to 'JOB/ERASE/1'", Saying("is not known", Answer(QMessageBox::Ok))));
    frame_->DeleteDeviceNode();
    EXPECT_NE(deviceItem("Job 1: NORTH"), nullptr);
    EXPECT_EQ(deviceItem("Job 1: <empty>"), nullptr);
}

// While an operation waits for a slow instrument, a person keeps clicking:
// Update, a second Copy, Move, Delete, an upload, Port Setting, a right click
// and a drag on the device pane. None of it starts a second operation or
// changes the device tree under the first (AddressSanitizer watches the
// nodes), and the first ends as it would have.
class ReentryTest : public FailureTest {
protected:
    void SetUp() override
    {
        FailureTest::SetUp();
        sim::Misbehaviour slow;
        slow.splitEvery = 4;
        slow.splitPause = 5ms;
        sim_.reset();
        sim_ = std::make_unique<sim::InstrumentSim>(sim::SimOptions{temp_.path() / "instrument", "COM3", slow});
        std::string error;
        ASSERT_TRUE(sim_->Start(error)) << error;
    }

    // Runs op; on every tick of a fast timer that finds an operation waiting,
    // meddles. The number of ticks that did.
    int meddleDuring(const std::function<void()>& op)
    {
        int meddled = 0;
        QTimer timer;
        timer.setInterval(2);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!app_->busy) return;
            ++meddled;
            frame_->UpdateDevices();
            frame_->CopyDeviceNode();
            frame_->MoveDeviceNode();
            frame_->DeleteDeviceNode();
            frame_->UploadPcItem();
            frame_->PortSetting();
            QWidget* pane = frame_->DeviceView()->viewport();
            const QPoint at(10, 10);
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, pane->mapToGlobal(at));
            QApplication::sendEvent(pane, &menu);
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), pane->mapToGlobal(QPointF(at)), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(pane, &press);
            QMouseEvent drag(QEvent::MouseMove, QPointF(at + QPoint(40, 40)), pane->mapToGlobal(QPointF(at + QPoint(40, 40))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(pane, &drag);
            // A PC file dropped on the device pane, as the PC pane's drag carries it.
            QMimeData fromPc;
            fromPc.setData(QString::fromLatin1(kDragMime), QByteArrayLiteral("pc"));
            QDropEvent drop(QPointF(at), Qt::CopyAction, &fromPc, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(pane, &drop);
        });
        timer.start();
        op();
        timer.stop();
        return meddled;
    }
};

TEST_F(ReentryTest, DuringAListing)
{
    const int meddled = meddleDuring([this] { listInstrument(); });
    EXPECT_GT(meddled, 0);
    settle();
    EXPECT_NE(deviceItem("Fixpoints: 1 Blocks"), nullptr);
    EXPECT_NE(deviceItem("Hal 1: ROAD1: 1"), nullptr);
    EXPECT_EQ(frame_->statusBar()->currentMessage(), QStringLiteral("An instrument operation is under way"));
}

TEST_F(ReentryTest, DuringADownloadAnUploadAndAnErase)
{
    listInstrument();
    settle();
    selectFixpoints();
    frame_->DriveView()->setCurrentItem(homeItem());
    runner_.Then(std::string(kDownloadCaption), NameTheFile("north.gsi"));
    EXPECT_GT(meddleDuring([this] { frame_->CopyDeviceNode(); }), 0);
    EXPECT_TRUE(fs::exists(home_ / "north.gsi"));

    homeItem()->setExpanded(true);
    settle();
    frame_->DriveView()->setCurrentItem(pcItem("DATA.GSI"));
    runner_.Then(std::string(kUploadCaption), ChooseJob(0));
    EXPECT_GT(meddleDuring([this] { frame_->UploadOnto(*frame_->DeviceView()->NodeOf(deviceItem("Fixpoints: 1 Blocks"))); }), 0);
    sim::InstrumentStore store(temp_.path() / "instrument");
    EXPECT_EQ(store.GetJob(1)->fixpoints, (std::vector<std::string>{"110001+0000000A 81..10+00001000 "}));

    frame_->DeviceView()->setCurrentItem(deviceItem("Hal 1: ROAD1: 1"));
    runner_.Then(Saying("Hal 1: ROAD1", Answer(QMessageBox::Ok)));
    EXPECT_GT(meddleDuring([this] { frame_->DeleteDeviceNode(); }), 0);
    EXPECT_NE(deviceItem("Hal 1: ROAD1: 0"), nullptr);
    EXPECT_FALSE(store.GetAlignment(sim::AlignmentKind::Hal, 1));
}

// The entries of the next pop-up menu, each with whether it can be chosen,
// and then the one named chosen (none: the menu is closed).
ScriptedRunner::MenuStep ReadMenu(std::vector<std::pair<std::string, bool>>& entries, const char* choose = nullptr)
{
    return [&entries, choose](QMenu& menu) -> QAction* {
        QAction* chosen = nullptr;
        for (QAction* action : menu.actions()) {
            entries.emplace_back(action->text().toStdString(), action->isEnabled());
            if (choose != nullptr && action->text() == QString::fromLatin1(choose)) chosen = action;
        }
        return chosen;
    };
}

void RightClick(QTreeWidget& pane, QTreeWidgetItem* item)
{
    ASSERT_NE(item, nullptr);
    pane.setCurrentItem(item);
    const QPoint at = pane.visualItemRect(item).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, pane.viewport()->mapToGlobal(at));
    QApplication::sendEvent(pane.viewport(), &event);
}

// Closing the window while an operation waits ends the program at once: it
// never goes back into the exchange (whose files are written whole or not
// at all). Each case runs in a child process of its own.
TEST_F(ReentryTest, ClosingTheWindowDuringAnOperationEndsTheProgramAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto closeDuring = [this](const std::function<void()>& op) {
        frame_->show();
        QTimer closer;
        closer.setInterval(2);
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (app_->busy) frame_->close();
        });
        closer.start();
        op();
        std::_Exit(0); // back from the operation: closing did not end the program
    };
    EXPECT_EXIT(closeDuring([this] { listInstrument(); }), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            listInstrument();
            selectFixpoints();
            frame_->DriveView()->setCurrentItem(homeItem());
            runner_.Then(std::string(kDownloadCaption), NameTheFile("half.gsi"));
            closeDuring([this] { frame_->CopyDeviceNode(); });
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            listInstrument();
            frame_->DeviceView()->setCurrentItem(deviceItem("Hal 1: ROAD1: 1"));
            runner_.Then(Saying("Hal 1: ROAD1", Answer(QMessageBox::Ok)));
            closeDuring([this] { frame_->DeleteDeviceNode(); });
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            listInstrument();
            homeItem()->setExpanded(true);
            settle();
            frame_->DriveView()->setCurrentItem(pcItem("DATA.GSI"));
            runner_.Then(std::string(kUploadCaption), ChooseJob(0));
            closeDuring([this] { frame_->UploadOnto(*frame_->DeviceView()->NodeOf(deviceItem("Fixpoints: 1 Blocks"))); });
        },
        ::testing::ExitedWithCode(1), "");
}

TEST_F(WindowTest, PopUpMenusOfferOnlyWhatDoesSomethingAndRunTheChoice)
{
    listInstrument();
    std::vector<std::pair<std::string, bool>> device;
    runner_.ThenMenu(ReadMenu(device));
    RightClick(*frame_->DeviceView(), deviceItem("Fixpoints: 1 Blocks"));
    EXPECT_EQ(device, (std::vector<std::pair<std::string, bool>>{{"&Copy", true},
                                                                 {"&Move", true},
                                                                 {"&Delete", true},
                                                                 {"&Rename...", false},
                                                                 {"&Update...", false},
                                                                 {"&New Folder", false},
                                                                 {"&Port Setting", true}}));
    // The chosen entry runs once the menu has closed.
    std::vector<std::pair<std::string, bool>> again;
    runner_.ThenMenu(ReadMenu(again, "&Copy"));
    runner_.Then(std::string(kDownloadCaption), NameTheFile("from-menu.gsi"));
    RightClick(*frame_->DeviceView(), deviceItem("Fixpoints: 1 Blocks"));
    EXPECT_TRUE(fs::exists(home_ / "from-menu.gsi"));

    std::vector<std::pair<std::string, bool>> pc;
    runner_.ThenMenu(ReadMenu(pc));
    RightClick(*frame_->DriveView(), homeItem());
    ASSERT_FALSE(pc.empty());
    EXPECT_EQ(pc.back(), (std::pair<std::string, bool>{"&Move", false}));
    EXPECT_EQ(pc.front(), (std::pair<std::string, bool>{"&Rename...", false})) << "a top-level item is not renamed";
}

TEST_F(WindowTest, ThePcPaneListsLikeAFileManager)
{
    harwick::testing::WriteFile(home_ / "b-notes.TXT", "b");
    fs::create_directories(home_ / "Alpha");
    homeItem()->setExpanded(true);
    settle();
    QTreeWidgetItem* home = homeItem();
    std::vector<std::string> shown;
    for (int i = 0; i < home->childCount(); ++i) shown.push_back(home->child(i)->text(0).toStdString());
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha", "jobs", "b-notes.TXT", "DATA.GSI", "notes.txt"}));

    // "jobs" was empty when listed; once it holds a file it opens, without an Update.
    QTreeWidgetItem* jobs = pcItem("jobs");
    ASSERT_NE(jobs, nullptr);
    EXPECT_EQ(jobs->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    harwick::testing::WriteFile(home_ / "jobs" / "late.gsi", "x");
    jobs->setExpanded(true);
    settle();
    EXPECT_NE(pcItem("late.gsi"), nullptr);
}

TEST_F(WindowTest, PortsThatWillNotOpenAreExplainedAndUpdateProbesAgain)
{
    // COM3 is there but refused for want of rights (made up at discovery:
    // as root nothing is refused).
    bool allowed = false;
    const std::string device = sim_->DevicePath();
    makeWindow(PortSource{"/", [&allowed, device](const fs::path& d) { return d == device && !allowed ? EACCES : 0; },
                          CheckPort});
    ASSERT_EQ(frame_->DeviceView()->topLevelItemCount(), 1);
    const std::string shown = frame_->DeviceView()->topLevelItem(0)->text(0).toStdString();
    EXPECT_NE(shown.find("COM3 \u2014 " + device + " (mapped port): permission denied"), std::string::npos) << shown;
    // Discovery's fix names the device's own group (a pseudo-terminal's is not dialout).
    EXPECT_NE(shown.find("sudo usermod -aG"), std::string::npos) << shown;
    EXPECT_EQ(frame_->PortLabel()->text(), QStringLiteral("COM1"));

    // The user fixed it: Update finds the port, the explanation goes.
    allowed = true;
    frame_->UpdateDevices();
    ASSERT_EQ(frame_->DeviceView()->topLevelItemCount(), 1);
    EXPECT_EQ(frame_->DeviceView()->topLevelItem(0)->text(0), QStringLiteral("COM3"));
    listInstrument();
    EXPECT_EQ(frame_->PortLabel()->text(), QStringLiteral("COM3")) << "the label names the port listed";
}

TEST_F(WindowTest, AnAdapterPluggedInAfterStartAppearsOnUpdate)
{
    harwick::testing::PseudoTerminal adapter;
    ASSERT_FALSE(adapter.slavePath().empty());
    fs::create_symlink(adapter.slavePath(), temp_.path() / "config" / "harwick" / "ports" / "COM5");
    EXPECT_EQ(deviceItem("COM5"), nullptr);
    frame_->UpdateDevices();
    EXPECT_NE(deviceItem("COM5"), nullptr);
    EXPECT_NE(deviceItem("COM3"), nullptr);
    EXPECT_EQ(frame_->DeviceView()->topLevelItem(1)->text(0), QStringLiteral("COM5")) << "in number order";
}

TEST_F(WindowTest, SettingsDialogSetsThePortSettings)
{
    runner_.Then(std::string(kSettingsCaption), [](QDialog& dialog) {
        const std::pair<const char*, const char*> choices[] = {
            {"portCombo", "COM3 \u2014 "}, {"instrumentCombo", "QRX700"}, {"baudRateCombo", "9600"},
            {"parityCombo", "Even"},       {"stopBitsCombo", "1"},        {"dataBitsCombo", "7"},
            {"endmarkCombo", "CRLF"}};
        for (const auto& [name, text] : choices) {
            auto* combo = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
            EXPECT_NE(combo, nullptr) << name;
            if (combo == nullptr) continue;
            // The port is offered by its label, which begins with its COM name.
            const int index = combo->findText(QString::fromUtf8(text), Qt::MatchStartsWith);
            EXPECT_GE(index, 0) << name << " offers no " << text;
            combo->setCurrentIndex(index);
        }
        return Press("okButton")(dialog);
    });
    frame_->PortSetting();
    settle();
    EXPECT_EQ(app_->link.PortSettings(), "9600,e,7,1");
    EXPECT_NE(deviceItem("Job 1: NORTH"), nullptr) << "the label chosen expands its port, found by COM name";
    runner_.Then(std::string(kSettingsCaption), Press("cancelButton"));
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
    runner_.Then(Saying("Rename Failed", Answer(QMessageBox::Ok)));
    frame_->RenamePcItem("DATA.GSI");
    EXPECT_EQ(harwick::testing::ReadFile(home_ / "notes.txt"), "hello");

    // Editing a title in place renames the file; top-level items do not edit.
    EXPECT_FALSE(homeItem()->flags() & Qt::ItemIsEditable);
    frame_->DriveView()->setCurrentItem(pcItem("DATA.GSI"));
    pcItem("DATA.GSI")->setText(0, "data2.gsi");
    settle();
    EXPECT_TRUE(fs::exists(home_ / "data2.gsi"));
    EXPECT_NE(pcItem("data2.gsi"), nullptr);

    frame_->DriveView()->setCurrentItem(pcItem("notes.txt"));
    QString size, fileType;
    runner_.Then(std::string(kFileInfoCaption), [&](QDialog& dialog) {
        size = dialog.findChild<QLabel*>(QStringLiteral("sizeValue"))->text();
        fileType = dialog.findChild<QLabel*>(QStringLiteral("fileTypeValue"))->text();
        return Press("okButton")(dialog);
    });
    frame_->ShowPcFileInfo();
    EXPECT_EQ(size, QStringLiteral("5 BYTE"));
    EXPECT_EQ(fileType, QStringLiteral("TXT (F)File"));
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
