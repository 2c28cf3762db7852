#include "main_frame.h"

#include "move.h"
#include "dialog_texts.h"
#include "outcome_texts.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>

namespace stationmate {

namespace {

constexpr const char* kTitle = "Harwick Station";
constexpr int kDeviceWidth = 350;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The item path of a file: its full path without the closing "/".
std::string filePath(const PcNode& node)
{
    std::string p = FullPath(node);
    if (!p.empty()) p.pop_back();
    return p;
}

// While an instrument operation waits for the instrument, the event loop
// runs on, but none of the window's own input does: no click, key, wheel,
// drag, drop, context menu or shortcut reaches the panes, menus or bars, so
// nothing can start a second operation or touch a tree item whose node the
// operation is replacing. The operation's own dialogs and its progress window
// are windows of their own and take input as usual; closing the window still
// works.
class BusyInputGuard : public QObject {
public:
    BusyInputGuard(QWidget& frame, const bool& busy) : frame_(frame), busy_(busy) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return busy_ && IsInput(event->type()) && InFrame(watched);
    }

private:
    static bool IsInput(QEvent::Type type)
    {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
            return true;
        default:
            return false;
        }
    }
    // A widget of the window, or an action or shortcut that belongs to one.
    bool InFrame(QObject* object) const
    {
        for (QObject* o = object; o != nullptr; o = o->parent()) {
            if (auto* widget = qobject_cast<QWidget*>(o)) return widget->window() == &frame_;
        }
        return false;
    }

    QWidget& frame_;
    const bool& busy_;
};

} // namespace

CMainFrame::CMainFrame(CStationmateApp& app, harwick::qtkit::DialogRunner& menus) : app_(app), menus_(menus)
{
    inputGuard_ = std::make_unique<BusyInputGuard>(*this, app_.busy);
    qApp->installEventFilter(inputGuard_.get());
    setWindowTitle(kTitle);
    splitter_ = new CMySplitter(this);
    devices_ = new CStationmateView(splitter_);
    drives_ = new CDriveView(splitter_);
    splitter_->setSizes({kDeviceWidth, kDeviceWidth * 2});
    setCentralWidget(splitter_);
    buildMenus();
    buildBars();
    statusBar();
    drops_.uploadOnto = [this](DeviceNode& target) { UploadOnto(target); };
    drops_.downloadInto = [this](PcNode& target) {
        if (DeviceNode* node = devices_->SelectedNode()) DownloadInto(*node, target);
    };
    devices_->SetDropHandlers(&drops_);
    drives_->SetDropHandlers(&drops_);
    connectViews();
    showDevices();
    showPc();
}

template <typename Fn>
bool CMainFrame::instrumentOperation(Fn fn)
{
    if (!idle()) return false;
    app_.busy = true;
    fn();
    app_.busy = false;
    logging_->AfterTransfer();
    return true;
}

bool CMainFrame::pcPaneActive() const { return lastActive_ == drives_; }

bool CMainFrame::idle()
{
    if (!app_.busy) return true;
    statusBar()->showMessage(Q(kBusyText), 3000);
    return false;
}

void CMainFrame::showDevices()
{
    devices_->Sync(app_.devices);
    portLabel_->setText(QString::fromStdString(app_.ListedPortName()));
}

void CMainFrame::showPc() { drives_->Sync(app_.pc); }

void CMainFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu(Q(kFileMenu));
    for (const harwick::UiText& inert : {kViewEntry, kMoveEntry, kDeleteEntry, kNewFolderEntry}) {
        file->addAction(Q(inert))->setEnabled(false);
    }
    file->addAction(Q(kCopyEntry), this, [this] {
        if (pcPaneActive()) UploadPcItem();
    });
    file->addAction(Q(kRenameEntry), this, [this] {
        if (pcPaneActive() && drives_->currentItem()) drives_->editItem(drives_->currentItem());
    });
    file->addSeparator();
    file->addAction(Q(kExitEntry), this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(Q(kViewMenu));
    QAction* toolbar = view->addAction(Q(kToolbarEntry));
    QAction* pathbar = view->addAction(Q(kPathbarEntry));
    QAction* statusbar = view->addAction(Q(kStatusbarEntry));
    for (QAction* a : {toolbar, pathbar, statusbar}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(toolbar, &QAction::toggled, this, [this](bool on) { buttonBar_->setVisible(on); });
    connect(pathbar, &QAction::toggled, this, [this](bool on) { pathBar_->setVisible(on); });
    connect(statusbar, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* options = menuBar()->addMenu(Q(kOptionsMenu));
    options->addAction(Q(kUpdateEntry), this, [this] { pcPaneActive() ? UpdatePcTree() : UpdateDevices(); });
    options->addAction(Q(kFileInfoEntry), this, [this] {
        if (pcPaneActive()) ShowPcFileInfo();
    });
    options->addAction(Q(kPortSettingEntry), this, [this] { PortSetting(); });
    logging_ = new harwick::qtkit::TrafficLogEntry(
        this, app_.logging, [this] { return app_.ui.settings.AskTrafficLogPath(); },
        [this](const std::string& message) { app_.ui.prompter.ShowMessage(message); },
        [this](std::shared_ptr<harwick::platform::TrafficLog> log) { app_.link.SetTrafficLog(std::move(log)); });
    options->addAction(logging_->Action());

    QMenu* help = menuBar()->addMenu(Q(kHelpMenu));
    help->addAction(Q(kHelpTopicsEntry))->setEnabled(false);
    help->addAction(Q(kAboutEntry), this, [this] { app_.ui.info.ShowAbout(); });
}

void CMainFrame::buildBars()
{
    // The standard buttons have nothing to act on in a program without
    // documents; they are shown, as people expect them, but disabled.
    QToolBar* standard = addToolBar(Q(kStandardBar));
    standard->setObjectName("standardBar");
    const std::pair<harwick::UiText, QStyle::StandardPixmap> kStandard[] = {
        {kNewButton, QStyle::SP_FileIcon},          {kOpenButton, QStyle::SP_DialogOpenButton},
        {kSaveButton, QStyle::SP_DialogSaveButton}, {kCutButton, QStyle::SP_DialogDiscardButton},
        {kCopyButton, QStyle::SP_FileLinkIcon},     {kPasteButton, QStyle::SP_DialogApplyButton},
        {kPrintButton, QStyle::SP_DriveFDIcon},     {kAboutButton, QStyle::SP_MessageBoxInformation}};
    for (const auto& [name, icon] : kStandard) standard->addAction(style()->standardIcon(icon), Q(name))->setEnabled(false);

    buttonBar_ = addToolBar(Q(kButtonsBar));
    buttonBar_->setObjectName("buttonBar");
    auto button = [this](const char* name, QStyle::StandardPixmap icon, auto action) {
        QAction* a = buttonBar_->addAction(style()->standardIcon(icon), name, this, action);
        a->setObjectName(name);
        return a;
    };
    button("button1000", QStyle::SP_DialogApplyButton, [] {});
    button("button1001", QStyle::SP_FileDialogInfoView, [] {});
    button("button1003", QStyle::SP_TrashIcon, [this] { DeleteDeviceNode(); });
    button("button1004", QStyle::SP_BrowserReload, [this] { UpdateDevices(); });
    button("button1005", QStyle::SP_FileDialogDetailedView, [] {});
    buttonBar_->addSeparator();
    buttonBar_->addWidget(new QLabel(Q(kFilterLabel), buttonBar_));
    filter_ = new QComboBox(buttonBar_);
    filter_->setObjectName("filterList");
    for (std::string_view entry : kFilterEntries) filter_->addItem(Q(entry));
    filter_->setCurrentIndex(kStartFilterEntry);
    buttonBar_->addWidget(filter_);
    connect(filter_, &QComboBox::activated, this, [this](int i) { ChooseFilter(i); });

    addToolBarBreak();
    pathBar_ = addToolBar(Q(kPathBar));
    pathBar_->setObjectName("pathBar");
    portLabel_ = new QLabel("COM1", pathBar_);
    pathLabel_ = new QLabel(QString::fromStdString(app_.home + "/"), pathBar_);
    portLabel_->setFixedWidth(kDeviceWidth);
    pathBar_->addWidget(portLabel_);
    pathBar_->addWidget(pathLabel_);
    // The labels stay over their panes when the splitter moves.
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { portLabel_->setFixedWidth(splitter_->sizes().value(0)); });
}

void CMainFrame::connectViews()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == devices_ || now == drives_) lastActive_ = now;
    });
    connect(devices_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        DeviceNode* node = devices_->NodeOf(item);
        devices_->setCurrentItem(item);
        instrumentOperation([&] { app_.catalogue.OnExpanding(*node, false); });
        QTimer::singleShot(0, this, [this] { showDevices(); });
    });
    connect(drives_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        app_.pc.Expand(*drives_->NodeOf(item));
        QTimer::singleShot(0, this, [this] { showPc(); });
    });
    connect(drives_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        app_.pc.Collapse(*drives_->NodeOf(item));
        QTimer::singleShot(0, this, [this] { showPc(); });
    });
    connect(drives_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        lastActive_ = drives_;
        if (PcNode* node = drives_->NodeOf(item)) pathLabel_->setText(QString::fromStdString(FullPath(*node)));
    });
    connect(devices_, &QTreeWidget::currentItemChanged, this, [this] { lastActive_ = devices_; });
    connect(drives_, &QTreeWidget::itemDoubleClicked, this, [this] { OpenPcItem(); });
    connect(drives_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        RenamePcItem(item->text(0).toStdString());
    });
    connect(devices_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // Rename, Update and New Folder have nothing behind them in the
        // instrument pane: shown, as people know the menu, but disabled.
        popup(*devices_, at,
              {{kCopyEntry, [this] { CopyDeviceNode(); }},
               {kMoveEntry, [this] { MoveDeviceNode(); }},
               {kDeleteEntry, [this] { DeleteDeviceNode(); }},
               {kRenameAskEntry, {}},
               {kUpdateAskEntry, {}},
               {kNewFolderEntry, {}},
               {kPortSettingEntry, [this] { PortSetting(); }}});
    });
    connect(drives_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PcNode* node = drives_->SelectedNode();
        const bool renamable = node && CanRename(*node);
        const bool hasInfo = node && CanShowInfo(*node);
        popup(*drives_, at,
              {{kRenameAskEntry, renamable ? std::function<void()>([this] {
                                              if (drives_->currentItem()) drives_->editItem(drives_->currentItem());
                                          })
                                        : std::function<void()>()},
               {kCopyEntry, [this] { UploadPcItem(); }},
               {kDeleteEntry, [this] { DeletePcItem(); }},
               {kUpdatePcEntry, [this] { UpdatePcTree(); }},
               {kNewPcFolderEntry, [this] { NewPcFolder(); }},
               {kFileInfoEntry, hasInfo ? std::function<void()>([this] { ShowPcFileInfo(); }) : std::function<void()>()},
               {kViewEntry, hasInfo ? std::function<void()>([this] { ViewPcItem(); }) : std::function<void()>()},
               {kMoveEntry, {}}});
    });
}

