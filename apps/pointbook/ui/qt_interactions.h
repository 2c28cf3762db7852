// The program's answers to the editor's questions: Qt's message boxes and
// file dialogs, and the dialogs' own modal loops.
#pragma once

#include "main_window.h"

class QWidget;

namespace pointbook {

class QtPrompter : public Prompter {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    void ShowMessage(std::string_view text) override;
    bool AskYesNo(std::string_view text) override;

private:
    QWidget* window_ = nullptr;
};

class QtFileChooser : public FileChooser {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    std::optional<std::string> OpenPath() override;
    std::optional<SaveChoice> SavePath() override;

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

} // namespace pointbook
