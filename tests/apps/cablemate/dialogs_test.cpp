// The dialogs driven as a user drives them: edits typed, buttons clicked.
// Nothing runs a modal loop: the dialogs a list opens go through a scripted
// runner that answers them on the spot, as the test tells it to.
#include "cable_messages.h"
#include "correction_dialog.h"
#include "dialog_texts.h"
#include "list_dialogs.h"
#include "saveas_dialog.h"
#include "language_scope.h"
#include "row_dialogs.h"
#include "scripted_runner.h"
#include "settings_dialogs.h"
#include "wait.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QRegularExpression>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace cablemate {
namespace {

using harwick::testing::waitUntil;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class RecordingMessages : public Messages {
public:
    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

using harwick::testing::ScriptedRunner;

template <class T>
T& Find(QObject& parent, const QString& name)
{
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) throw std::runtime_error("no control " + name.toStdString());
    return *child;
}

QString Control(int id) { return QStringLiteral("control%1").arg(id); }
QLineEdit& Edit(QObject& dialog, int id) { return Find<QLineEdit>(dialog, Control(id)); }
QAbstractButton& Button(QObject& dialog, int id) { return Find<QAbstractButton>(dialog, Control(id)); }
void ClickOk(QObject& dialog) { Find<QAbstractButton>(dialog, QStringLiteral("okButton")).click(); }
void ClickCancel(QObject& dialog) { Find<QAbstractButton>(dialog, QStringLiteral("cancelButton")).click(); }
QTableWidget& List(QObject& dialog) { return Find<QTableWidget>(dialog, Control(1005)); }

QString Cell(QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text() : QStringLiteral("<none>");
}

// A step that types into the edits (control, text) and presses OK; it reports
// whether the dialog closed, as exec() would.
std::function<int(QDialog&)> TypeAndOk(std::vector<std::pair<int, QString>> typed)
{
    return [typed = std::move(typed)](QDialog& d) {
        for (const auto& [id, text] : typed) Edit(d, id).setText(text);
        ClickOk(d);
        return d.result();
    };
}

int AnswerQuestion(QDialog& d, bool ok, bool doNotAsk)
{
    Button(d, 1006).click();
    if (!doNotAsk) Button(d, 1006).click();
    ok ? ClickOk(d) : ClickCancel(d);
    return d.result();
}

void DoubleClick(QTableWidget& table)
{
    QWidget* viewport = table.viewport();
    const QPointF at(5, 5);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

// ---- Settings ----------------------------------------------------------------------

TEST(CablemateSettingsDialogs, ComOpensOnTheCurrentRecord)
{
    RecordingMessages messages;
    ComSettingsDialog dialog(ComSettings{}, messages);
    EXPECT_EQ(dialog.windowTitle(), Q(kComDialogTitle));
    for (int id : {1001, 1003, 1013, 1018, 1019, 1021}) EXPECT_TRUE(Button(dialog, id).isChecked()) << id;
    for (int id : {1002, 1004, 1012, 1017, 1020, 1022}) EXPECT_FALSE(Button(dialog, id).isChecked()) << id;
    EXPECT_EQ(Edit(dialog, 1024).text(), QStringLiteral("10 "));
    EXPECT_EQ(Edit(dialog, 1025).text(), QStringLiteral("800"));
    EXPECT_EQ(Edit(dialog, 1024).maxLength(), kDialogEditLimit);

    // A value the group does not list leaves the group unchecked, and OK keeps it.
    ComSettings odd;
    odd.baudRate = 14400;
    odd.portName = "COM9";
    ComSettingsDialog oddDialog(odd, messages);
    for (int id = 1003; id <= 1016; ++id) EXPECT_FALSE(Button(oddDialog, id).isChecked()) << id;
    ClickOk(oddDialog);
    EXPECT_EQ(oddDialog.Result().baudRate, 14400);
    EXPECT_EQ(oddDialog.Result().portName, "COM9");
    EXPECT_TRUE(messages.shown.empty());
}

TEST(CablemateSettingsDialogs, ComChoicesMakeTheRecord)
{
    RecordingMessages messages;
    ComSettingsDialog dialog(ComSettings{}, messages);
    for (int id : {1002, 1005, 1012, 1017, 1020, 1023}) Button(dialog, id).click();
    Edit(dialog, 1024).setText(QStringLiteral("25"));
    Edit(dialog, 1025).setText(QStringLiteral(" 150"));
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const ComSettings& r = dialog.Result();
    EXPECT_EQ(r.protocol, 1);
    EXPECT_EQ(r.portName, "COM3");
    EXPECT_EQ(r.baudRate, 9600);
    EXPECT_EQ(r.dataBits, 7);
    EXPECT_EQ(r.stopBits, 1);
    EXPECT_EQ(r.parity, 2);
    EXPECT_EQ(r.receiveTimeOut, 25000);
    EXPECT_EQ(r.rowDelay, 150);
    EXPECT_TRUE(messages.shown.empty());

    // Cancel hands back the record it was given.
    ComSettingsDialog cancelled(ComSettings{}, messages);
    Button(cancelled, 1008).click();
    ClickCancel(cancelled);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.Result().portName, "COM1");
}

TEST(CablemateSettingsDialogs, OutOfRangeTimingsAreToldAndReplaced)
{
    struct Case {
        const char* timeout;
        const char* delay;
        int storedTimeout;
        int storedDelay;
        std::vector<std::string_view> told;
    };
    const std::vector<Case> cases{
        {"0", "800", 10000, 800, {kTimeoutRange}},
        {"1000", "800", 10000, 800, {kTimeoutRange}},
        {"999", "10000", 999000, 800, {kRowDelayRange}},
        {"", "0", 10000, 800, {kTimeoutRange, kRowDelayRange}},
        {"1", "9999", 1000, 9999, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.timeout) + " / " + c.delay);
        RecordingMessages com;
        ComSettings current;
        current.receiveTimeOut = 30000;
        current.rowDelay = 300;
        ComSettingsDialog comDialog(current, com);
        Edit(comDialog, 1024).setText(QString::fromLatin1(c.timeout));
        Edit(comDialog, 1025).setText(QString::fromLatin1(c.delay));
        ClickOk(comDialog);
        EXPECT_EQ(comDialog.result(), QDialog::Accepted);
        EXPECT_EQ(comDialog.Result().receiveTimeOut, c.storedTimeout);
        EXPECT_EQ(comDialog.Result().rowDelay, c.storedDelay);
        EXPECT_EQ(com.shown, std::vector<std::string>(c.told.begin(), c.told.end()));

        RecordingMessages usb;
        UsbSettingsDialog usbDialog(UsbSettings{30000, 300}, usb);
        EXPECT_EQ(usbDialog.windowTitle(), Q(kUsbDialogTitle));
        EXPECT_EQ(Edit(usbDialog, 1024).text(), QStringLiteral("30 "));
        Edit(usbDialog, 1024).setText(QString::fromLatin1(c.timeout));
        Edit(usbDialog, 1025).setText(QString::fromLatin1(c.delay));
        ClickOk(usbDialog);
        EXPECT_EQ(usbDialog.Result().receiveTimeOut, c.storedTimeout);
        EXPECT_EQ(usbDialog.Result().rowDelay, c.storedDelay);
        EXPECT_EQ(usb.shown, com.shown);
    }
}

