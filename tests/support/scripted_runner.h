// The user of a window test: every modal dialog and pop-up menu the window
// runs is answered by the next step the test scripted, as a person would
// answer it. A dialog or menu that no step expects fails the test with what
// it says, and so does a step that is still waiting when the runner goes: a
// stray error message or a question that never came cannot pass unseen.
#pragma once

#include "qtkit/dialog_runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace harwick::testing {

// A dialog as a failure message shows it: its title and what its labels say.
inline std::string DescribeDialog(const QDialog& dialog)
{
    std::string text = "\"" + dialog.windowTitle().toStdString() + "\"";
    QStringList said;
    if (const auto* box = qobject_cast<const QMessageBox*>(&dialog)) {
        said << box->text() << box->informativeText();
    } else {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) said << label->text();
    }
    said.removeAll(QString());
    if (!said.isEmpty()) text += " saying \"" + said.join(QStringLiteral(" | ")).toStdString() + "\"";
    return text;
}

inline std::string DescribeMenu(const QMenu& menu)
{
    QStringList entries;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator()) entries << action->text();
    return "[" + entries.join(QStringLiteral(", ")).toStdString() + "]";
}

class ScriptedRunner : public qtkit::DialogRunner {
public:
    // Answers a dialog as a person would (fills it in, presses its buttons)
    // and returns what exec() would have returned.
    using DialogStep = std::function<int(QDialog&)>;
    // Picks the entry a person would click; null: the menu was dismissed.
    using MenuStep = std::function<QAction*(QMenu&)>;

    ScriptedRunner() = default;
    ScriptedRunner(const ScriptedRunner&) = delete;
    ScriptedRunner& operator=(const ScriptedRunner&) = delete;
    ~ScriptedRunner() override { ExpectAllUsed(); }

    // The next dialog, whatever its title, is answered by step.
    void Then(DialogStep step) { dialogs_.push_back({std::nullopt, std::move(step)}); }
    // The next dialog must carry this title; it is answered by step.
    void Then(std::string title, DialogStep step) { dialogs_.push_back({std::move(title), std::move(step)}); }
    // Dialogs with this title may come any number of times, between any
    // steps; each is closed unanswered (Rejected).
    void Ignore(std::string title) { ignored_.insert(std::move(title)); }
    // The next pop-up menu is answered by step.
    void ThenMenu(MenuStep step) { menus_.push_back(std::move(step)); }

    int Run(QDialog& dialog) override
    {
        const std::string title = dialog.windowTitle().toStdString();
        titles_.push_back(title);
        if (ignored_.count(title) != 0) return QDialog::Rejected;
        if (dialogs_.empty()) {
            ADD_FAILURE() << "a dialog no step expected: " << DescribeDialog(dialog);
            return QDialog::Rejected;
        }
        DialogStepEntry next = std::move(dialogs_.front());
        dialogs_.pop_front();
        if (next.title && *next.title != title) {
            ADD_FAILURE() << "expected the dialog \"" << *next.title << "\", met " << DescribeDialog(dialog);
            return QDialog::Rejected;
        }
        // Not shown: nothing is painted (Qt's painting hands work to threads
        // ThreadSanitizer cannot follow), and a step reads what a person would
        // see from the widgets' state (isHidden, texts).
        return next.step(dialog);
    }

    QAction* RunMenu(QMenu& menu, const QPoint&) override
    {
        ++menusShown_;
        if (menus_.empty()) {
            ADD_FAILURE() << "a pop-up menu no step expected: " << DescribeMenu(menu);
            return nullptr;
        }
        MenuStep step = std::move(menus_.front());
        menus_.pop_front();
        return step(menu);
    }

    // Every dialog met (ignored ones too), in order.
    const std::vector<std::string>& Titles() const { return titles_; }
    int MenusShown() const { return menusShown_; }
    // Every scripted step has been used.
    bool Done() const { return dialogs_.empty() && menus_.empty(); }

    // Fails the test for each step still waiting, then forgets them.
    void ExpectAllUsed()
    {
        for (const DialogStepEntry& left : dialogs_)
            ADD_FAILURE() << "a scripted dialog step was never used"
                          << (left.title ? " (expected \"" + *left.title + "\")" : std::string());
        if (!menus_.empty()) ADD_FAILURE() << menus_.size() << " scripted menu step(s) never used";
        dialogs_.clear();
        menus_.clear();
    }

private:
    struct DialogStepEntry {
        std::optional<std::string> title;
        DialogStep step;
    };
    std::deque<DialogStepEntry> dialogs_;
    std::deque<MenuStep> menus_;
    std::set<std::string> ignored_;
    std::vector<std::string> titles_;
    int menusShown_ = 0;
};

// Steps for the common answers: press the button with this object name
// (failing when the dialog has none) and report the dialog's result.
inline ScriptedRunner::DialogStep Press(const char* buttonName)
{
    return [buttonName](QDialog& dialog) {
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
        if (button == nullptr) {
            ADD_FAILURE() << DescribeDialog(dialog) << " has no button " << buttonName;
            return static_cast<int>(QDialog::Rejected);
        }
        button->click();
        return dialog.result();
    };
}

// The entry of a menu with this object name; a menu without it fails the test.
inline ScriptedRunner::MenuStep Pick(const char* actionName)
{
    return [actionName](QMenu& menu) -> QAction* {
        auto* action = menu.findChild<QAction*>(QString::fromLatin1(actionName));
        if (action == nullptr) ADD_FAILURE() << "no entry " << actionName << " in " << DescribeMenu(menu);
        return action;
    };
}

// A message box answered with one of its standard buttons.
inline ScriptedRunner::DialogStep Answer(QMessageBox::StandardButton standard)
{
    return [standard](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        QAbstractButton* button = box != nullptr ? box->button(standard) : nullptr;
        if (button == nullptr) {
            ADD_FAILURE() << DescribeDialog(dialog) << " is no message box with the button " << standard;
            return static_cast<int>(QDialog::Rejected);
        }
        button->click();
        return dialog.result();
    };
}

// The dialog must say text (in its title, labels or message); then step answers it.
inline ScriptedRunner::DialogStep Saying(std::string text, ScriptedRunner::DialogStep step)
{
    return [text = std::move(text), step = std::move(step)](QDialog& dialog) {
        const std::string described = DescribeDialog(dialog);
        EXPECT_NE(described.find(text), std::string::npos) << described << " does not say \"" << text << "\"";
        return step(dialog);
    };
}

inline QAction* Dismiss(QMenu&) { return nullptr; }

} // namespace harwick::testing
