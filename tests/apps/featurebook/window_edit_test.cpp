// Editing in the real window: codes typed into the entry row grow the code
// table, the sheets and the tree; refused texts keep their cells; a renamed
// code keeps its own attributes; a deleted code goes with its sheet.
#include "window_fixture.h"

#include "feature_texts.h"

#include <QTabBar>

namespace featurebook::testing {
namespace {

using harwick::testing::ReadFile;

TEST_F(FeaturebookWindow, TypedCodesGrowTheTableSheetsAndTree)
{
    TypeCode(0, "KERB");
    EXPECT_EQ(Grid().Codes().rowCount(), 2);
    EXPECT_EQ(CodeCell(0, kCodeColumn), "KERB");
    EXPECT_EQ(CodeCell(1, kCodeColumn), "");
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"Code", "KERB"}));
    ASSERT_EQ(TreeCodes(), (std::vector<QString>{"KERB"}));
    QTreeWidgetItem* kerb = Tree().CodeItem(0);
    ASSERT_EQ(kerb->childCount(), 8);
    for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(kerb->child(slot)->text(0), QString("Info %1").arg(slot + 1));
    EXPECT_EQ(Grid().CurrentSheet(), 0);

    // A short cut typed into the entry row first goes with the code typed after it.
    TypeShortcut(1, "5");
    EXPECT_EQ(Window().Book().Count(), 1u);
    TypeCode(1, "MH");
    EXPECT_EQ(CodeCell(1, kShortcutColumn), "5");
    EXPECT_EQ(CodeCell(2, kShortcutColumn), "");
    // Leaving the entry row empty adds nothing.
    TypeCode(2, "");
    EXPECT_EQ(Grid().Codes().rowCount(), 3);
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"Code", "KERB", "MH"}));
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"KERB", "MH"}));

    // The new code's sheet holds its eight slots, empty.
    ClickCode(1);
    EXPECT_EQ(Grid().CurrentSheet(), 2);
    ASSERT_EQ(Grid().AttributeView().model()->rowCount(), 8);
    EXPECT_EQ(Cell(Grid().AttributeView(), 7, kAttributeNameColumn), "Info 8");
    EXPECT_EQ(DefaultShown(0), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FeaturebookWindow, RefusedEditsKeepTheCell)
{
    TypeCodes({"A", "B"});
    TypeShortcut(0, "7");
    TypeShortcut(1, "12");
    EXPECT_EQ(CodeCell(0, kShortcutColumn), "7");
    EXPECT_EQ(CodeCell(1, kShortcutColumn), "12");
    ASSERT_TRUE(messages.shown.empty());

    TypeCode(1, "A");
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Illegal code name!!"}));
    EXPECT_EQ(CodeCell(1, kCodeColumn), "B");
    TypeCode(2, "A");
    TypeCode(2, "MH 1");
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown.back(), "Illegal code name!!");
    EXPECT_EQ(CodeCell(2, kCodeColumn), "");

    TypeShortcut(0, "A1");
    TypeShortcut(1, "123");
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Illegal code name!!", "Illegal code name!!",
                                                        "Illegal code name!!", "Input number",
                                                        "There must be two numbers!!"}));
    EXPECT_EQ(CodeCell(0, kShortcutColumn), "7");
    EXPECT_EQ(CodeCell(1, kShortcutColumn), "12");
    // Nothing refused reached the list, the tree or the sheets.
    EXPECT_EQ(Grid().Codes().rowCount(), 3);
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"A", "B"}));
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"Code", "A", "B"}));
}

TEST_F(FeaturebookWindow, RenamedCodeKeepsItsOwnAttributes)
{
    TypeCodes({"A", "B", "C"});
    for (int row = 0; row < 3; ++row) {
        ClickCode(row);
        TypeDefault(0, QString("value%1").arg(row));
    }
    Click(Tree().Root());
    ASSERT_EQ(Grid().CurrentSheet(), 0);
    TypeCode(0, "Z");
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"Code", "Z", "B", "C"}));
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"Z", "B", "C"}));
    EXPECT_EQ(Grid().FindSheet("A"), -1);
    EXPECT_EQ(Grid().FindSheet("Z"), 1);

    ClickCode(0);
    EXPECT_EQ(Grid().CurrentSheet(), 1);
    EXPECT_EQ(DefaultShown(0), "value0");
    // A slot in the tree shows its code's sheet.
    Tree().CodeItem(2)->setExpanded(true);
    Click(Tree().CodeItem(2)->child(4));
    EXPECT_EQ(Grid().CurrentSheet(), 3);
    EXPECT_EQ(DefaultShown(0), "value2");
    // The slots' names are fixed.
    const QModelIndex name = Grid().AttributeView().model()->index(0, kAttributeNameColumn);
    EXPECT_FALSE(name.flags() & Qt::ItemIsEditable);
    Click(Tree().Root());
    EXPECT_EQ(Grid().CurrentSheet(), 0);
}

