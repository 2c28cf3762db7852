// The real dialog, offscreen, with every question answered by the test:
// messages recorded, Yes/No and file names taken from scripted answers, the
// About box handled by a scripted step. The library is looked for in the directory
// the test names, never on the system's path.
#pragma once

#include "dialog_texts.h"
#include "sketch_dialog.h"
#include "sketch_texts.h"

#include "ezdxf_view.h"
#include "answers.h"
#include "scratch.h"
#include "scripted_runner.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sketchconv::testing {

struct Shown {
    std::string caption;
    std::string text;
    MessageIcon icon;
};

using harwick::testing::Answers;
using harwick::testing::ScriptedRunner;

class RecordingPrompter : public Prompter {
public:
    std::vector<Shown> messages;
    std::vector<std::string> questions;
    Answers<bool> answers{"Yes or No"};
    void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(caption), std::string(text), icon});
    }
    bool AskYesNo(std::string_view, std::string_view text) override
    {
        questions.emplace_back(text);
        return answers.Next(text);
    }
};

class ScriptedFiles : public FileChooser {
public:
    Answers<std::optional<std::string>> open{"a GSI file to read"};
    Answers<std::optional<std::string>> save{"a DXF file to write"};
    std::optional<std::string> OpenGsiPath() override { return open.Next(); }
    std::optional<std::string> SaveDxfPath() override { return save.Next(); }
};

inline std::filesystem::path Sample(const char* name)
{
    return std::filesystem::path(HARWICK_SOURCE_DIR) / "samples" / name;
}

class SketchconvTest : public ::testing::Test {
protected:
    // The dialog with libdrawmap.so looked for in libraryDir only.
    void MakeDialog(const std::filesystem::path& libraryDir)
    {
        dialog_ = std::make_unique<SketchDialog>(Interactions{prompter, files, runner},
                                                 LibrarySearch{libraryDir, false});
        dialog_->show();
    }

    SketchDialog& Dialog()
    {
        if (!dialog_) MakeDialog(DRAWMAP_DIR);
        return *dialog_;
    }
    template <typename T>
    T& Widget(const char* name)
    {
        T* widget = Dialog().findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    std::filesystem::path Dir() const { return dir_.path(); }
    std::filesystem::path Write(const char* name, std::string_view content) const
    {
        const std::filesystem::path path = Dir() / name;
        harwick::testing::WriteFile(path, content);
        return path;
    }

    // "..." answered with path.
    void Browse(const std::filesystem::path& path)
    {
        files.open.push_back(path.string());
        Widget<QPushButton>(kBrowseButtonName).click();
    }
    // OK, with the save dialog answered by name.
    void ClickOk(const std::filesystem::path& name)
    {
        files.save.push_back(name.string());
        Widget<QPushButton>(kOkButtonName).click();
    }
    // Reads a GSI file through "..." and writes it with OK; the drawing as
    // ezdxf sees it.
    drawmap::testing::EzdxfView Convert(const std::filesystem::path& gsi, int fontHeight = kInitialFontHeight)
    {
        Browse(gsi);
        Widget<QSpinBox>(kFontHeightName).setValue(fontHeight);
        const std::filesystem::path dxf = Dir() / "out.dxf";
        ClickOk(dxf);
        return drawmap::testing::ReadWithEzdxf(dxf);
    }

    std::string LastMessage() const { return prompter.messages.empty() ? "" : prompter.messages.back().text; }

    RecordingPrompter prompter;
    ScriptedFiles files;
    ScriptedRunner runner;

private:
    harwick::testing::TempDir dir_{"sketchconv-test"};
    std::unique_ptr<SketchDialog> dialog_;
};

} // namespace sketchconv::testing
