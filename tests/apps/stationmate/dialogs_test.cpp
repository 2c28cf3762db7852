// The dialogs driven as a user would drive them, answered by the test's
// scripted runner; no dialog waits for a person.
#include "suite_version.h"
#include "dialog_texts.h"
#include "dialogs.h"
#include "download.h"
#include "scripted_runner.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace stationmate {
namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using harwick::testing::ScriptedRunner;

// A step that acts on the dialog as a person would and reports its result.
ScriptedRunner::DialogStep Act(std::function<void(QWidget*)> act)
{
    return [act = std::move(act)](QDialog& dialog) {
        act(&dialog);
        return dialog.result();
    };
}

template <class T>
T* Child(QWidget* w, const char* name)
{
    T* child = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString Text(QWidget* w, const char* name)
{
    auto* label = Child<QLabel>(w, name);
    return label != nullptr ? label->text() : QString();
}

bool HasLabel(QWidget* w, std::string_view text)
{
    for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->text() == Q(text)) return true;
    }
    return false;
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

void Accept(QWidget* modal)
{
    Child<QPushButton>(modal, "okButton")->click();
}

void Cancel(QWidget* modal)
{
    Child<QPushButton>(modal, "cancelButton")->click();
}

class StationDialogsTest : public ::testing::Test {
protected:
    QWidget parent;
    ScriptedRunner runner;
    QtTransferDialogs dialogs{&parent, runner};
};

using StationDialogsDownload = StationDialogsTest;

TEST_F(StationDialogsDownload, ShowsTheQuestionAndReturnsTheEditedName)
{
    QString title, source, destination, proposed;
    bool formatsShown = true;
    runner.Then(Act([&](QWidget* modal) {
        title = modal->windowTitle();
        source = Text(modal, "sourceLabel");
        destination = Text(modal, "destinationLabel");
        proposed = Child<QLineEdit>(modal, "fileNameEdit")->text();
        formatsShown = !Child<QComboBox>(modal, "formatCombo")->isHidden() || !Child<QLabel>(modal, "formatLabel")->isHidden();
        Child<QLineEdit>(modal, "fileNameEdit")->setText(QStringLiteral("codes-2.crf"));
        Accept(modal);
    }));
    const auto name = dialogs.AskDownloadFileName({"COM1: 123\\CodeLists\\Codelist 1: X: 4\\", "/data/", "TPSCodeL.crf", false});
    ASSERT_TRUE(runner.Done());
    EXPECT_EQ(title, Q(kDownloadCaption));
    EXPECT_EQ(source, QStringLiteral("COM1: 123\\CodeLists\\Codelist 1: X: 4\\"));
    EXPECT_EQ(destination, QStringLiteral("/data/"));
    EXPECT_EQ(proposed, QStringLiteral("TPSCodeL.crf"));
    EXPECT_FALSE(formatsShown);
    EXPECT_EQ(name, std::optional<std::string>("codes-2.crf"));
}

TEST_F(StationDialogsDownload, ChoosingAFormatSwitchesTheExtension)
{
    QStringList formats;
    QString startFormat, afterKard, afterIdex;
    bool formatsShown = false;
    runner.Then(Act([&](QWidget* modal) {
        auto* combo = Child<QComboBox>(modal, "formatCombo");
        auto* edit = Child<QLineEdit>(modal, "fileNameEdit");
        formatsShown = !combo->isHidden() && !Child<QLabel>(modal, "formatLabel")->isHidden();
        formats = Items(combo);
        startFormat = combo->currentText();
        combo->setCurrentIndex(2);
        afterKard = edit->text();
        combo->setCurrentIndex(1);
        afterIdex = edit->text();
        Accept(modal);
    }));
    const auto name = dialogs.AskDownloadFileName({"src", "/data/", "A1.gsi", true});
    ASSERT_TRUE(runner.Done());
    EXPECT_TRUE(formatsShown);
    EXPECT_EQ(formats, (QStringList{Q(kFormatChoices[0]), Q(kFormatChoices[1]), Q(kFormatChoices[2])}));
    EXPECT_EQ(startFormat, QStringLiteral("GSI"));
    EXPECT_EQ(afterKard, QStringLiteral("A1.dat"));
    EXPECT_EQ(afterIdex, QStringLiteral("A1.idx"));
    EXPECT_EQ(name, std::optional<std::string>("A1.idx"));
}

TEST_F(StationDialogsDownload, CancelGivesNothing)
{
    runner.Then(Act(Cancel));
    EXPECT_EQ(dialogs.AskDownloadFileName({"src", "/data/", "A1.gsi", true}), std::nullopt);
    EXPECT_TRUE(runner.Done());
}

using StationDialogsQuestions = StationDialogsTest;

