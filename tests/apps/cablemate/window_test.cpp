// The real window, offscreen, against the simulated instrument: start-up,
// the document's Open and Save As, transfers from the menus, the settings
// and list dialogs, the correction and the conversions. Every dialog is
// answered by the test.
#include "startup.h"

#include "block_stream.h"
#include "cable_messages.h"
#include "commands.h"
#include "dxf_export.h"
#include "window_fakes.h"

#include "qtkit/traffic_log_entry.h"
#include "window_texts.h"

#include "instrument-sim/emulated_usb.h"
#include "instrument-sim/serial_cable.h"

#include "language_scope.h"
#include "scratch.h"

#include <QAction>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cablemate {
namespace {

using namespace std::chrono_literals;
using harwick::testing::ReadFile;
using harwick::testing::WriteFile;
using testing::ScriptedInteractions;

constexpr int kWaitMs = 10000;

template <typename T>
T* Find(QDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

int PressOk(QDialog& dialog) {
    Find<QPushButton>(dialog, "okButton")->click();
    return dialog.result();
}

class CablemateWindow : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_.set((dir_.path() / "runtime").string());
        config_.set((dir_.path() / "config").string());
        std::filesystem::create_directories(Work());
    }

    std::filesystem::path Work() const { return dir_.path() / "work"; }

    bool Start(const std::filesystem::path& programDir = USBPIPE_DIR) {
        StartupEnvironment environment;
        environment.programDir = programDir;
        environment.settingsFile = (Work() / "qtr_cfg.ini").string();
        program_ = CablemateProgram::Start(environment, ui.Get(), outcome_);
        if (!program_) return false;
        App().Transfer().timing = {20ms, 20ms};
        startedMaximised_ = program_->Frame().windowState().testFlag(Qt::WindowMaximized);
        // Qt paints with helper threads of its own, which the thread checker
        // cannot see into; the tests drive the window without painting it.
        program_->Frame().hide();
        return true;
    }
    // The program beside a USB instrument that sends text once Enter is
    // pressed on it, which the program's prompt does.
    ::testing::AssertionResult StartWithUsbInstrument(harwick::sim::EmulatedUsb& sim, const std::string& text) {
        std::string error;
        if (!sim.Start(error)) return ::testing::AssertionFailure() << error;
        sim.SetSendText(text);
        ui.messages.On(std::string(kPressStationFirst), [&sim] { sim.PressEnter(); });
        return Start() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "the program did not start";
    }
    CCablemateApp& App() { return program_->App(); }
    CCablemateView& View() { return program_->Frame().View(); }
    void Command(int id) {
        QAction* action = program_->Frame().ActionFor(id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
    }
    // Transfers call back into the window's thread: wait with its events running.
    bool WaitForTransfer() {
        const bool ended = QTest::qWaitFor([this] { return !App().TransferRunning(); }, kWaitMs);
        // What the transfer left for the window's thread at its end.
        View().Mailbox().Drain();
        return ended;
    }
    static SaveChoice As(const std::filesystem::path& path, SaveType type = SaveType::Gsi) {
        return SaveChoice{path.string(), type};
    }
    // The "Saveas" progress of a ".dat" save: it must close by itself. Points
    // at the bar's range as the dialog had it.
    const int* ExpectProgressThatClosesItself() {
        auto maximum = std::make_shared<int>(-1);
        progressMaxima_.push_back(maximum);
        ui.runner.Then([maximum](QDialog& dialog) {
            *maximum = Find<QProgressBar>(dialog, "progressBar")->maximum();
            const bool closed = QTest::qWaitFor([&] { return dialog.result() == QDialog::Accepted; }, kWaitMs);
            EXPECT_TRUE(closed) << "the progress dialog stayed open";
            return closed ? QDialog::Accepted : QDialog::Rejected;
        });
        return maximum.get();
    }
    bool Shown(const std::string& message) {
        for (const std::string& m : ui.messages.Shown())
            if (m == message) return true;
        return false;
    }

    harwick::testing::TempDir dir_{"cablemate-window"};
    harwick::testing::ScopedEnv runtime_{"XDG_RUNTIME_DIR"};
    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    ScriptedInteractions ui;
    StartOutcome outcome_ = StartOutcome::Running;
    bool startedMaximised_ = false;
    std::unique_ptr<CablemateProgram> program_;
    std::vector<std::shared_ptr<int>> progressMaxima_;
};

TEST_F(CablemateWindow, StartsMaximisedWithItsTitleAndEveryCommandInAMenu) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(program_->Frame().windowTitle(), "Harwick cablemate");
    EXPECT_TRUE(startedMaximised_);
    for (const int id : {32773, 32807, 32774, 32793, 32794, 32775, 32795, 32796, 32799, 32802, 32771, 32772, 32784,
                         32791, 32789, 32790, 32800, 32801, 32783, 32777, 32782, 32804, 32776, 32778, 32797, 32798,
                         32781, 32779, 32780, 32806, 32803, 57604}) {
        EXPECT_NE(program_->Frame().ActionFor(id), nullptr) << id;
    }
    // Both upload texts of the USB menu send the same command.
    EXPECT_EQ(program_->Frame().Entry(kUsbMenu, kUploadCodeEntry)->data().toInt(), command::kUsbUploadCoordinateOrCode);
    EXPECT_EQ(program_->Frame().Entry(kUsbMenu, kUploadCoordinateEntry)->data().toInt(),
              command::kUsbUploadCoordinateOrCode);
    // The shortcuts written in the USB menu have no key behind them.
    EXPECT_TRUE(program_->Frame().Entry(kUsbMenu, kDownloadMeasuredEntry)->shortcut().isEmpty());

