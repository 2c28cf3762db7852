// The program's answers to the window's interactions: message boxes (from
// any thread), Qt's file dialogs and the desktop.
#pragma once

#include "ui_mailbox.h"
#include "window_interfaces.h"

#include <QObject>

class QWidget;

namespace cablemate {

// A modal message box with the program's title. Transfers call it from
// their worker threads; the box is shown on the window's thread and the
// call returns when the user has closed it.
class QtMessages : public QObject, public Messages {
public:
    QtMessages() = default;
    void SetParentWindow(QWidget* window) { window_ = window; }
    void ShowMessage(std::string_view text) override;

private:
    void ShowNow(const QString& text);
    UiMailbox mailbox_{this};
    QWidget* window_ = nullptr;
};

class QtFileDialogs : public FileDialogs {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    std::optional<std::string> OpenPath() override;
    std::optional<SaveChoice> SaveAsPath() override;
    std::optional<std::string> TrafficLogPath() override;

private:
    QWidget* window_ = nullptr;
};

class QtDesktop : public Desktop {
public:
    bool Open(const std::string& path) override;
};

struct QtInteractionSet {
    QtMessages messages;
    ExecRunner runner;
    QtFileDialogs files;
    QtDesktop desktop;

    Interactions Get() { return Interactions{messages, runner, files, desktop}; }
    void SetParentWindow(QWidget* window) {
        messages.SetParentWindow(window);
        files.SetParentWindow(window);
    }
};

} // namespace cablemate