TEST(CablemateSettingsDialogs, EditFormatOpensOnKard600)
{
    EditFormatDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), Q(kEditFormatTitle));
    EXPECT_EQ(dialog.Format(), EditFormat::Kard600);
    Button(dialog, 1003).click();
    EXPECT_EQ(dialog.Format(), EditFormat::Kard300);
    EXPECT_FALSE(Button(dialog, 1004).isChecked());
}

// ---- Coordinate list ----------------------------------------------------------------

constexpr std::string_view kOneLine = "P1,TREE,1.000,2.000,3.000\r\n";

class CablemateListDialogs : public ::testing::Test {
protected:
    RecordingMessages messages;
    ScriptedRunner runner;
    ListSession session;
};

TEST_F(CablemateListDialogs, ShowsTheChosenOrderAndWritesItBack)
{
    for (EditFormat format : {EditFormat::Kard300, EditFormat::Kard600}) {
        SCOPED_TRACE(format == EditFormat::Kard300 ? "KARD300" : "KARD600");
        const auto src = ReadCoordinateList(kOneLine, format);
        CoordinateListDialog dialog(src.table, format, session, runner, messages);
        QTableWidget& table = List(dialog);
        ASSERT_EQ(table.rowCount(), 1);
        const auto titles = CoordinateColumnTitles(format);
        const QStringList expected{"P1", "TREE", "1.000", "2.000", "3.000"};
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(table.horizontalHeaderItem(c)->text(), Q(titles[static_cast<std::size_t>(c)]));
            EXPECT_EQ(table.columnWidth(c), kCoordinateColumnWidth);
            EXPECT_EQ(Cell(table, 0, c), expected[c]);
        }
        runner.Then([](QDialog& d) { return AnswerQuestion(d, true, false); });
        ClickOk(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Text(src.lines), kOneLine);
        EXPECT_FALSE(session.doNotAsk);
    }
    EXPECT_EQ(runner.Titles(), (std::vector<std::string>{std::string(kUpdatePointsTitle), std::string(kUpdatePointsTitle)}));
}

