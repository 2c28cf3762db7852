// What the window asks of its user: message boxes, its modal dialogs, file
// names and the code table's context menu. The program answers with Qt's
// boxes, dialogs and menus; tests answer with a script.
#pragma once

#include "qtkit/dialog_runner.h"

#include <optional>
#include <string>
#include <string_view>

class QAction;
class QDialog;
class QMenu;
class QPoint;

namespace featurebook {

class Messages {
public:
    virtual ~Messages() = default;
    // A plain message box; returns when the user has closed it.
    virtual void ShowMessage(std::string_view text) = 0;
};

using harwick::qtkit::DialogRunner;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // An existing code list to open; nothing on Cancel.
    virtual std::optional<std::string> OpenPath() = 0;
    // The name to save under, the overwrite question already answered;
    // nothing on Cancel.
    virtual std::optional<std::string> SavePath() = 0;
};

class PopupMenus {
public:
    virtual ~PopupMenus() = default;
    // The chosen entry of menu shown at a screen position; null when none was.
    virtual QAction* Popup(QMenu& menu, const QPoint& globalPosition) = 0;
};

struct Interactions {
    Messages& messages;
    DialogRunner& runner;
    FileDialogs& files;
    PopupMenus& menus;
};

} // namespace featurebook
