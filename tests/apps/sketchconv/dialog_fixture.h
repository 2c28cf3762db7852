// The real dialog, offscreen, with every question answered by the test:
// messages recorded, Yes/No and file names taken from lists, the About box
// handled by a scripted handler. The library is looked for in the directory
// the test names, never on the system's path.
#pragma once

#include "dialog_texts.h"
#include "sketch_dialog.h"
#include "sketch_texts.h"

#include "ezdxf_view.h"
#include "scratch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sketchconv::testing {

struct Shown {
    std::string caption;
    std::string text;
    MessageIcon icon;
};

class RecordingPrompter : public Prompter {
public:
    std::vector<Shown> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers; // No when none is left
    void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(caption), std::string(text), icon});
    }
    bool AskYesNo(std::string_view, std::string_view text) override
    {
        questions.emplace_back(text);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
};

class ScriptedFiles : public FileChooser {
public:
    std::deque<std::string> open;
    std::deque<std::string> save; // Cancel when none is left
    std::optional<std::string> OpenGsiPath() override { return Next(open); }
    std::optional<std::string> SaveDxfPath() override { return Next(save); }

private:
    static std::optional<std::string> Next(std::deque<std::string>& answers)
    {
        if (answers.empty()) return std::nullopt;
        std::string answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

class ScriptedRunner : public DialogRunner {
public:
    std::function<int(QDialog&)> handler;
    int Run(QDialog& dialog) override { return handler ? handler(dialog) : 0; }
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
    // OK, with the save dialog answered by name (or cancelled when empty).
    void ClickOk(const std::filesystem::path& name = {})
    {
        if (!name.empty()) files.save.push_back(name.string());
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