TEST_F(CablemateListDialogs, AddRefusesEmptyFieldsAndAppendsInColumnOrder)
{
    const auto dialogSource = ReadCoordinateList(kOneLine, EditFormat::Kard300);
    CoordinateListDialog dialog(dialogSource.table, EditFormat::Kard300, session, runner, messages);
    runner.Then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), Q(kAddPointTitle));
        Edit(d, 1026).setText(QStringLiteral("WALL"));
        ClickOk(d);
        EXPECT_NE(d.result(), QDialog::Accepted);
        Edit(d, 1024).setText(QStringLiteral("P2"));
        Edit(d, 1026).clear();
        ClickOk(d);
        EXPECT_NE(d.result(), QDialog::Accepted);
        return TypeAndOk({{1026, QStringLiteral("WALL")}, {1025, "10"}, {1003, "20"}, {1004, "30"}})(d);
    });
    Button(dialog, 1000).click();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{std::string(kNameEmpty), std::string(kCodeEmpty)}));
    EXPECT_EQ(dialog.Text(dialogSource.lines), std::string(kOneLine) + "P2,WALL,10,20,30\r\n");
    EXPECT_EQ(List(dialog).rowCount(), 2);

    // A cancelled add leaves the list as it was.
    runner.Then([](QDialog&) { return int(QDialog::Rejected); });
    Button(dialog, 1000).click();
    EXPECT_EQ(List(dialog).rowCount(), 2);
}

