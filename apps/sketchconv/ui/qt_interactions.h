// The program's answers to the converter's questions: Qt's message boxes
// and file dialogs.
#pragma once

#include "converter.h"
#include "dialog_runner.h"
#include "sketch_dialog.h"

class QWidget;

namespace sketchconv {

class QtPrompter : public Prompter {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view caption, std::string_view text) override;

private:
    QWidget* window_ = nullptr;
};

class QtFileChooser : public FileChooser {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    std::optional<std::string> OpenGsiPath() override;
    std::optional<std::string> SaveDxfPath() override;

private:
    QWidget* window_ = nullptr;
};

struct QtInteractionSet {
    QtPrompter prompter;
    QtFileChooser files;
    ExecRunner runner;

    Interactions Get() { return Interactions{prompter, files, runner}; }
    void SetParentWindow(QWidget* window)
    {
        prompter.SetParentWindow(window);
        files.SetParentWindow(window);
    }
};

} // namespace sketchconv
