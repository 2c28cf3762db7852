// The launcher's window "Harwick": a narrow column of picture buttons, one
// per program, each starting its program from the launcher's own directory
// and leaving the window open. Close box or Escape ends it; the context
// menu holds the About entry.
#pragma once

#include "dialog_runner.h"
#include "launcher.h"
#include "picture_button.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QContextMenuEvent;

namespace toolhub {

class LauncherDialog : public QDialog {
public:
    // ownDirectory: where the programs are looked for (the program passes
    // the directory of its own executable).
    LauncherDialog(std::filesystem::path ownDirectory, DialogRunner& runner, QWidget* parent = nullptr);

    // The picture buttons, top to bottom.
    const std::vector<PictureButton*>& Buttons() const { return buttons_; }

    // The context menu at a screen position, and its About entry.
    void ShowMenu(const QPoint& globalPos);
    void About();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void AddButtons();

    Launcher launcher_;
    DialogRunner& runner_;
    std::vector<PictureButton*> buttons_;  // children of the dialog
};

} // namespace toolhub