TEST_F(CablemateListDialogs, EditAndDeleteWorkOnTheSelectedRow)
{
    // The note is not a point: it stays in its place whatever happens to the rows.
    const std::string text = "P1,1.0,2.0,3.0,TREE\r\nnote\r\nP2,4.0,5.0,6.0,WALL\r\n";
    const auto dialogSource = ReadCoordinateList(text, EditFormat::Kard600);
    CoordinateListDialog dialog(dialogSource.table, EditFormat::Kard600, session, runner, messages);
    List(dialog).selectRow(1);
    runner.Then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), Q(kEditPointTitle));
        EXPECT_EQ(Edit(d, 1024).text(), QStringLiteral("P2"));
        EXPECT_EQ(Edit(d, 1025).text(), QStringLiteral("4.0"));
        EXPECT_EQ(Edit(d, 1003).text(), QStringLiteral("5.0"));
        EXPECT_EQ(Edit(d, 1004).text(), QStringLiteral("6.0"));
        EXPECT_EQ(Edit(d, 1026).text(), QStringLiteral("WALL"));
        // The edit dialog takes an emptied field as it is.
        return TypeAndOk({{1004, "9.5"}, {1026, ""}})(d);
    });
    Button(dialog, 1001).click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.Text(dialogSource.lines), "P1,1.0,2.0,3.0,TREE\r\nnote\r\nP2,4.0,5.0,9.5,\r\n");

    List(dialog).selectRow(0);
    Button(dialog, 1002).click();
    EXPECT_EQ(dialog.Text(dialogSource.lines), "note\r\nP2,4.0,5.0,9.5,\r\n");
    Button(dialog, 1002).click();
    EXPECT_EQ(dialog.Text(dialogSource.lines), "note\r\n");
    Button(dialog, 1002).click();
    EXPECT_EQ(List(dialog).rowCount(), 0);
    EXPECT_TRUE(runner.Done());
}

TEST_F(CablemateListDialogs, DoubleClickEditsTheSelectionOrAdds)
{
    const auto dialogSource = ReadCoordinateList(kOneLine, EditFormat::Kard300);
    CoordinateListDialog dialog(dialogSource.table, EditFormat::Kard300, session, runner, messages);
    runner.Then([](QDialog& d) {
        EXPECT_EQ(Edit(d, 1024).text(), QStringLiteral("P1"));
        return int(QDialog::Rejected);
    });
    DoubleClick(List(dialog));
    List(dialog).clearSelection();
    runner.Then([](QDialog&) { return int(QDialog::Rejected); });
    DoubleClick(List(dialog));
    EXPECT_EQ(runner.Titles(), (std::vector<std::string>{std::string(kEditPointTitle), std::string(kAddPointTitle)}));
    EXPECT_EQ(dialog.Text(dialogSource.lines), kOneLine);
}

TEST_F(CablemateListDialogs, QuestionCancelStaysAndDoNotAskIsRemembered)
{
    const auto dialogSource = ReadCoordinateList(kOneLine, EditFormat::Kard300);
    CoordinateListDialog dialog(dialogSource.table, EditFormat::Kard300, session, runner, messages);
    runner.Then([](QDialog& d) { return AnswerQuestion(d, false, false); });
    ClickOk(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(session.doNotAsk);

    runner.Then([](QDialog& d) { return AnswerQuestion(d, true, true); });
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(session.doNotAsk);

    // From now on neither list asks, and OK still writes the list back.
    const auto againSource = ReadCoordinateList(kOneLine, EditFormat::Kard300);
    CoordinateListDialog again(againSource.table, EditFormat::Kard300, session, runner, messages);
    ClickOk(again);
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(again.Text(againSource.lines), kOneLine);
    const auto codesSource = ReadCodeList("1,TREE\r\n");
    CodeListDialog codes(codesSource.table, session, runner, messages);
    ClickOk(codes);
    EXPECT_EQ(codes.result(), QDialog::Accepted);
    EXPECT_EQ(runner.Titles().size(), 2U);
}

// ---- Code list ------------------------------------------------------------------------

TEST_F(CablemateListDialogs, CodeListAddsEditsAndAsksItsOwnQuestion)
{
    const auto dialogSource = ReadCodeList("1,TREE\r\n2,WALL\r\n");
    CodeListDialog dialog(dialogSource.table, session, runner, messages);
    EXPECT_EQ(dialog.windowTitle(), Q(kCodeListTitle));
    QTableWidget& table = List(dialog);
    EXPECT_EQ(table.columnWidth(0), 150);
    EXPECT_EQ(table.columnWidth(1), 200);
    EXPECT_EQ(Cell(table, 1, 1), QStringLiteral("WALL"));

    runner.Then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), Q(kAddCodeTitle));
        ClickOk(d);
        EXPECT_NE(d.result(), QDialog::Accepted);
        return TypeAndOk({{1024, "3"}, {1026, "FENCE"}})(d);
    });
    Button(dialog, 1000).click();
    table.selectRow(0);
    runner.Then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), Q(kEditCodeTitle));
        EXPECT_EQ(Edit(d, 1024).text(), QStringLiteral("1"));
        Edit(d, 1026).clear();
        ClickOk(d);
        EXPECT_NE(d.result(), QDialog::Accepted);
        return TypeAndOk({{1026, "BUSH"}})(d);
    });
    Button(dialog, 1001).click();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{std::string(kNameEmpty), std::string(kCodeEmpty)}));

    runner.Then([](QDialog& d) {
        EXPECT_EQ(Find<QAbstractButton>(d, QStringLiteral("okButton")).text(), Q(kUpdateCodesOk));
        EXPECT_EQ(Find<QAbstractButton>(d, QStringLiteral("cancelButton")).text(), Q(kUpdateCodesCancel));
        return AnswerQuestion(d, true, false);
    });
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Text(dialogSource.lines), "1,BUSH\r\n2,WALL\r\n3,FENCE\r\n");
    EXPECT_EQ(runner.Titles().back(), kUpdateCodesTitle);
}

