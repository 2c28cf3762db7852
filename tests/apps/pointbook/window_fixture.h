// The real window, offscreen, with every question answered by the test:
// messages recorded and Yes/No answered from a list, file names from lists,
// dialogs and the context menu handled by scripted handlers in order.
#pragma once

#include "main_window.h"
#include "window_texts.h"

#include "answers.h"
#include "scratch.h"
#include "scripted_runner.h"

#include <QAction>
#include <QComboBox>
#include <QStatusBar>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace pointbook::testing {

using harwick::testing::Answers;
using harwick::testing::ScriptedRunner;

class RecordingPrompter : public Prompter {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    Answers<bool> answers{"Yes or No"};
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    bool AskYesNo(std::string_view text) override
    {
        questions.emplace_back(text);
        return answers.Next(text);
    }
};

class ScriptedFiles : public FileChooser {
public:
    Answers<std::optional<std::string>> open{"a file to open"};
    Answers<std::optional<SaveChoice>> save{"a name to save under"};
    std::optional<std::string> OpenPath() override { return open.Next(); }
    std::optional<SaveChoice> SavePath() override { return save.Next(); }
};

// The menu entry a person would click.
inline QAction* PickDelete(QMenu& menu)
{
    return menu.findChild<QAction*>(kDeleteAction);
}

// Sets the OPTIONS dialog's precision and presses OK.
inline ScriptedRunner::DialogStep ChoosePrecision(const char* precision)
{
    return [precision](QDialog& dialog) {
        auto* combo = dialog.findChild<QComboBox*>(kPrecisionCombo);
        EXPECT_NE(combo, nullptr);
        if (combo == nullptr) return static_cast<int>(QDialog::Rejected);
        combo->setCurrentText(QString::fromLatin1(precision));
        dialog.findChild<QPushButton*>(kOkButtonName)->click();
        return dialog.result();
    };
}

class PointbookTest : public ::testing::Test {
protected:
    PointbookTest()
        : window_(std::make_unique<PointbookWindow>(Interactions{prompter, files, runner},
                                                    drawmap::LibrarySearch{DRAWMAP_DIR, false}))
    {
        window_->show();
    }

    PointbookWindow& Window() { return *window_; }
    PointTableModel& Model() { return window_->Model(); }
    const pointlist::Table& Points() { return Model().Grid().Points(); }
    std::filesystem::path Dir() const { return dir_.path(); }
    static std::filesystem::path Sample(const char* name)
    {
        return std::filesystem::path(HARWICK_SOURCE_DIR) / "samples" / name;
    }

    std::string StatusText() { return window_->statusBar()->currentMessage().toStdString(); }

    std::string Cell(int row, Column column)
    {
        return Model().index(row, static_cast<int>(column)).data().toString().toStdString();
    }

    void Trigger(const char* action)
    {
        QAction* entry = window_->findChild<QAction*>(action);
        ASSERT_NE(entry, nullptr) << action;
        entry->trigger();
    }

    // As a person types: the cell's editor opens, takes the keys, and Enter
    // puts the text into the grid.
    void Type(int row, Column column, const QString& text, bool pressEnter = true)
    {
        const QModelIndex index = Model().index(row, static_cast<int>(column));
        ASSERT_TRUE(index.isValid()) << row;
        window_->View().setCurrentIndex(index);
        window_->View().edit(index);
        auto* editor = qobject_cast<QLineEdit*>(window_->View().indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        if (!pressEnter) return;
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the text from the event loop, as it does for a person.
        QCoreApplication::processEvents();
    }

    // A right click on a row's cell, as the platform delivers it.
    void RightClick(int row)
    {
        QWidget* viewport = window_->View().viewport();
        const QPoint pos = window_->View().visualRect(Model().index(row, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
    }

    bool OpenThroughMenu(const std::filesystem::path& path)
    {
        files.open.push_back(path.string());
        Trigger(kOpenAction);
        return Window().Editor().CurrentPath() == path.string();
    }

    void SaveAsThroughMenu(const std::filesystem::path& path, std::size_t filter)
    {
        files.save.push_back(SaveChoice{path.string(), filter});
        Trigger(kSaveAsAction);
    }

    RecordingPrompter prompter;
    ScriptedFiles files;
    ScriptedRunner runner;

private:
    harwick::testing::TempDir dir_{"pointbook-test"};
    std::unique_ptr<PointbookWindow> window_;
};

} // namespace pointbook::testing