    // Restored from maximised, or on a desktop that does not maximise, the
    // window has room for every menu: none hides behind the overflow arrow.
    CMainFrame& frame = program_->Frame();
    frame.setWindowState(Qt::WindowNoState);
    const QRect normal = frame.normalGeometry();
    EXPECT_GE(normal.width(), frame.menuBar()->sizeHint().width());
    frame.menuBar()->resize(normal.width(), frame.menuBar()->height());
    for (QAction* menu : frame.menuBar()->actions()) {
        const QRect at = frame.menuBar()->actionGeometry(menu);
        EXPECT_FALSE(at.isEmpty()) << menu->text().toStdString();
        EXPECT_LE(at.right(), normal.width()) << menu->text().toStdString();
    }
}

// In Chinese every menu and entry is Chinese, the toolbar's buttons show
// their words without the accelerator's "(T)", and the menus still fit.
TEST_F(CablemateWindow, InChineseMenusAndButtonsAreChineseAndFit) {
    using harwick::testing::HasChinese;
    const harwick::testing::LanguageScope scope(harwick::Language::Chinese);
    ASSERT_TRUE(Start());
    CMainFrame& frame = program_->Frame();
    for (QAction* menu : frame.menuBar()->actions()) {
        EXPECT_TRUE(HasChinese(menu->text().toStdString())) << menu->text().toStdString();
        for (const QAction* entry : menu->menu()->actions()) {
            if (entry->isSeparator() || entry->text().isEmpty()) continue;
            EXPECT_TRUE(HasChinese(entry->text().toStdString())) << entry->text().toStdString();
        }
    }
    int buttons = 0;
    for (const QToolButton* button : frame.findChildren<QToolButton*>()) {
        if (button->defaultAction() == nullptr || button->defaultAction()->isSeparator()) continue;
        ++buttons;
        EXPECT_FALSE(button->text().contains(QRegularExpression(QStringLiteral("\\(.\\)|&")))) << button->text().toStdString();
    }
    EXPECT_GT(buttons, 5);
    frame.setWindowState(Qt::WindowNoState);
    EXPECT_GE(frame.normalGeometry().width(), frame.menuBar()->sizeHint().width());
}

TEST_F(CablemateWindow, SecondInstanceEndsSilently) {
    const auto held = harwick::platform::NamedLock::Acquire(kInstanceName);
    ASSERT_EQ(held.state(), harwick::platform::NamedLock::State::Held);
    EXPECT_FALSE(Start());
    EXPECT_EQ(outcome_, StartOutcome::AlreadyRunning);
    EXPECT_TRUE(ui.messages.Shown().empty());
}