// ---- Correction -------------------------------------------------------------------------

TEST(CablemateCorrectionDialog, ReadsBothConstants)
{
    CorrectionDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), Q(kCorrectionTitle));
    Edit(dialog, 1024).setText(QStringLiteral(" 17.5"));
    Edit(dialog, 1025).setText(QStringLiteral("-30mm"));
    EXPECT_DOUBLE_EQ(dialog.OldConstant(), 17.5);
    EXPECT_DOUBLE_EQ(dialog.NewConstant(), -30.0);
    Edit(dialog, 1025).setText(QStringLiteral("abc"));
    EXPECT_DOUBLE_EQ(dialog.NewConstant(), 0.0);
    int units = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) units += label->text() == Q(kMillimetreUnit) ? 1 : 0;
    EXPECT_EQ(units, 2);
}

// ---- One language at a time ------------------------------------------------------------

// Every dialog of the program with lists, as a user opens them.
std::vector<std::unique_ptr<QDialog>> EveryDialog(RecordingMessages& messages, ScriptedRunner& runner,
                                                  ListSession& session)
{
    static const auto points = ReadCoordinateList(kOneLine, EditFormat::Kard600);
    static const auto codes = ReadCodeList("1,TREE\r\n");
    static const RowEdit pointEdits[] = {{kPointNameLabel, 1024}, {kEastingLabel, 1025}, {kNorthingLabel, 1003},
                                         {kElevationLabel, 1004}, {kPointCodeLabel, 1026}};
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<ComSettingsDialog>(ComSettings{}, messages));
    dialogs.push_back(std::make_unique<UsbSettingsDialog>(UsbSettings{}, messages));
    dialogs.push_back(std::make_unique<EditFormatDialog>());
    dialogs.push_back(std::make_unique<CoordinateListDialog>(points.table, EditFormat::Kard600, session, runner, messages));
    dialogs.push_back(std::make_unique<CodeListDialog>(codes.table, session, runner, messages));
    dialogs.push_back(std::make_unique<RowEditDialog>(kAddPointTitle, pointEdits, std::nullopt));
    dialogs.push_back(std::make_unique<UpdateQuestionDialog>(
        UpdateQuestionDialog::Texts{kUpdatePointsTitle, kUpdatePointsQuestion, kUpdateCodesOk, kUpdateCodesCancel}));
    dialogs.push_back(std::make_unique<CorrectionDialog>());
    return dialogs;
}