TEST_F(StationDialogsQuestions, OkCancelQuestionCarriesTextAndCaption)
{
    QString text, caption;
    runner.Then(Act([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    }));
    EXPECT_TRUE(dialogs.AskOkCancel("The file has been existed,cover it?", "Worn"));
    EXPECT_EQ(text, QStringLiteral("The file has been existed,cover it?"));
    EXPECT_EQ(caption, QStringLiteral("Worn"));

    runner.Then(Act([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click(); }));
    EXPECT_FALSE(dialogs.AskOkCancel("Delete Job 1: A\nReally?", "Warning"));
    EXPECT_TRUE(runner.Done());
}

TEST_F(StationDialogsQuestions, MessageWithoutCaptionShowsTheProgramTitle)
{
    QtPrompter prompter(&parent, runner);
    QString text, caption;
    runner.Then(Act([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    }));
    prompter.ShowMessage("Time Out");
    ASSERT_TRUE(runner.Done());
    EXPECT_EQ(text, QStringLiteral("Time Out"));
    EXPECT_EQ(caption, Q(kProgramTitle));
}

TEST_F(StationDialogsQuestions, NewNameStartsEmptyAndReturnsTheTypedName)
{
    QString title, start;
    bool prompt = false;
    runner.Then(Act([&](QWidget* modal) {
        title = modal->windowTitle();
        prompt = HasLabel(modal, kNewNamePrompt);
        auto* edit = Child<QLineEdit>(modal, "newNameEdit");
        start = edit->text();
        edit->setText(QStringLiteral("NEW"));
        Accept(modal);
    }));
    EXPECT_EQ(dialogs.AskNewName(), std::optional<std::string>("NEW"));
    EXPECT_EQ(title, Q(kNewNameCaption));
    EXPECT_TRUE(prompt);
    EXPECT_TRUE(start.isEmpty());

    runner.Then(Act(Cancel));
    EXPECT_EQ(dialogs.AskNewName(), std::nullopt);
}

using StationDialogsUpload = StationDialogsTest;

const UploadQuestion kJobs{"Fixpoints File: /data/A1.gsi/", {"Job 1: A1", "Job 2: B", "Job 3: <empty>"}, 1};

TEST_F(StationDialogsUpload, PreselectedJobIsReturnedWithItsTitle)
{
    QString title, source, destination;
    QStringList jobs, formats;
    int start = -2;
    bool souceLabel = false;
    runner.Then(Act([&](QWidget* modal) {
        title = modal->windowTitle();
        souceLabel = HasLabel(modal, kUploadSourceLabel);
        source = Text(modal, "sourceLabel");
        destination = Text(modal, "destinationLabel");
        jobs = Items(Child<QComboBox>(modal, "jobCombo"));
        start = Child<QComboBox>(modal, "jobCombo")->currentIndex();
        formats = Items(Child<QComboBox>(modal, "formatCombo"));
        Accept(modal);
    }));
    const auto chosen = dialogs.AskUploadJob(kJobs);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(title, Q(kUploadCaption));
    EXPECT_TRUE(souceLabel);
    EXPECT_EQ(source, QStringLiteral("Fixpoints File: /data/A1.gsi/"));
    EXPECT_TRUE(destination.isEmpty());
    EXPECT_EQ(jobs, (QStringList{QStringLiteral("Job 1: A1"), QStringLiteral("Job 2: B"), QStringLiteral("Job 3: <empty>")}));
    EXPECT_EQ(formats, (QStringList{QStringLiteral("GSI"), QStringLiteral("IDEX")}));
    EXPECT_EQ(start, 1);
    EXPECT_EQ(chosen->position, 1);
    EXPECT_EQ(chosen->title, "Job 2: B");
}

TEST_F(StationDialogsUpload, WithoutPreselectionOkMeansNoChoice)
{
    UploadQuestion q = kJobs;
    for (std::optional<int> preselected : {std::optional<int>{}, std::optional<int>{7}}) {
        q.preselected = preselected;
        int start = -2;
        runner.Then(Act([&](QWidget* modal) {
            start = Child<QComboBox>(modal, "jobCombo")->currentIndex();
            Accept(modal);
        }));
        const auto chosen = dialogs.AskUploadJob(q);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(start, -1);
        EXPECT_EQ(chosen->position, -1);
        EXPECT_EQ(chosen->title, "");
    }
}

TEST_F(StationDialogsUpload, UserChoiceAndCancel)
{
    runner.Then(Act([](QWidget* modal) {
        Child<QComboBox>(modal, "jobCombo")->setCurrentIndex(2);
        Accept(modal);
    }));
    const auto chosen = dialogs.AskUploadJob(kJobs);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->position, 2);
    EXPECT_EQ(chosen->title, "Job 3: <empty>");

    runner.Then(Act(Cancel));
    EXPECT_EQ(dialogs.AskUploadJob(kJobs), std::nullopt);
}