// The real program as a child process, offscreen.
class Child {
public:
    explicit Child(const char* program) {
        char* argv[] = {const_cast<char*>(program), nullptr};
        if (::posix_spawn(&pid_, program, nullptr, nullptr, argv, environ) != 0) pid_ = -1;
    }
    ~Child() {
        if (pid_ <= 0 || ended_) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    bool Started() const { return pid_ > 0; }
    // The exit code once the child ended within the time; nothing otherwise.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                ended_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    bool ended_ = false;
};

TEST_F(CablemateWindow, SecondProgramEndsAtOnceWhileTheFirstRuns) {
    harwick::testing::ScopedEnv platform("QT_QPA_PLATFORM");
    platform.set("offscreen");
    Child first(CABLEMATE_BIN);
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return harwick::platform::NamedLock::Acquire(kInstanceName).state() ==
               harwick::platform::NamedLock::State::Taken;
    }, kWaitMs));
    Child second(CABLEMATE_BIN);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(std::chrono::milliseconds(kWaitMs)), 0);
    // The first one still runs.
    EXPECT_FALSE(first.WaitForExit(100ms));
}

TEST_F(CablemateWindow, MissingUsbLibraryShowsTheMessageAndEnds) {
    harwick::testing::TempDir empty("cablemate-nolib");
    EXPECT_FALSE(Start(empty.path()));
    EXPECT_EQ(outcome_, StartOutcome::LibraryMissing);
    EXPECT_EQ(ui.messages.Shown(), std::vector<std::string>{std::string(kLoadLibraryFailed)});
}

TEST_F(CablemateWindow, OpenThenSaveAsGsiWritesTheBytesBackUnchanged) {
    const std::string bytes = "110001+0000000P1 81..10+00001000 \r\n\x1A\x02 lone LF\nlone CR\r\xe4\xb8\xad\r\n";
    WriteFile(Work() / "job.txt", bytes);
    ASSERT_TRUE(Start());
    ui.files.open.push_back((Work() / "job.txt").string());
    program_->Frame().Entry(kFileMenu, kOpenEntry)->trigger();
    ui.files.saveAs.push_back(As(Work() / "copy.gsi"));
    Command(command::kSaveAs);
    EXPECT_EQ(ReadFile(Work() / "copy.gsi"), bytes);
    EXPECT_FALSE(App().Doc().PendingTarget());
    EXPECT_EQ(App().Doc().RecentFiles().front(), (Work() / "copy.gsi").string());

    // Not a byte of a binary text is lost either, whatever the name says.
    const std::string latin = std::string("\xff\xfe\x80 raw\r\n", 8);
    WriteFile(Work() / "raw.txt", latin);
    ASSERT_TRUE(App().Doc().Open((Work() / "raw.txt").string()));
    for (const char* name : {"raw.gsi", "raw.GSI", "raw.txt2", "notes.txt"}) {
        ui.files.saveAs.push_back(As(Work() / name, SaveType::Kard));
        Command(command::kSaveAs);
        EXPECT_EQ(ReadFile(Work() / name), latin) << name;
    }
}

TEST_F(CablemateWindow, SaveAsWithAnEmptyEditorKeepsTheTargetAFailedOneIsForgotten) {
    ASSERT_TRUE(Start());
    WriteFile(Work() / "keep.gsi", "old");
    ui.files.saveAs.push_back(As(Work() / "keep.gsi"));
    Command(command::kSaveAs);
    EXPECT_EQ(ui.messages.Shown(), (std::vector<std::string>{std::string(kNoData), std::string(kInvarilData)}));
    EXPECT_EQ(ReadFile(Work() / "keep.gsi"), "old");
    ASSERT_TRUE(App().Doc().PendingTarget());
    // The next Save As goes straight to writing.
    View().SetBytes("text\r\n");
    Command(command::kSaveAs);
    EXPECT_EQ(ReadFile(Work() / "keep.gsi"), "text\r\n");

    // A name that cannot be made is not tried again: the next Save As asks.
    const auto nowhere = dir_.path() / "no" / "such" / "dir.gsi";
    ui.files.saveAs.push_back(As(nowhere));
    Command(command::kSaveAs);
    EXPECT_EQ(ui.messages.Shown().back(), kSaveFileFalse);
    EXPECT_FALSE(App().Doc().PendingTarget());
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
    ui.files.saveAs.push_back(As(Work() / "second.gsi"));
    Command(command::kSaveAs);
    EXPECT_EQ(ReadFile(Work() / "second.gsi"), "text\r\n");
}