// What a dialog shows in words: its title, labels, buttons, group titles and column heads.
std::vector<QString> Words(QDialog& dialog)
{
    std::vector<QString> words{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) words.push_back(label->text());
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) words.push_back(button->text());
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) words.push_back(group->title());
    for (const QTableWidget* table : dialog.findChildren<QTableWidget*>()) {
        for (int c = 0; c < table->columnCount(); ++c) words.push_back(table->horizontalHeaderItem(c)->text());
    }
    return words;
}

// English a Chinese dialog may rightly show: port names, the protocol's name, the unit.
bool OnlyNames(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("COM\\d+|Ack/Nak|mm")));
    return !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
}

TEST(CablemateDialogLanguages, EachLanguageShowsOnlyItsOwnWordsAndTheyFit)
{
    using harwick::Language;
    using harwick::testing::HasChinese;
    for (const Language language : {Language::English, Language::Chinese}) {
        const harwick::testing::LanguageScope scope(language);
        RecordingMessages messages;
        ScriptedRunner runner;
        ListSession session;
        for (const std::unique_ptr<QDialog>& dialog : EveryDialog(messages, runner, session)) {
            SCOPED_TRACE(dialog->windowTitle().toStdString());
            // Shown, which lays it out, and hidden again before anything is
            // painted: painting runs in Qt's own threads, which the thread
            // checker cannot follow.
            dialog->show();
            for (const QString& word : Words(*dialog)) {
                const std::string text = word.toStdString();
                if (language == Language::English) {
                    EXPECT_FALSE(HasChinese(text)) << text;
                } else {
                    EXPECT_TRUE(HasChinese(text) || OnlyNames(word)) << "untranslated: " << text;
                }
            }
            // No caption is cut: each gets at least the room its words need.
            int captions = 0;
            for (const QWidget* w : dialog->findChildren<QWidget*>()) {
                if (!w->isVisible() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w))) continue;
                ++captions;
                EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
            }
            EXPECT_GT(captions, 0);
            dialog->hide();
        }
        EXPECT_TRUE(messages.shown.empty());
    }
}

// ---- Save As progress ----------------------------------------------------------------------

bool SettleUntil(const std::function<bool()>& done)
{
    return waitUntil([&] {
        QCoreApplication::processEvents();
        return done();
    });
}

TEST(CablemateSaveAsDialog, StepsFromAWorkerLandAndFinishCloses)
{
    SaveAsProgressDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), Q(kSaveAsTitle));
    dialog.SetLineCount(3);
    EXPECT_EQ(dialog.Maximum(), 3);
    EXPECT_EQ(dialog.Value(), 0);
    {
        std::jthread worker([&dialog] {
            for (int i = 0; i < 5; ++i) dialog.Step();
        });
    }
    EXPECT_TRUE(SettleUntil([&] { return dialog.Value() == 3; }));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    {
        std::jthread worker([&dialog] { dialog.Finish(); });
    }
    EXPECT_TRUE(SettleUntil([&] { return dialog.result() == QDialog::Accepted; }));
    EXPECT_EQ(dialog.Value(), 3);

    // Finished before it was run: running it returns at once.
    QTimer::singleShot(2000, &dialog, &QDialog::reject);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(CablemateSaveAsDialog, LongTextsAreScaledIntoTheSixteenBitRange)
{
    SaveAsProgressDialog dialog;
    dialog.SetLineCount(70000);
    EXPECT_EQ(dialog.Maximum(), 65535);
    {
        std::jthread worker([&dialog] {
            for (int i = 0; i < 35000; ++i) dialog.Step();
        });
    }
    EXPECT_TRUE(SettleUntil([&] { return dialog.Value() == 32767; })) << dialog.Value();
    {
        std::jthread worker([&dialog] {
            for (int i = 0; i < 35000; ++i) dialog.Step();
        });
    }
    EXPECT_TRUE(SettleUntil([&] { return dialog.Value() == 65535; })) << dialog.Value();
}

} // namespace
} // namespace cablemate