TEST_F(FeaturebookWindow, EditInProgressIsCommittedBySaveAndByTheTree)
{
    TypeCodes({"A", "B"});
    ClickCode(0);
    SheetView& view = Grid().AttributeView();
    auto startTyping = [&](int slot, const char* text) {
        const QModelIndex index = view.model()->index(slot, kDefaultValueColumn);
        view.setCurrentIndex(index);
        view.edit(index);
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(index));
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text);
    };
    startTyping(2, "typed");
    const auto path = dir_.path() / "pending.crf";
    files.save = {path.string()};
    Window().Entry("File", "Save")->trigger();
    EXPECT_FALSE(view.Editing());
    EXPECT_NE(ReadFile(path).find("\"typed\""), std::string::npos);

    startTyping(3, "second");
    Click(Tree().CodeItem(1));
    EXPECT_EQ(Grid().CurrentSheet(), 2);
    EXPECT_EQ(Window().Book().At(0).defaults[3], "second");
    EXPECT_FALSE(view.Editing());

    // A click on another code's tab takes no focus from the cell, and the
    // same table goes on showing the other code: the switch commits.
    startTyping(4, "third");
    auto* tabs = Grid().findChild<QTabBar*>("sheetTabs");
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(Grid().CurrentSheet(), 1);
    EXPECT_EQ(Window().Book().At(1).defaults[4], "third");
    EXPECT_FALSE(view.Editing());
    // The tree's selected item, clicked again, shows its sheet once more.
    Click(Tree().CodeItem(1));
    EXPECT_EQ(Grid().CurrentSheet(), 2);
}

TEST_F(FeaturebookWindow, DeletedCodeGoesWithItsRowItemAndSheet)
{
    TypeCodes({"A", "B", "C"});
    ClickCode(1);
    TypeDefault(0, "old-b");
    Click(Tree().Root());
    menus.choices = {"Delete"};
    RightClick(1);
    EXPECT_EQ(menus.shown, 1);
    EXPECT_EQ(Grid().Codes().rowCount(), 3);
    EXPECT_EQ(CodeCell(1, kCodeColumn), "C");
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"A", "C"}));
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"Code", "A", "C"}));

    files.save = {(dir_.path() / "left.crf").string()};
    Window().SaveAs();
    const std::string saved = ReadFile(dir_.path() / "left.crf");
    EXPECT_EQ(saved.find("\"B\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"C\""), std::string::npos);

    // A new code of the deleted one's name starts afresh.
    TypeCode(2, "B");
    ClickCode(2);
    EXPECT_EQ(Grid().CurrentSheet(), 3);
    EXPECT_EQ(DefaultShown(0), "");
}

TEST_F(FeaturebookWindow, DeleteNeverTakesTheEntryRow)
{
    // The lone entry row is emptied by the right click itself.
    TypeShortcut(0, "3");
    menus.choices = {"Delete"};
    RightClick(0);
    EXPECT_EQ(CodeCell(0, kShortcutColumn), "");
    EXPECT_EQ(Grid().Codes().rowCount(), 1);

    TypeCodes({"A", "B"});
    TypeShortcut(2, "4");
    menus.choices = {"Delete"};
    RightClick(2);
    EXPECT_EQ(Grid().Codes().rowCount(), 3);
    EXPECT_EQ(CodeCell(2, kShortcutColumn), "");
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"A", "B"}));
    // Below the rows, or with the menu closed unchosen, nothing goes.
    menus.choices = {"Delete", std::nullopt};
    RightClick(-1);
    RightClick(0);
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"A", "B"}));
    EXPECT_EQ(menus.shown, 4);
}

TEST_F(FeaturebookWindow, ClosingWithACellOpenTouchesNoList)
{
    TypeCodes({"A", "B"});
    SheetView& view = Grid().CodeView();
    const QModelIndex index = view.model()->index(1, kCodeColumn);
    view.setCurrentIndex(index);
    view.edit(index);
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(index));
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, "A");
    window_.reset();
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace featurebook::testing