// Each type of the dialog gives a bare name its extension, and the
// extension decides what is written.
TEST_F(CablemateWindow, SaveAsBareNameTakesTheChosenType) {
    ASSERT_TRUE(Start());
    const std::string kard = "P1,TREE,100.5,200.25,3.125\r\n";
    View().SetBytes(kard);
    ui.files.saveAs.push_back(As(Work() / "bare", SaveType::Gsi));
    Command(command::kSaveAs);
    EXPECT_EQ(ReadFile(Work() / "bare.gsi"), kard);
    ui.files.saveAs.push_back(As(Work() / "bare", SaveType::Dxf));
    Command(command::kSaveAs);
    EXPECT_EQ(ReadFile(Work() / "bare.dxf"), *ExportDxf(kard).text);
    ui.files.saveAs.push_back(As(Work() / "bare", SaveType::Kard));
    ExpectProgressThatClosesItself();
    Command(command::kSaveAs);
    View().Mailbox().Drain();
    // The text already is KARD lines: they are written as they are.
    EXPECT_EQ(ReadFile(Work() / "bare.dat"), kard);
    EXPECT_EQ(App().Doc().RecentFiles().front(), (Work() / "bare.dat").string());
    EXPECT_FALSE(std::filesystem::exists(Work() / "bare"));
}

TEST_F(CablemateWindow, SaveAsDxfWritesTheDrawingOrSaysWhyNot) {
    ASSERT_TRUE(Start());
    // Unterminated last line: the point is drawn all the same.
    View().SetBytes("P1,TREE,100.5,200.25,3.125\r\nP2,,1,2,3");
    ui.files.saveAs.push_back(As(Work() / "plan.dxf"));
    Command(command::kSaveAs);
    const std::string drawing = ReadFile(Work() / "plan.dxf");
    EXPECT_EQ(drawing, *ExportDxf("P1,TREE,100.5,200.25,3.125\r\nP2,,1,2,3\r\n").text);

    // A drawing already in the editor (the export's own result) goes as it is.
    View().SetBytes(drawing);
    ui.files.saveAs.push_back(As(Work() / "again.DXF"));
    Command(command::kSaveAs);
    EXPECT_EQ(ReadFile(Work() / "again.DXF"), drawing);

    // GSI text is no point list: the export says so and the old file stays.
    WriteFile(Work() / "old.dxf", "old");
    View().SetBytes("110001+0000000P1 81..10+00001000 \r\n");
    ui.files.saveAs.push_back(As(Work() / "old.dxf"));
    Command(command::kSaveAs);
    EXPECT_EQ(ui.messages.Shown().back(), kInvalidKard300Format);
    EXPECT_EQ(ReadFile(Work() / "old.dxf"), "old");
    EXPECT_FALSE(App().Doc().PendingTarget());
}

TEST_F(CablemateWindow, SaveAsDatShowsTheProgressDialogWhichClosesItself) {
    ASSERT_TRUE(Start());
    // LF line ends and no end on the last line, as a Linux editor leaves it.
    View().SetBytes("410001+0000TREE \n110001+000000P1 81..00+00001234 82..00+00005678 83..00+00000012 \n"
                    "110002+000000P2 81..00+00002000 82..00+00003000 83..00+00000100 ");
    ui.files.saveAs.push_back(As(Work() / "points.dat"));
    const int* maximum = ExpectProgressThatClosesItself();
    Command(command::kSaveAs);
    View().Mailbox().Drain();
    EXPECT_EQ(ui.runner.Titles(), std::vector<std::string>{"Saveas"});
    EXPECT_EQ(*maximum, 2);
    EXPECT_EQ(ReadFile(Work() / "points.dat"), "P1,TREE,1.234,5.678,0.012\r\nP2,TREE,2.000,3.000,0.100\r\n");
    EXPECT_FALSE(App().Doc().PendingTarget());
}

TEST_F(CablemateWindow, SaveAsDatWithNothingToConvertLeavesTheFileAlone) {
    ASSERT_TRUE(Start());
    WriteFile(Work() / "points.dat", "P1,,1,2,3\r\n");
    View().SetBytes("just some notes\r\n");
    ui.files.saveAs.push_back(As(Work() / "points.dat"));
    ExpectProgressThatClosesItself();
    Command(command::kSaveAs);
    View().Mailbox().Drain();
    EXPECT_EQ(ui.messages.Shown().back(), kNothingToSaveAsKard);
    EXPECT_EQ(ReadFile(Work() / "points.dat"), "P1,,1,2,3\r\n");
    // Nor is a new file left behind.
    ui.files.saveAs.push_back(As(Work() / "fresh.dat"));
    ExpectProgressThatClosesItself();
    Command(command::kSaveAs);
    View().Mailbox().Drain();
    EXPECT_FALSE(std::filesystem::exists(Work() / "fresh.dat"));
}

