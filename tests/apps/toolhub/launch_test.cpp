// The real window offscreen, its buttons clicked as a person clicks them.
// The programs are stand-ins: small scripts beside the launcher that append
// their name and their current directory to a record file.
#include "launcher_dialog.h"
#include "scripted_runner.h"

#include "scratch.h"
#include "wait.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace toolhub {
namespace {

namespace fs = std::filesystem;
using harwick::testing::ReadFile;
using harwick::testing::TempDir;
using harwick::testing::waitUntil;
using harwick::testing::WriteFile;

// The programs in the order of the buttons, top to bottom.
const std::vector<std::string> kExpectedOrder = {"stationmate", "pointbook", "featurebook",
                                                 "roadbook", "sketchconv", "cablemate"};

// The process's current directory, changed for one test and put back.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
    ScopedCurrentDir(const ScopedCurrentDir&) = delete;
    ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;
    ~ScopedCurrentDir()
    {
        std::error_code ec;
        fs::current_path(old_, ec);
    }

private:
    fs::path old_;
};

class ToolhubLaunch : public ::testing::Test {
protected:
    ToolhubLaunch()
    {
        for (const std::string& program : kExpectedOrder) {
            WriteStandIn(launcherDir_.path() / program, program);
            // Same names in the current directory: starting one of these is a fault.
            WriteStandIn(workDir_.path() / program, "wrong-" + program);
        }
        dialog_.show();
    }

    void WriteStandIn(const fs::path& path, const std::string& name) const
    {
        WriteFile(path, "#!/bin/sh\nprintf '%s %s\\n' '" + name + "' \"$(pwd -P)\" >> '" + record_.string() + "'\n");
        fs::permissions(path, fs::perms::owner_all);
    }

    // The complete lines recorded so far.
    std::vector<std::string> Records() const
    {
        std::istringstream text(ReadFile(record_));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line) && !text.eof();) lines.push_back(line);
        return lines;
    }

    bool WaitForRecords(std::size_t count) const
    {
        return waitUntil([&] { return Records().size() >= count; });
    }

    std::string RanHere(const std::string& program) const
    {
        return program + " " + fs::canonical(workDir_.path()).string();
    }

    PictureButton* Button(const std::string& program)
    {
        return dialog_.findChild<PictureButton*>(QString::fromStdString(program));
    }

    TempDir launcherDir_{"toolhub-programs"};
    TempDir workDir_{"toolhub-work"};
    fs::path record_ = workDir_.path() / "record.txt";
    ScopedCurrentDir cwd_{workDir_.path()};
    harwick::testing::ScriptedRunner runner_;
    LauncherDialog dialog_{launcherDir_.path(), runner_};
};

TEST_F(ToolhubLaunch, EachButtonStartsItsProgramBesideTheLauncherInTheCurrentDirectory)
{
    std::vector<PictureButton*> buttons = dialog_.Buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
    ASSERT_EQ(buttons.size(), kExpectedOrder.size());
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QTest::mouseClick(buttons[i], Qt::LeftButton);
        expected.push_back(RanHere(kExpectedOrder[i]));
        ASSERT_TRUE(WaitForRecords(i + 1)) << kExpectedOrder[i];
        EXPECT_EQ(Records(), expected);
    }
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(ToolhubLaunch, AMissingOrUnrunnableProgramChangesNothingAndTheNextStillStarts)
{
    fs::remove(launcherDir_.path() / "pointbook");
    fs::permissions(launcherDir_.path() / "sketchconv", fs::perms::owner_read | fs::perms::owner_write);
    QTest::mouseClick(Button("pointbook"), Qt::LeftButton);
    QTest::mouseClick(Button("sketchconv"), Qt::LeftButton);
    QTest::mouseClick(Button("featurebook"), Qt::LeftButton);
    ASSERT_TRUE(WaitForRecords(1));
    QTest::mouseClick(Button("cablemate"), Qt::LeftButton);
    ASSERT_TRUE(WaitForRecords(2));
    EXPECT_EQ(Records(), (std::vector<std::string>{RanHere("featurebook"), RanHere("cablemate")}));
    // Nothing was said: no dialog asked for, no other window opened.
    EXPECT_TRUE(runner_.Titles().empty());
    EXPECT_TRUE(dialog_.isVisible());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &dialog_) {
            EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
        }
    }
}

} // namespace
} // namespace toolhub
