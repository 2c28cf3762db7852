// The test harness itself: a window test must fail when the window shows a
// dialog, a menu or a question the test did not script, and when a scripted
// answer is never asked for.
#include "answers.h"
#include "scripted_runner.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace harwick::testing {
namespace {

// A dialog as the programs make them: a title, a text, an OK button.
class TextDialog : public QDialog {
public:
    TextDialog(const char* title, const char* text)
    {
        setWindowTitle(QString::fromUtf8(title));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QString::fromUtf8(text), this));
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("okButton"));
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        layout->addWidget(ok);
    }
};

TEST(ScriptedRunner, AnUnexpectedDialogFailsWithWhatItSays)
{
    TextDialog error("Error", "Cannot open COM3");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunner runner;
            EXPECT_EQ(runner.Run(error), QDialog::Rejected);
        },
        "a dialog no step expected: \"Error\" saying \"Cannot open COM3\"");

    QMessageBox box(QMessageBox::Warning, QStringLiteral("tip"), QStringLiteral("Open File False!"));
    EXPECT_NONFATAL_FAILURE({ ScriptedRunner().Run(box); }, "\"tip\" saying \"Open File False!\"");
}

TEST(ScriptedRunner, StepsAnswerInOrderAndTitlesAreChecked)
{
    TextDialog first("First", "one");
    TextDialog second("Second", "two");
    ScriptedRunner runner;
    runner.Then("First", Press("okButton"));
    runner.Then([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    EXPECT_EQ(runner.Run(first), QDialog::Accepted);
    EXPECT_EQ(runner.Run(second), QDialog::Rejected);
    EXPECT_TRUE(runner.Done());
    EXPECT_EQ(runner.Titles(), (std::vector<std::string>{"First", "Second"}));

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunner strict;
            strict.Then("Port Setting", Press("okButton"));
            EXPECT_EQ(strict.Run(first), QDialog::Rejected);
        },
        "expected the dialog \"Port Setting\", met \"First\"");
}

TEST(ScriptedRunner, AStepNeverUsedFailsAndIgnoredTitlesPass)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunner runner;
            runner.Then("About", Press("okButton"));
        },
        "a scripted dialog step was never used (expected \"About\")");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunner runner;
            runner.ThenMenu(Dismiss);
        },
        "1 scripted menu step(s) never used");

    TextDialog tip("Tip", "ignored");
    ScriptedRunner runner;
    runner.Ignore("Tip");
    EXPECT_EQ(runner.Run(tip), QDialog::Rejected);
    EXPECT_EQ(runner.Run(tip), QDialog::Rejected);
    EXPECT_EQ(runner.Titles().size(), 2u);
}

TEST(ScriptedRunner, MessageBoxesAreAnsweredByTheirButtonsAndChecked)
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("Warning"), QStringLiteral("Delete Job 1?"),
                         QMessageBox::Ok | QMessageBox::Cancel);
    ScriptedRunner runner;
    runner.Then(Saying("Delete Job 1", Answer(QMessageBox::Cancel)));
    EXPECT_EQ(runner.Run(question), QMessageBox::Cancel);

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunner wrong;
            wrong.Then(Saying("Erase", Answer(QMessageBox::Ok)));
            EXPECT_EQ(wrong.Run(question), QMessageBox::Ok);
        },
        "does not say \"Erase\"");
    TextDialog plain("Tip", "no buttons of a message box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunner notABox;
            notABox.Then(Answer(QMessageBox::Ok));
            notABox.Run(plain);
        },
        "is no message box");
}

TEST(ScriptedRunner, MenusAreScriptedToo)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Delete"))->setObjectName(QStringLiteral("deleteAction"));
    EXPECT_NONFATAL_FAILURE({ ScriptedRunner().RunMenu(menu, {}); }, "a pop-up menu no step expected: [Delete]");

    ScriptedRunner runner;
    runner.ThenMenu(Pick("deleteAction"));
    runner.ThenMenu(Dismiss);
    EXPECT_EQ(runner.RunMenu(menu, {}), menu.actions().front());
    EXPECT_EQ(runner.RunMenu(menu, {}), nullptr);
    EXPECT_EQ(runner.MenusShown(), 2);
}

TEST(Answers, RunningOutOrLeavingAnswersFails)
{
    EXPECT_NONFATAL_FAILURE(
        {
            Answers<std::optional<std::string>> files("a file to open");
            EXPECT_EQ(files.Next(), std::nullopt);
        },
        "unexpected question: a file to open");
    EXPECT_NONFATAL_FAILURE(
        {
            Answers<bool> yesNo("Yes or No");
            yesNo.push_back(true);
            yesNo.push_back(false);
            EXPECT_TRUE(yesNo.Next("Replace job.gsi?"));
        },
        "1 scripted answer(s) never asked for: Yes or No");

    Answers<std::optional<std::string>> files("a file to open");
    files = {std::string("a.gsi"), std::nullopt};
    EXPECT_EQ(files.Next(), "a.gsi");
    EXPECT_EQ(files.Next(), std::nullopt);
    EXPECT_EQ(files.Asked(), 2);
}

} // namespace
} // namespace harwick::testing