TEST_F(CablemateWindow, UsbDownloadFillsTheEditor) {
    harwick::sim::EmulatedUsb sim{harwick::sim::UsbOptions{}};
    ASSERT_TRUE(StartWithUsbInstrument(sim, "P1,,1.000,2.000,3.000\r\n"));
    Command(command::kUsbDownloadCode);
    ASSERT_TRUE(WaitForTransfer());
    EXPECT_EQ(View().Bytes(), "P1,,1.000,2.000,3.000\r\n\x1A");
    EXPECT_TRUE(Shown(std::string(kReceiveDataOkUsb)));
    EXPECT_TRUE(View().isEnabled());
    EXPECT_FALSE(View().isReadOnly());
}

// One transfer at a time: a second transfer, a conversion or a save while a
// transfer runs is refused with a word, and the same command works after it.
TEST_F(CablemateWindow, CommandsThatShareTheCableOrTheTextWaitForARunningTransfer) {
    harwick::testing::WriteFile(Work() / "qtr_cfg.ini", "[QTRUSBSETTING]\r\nUSBRevRowDelay=1\r\nUSBRevTimeOut=1500\r\n");
    harwick::sim::UsbOptions options;
    options.misbehave.silent = true;
    harwick::sim::EmulatedUsb sim{options};
    ASSERT_TRUE(StartWithUsbInstrument(sim, "P1,,1.000,2.000,3.000\r\n"));
    const auto shown = [this](std::string_view message) {
        const std::vector<std::string> all = ui.messages.Shown();
        return std::count(all.begin(), all.end(), std::string(message));
    };
    Command(command::kUsbDownloadCode);
    ASSERT_TRUE(App().TransferRunning());
    for (const int id : {command::kUsbDownloadCode, command::kComDownload, command::kKard600ToKard300,
                         command::kSaveAs}) {
        Command(id);
    }
    ASSERT_TRUE(WaitForTransfer());
    EXPECT_EQ(shown(kTransferRunning), 4);
    EXPECT_EQ(shown(kPressStationFirst), 1) << "a second transfer started";

    Command(command::kUsbDownloadCode);
    ASSERT_TRUE(WaitForTransfer());
    EXPECT_EQ(shown(kPressStationFirst), 2);
    EXPECT_EQ(shown(kTransferRunning), 4);
}

// Log Communication is one switch in both transfer menus: the next transfer
// is logged, a file that cannot be written is said and leaves it off.
TEST_F(CablemateWindow, LogCommunicationRecordsTheNextTransfer) {
    harwick::sim::EmulatedUsb sim{harwick::sim::UsbOptions{}};
    ASSERT_TRUE(StartWithUsbInstrument(sim, "P1,,1.000,2.000,3.000\r\n"));
    QAction* usbEntry = program_->Frame().Entry(kUsbMenu, harwick::qtkit::kLogCommunicationEntry);
    ASSERT_NE(usbEntry, nullptr);
    EXPECT_EQ(program_->Frame().Entry(kComMenu, harwick::qtkit::kLogCommunicationEntry), usbEntry);

    ui.files.trafficLog.push_back(std::string("/no/such/folder/cable.log"));
    usbEntry->trigger();
    EXPECT_FALSE(usbEntry->isChecked());
    EXPECT_TRUE(ui.messages.Shown().back().starts_with("the traffic log /no/such/folder/cable.log cannot be written"))
        << ui.messages.Shown().back();

    const std::string log = (Work() / "cable.log").string();
    ui.files.trafficLog.push_back(log);
    usbEntry->trigger();
    EXPECT_TRUE(usbEntry->isChecked());
    Command(command::kUsbDownloadCode);
    ASSERT_TRUE(WaitForTransfer());
    EXPECT_NE(harwick::testing::ReadFile(log).find(" ms in  50 31 2C 2C 31 2E"), std::string::npos)
        << harwick::testing::ReadFile(log);

    usbEntry->trigger(); // off: the next transfer leaves the log as it is
    EXPECT_FALSE(usbEntry->isChecked());
    const std::string before = harwick::testing::ReadFile(log);
    Command(command::kUsbDownloadCode);
    ASSERT_TRUE(WaitForTransfer());
    EXPECT_EQ(harwick::testing::ReadFile(log), before);
}