void CMainFrame::popup(PaneView& pane, const QPoint& at, const std::vector<PopupEntry>& entries)
{
    QMenu menu(this);
    std::vector<QAction*> actions;
    for (const PopupEntry& entry : entries) {
        QAction* action = menu.addAction(Q(entry.text));
        action->setEnabled(static_cast<bool>(entry.run));
        actions.push_back(action);
    }
    // The chosen entry runs once the menu has closed.
    QAction* chosen = menus_.RunMenu(menu, pane.viewport()->mapToGlobal(at));
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (actions[i] == chosen && entries[i].run) entries[i].run();
    }
}

// ---- Device commands ------------------------------------------------------------

void CMainFrame::showOutcome(Operation operation, const TransferResult& result)
{
    const std::string message = OutcomeMessage(operation, result);
    if (!message.empty()) app_.ui.prompter.ShowMessage(message);
}

void CMainFrame::DownloadInto(DeviceNode& node, PcNode& target)
{
    if (!idle()) return;
    const std::string folder = DownloadFolderFor(target);
    TransferResult result{TransferOutcome::Cancelled, {}};
    instrumentOperation([&] { result = app_.downloader.DownloadSelected(node, folder); });
    app_.pc.Update();
    showPc();
    showOutcome(Operation::Download, result);
}

void CMainFrame::CopyDeviceNode()
{
    if (!idle()) return;
    DeviceNode* node = devices_->SelectedNode();
    if (node == nullptr) return;
    if (PcNode* target = drives_->SelectedNode()) {
        DownloadInto(*node, *target);
        return;
    }
    TransferResult result{TransferOutcome::Cancelled, {}};
    instrumentOperation([&] { result = app_.downloader.DownloadSelected(*node, app_.home + "/"); });
    showOutcome(Operation::Download, result);
}

void CMainFrame::MoveDeviceNode()
{
    if (!idle()) return;
    DeviceNode* node = devices_->SelectedNode();
    if (node == nullptr) return;
    if (!CanMove(*node)) {
        app_.ui.prompter.ShowMessage(kMoveNothingToCopy);
        return;
    }
    // The node is found again by its path after the copy: while the copy
    // waited for the instrument the tree may have changed.
    const std::string path = node->TreePath();
    TransferResult copied{TransferOutcome::Cancelled, {}};
    // Where the old program moved to the system drive's root, the user's home.
    instrumentOperation([&] { copied = app_.downloader.DownloadSelected(*node, app_.home + "/"); });
    app_.pc.Update();
    showPc();
    const MoveVerdict verdict = AfterMoveCopy(copied);
    if (!verdict.message.empty()) app_.ui.prompter.ShowMessage(verdict.message);
    if (!verdict.erase) return;
    DeviceNode* copiedNode = app_.devices.FindByTreePath(path);
    if (copiedNode == nullptr) {
        app_.ui.prompter.ShowMessage(std::string(kMoveKeptOnInstrument) + std::string(kMoveNoLongerListed));
        return;
    }
    TransferResult erased{TransferOutcome::Cancelled, {}};
    instrumentOperation([&] { erased = app_.eraser.DeleteSelected(*copiedNode); });
    showDevices();
    showOutcome(Operation::Erase, erased);
}

