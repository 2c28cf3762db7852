// The launcher's About box and context menu, answered by the test: each in
// turn by a scripted handler, every dialog's title recorded.
#pragma once

#include "dialog_runner.h"

#include <QDialog>
#include <QMenu>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace toolhub::testing {

class ScriptedRunner : public DialogRunner {
public:
    using DialogHandler = std::function<int(QDialog&)>;
    using MenuHandler = std::function<QAction*(QMenu&)>;
    std::deque<DialogHandler> dialogs;
    std::deque<MenuHandler> menus;
    std::vector<std::string> titles;
    int menusShown = 0;

    int Run(QDialog& dialog) override
    {
        titles.push_back(dialog.windowTitle().toStdString());
        if (dialogs.empty()) return QDialog::Rejected;
        DialogHandler handler = std::move(dialogs.front());
        dialogs.pop_front();
        return handler(dialog);
    }
    QAction* RunMenu(QMenu& menu, const QPoint&) override
    {
        ++menusShown;
        if (menus.empty()) return nullptr;
        MenuHandler handler = std::move(menus.front());
        menus.pop_front();
        return handler(menu);
    }
};

} // namespace toolhub::testing