TEST_F(CablemateWindow, ComAckNakCoordinateBlocksReachTheInstrument) {
    harwick::sim::SerialCableOptions options;
    options.protocol = harwick::sim::CableProtocol::AckNak;
    harwick::sim::SerialCable sim(options);
    std::string error;
    ASSERT_TRUE(sim.Start(error)) << error;
    WriteFile(Work() / "qtr_cfg.ini", "[QTRCOMSETTING]\r\nCOMPort=" + sim.PortName() +
                                          "\r\nBaudrate=115200\r\nCheckBit=0\r\nDataBit=8\r\nProtol=1\r\n"
                                          "ReceiveTimeOut=3000\r\nRowDelay=1\r\nStopBit=0\r\n");
    ASSERT_TRUE(Start());
    const std::string kard = "P1,TREE,1234.567,-2.250,0\r\nP2,,10.000,20.000,3.000\r\n";
    View().SetBytes(kard);
    Command(command::kComCoordinateBlocks);
    ASSERT_TRUE(WaitForTransfer());
    ASSERT_EQ(sim.Uploads().size(), 1u);
    const auto blocks = BuildCoordinateBlocks(kard);
    EXPECT_EQ(sim.Uploads()[0], std::string(kCoordinateUploadHeader) + *blocks);
    EXPECT_EQ(View().Bytes(), *blocks);
    EXPECT_TRUE(Shown(std::string(kCommunicationEnded)));
    EXPECT_TRUE(View().isEnabled());
}

TEST_F(CablemateWindow, ComSettingsRangeMessagesAndTheFileAfterwards) {
    ASSERT_TRUE(Start());
    ui.runner.Then([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "COM通讯参数设置");
        Find<QLineEdit>(dialog, "control1024")->setText("0");
        Find<QLineEdit>(dialog, "control1025")->setText("10000");
        Find<QRadioButton>(dialog, "control1002")->setChecked(true);
        Find<QRadioButton>(dialog, "control1005")->setChecked(true);
        return PressOk(dialog);
    });
    Command(command::kComSettings);
    EXPECT_EQ(ui.messages.Shown(),
              (std::vector<std::string>{std::string(kTimeoutRange), std::string(kRowDelayRange)}));
    EXPECT_EQ(ReadFile(Work() / "qtr_cfg.ini"),
              "[QTRCOMSETTING]\r\nCOMPort=COM3\r\nBaudrate=19200\r\nCheckBit=0\r\nDataBit=8\r\nProtol=1\r\n"
              "ReceiveTimeOut=10000\r\nRowDelay=800\r\nStopBit=0\r\n");
    EXPECT_EQ(App().Com().portName, "COM3");

    ui.runner.Then([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "USB Parameter");
        Find<QLineEdit>(dialog, "control1024")->setText("3");
        Find<QLineEdit>(dialog, "control1025")->setText("20");
        return PressOk(dialog);
    });
    Command(command::kUsbSettings);
    EXPECT_EQ(App().Usb().receiveTimeOut, 3000);
    EXPECT_NE(ReadFile(Work() / "qtr_cfg.ini").find("[QTRUSBSETTING]\r\nUSBRevRowDelay=20\r\nUSBRevTimeOut=3000\r\n"),
              std::string::npos);
}

