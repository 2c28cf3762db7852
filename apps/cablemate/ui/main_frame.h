// CMainFrame: the main window with its menus, toolbar and status bar around
// the editor. Every menu entry of the command table carries its command ID
// and goes to CCablemateApp::OnCommand; the framework's own entries (New,
// Open, printing, editing, the bars, About) are handled here.
#pragma once

#include "cable_view.h"
#include "window_interfaces.h"

#include <QMainWindow>
#include <QPrinter>

#include <map>
#include <memory>

class QMenu;
class QToolBar;

namespace cablemate {

class CCablemateApp;

class CMainFrame : public QMainWindow {
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CCablemateView& View() { return *view_; }
    // Builds the menus over the application; call once, before showing.
    void Bind(CCablemateApp& app, Interactions interactions);

    // The menu entry that sends this command ID (nothing for the
    // framework's own entries).
    QAction* ActionFor(int id) const;
    // The entry with this text in the menu with this title.
    QAction* Entry(std::string_view menu, std::string_view text) const;

private:
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildCommandMenus();
    void BuildHelpMenu();
    QMenu* AddMenu(std::string_view title);
    QAction* AddCommand(QMenu* menu, std::string_view text, int id);
    void FillRecentFiles();
    void Print();
    void PrintPreview();
    void PrintSetup();
    void About();

    CCablemateView* view_;
    CCablemateApp* app_ = nullptr;
    std::unique_ptr<Interactions> interactions_;
    QToolBar* toolbar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* print_ = nullptr;
    std::map<int, QAction*> commands_;
    QPrinter printer_;
};

} // namespace cablemate
