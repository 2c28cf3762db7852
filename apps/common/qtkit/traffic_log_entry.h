// The "Log Communication..." entry both transfer windows offer: a checkable
// menu entry that asks for a file and logs every transfer from then on, or
// turns logging off again.
#pragma once

#include "language/ui_text.h"
#include "qtkit/dialog_runner.h"
#include "traffic/traffic_log.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QWidget;

namespace harwick::qtkit {

inline constexpr harwick::UiText kLogCommunicationEntry = "Log &Communication...";
inline constexpr harwick::UiText kLogFileCaption = "Log Communication To";
inline constexpr harwick::UiText kLogFileLabel = "Write every byte on the cable to this file:";
inline constexpr std::string_view kLogFileSuggestion = "harwick-traffic.log";
inline constexpr harwick::UiText kBrowseButton = "Browse...";

// Asks for the log's file (in the home folder unless changed, a file browser
// one click away), run through the runner so tests answer it; nothing on
// Cancel or for an empty name.
std::optional<std::string> AskTrafficLogPath(QWidget* parent, DialogRunner& runner);

class TrafficLogEntry : public QObject {
public:
    using AskPath = std::function<std::optional<std::string>()>;
    using Show = std::function<void(const std::string& message)>;
    // changed hears the log every transfer is to use from now on (null: none).
    using Changed = std::function<void(std::shared_ptr<platform::TrafficLog> log)>;

    // The switch belongs to the program, which may look at it from a
    // transfer's thread; it outlives the entry.
    TrafficLogEntry(QObject* parent, platform::TrafficLogSwitch& logging, AskPath ask, Show show, Changed changed);

    // The checkable entry; one object may sit in several menus.
    QAction* Action() const { return action_; }
    // After a transfer on the window's thread: a log that stopped is said
    // once, and the entry is unchecked.
    void AfterTransfer();
    // Checks the entry as the switch stands (it may have been turned off
    // from a transfer's thread).
    void Refresh();

private:
    void toggle();
    void apply();

    QAction* action_;
    platform::TrafficLogSwitch& switch_;
    AskPath ask_;
    Show show_;
    Changed changed_;
};

} // namespace harwick::qtkit