TEST_F(CablemateWindow, ComParaOffersAMappedPortByItsLabelAndATransferGoesThroughIt) {
    // An adapter beyond COM6: the simulated instrument registered as COM33.
    harwick::sim::SerialCableOptions options;
    options.portName = "COM33";
    harwick::sim::SerialCable sim(options);
    std::string error;
    ASSERT_TRUE(sim.Start(error)) << error;
    ASSERT_TRUE(Start());
    const QString label = QString::fromStdString("COM33 \u2014 " + sim.DevicePath() + " (mapped port)");
    ui.runner.Then([&label](QDialog& dialog) {
        QRadioButton* offered = nullptr;
        for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
            if (radio->text() == label) offered = radio;
        }
        if (offered == nullptr) {
            ADD_FAILURE() << "COM Para does not offer " << label.toStdString();
            return static_cast<int>(QDialog::Rejected);
        }
        EXPECT_FALSE(offered->isChecked());
        offered->click();
        Find<QLineEdit>(dialog, "control1025")->setText("1");
        return PressOk(dialog);
    });
    Command(command::kComSettings);
    EXPECT_EQ(App().Com().portName, "COM33");
    EXPECT_NE(ReadFile(Work() / "qtr_cfg.ini").find("[QTRCOMSETTING]\r\nCOMPort=COM33\r\n"), std::string::npos);

    View().SetBytes("A\r\nB\r\n");
    Command(command::kComLineUpload32789);
    ASSERT_TRUE(WaitForTransfer());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim.UploadCount() == 1; }, kWaitMs));
    EXPECT_EQ(sim.Uploads()[0], "A\r\nB\r\n");
    EXPECT_TRUE(Shown(std::string(kCommunicationCompleted)));

    // Opened again, the dialog shows the port chosen.
    ui.runner.Then([&label](QDialog& dialog) {
        for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
            if (radio->text() == label) EXPECT_TRUE(radio->isChecked());
        }
        return PressOk(dialog);
    });
    Command(command::kComSettings);
    EXPECT_EQ(App().Com().portName, "COM33");
}

TEST_F(CablemateWindow, APortSettingThatNamesNoPortIsToldOnceAndKept) {
    WriteFile(Work() / "qtr_cfg.ini", "[QTRCOMSETTING]\r\nCOMPort=COM1234\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ui.messages.Shown(), (std::vector<std::string>{PortNamesNoPortMessage("COM1234")}));
    EXPECT_EQ(App().Com().portName, "COM1234");

    // A transfer opens no other port: its open says why.
    View().SetBytes("A\r\n");
    Command(command::kComLineUpload32789);
    ASSERT_TRUE(WaitForTransfer());
    ASSERT_EQ(ui.messages.Shown().size(), 2u);
    EXPECT_EQ(ui.messages.Shown()[1].rfind(std::string(kPortMissingOrBusy), 0), 0u) << ui.messages.Shown()[1];

    // OK without a choice keeps the setting; choosing a port replaces it.
    ui.runner.Then([](QDialog& dialog) { return PressOk(dialog); });
    Command(command::kComSettings);
    EXPECT_NE(ReadFile(Work() / "qtr_cfg.ini").find("COMPort=COM1234\r\n"), std::string::npos);
    ui.runner.Then([](QDialog& dialog) {
        Find<QRadioButton>(dialog, "control1004")->click();
        return PressOk(dialog);
    });
    Command(command::kComSettings);
    EXPECT_EQ(App().Com().portName, "COM2");
    EXPECT_EQ(ui.messages.Shown().size(), 2u) << "told once, at start";
}

// Answers the format question, checks the list's first row and confirms.
void ListRoundTrip(testing::ScriptedRunner& runner, const char* formatControl, std::vector<std::string> expected) {
    runner.Then([formatControl](QDialog& dialog) {
        Find<QRadioButton>(dialog, formatControl)->click();
        return PressOk(dialog);
    });
    runner.Then([expected](QDialog& dialog) {
        auto* table = Find<QTableWidget>(dialog, "control1005");
        EXPECT_EQ(table->rowCount(), 1);
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(table->item(0, column)->text().toStdString(), expected[static_cast<std::size_t>(column)]);
        return PressOk(dialog);
    });
    runner.Then([](QDialog& question) { return PressOk(question); });
}

TEST_F(CablemateWindow, CoordinateListRoundTripsInBothOrders) {
    ASSERT_TRUE(Start());
    const std::string text = "P1,TREE,1.000,2.000,3.000\r\n";
    View().SetBytes(text);
    ListRoundTrip(ui.runner, "control1003", {"P1", "TREE", "1.000", "2.000", "3.000"});
    Command(command::kCoordinateList);
    EXPECT_TRUE(ui.runner.Done());
    EXPECT_EQ(View().Bytes(), text);

    ListRoundTrip(ui.runner, "control1004", {"P1", "TREE", "1.000", "2.000", "3.000"});
    Command(command::kCoordinateList);
    EXPECT_TRUE(ui.runner.Done());
    EXPECT_EQ(View().Bytes(), text);
    EXPECT_EQ(App().Coordinates().front().code, "3.000");
}

// A text from another program: LF line ends, a note between the points and
// no end on the last line. The list shows the points; OK writes the edit
// into its own line and every other byte stays.
TEST_F(CablemateWindow, CoordinateListKeepsEveryLineItCannotShow) {
    ASSERT_TRUE(Start());
    View().SetBytes("P1,,1.000,2.000,3.000\nsurveyed by crew 2\nP2,,4.000,5.000,6.000");
    ui.runner.Then([](QDialog& dialog) {
        Find<QRadioButton>(dialog, "control1003")->click();
        return PressOk(dialog);
    });
    ui.runner.Then([](QDialog& dialog) {
        auto* table = Find<QTableWidget>(dialog, "control1005");
        EXPECT_EQ(table->rowCount(), 2);
        table->selectRow(1);
        Find<QPushButton>(dialog, "control1001")->click();
        return PressOk(dialog);
    });
    ui.runner.Then([](QDialog& edit) {
        Find<QLineEdit>(edit, "control1004")->setText("9.000");
        return PressOk(edit);
    });
    ui.runner.Then([](QDialog& question) { return PressOk(question); });
    Command(command::kCoordinateList);
    EXPECT_TRUE(ui.runner.Done());
    EXPECT_EQ(ui.messages.Shown(), std::vector<std::string>{std::string(kListKeepsLines) + "1."});
    EXPECT_EQ(View().Bytes(), "P1,,1.000,2.000,3.000\nsurveyed by crew 2\nP2,,4.000,5.000,9.000");
}

TEST_F(CablemateWindow, CodeListOverTextWithoutCodesChangesNothing) {
    ASSERT_TRUE(Start());
    const std::string text = "110001+0000000P1 81..10+00001000 \r\n";
    View().SetBytes(text);
    ui.runner.Then([](QDialog& dialog) {
        EXPECT_EQ(Find<QTableWidget>(dialog, "control1005")->rowCount(), 0);
        return PressOk(dialog);
    });
    ui.runner.Then([](QDialog& question) { return PressOk(question); });
    Command(command::kCodeList);
    EXPECT_TRUE(ui.runner.Done());
    EXPECT_EQ(ui.messages.Shown(), std::vector<std::string>{std::string(kListShowsNoLine)});
    EXPECT_EQ(View().Bytes(), text);
}

TEST_F(CablemateWindow, CorrectionRewritesEveryLine) {
    ASSERT_TRUE(Start());
    View().SetBytes("A,B,3,0,4\r\n");
    ui.runner.Then([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "坐标校正");
        Find<QLineEdit>(dialog, "control1024")->setText("0");
        Find<QLineEdit>(dialog, "control1025")->setText("1");
        return PressOk(dialog);
    });
    Command(command::kCorrection);
    EXPECT_EQ(View().Bytes(), "A,B,3.600000,0.000000,4.800000\r\n");
}

