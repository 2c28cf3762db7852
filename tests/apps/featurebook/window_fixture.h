// The real window, offscreen, with every interaction answered by the test:
// message boxes recorded, dialogs handled in order by scripted handlers,
// file names and context-menu choices taken from lists. The helpers act as
// a person would: type into a cell and press Enter, click a tree item,
// right-click a row of the code table.
#pragma once

#include "feature_window.h"
#include "window_interfaces.h"

#include "answers.h"
#include "scratch.h"
#include "scripted_runner.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <ostream>
#include <vector>

// Readable texts in the test's failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace featurebook::testing {

constexpr int kWaitMs = 5000;

class RecordingMessages : public Messages {
public:
    std::vector<std::string> shown;
    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
};

using harwick::testing::Answers;
using harwick::testing::ScriptedRunner;

class ScriptedFiles : public FileDialogs {
public:
    Answers<std::optional<std::string>> open{"a code list to open"};
    Answers<std::optional<std::string>> save{"a name to save the code list under"};
    std::optional<std::string> OpenPath() override { return open.Next(); }
    std::optional<std::string> SavePath() override { return save.Next(); }
};

// Picks the entry with the next text (nothing: the menu is closed unchosen);
// a menu no test expected fails it.
class ScriptedMenus : public PopupMenus {
public:
    Answers<std::optional<std::string>> choices{"a pop-up menu"};
    int shown = 0;
    QAction* Popup(QMenu& menu, const QPoint&) override
    {
        ++shown;
        const std::optional<std::string> choice = choices.Next(harwick::testing::DescribeMenu(menu));
        if (!choice) return nullptr;
        for (QAction* action : menu.actions())
            if (action->text() == QString::fromStdString(*choice)) return action;
        ADD_FAILURE() << "no entry " << *choice << " in " << harwick::testing::DescribeMenu(menu);
        return nullptr;
    }
};

template <typename T>
T* Find(QDialog& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

class FeaturebookWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<FeatureWindow>(Interactions{messages, runner, files, menus});
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get(), kWaitMs));
    }
    void TearDown() override { window_.reset(); }

    FeatureWindow& Window() { return *window_; }
    SheetGrid& Grid() { return window_->Grid(); }
    CodeTree& Tree() { return window_->Tree(); }

    // Opens the cell's editor, types the text over what it held and
    // presses Enter; returns when the editor has closed.
    void Type(SheetView& view, int row, int column, const QString& text)
    {
        const QModelIndex index = view.model()->index(row, column);
        ASSERT_TRUE(index.isValid()) << row << "," << column;
        view.setCurrentIndex(index);
        view.edit(index);
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(index));
        ASSERT_NE(editor, nullptr) << "no editor at " << row << "," << column;
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view.Editing(); }, kWaitMs));
    }
    void TypeCode(int row, const QString& code) { Type(Grid().CodeView(), row, kCodeColumn, code); }
    void TypeShortcut(int row, const QString& text) { Type(Grid().CodeView(), row, kShortcutColumn, text); }
    // A default value of the sheet shown.
    void TypeDefault(int slot, const QString& value) { Type(Grid().AttributeView(), slot, kDefaultValueColumn, value); }

    QString Cell(SheetView& view, int row, int column) const
    {
        return view.model()->index(row, column).data().toString();
    }
    QString CodeCell(int row, int column) { return Cell(Grid().CodeView(), row, column); }
    QString DefaultShown(int slot) { return Cell(Grid().AttributeView(), slot, kDefaultValueColumn); }

    void Click(QTreeWidgetItem* item)
    {
        ASSERT_NE(item, nullptr);
        Tree().scrollToItem(item);
        QTest::mouseClick(Tree().viewport(), Qt::LeftButton, {}, Tree().visualItemRect(item).center());
    }
    void ClickCode(int row) { Click(Tree().CodeItem(static_cast<std::size_t>(row))); }

    // A right click on a cell of the code table (row -1: below the rows).
    void RightClick(int row)
    {
        SheetView& view = Grid().CodeView();
        QPoint at(5, view.viewport()->height() - 2);
        if (row >= 0) at = view.visualRect(view.model()->index(row, kCodeColumn)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &event);
    }

    // Several codes typed one after the other into the entry row.
    void TypeCodes(std::initializer_list<const char*> codes)
    {
        for (const char* code : codes) TypeCode(static_cast<int>(Window().Book().Count()), QString::fromLatin1(code));
    }

    std::vector<QString> TreeCodes()
    {
        std::vector<QString> codes;
        for (int i = 0; Tree().Root() && i < Tree().Root()->childCount(); ++i)
            codes.push_back(Tree().Root()->child(i)->text(0));
        return codes;
    }
    std::vector<QString> SheetLabels()
    {
        std::vector<QString> labels;
        for (int i = 0; i < Grid().SheetCount(); ++i) labels.push_back(Grid().SheetLabel(i));
        return labels;
    }

    harwick::testing::TempDir dir_{"featurebook-window"};
    RecordingMessages messages;
    ScriptedRunner runner;
    ScriptedFiles files;
    ScriptedMenus menus;
    std::unique_ptr<FeatureWindow> window_;
};

} // namespace featurebook::testing