void CMainFrame::DeleteDeviceNode()
{
    if (!idle()) return;
    DeviceNode* node = devices_->SelectedNode();
    if (node == nullptr) return;
    TransferResult result{TransferOutcome::Cancelled, {}};
    instrumentOperation([&] { result = app_.eraser.DeleteSelected(*node); });
    showDevices();
    showOutcome(Operation::Erase, result);
}

void CMainFrame::UpdateDevices()
{
    DeviceNode* listed = nullptr;
    bool reset = false;
    // Update empties the listed port's nodes: never under an operation that
    // holds one of them.
    const bool ran = instrumentOperation([&] {
        listed = app_.catalogue.ListedPortNode();
        reset = app_.catalogue.Update();
        app_.ReprobePorts();
    });
    if (!ran) return;
    showDevices();
    if (QTreeWidgetItem* item = reset ? devices_->ItemOf(listed) : nullptr) item->setExpanded(false);
}

void CMainFrame::PortSetting()
{
    // The line's settings do not change under an exchange.
    if (!idle()) return;
    std::optional<SettingsChoices> choices = app_.ui.settings.AskSettings(MakeSettingsDialog(app_.probe.present));
    if (!choices) return; // CANCEL leaves the settings in force
    app_.link.SetPortSettings(PortSettingsFrom(*choices));
    for (DeviceNode* port : PortNodesToExpand(app_.devices, choices->port)) {
        if (QTreeWidgetItem* item = devices_->ItemOf(port)) item->setExpanded(true);
    }
}

// ---- PC commands ----------------------------------------------------------------

void CMainFrame::UploadOnto(DeviceNode& target)
{
    if (!idle()) return;
    if (QTreeWidgetItem* item = devices_->ItemOf(&target)) devices_->setCurrentItem(item);
    UploadPcItem();
}

void CMainFrame::UploadPcItem()
{
    if (!idle()) return;
    PcNode* file = drives_->SelectedNode();
    if (file == nullptr || !file->IsFile()) return;
    TransferResult result{TransferOutcome::Cancelled, {}};
    instrumentOperation([&] { result = app_.uploader.Upload(filePath(*file), devices_->SelectedNode()); });
    showDevices();
    showOutcome(Operation::Upload, result);
}

void CMainFrame::UpdatePcTree()
{
    app_.pc.Update();
    showPc();
}

void CMainFrame::NewPcFolder()
{
    PcNode* selected = drives_->SelectedNode();
    if (selected == nullptr) return;
    PcNode* made = NewFolder(app_.pc, *selected, app_.ui.prompter);
    showPc();
    if (QTreeWidgetItem* item = drives_->ItemOf(made)) {
        drives_->setCurrentItem(item);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        drives_->editItem(item);
    }
}

void CMainFrame::RenamePcItem(const std::string& newName)
{
    PcNode* node = drives_->SelectedNode();
    if (node == nullptr) return;
    Rename(app_.pc, *node, newName, app_.ui.prompter);
    QTimer::singleShot(0, this, [this] { showPc(); });
}

void CMainFrame::DeletePcItem()
{
    PcNode* node = drives_->SelectedNode();
    if (node == nullptr) return;
    DeleteItem(app_.pc, *node, app_.ui.dialogs);
    showPc();
}

void CMainFrame::ShowPcFileInfo()
{
    PcNode* node = drives_->SelectedNode();
    if (node == nullptr) return;
    if (std::optional<FileInfo> info = GetFileInfo(app_.pc, *node)) app_.ui.info.ShowFileInfo(*info);
}

void CMainFrame::ViewPcItem()
{
    PcNode* node = drives_->SelectedNode();
    if (node != nullptr && CanShowInfo(*node)) app_.ui.desktop.OpenInTextEditor(filePath(*node));
}

void CMainFrame::OpenPcItem()
{
    PcNode* node = drives_->SelectedNode();
    if (node == nullptr || node->Image() == kImageOtherDrive || node->Image() == kImageFixedDisk || node->IsFolder()) return;
    if (!app_.ui.desktop.Open(filePath(*node))) app_.ui.desktop.OpenInTextEditor(filePath(*node));
}

void CMainFrame::ChooseFilter(int entry)
{
    if (entry < 0 || entry >= static_cast<int>(kFilterEntries.size())) return;
    app_.pc.SetFilter(FilterFromEntry(kFilterEntries[static_cast<std::size_t>(entry)]));
    showPc();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (app_.busy) std::_Exit(1);
    QMainWindow::closeEvent(event);
}

} // namespace stationmate
