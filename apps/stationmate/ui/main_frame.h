// CMainFrame: the exchange program's two-pane window — the device tree at the
// left, the PC tree at the right — with its menus, button bar, path bar and
// status bar. It turns user input into calls on the engine and shows the
// models again afterwards.
#pragma once

#include "language/ui_text.h"

#include "outcome_texts.h"
#include "qtkit/dialog_runner.h"
#include "qtkit/traffic_log_entry.h"
#include "station_app.h"
#include "tree_views.h"

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QToolBar>

#include <functional>
#include <memory>
#include <vector>

namespace stationmate {

class CMySplitter : public QSplitter {
public:
    explicit CMySplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {}
};

class CMainFrame : public QMainWindow {
public:
    // The pop-up menus of both panes run through menus (the tests answer them).
    CMainFrame(CStationmateApp& app, harwick::qtkit::DialogRunner& menus);

    CStationmateView* DeviceView() const { return devices_; }
    CDriveView* DriveView() const { return drives_; }
    QComboBox* FilterList() const { return filter_; }
    QLabel* PortLabel() const { return portLabel_; }
    QLabel* PathLabel() const { return pathLabel_; }

    // The commands, callable by menus, buttons, drops and tests alike.
    void CopyDeviceNode();      // download into the PC selection
    void MoveDeviceNode();      // download into the home folder, then erase
    void DeleteDeviceNode();
    void UpdateDevices();
    void PortSetting();
    void UploadPcItem();        // the PC pane's Copy
    void UpdatePcTree();
    void NewPcFolder();
    void RenamePcItem(const std::string& newName);
    void DeletePcItem();
    void ShowPcFileInfo();
    void ViewPcItem();
    void OpenPcItem();          // double click
    void ChooseFilter(int entry);
    void DownloadInto(DeviceNode& node, PcNode& target);
    void UploadOnto(DeviceNode& target);

protected:
    // Closing the window while an exchange waits for the instrument ends the
    // program at once, without going back into the exchange (its files are
    // written whole or not at all, so nothing is left half).
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildBars();
    void connectViews();
    void showDevices();
    void showPc();
    // The one door of every command that talks to the instrument or changes
    // the device tree: it runs fn unless an operation is already waiting for
    // the instrument (then it says so in the status bar). False when refused.
    template <typename Fn>
    bool instrumentOperation(Fn fn);
    bool pcPaneActive() const;
    // A pane's pop-up menu: each entry with what it does; none: disabled.
    struct PopupEntry {
        harwick::UiText text;
        std::function<void()> run;
    };
    void popup(PaneView& pane, const QPoint& at, const std::vector<PopupEntry>& entries);
    // True when no instrument operation waits; else says so and is false.
    // Every command that touches the instrument or the device tree asks it
    // first, before it looks at any node.
    bool idle();
    // Tells the user what a transfer that did not end done left behind.
    void showOutcome(Operation operation, const TransferResult& result);

    CStationmateApp& app_;
    harwick::qtkit::DialogRunner& menus_;
    CMySplitter* splitter_ = nullptr;
    CStationmateView* devices_ = nullptr;
    CDriveView* drives_ = nullptr;
    QToolBar* buttonBar_ = nullptr;
    QToolBar* pathBar_ = nullptr;
    QComboBox* filter_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    DropHandlers drops_;
    QWidget* lastActive_ = nullptr;
    std::unique_ptr<QObject> inputGuard_;
    harwick::qtkit::TrafficLogEntry* logging_ = nullptr;
};

} // namespace stationmate