TEST_F(CablemateWindow, ConversionsShowTheirMessagesOnBadText) {
    ASSERT_TRUE(Start());
    View().SetBytes("not blocks");
    Command(command::kCodeBlocksToText);
    Command(command::kCoordinateBlocksToKard);
    Command(command::kExportDxf);
    EXPECT_EQ(ui.messages.Shown(), (std::vector<std::string>{std::string(kInvalidPcodeFormat),
                                                              std::string(kInvalidFormat),
                                                              std::string(kInvalidKard300Format)}));
    EXPECT_EQ(View().Bytes(), "not blocks");

    View().SetBytes("P1,100.000,200.000,3.000,TREE\r\n");
    Command(command::kKard600ToKard300);
    EXPECT_EQ(View().Bytes(), "P1,TREE,100.000,200.000,3.000\r\n");
    Command(command::kExportDxf);
    EXPECT_EQ(View().Bytes().rfind("  0\r\nEOF\r\n"), View().Bytes().size() - 10);
}

TEST_F(CablemateWindow, HelpSaysWhenItsFileIsMissing) {
    ASSERT_TRUE(Start());
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(Work());
    Command(command::kHelp);
    WriteFile(Work() / "QTRHelp.chm", "help");
    Command(command::kHelp);
    std::filesystem::current_path(previous);
    EXPECT_EQ(ui.messages.Shown(), std::vector<std::string>{std::string(kHelpMissing)});
    ASSERT_EQ(ui.desktop.opened.size(), 1u);
    EXPECT_EQ(ui.desktop.opened[0], (Work() / "QTRHelp.chm").string());
}

} // namespace
} // namespace cablemate
