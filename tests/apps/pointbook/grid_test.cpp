// The grid as a person works it: titles and numbers, the entry row growing
// as names are typed, the context menu's Delete, the precision switch of the
// OPTIONS dialog, and a typed cell that Save and Setting must not miss.
#include "window_fixture.h"

#include "language_scope.h"

#include <QHeaderView>
#include <QMenuBar>

namespace pointbook::testing {
namespace {

using harwick::testing::ReadFile;

TEST_F(PointbookTest, StartsWithTitlesNumbersAndOneEntryRow)
{
    EXPECT_EQ(Window().windowTitle().toStdString(), kWindowTitle);
    ASSERT_EQ(Model().columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(Model().headerData(c, Qt::Horizontal).toString().toStdString(),
                  kColumnTitles[static_cast<std::size_t>(c)]);
    }
    EXPECT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Model().headerData(0, Qt::Vertical).toInt(), 1);

    runner.Then(std::string(kAboutTitle), harwick::testing::Press(kOkButtonName));
    Trigger(kAboutAction);
    EXPECT_EQ(runner.Titles(), std::vector<std::string>{std::string(kAboutTitle)});
}

// A window made in a language shows its menus and column titles in it alone.
TEST_F(PointbookTest, MenusAndTitlesSpeakOneLanguage)
{
    using harwick::Language;
    using harwick::testing::HasChinese;
    for (const Language language : {Language::English, Language::Chinese}) {
        const harwick::testing::LanguageScope scope(language);
        PointbookWindow window(Interactions{prompter, files, runner}, drawmap::LibrarySearch{DRAWMAP_DIR, false});
        std::vector<QString> words;
        for (const QAction* menu : window.menuBar()->actions()) {
            words.push_back(menu->text());
            for (const QAction* entry : menu->menu()->actions()) {
                if (!entry->isSeparator()) words.push_back(entry->text());
            }
        }
        for (int c = 0; c < 5; ++c) words.push_back(window.Model().headerData(c, Qt::Horizontal).toString());
        EXPECT_GE(words.size(), 10u);
        for (const QString& word : words) {
            EXPECT_EQ(HasChinese(word.toStdString()), language == Language::Chinese) << word.toStdString();
        }
    }
}

TEST_F(PointbookTest, TypingANameIntoTheEntryRowGrowsTheGrid)
{
    // A coordinate alone stays in the entry row: no point yet.
    Type(0, Column::Easting, "100.5");
    EXPECT_EQ(Model().rowCount(), 1);

    Type(0, Column::Name, "P1");
    ASSERT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(Cell(0, Column::Name), "P1");
    EXPECT_EQ(Cell(0, Column::Easting), "100.5");
    EXPECT_EQ(Cell(1, Column::Name), "");
    EXPECT_EQ(Model().headerData(1, Qt::Vertical).toInt(), 2);

    // Renaming a point, or leaving the entry row's name empty, adds nothing.
    Type(0, Column::Name, "P1a");
    Type(1, Column::Name, "");
    EXPECT_EQ(Model().rowCount(), 2);

    Type(1, Column::Name, "P2");
    Type(2, Column::Name, "P3");
    EXPECT_EQ(Model().rowCount(), 4);
    ASSERT_EQ(Points().rows.size(), 3u);
    EXPECT_EQ(Points().rows[0].name, "P1a");
    EXPECT_EQ(Points().rows[2].name, "P3");
}

TEST_F(PointbookTest, DeleteRemovesTheRightClickedRowAndEmptiesTheEntryRow)
{
    // The lone, empty entry row: Delete leaves the grid as it was.
    runner.ThenMenu(PickDelete);
    RightClick(0);
    EXPECT_EQ(Model().rowCount(), 1);
    EXPECT_TRUE(runner.Done());

    Type(0, Column::Name, "A");
    Type(1, Column::Name, "B");
    Type(2, Column::Name, "C");
    Type(3, Column::Code, "half typed");

    runner.ThenMenu(PickDelete);
    RightClick(1);
    ASSERT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Cell(0, Column::Name), "A");
    EXPECT_EQ(Cell(1, Column::Name), "C");

    // A dismissed menu deletes nothing.
    runner.ThenMenu([](QMenu&) { return nullptr; });
    RightClick(0);
    EXPECT_EQ(Model().rowCount(), 3);

    // The entry row is emptied, never removed: points keep a row to grow into.
    runner.ThenMenu(PickDelete);
    RightClick(2);
    ASSERT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Cell(2, Column::Code), "");
    EXPECT_EQ(Points().rows.size(), 2u);
}

TEST_F(PointbookTest, PrecisionSwitchReformatsCoordinatesBothWays)
{
    Type(0, Column::Name, "P1");
    Type(0, Column::Easting, "12.345");
    Type(0, Column::Northing, "7");
    Type(0, Column::Code, "1.5");
    Type(1, Column::Easting, "3.14159"); // the entry row is no point

    // The dialog lists the three precisions and opens on the current one.
    runner.Then([](QDialog& dialog) {
        auto* combo = dialog.findChild<QComboBox*>(kPrecisionCombo);
        auto* unit = dialog.findChild<QComboBox*>(kUnitCombo);
        EXPECT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->itemText(0).toStdString(), "0.00001");
        EXPECT_EQ(combo->itemText(2).toStdString(), "0.001");
        EXPECT_EQ(combo->currentText().toStdString(), "0.001");
        EXPECT_EQ(unit->currentText().toStdString(), kUnitMetre);
        return ChoosePrecision("0.0001")(dialog);
    });
    Trigger(kSettingAction);
    EXPECT_EQ(runner.Titles().back(), kOptionsTitle);
    EXPECT_EQ(Cell(0, Column::Easting), "12.3450");
    EXPECT_EQ(Cell(0, Column::Northing), "7.0000");
    EXPECT_EQ(Cell(0, Column::Elevation), ""); // no value, and never 0
    EXPECT_EQ(Cell(0, Column::Code), "1.5");
    EXPECT_EQ(Cell(1, Column::Easting), "3.14159");

    Type(0, Column::Easting, "12.3456");
    runner.Then(ChoosePrecision("0.001"));
    Trigger(kSettingAction);
    EXPECT_EQ(Cell(0, Column::Easting), "12.346");
    EXPECT_EQ(Cell(0, Column::Northing), "7.000");

    // Cancel, and OK on the precision already set, change nothing.
    Type(0, Column::Easting, "1.23456");
    runner.Then([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(kPrecisionCombo)->setCurrentText("0.00001");
        dialog.findChild<QPushButton*>(kCancelButtonName)->click();
        return dialog.result();
    });
    runner.Then(ChoosePrecision("0.001"));
    Trigger(kSettingAction);
    Trigger(kSettingAction);
    EXPECT_EQ(Cell(0, Column::Easting), "1.23456");
    EXPECT_EQ(Points().precision, pointlist::Precision::Milli);
}

TEST_F(PointbookTest, ACellStillBeingTypedIsSavedAndReformatted)
{
    Type(0, Column::Name, "P1");
    Type(0, Column::Easting, "5.5", /*pressEnter=*/false);
    runner.Then(ChoosePrecision("0.0001"));
    Trigger(kSettingAction);
    EXPECT_EQ(Cell(0, Column::Easting), "5.5000");

    Type(0, Column::Northing, "6.25", /*pressEnter=*/false);
    SaveAsThroughMenu(Dir() / "typed", kKardFilter);
    EXPECT_EQ(ReadFile(Dir() / "typed.dat"), "P1,,5.5000,6.25,\r\n");
}

} // namespace
} // namespace pointbook::testing
