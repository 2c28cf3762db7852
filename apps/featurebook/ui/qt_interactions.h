// The program's answers to the window's interactions: Qt's message boxes,
// the dialogs' own modal loops, Qt's file dialogs and context menus.
#pragma once

#include "window_interfaces.h"

class QWidget;

namespace featurebook {

class QtMessages : public Messages {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    void ShowMessage(std::string_view text) override;

private:
    QWidget* window_ = nullptr;
};

using harwick::qtkit::ExecRunner;

class QtFileDialogs : public FileDialogs {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    std::optional<std::string> OpenPath() override;
    std::optional<std::string> SavePath() override;

private:
    QWidget* window_ = nullptr;
};

class QtPopupMenus : public PopupMenus {
public:
    QAction* Popup(QMenu& menu, const QPoint& globalPosition) override;
};

struct QtInteractionSet {
    QtMessages messages;
    ExecRunner runner;
    QtFileDialogs files;
    QtPopupMenus menus;

    Interactions Get() { return Interactions{messages, runner, files, menus}; }
    void SetParentWindow(QWidget* window)
    {
        messages.SetParentWindow(window);
        files.SetParentWindow(window);
    }
};

} // namespace featurebook