using StationDialogsSettings = StationDialogsTest;

// Serial ports as discovery finds them, each usable.
std::vector<PresentPort> Ports(std::initializer_list<const char*> names)
{
    std::vector<PresentPort> ports;
    for (const char* name : names) {
        PresentPort port;
        port.comName = name;
        port.device = std::string("/dev/ttyS") + std::to_string(std::stoi(std::string(name).substr(3)) - 1);
        ports.push_back(std::move(port));
    }
    return ports;
}

TEST_F(StationDialogsSettings, OkWithTheOpeningChoicesGivesTheDefaults)
{
    QtSettingsAsker asker(&parent, runner);
    QString title, tab, cancelText;
    QStringList ports, bauds;
    bool groups = false;
    runner.Then(Act([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* tabs = Child<QTabWidget>(modal, "settingsTabs");
        tab = tabs->count() == 1 ? tabs->tabText(0) : QString();
        QStringList titles;
        for (QGroupBox* group : modal->findChildren<QGroupBox*>()) titles << group->title();
        groups = titles == QStringList{Q(kCurrentSelectionGroup), Q(kSettingsGroup)} && HasLabel(modal, "Baudrate:") &&
                 HasLabel(modal, "Parity");
        ports = Items(Child<QComboBox>(modal, "portCombo"));
        bauds = Items(Child<QComboBox>(modal, "baudRateCombo"));
        cancelText = Child<QPushButton>(modal, "cancelButton")->text();
        Accept(modal);
    }));
    const auto choices = asker.AskSettings(MakeSettingsDialog(Ports({"COM2", "COM10", "COM1"})));
    ASSERT_TRUE(choices.has_value());
    EXPECT_EQ(title, Q(kSettingsCaption));
    EXPECT_EQ(tab, Q(kSettingsTab));
    EXPECT_TRUE(groups);
    EXPECT_EQ(cancelText, QStringLiteral("CANCEL"));
    EXPECT_EQ(ports, (QStringList{QStringLiteral("COM1 \u2014 /dev/ttyS0 (serial port)"),
                                  QStringLiteral("COM10 \u2014 /dev/ttyS9 (serial port)"),
                                  QStringLiteral("COM2 \u2014 /dev/ttyS1 (serial port)")}));
    EXPECT_EQ(bauds, (QStringList{QStringLiteral("1200"), QStringLiteral("19200"), QStringLiteral("2400"),
                                  QStringLiteral("4800"), QStringLiteral("9600")}));
    EXPECT_EQ(choices->port, "COM1");
    EXPECT_EQ(choices->instrument, "QRX700");
    EXPECT_EQ(choices->endmark, "CRLF");
    EXPECT_EQ(PortSettingsFrom(*choices), "19200,n,8,1");
}

TEST_F(StationDialogsSettings, ChangedListsGiveTheirTextsAndCancelGivesNothing)
{
    QtSettingsAsker asker(&parent, runner);
    runner.Then(Act([](QWidget* modal) {
        Child<QComboBox>(modal, "portCombo")->setCurrentText(QStringLiteral("COM2 \u2014 /dev/ttyS1 (serial port)"));
        Child<QComboBox>(modal, "baudRateCombo")->setCurrentText(QStringLiteral("9600"));
        Child<QComboBox>(modal, "parityCombo")->setCurrentText(QStringLiteral("Even"));
        Child<QComboBox>(modal, "dataBitsCombo")->setCurrentText(QStringLiteral("7"));
        Child<QComboBox>(modal, "endmarkCombo")->setCurrentText(QStringLiteral("CR"));
        Accept(modal);
    }));
    const auto choices = asker.AskSettings(MakeSettingsDialog(Ports({"COM1", "COM2"})));
    ASSERT_TRUE(choices.has_value());
    EXPECT_EQ(choices->port, "COM2");
    EXPECT_EQ(choices->endmark, "CR");
    EXPECT_EQ(PortSettingsFrom(*choices), "9600,e,7,1");

    runner.Then(Act(Cancel));
    EXPECT_EQ(asker.AskSettings(MakeSettingsDialog(Ports({"COM1"}))), std::nullopt);
    EXPECT_TRUE(runner.Done());
}

