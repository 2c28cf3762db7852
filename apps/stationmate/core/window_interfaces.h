// The rest of what the exchange program asks of its user and its desktop,
// beyond messages and transfer dialogs: the settings dialog, the File Info
// and About boxes, and opening a file. The window implements them with Qt;
// tests answer them.
#pragma once

#include "file_ops.h"
#include "port_settings.h"

#include <optional>
#include <string>

namespace stationmate {

class SettingsAsker {
public:
    virtual ~SettingsAsker() = default;
    // The seven choices on OK; nothing on CANCEL.
    virtual std::optional<SettingsChoices> AskSettings(const SettingsDialogModel& model) = 0;
    // The file the traffic log goes to; nothing on Cancel.
    virtual std::optional<std::string> AskTrafficLogPath() = 0;
};

class InfoShower {
public:
    virtual ~InfoShower() = default;
    virtual void ShowFileInfo(const FileInfo& info) = 0;
    virtual void ShowAbout() = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // With the desktop's default application; false when none opened it.
    virtual bool Open(const std::string& path) = 0;
    // With the desktop's text editor.
    virtual bool OpenInTextEditor(const std::string& path) = 0;
};

} // namespace stationmate