TEST(StationDialogsWindows, ProgressWindowShowsTextsBlocksAndBars)
{
    QWidget parent;
    QtProgressView progress(&parent);
    progress.Open("Job 2: B", "", "/data/");
    QDialog* window = progress.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), Q(kProgressCaption));
    EXPECT_EQ(Text(window, "fileTypeLabel"), QStringLiteral("Job 2: B"));
    EXPECT_EQ(Text(window, "destinationLabel"), QStringLiteral("/data/"));
    EXPECT_TRUE(HasLabel(window, kFirstBarScale));
    EXPECT_TRUE(HasLabel(window, kSecondBarScale));
    EXPECT_EQ(Child<QPushButton>(window, "cancelButton")->text(), QStringLiteral("CANCEL"));

    progress.Show("117", 0.17, 0.117);
    EXPECT_EQ(Text(window, "blockLabel"), QStringLiteral("117"));
    EXPECT_EQ(Child<QProgressBar>(window, "firstBar")->value(), 17);
    EXPECT_EQ(Child<QProgressBar>(window, "secondBar")->value(), 117);

    // The button is there for the look of it: the window stays open.
    Child<QPushButton>(window, "cancelButton")->click();
    EXPECT_EQ(progress.Window(), window);

    progress.Close();
    EXPECT_EQ(progress.Window(), nullptr);
    EXPECT_EQ(parent.findChild<QDialog*>(QStringLiteral("progressDialog")), nullptr);
}

TEST(StationDialogsWindows, CancelInTheProgressWindowAsksTheTransferToStop)
{
    QWidget parent;
    QtProgressView progress(&parent);
    progress.Open("Job 2: B", "", "/data/");
    EXPECT_FALSE(progress.CancelRequested());
    auto* cancel = Child<QPushButton>(progress.Window(), "cancelButton");
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(progress.CancelRequested());
    EXPECT_FALSE(cancel->isEnabled()) << "pressed once is enough";
    progress.Close();
    // The next transfer starts afresh.
    progress.Open("Job 3: C", "", "/data/");
    EXPECT_FALSE(progress.CancelRequested());
    progress.Close();
}

TEST(StationDialogsWindows, WaitWindowIsShownModelessAndRemoved)
{
    QWidget parent;
    QtWaitIndicator wait(&parent);
    wait.Show();
    QDialog* window = wait.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(HasLabel(window, "Initiating Conmmunication"));
    EXPECT_TRUE(HasLabel(window, "Please wait..."));
    wait.Hide();
    EXPECT_EQ(wait.Window(), nullptr);
}

TEST(StationDialogsWindows, WindowsOutlivedByTheirParentAreNotDeletedTwice)
{
    auto parent = std::make_unique<QWidget>();
    QtProgressView progress(parent.get());
    QtWaitIndicator wait(parent.get());
    progress.Open("t", "s", "d");
    wait.Show();
    parent.reset();
    EXPECT_EQ(progress.Window(), nullptr);
    EXPECT_EQ(wait.Window(), nullptr);
    progress.Show("1", 0.01, 0.001); // no window: nothing to update, nothing to crash
}

TEST(StationDialogsInfo, FileInfoShowsEveryField)
{
    QWidget parent;
    ScriptedRunner runner;
    QtInfoShower info(&parent, runner);
    QStringList values;
    bool labels = false;
    runner.Then(Act([&](QWidget* modal) {
        labels = modal->windowTitle() == Q(kFileInfoCaption) && HasLabel(modal, "FileName:") && HasLabel(modal, "Path:") &&
                 HasLabel(modal, "FileType:") && HasLabel(modal, "FileFormat:") && HasLabel(modal, "Size:") &&
                 HasLabel(modal, "Date:");
        for (const char* name : {"fileNameValue", "pathValue", "fileTypeValue", "fileFormatValue", "sizeValue", "dateValue"})
            values << Text(modal, name);
        Accept(modal);
    }));
    info.ShowFileInfo(FileInfo{"DATA.GSI", "/home/x/...", "GSI (F)File", "1536 BYTE", "2024-3-5", "unknown file format"});
    ASSERT_TRUE(runner.Done());
    EXPECT_TRUE(labels);
    EXPECT_EQ(values, (QStringList{QStringLiteral("DATA.GSI"), QStringLiteral("/home/x/..."), QStringLiteral("GSI (F)File"),
                                   QStringLiteral("unknown file format"), QStringLiteral("1536 BYTE"),
                                   QStringLiteral("2024-3-5")}));
}

TEST(StationDialogsInfo, AboutBoxNamesTheProgramAndVersion)
{
    QWidget parent;
    ScriptedRunner runner;
    QtInfoShower info(&parent, runner);
    QStringList texts;
    runner.Then(Act([&](QWidget* modal) {
        texts << Text(modal, "aboutTitle") << Text(modal, "aboutVersion") << Text(modal, "aboutOwnership")
              << Text(modal, "suiteVersion");
        Accept(modal);
    }));
    info.ShowAbout();
    ASSERT_TRUE(runner.Done());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Harwick Station"), QStringLiteral("Version 1.0"), Q(kAboutOwnership),
                                  Q(harwick::kSuiteVersionLine)}));
}

} // namespace
} // namespace stationmate
