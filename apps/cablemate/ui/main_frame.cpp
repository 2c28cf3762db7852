#include "main_frame.h"

#include "cable_app.h"
#include "cable_messages.h"
#include "dialog_widgets.h"
#include "commands.h"
#include "window_texts.h"

#include "qtkit/traffic_log_entry.h"
#include "suite_version.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace cablemate {

namespace {

using dialogs::ToQ;

struct CommandEntry {
    harwick::UiText text;
    int id;
};

// The separators of a menu are entries with id 0.
constexpr int kSeparator = 0;

constexpr CommandEntry kUsbEntries[] = {
    {kUsbParaEntry, command::kUsbSettings},
    {{}, kSeparator},
    {kDownloadMeasuredEntry, command::kUsbDownloadMeasured},
    {kDownloadCodeEntry, command::kUsbDownloadCode},
    {kDownloadHzEntry, command::kUsbDownloadHz},
    {kDownloadVtEntry, command::kUsbDownloadVt},
    {{}, kSeparator},
    {kUploadCoordinateEntry, command::kUsbUploadCoordinateOrCode},
    {kUploadCodeEntry, command::kUsbUploadCoordinateOrCode},
    {kUploadHzEntry, command::kUsbUploadHz},
    {kUploadVtEntry, command::kUsbUploadVt},
    {{}, kSeparator},
    {kUsbUploadTextEntry, command::kUsbUpload32799},
    {kUsbUploadOtherEntry, command::kUsbUpload32802},
};

constexpr CommandEntry kComEntries[] = {
    {kComParaEntry, command::kComSettings},
    {{}, kSeparator},
    {kComDownloadEntry, command::kComDownload},
    {kComDownloadHzEntry, command::kComDownloadComputerFirst},
    {kComDownloadVtEntry, command::kComDownloadComputerFirst2},
    {{}, kSeparator},
    {kComUploadCoordinateEntry, command::kComLineUpload32789},
    {kComUploadCodeEntry, command::kComLineUpload32790},
    {kComUploadHzEntry, command::kComLineUpload32800},
    {kComUploadVtEntry, command::kComLineUpload32801},
    {{}, kSeparator},
    {kComUploadCodeBlocksEntry, command::kComCodeBlocks},
    {kComUploadCoordinateBlocksEntry, command::kComCoordinateBlocks},
};

constexpr CommandEntry kConvertEntries[] = {
    {kCodeBlocksEntry, command::kCodeBlocksToText},
    {kMeasuredBlocksEntry, command::kMeasuredBlocksToKard},
    {kCoordinateBlocksEntry, command::kCoordinateBlocksToKard},
    {kKardToBlocksEntry, command::kKardToCoordinateBlocks},
    {kKard600Entry, command::kKard600ToKard300},
    {kKard600AgainEntry, command::kKard600ToKard300Again},
    {{}, kSeparator},
    {kExportDxfEntry, command::kExportDxf},
};

constexpr CommandEntry kToolsEntries[] = {
    {kCoordinateListEntry, command::kCoordinateList},
    {kCodeListEntry, command::kCodeList},
    {kCorrectionEntry, command::kCorrection},
};

// A toolbar button shows a menu entry's label alone: without the shortcut
// after the tab and without its accelerator, whether that is marked inside
// the word ("Cu&t") or after it ("剪切(&T)").
QString ButtonText(const QString& entry) {
    static const QRegularExpression kBracketedAccelerator(QStringLiteral("\\(&.\\)"));
    return entry.left(entry.indexOf(u'\t')).remove(kBracketedAccelerator).remove(u'&');
}

// A menu text "Label\tCtrl+X" shows the shortcut beside the entry. Only the
// framework's entries get the key itself; the command table's texts show
// keys that have no accelerator behind them.
QAction* MakeAction(QWidget* owner, std::string_view text, bool bindShortcut) {
    const QString full = ToQ(text);
    const qsizetype tab = full.indexOf(u'\t');
    auto* action = new QAction(full, owner);
    if (bindShortcut && tab >= 0) action->setShortcut(QKeySequence(full.mid(tab + 1)));
    action->setIconText(ButtonText(full));
    return action;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), view_(new CCablemateView(this)) {
    setWindowTitle(ToQ(kWindowTitle));
    setCentralWidget(view_);
    statusBar()->showMessage(ToQ(kReadyStatus));
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::Bind(CCablemateApp& app, Interactions interactions) {
    app_ = &app;
    interactions_ = std::make_unique<Interactions>(interactions);
    toolbar_ = addToolBar(ToQ(kToolbarEntry).remove(u'&'));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildCommandMenus();
    BuildHelpMenu();
    // Shown at its own size (a desktop that does not maximise, or restored
    // from maximised), the window still has room for every menu and button;
    // nothing hides behind an overflow arrow.
    constexpr QSize kSmallestUseful{640, 480};
    const int barsWidth = std::max(menuBar()->sizeHint().width(), toolbar_->sizeHint().width());
    resize(sizeHint().expandedTo(kSmallestUseful).expandedTo(QSize(barsWidth, 0)));
}

QMenu* CMainFrame::AddMenu(std::string_view title) {
    QMenu* menu = menuBar()->addMenu(ToQ(title));
    menu->setObjectName(ToQ(title).remove(u'&'));
    return menu;
}

QAction* CMainFrame::AddCommand(QMenu* menu, std::string_view text, int id) {
    QAction* action = MakeAction(this, text, false);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { app_->OnCommand(id); });
    menu->addAction(action);
    commands_.emplace(id, action);  // the first entry of a shared ID stands for it
    return action;
}

void CMainFrame::BuildFileMenu() {
    QMenu* file = AddMenu(kFileMenu);
    QStyle* look = style();
    QAction* create = file->addAction(look->standardIcon(QStyle::SP_FileIcon), {});
    create->setText(ToQ(kNewEntry));
    create->setIconText(ButtonText(create->text()));
    create->setShortcut(QKeySequence::New);
    connect(create, &QAction::triggered, this, [this] { app_->Doc().New(); });
    QAction* open = MakeAction(this, kOpenEntry, true);
    open->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    connect(open, &QAction::triggered, this, [this] { app_->Doc().Open(); });
    file->addAction(open);
    QAction* saveAs = AddCommand(file, kSaveAsEntry, command::kSaveAs);
    saveAs->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    // The framework's Save key saves the way Save As does.
    saveAs->setShortcut(QKeySequence::Save);
    file->addSeparator();
    QAction* print = MakeAction(this, kPrintEntry, true);
    connect(print, &QAction::triggered, this, &CMainFrame::Print);
    file->addAction(print);
    print_ = print;
    connect(file->addAction(ToQ(kPrintPreviewEntry)), &QAction::triggered, this, &CMainFrame::PrintPreview);
    connect(file->addAction(ToQ(kPrintSetupEntry)), &QAction::triggered, this, &CMainFrame::PrintSetup);
    file->addSeparator();
    recentMenu_ = file->addMenu(ToQ(kRecentFilesMenu));
    recentMenu_->setObjectName(QStringLiteral("recentFiles"));
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles);
    FillRecentFiles();
    file->addSeparator();
    connect(file->addAction(ToQ(kExitEntry)), &QAction::triggered, this, &QWidget::close);
    toolbar_->addAction(create);
    toolbar_->addAction(open);
    toolbar_->addAction(saveAs);
    toolbar_->addSeparator();
}

void CMainFrame::FillRecentFiles() {
    recentMenu_->clear();
    int number = 1;
    for (const std::string& path : app_->Doc().RecentFiles()) {
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(QString::fromStdString(path)));
        connect(entry, &QAction::triggered, this, [this, path] { app_->Doc().Open(path); });
    }
    recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

void CMainFrame::BuildEditMenu() {
    QMenu* edit = AddMenu(kEditMenu);
    struct EditEntry {
        std::string_view text;
        QKeySequence::StandardKey key;
        void (QPlainTextEdit::*slot)();
    };
    const EditEntry entries[] = {{kUndoEntry, QKeySequence::Undo, &QPlainTextEdit::undo},
                                 {kCutEntry, QKeySequence::Cut, &QPlainTextEdit::cut},
                                 {kCopyEntry, QKeySequence::Copy, &QPlainTextEdit::copy},
                                 {kPasteEntry, QKeySequence::Paste, &QPlainTextEdit::paste}};
    for (const EditEntry& entry : entries) {
        QAction* action = MakeAction(this, entry.text, false);
        action->setShortcut(entry.key);
        connect(action, &QAction::triggered, view_, entry.slot);
        edit->addAction(action);
        if (entry.key != QKeySequence::Undo) toolbar_->addAction(action);
    }
    toolbar_->addSeparator();
}

void CMainFrame::BuildViewMenu() {
    QMenu* view = AddMenu(kViewMenu);
    QAction* bar = toolbar_->toggleViewAction();
    bar->setText(ToQ(kToolbarEntry));
    view->addAction(bar);
    QAction* status = view->addAction(ToQ(kStatusBarEntry));
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void CMainFrame::BuildCommandMenus() {
    const auto fill = [this](std::string_view title, std::span<const CommandEntry> entries) {
        QMenu* menu = AddMenu(title);
        for (const CommandEntry& entry : entries) {
            if (entry.id == kSeparator) {
                menu->addSeparator();
            } else {
                AddCommand(menu, entry.text, entry.id);
            }
        }
    };
    fill(kUsbMenu, kUsbEntries);
    fill(kComMenu, kComEntries);
    // One entry for both kinds of transfer, beside each kind's settings.
    auto* logging = new harwick::qtkit::TrafficLogEntry(
        this, app_->Logging(), [this] { return interactions_->files.TrafficLogPath(); },
        [this](const std::string& message) { interactions_->messages.ShowMessage(message); },
        [this](std::shared_ptr<harwick::platform::TrafficLog> log) { app_->Transfer().SetLog(std::move(log)); });
    for (std::string_view title : {kUsbMenu, kComMenu}) {
        QMenu* menu = findChild<QMenu*>(ToQ(title).remove(u'&'));
        menu->insertAction(menu->actions().value(1), logging->Action());
        connect(menu, &QMenu::aboutToShow, logging, &harwick::qtkit::TrafficLogEntry::Refresh);
    }
    fill(kConvertMenu, kConvertEntries);
    fill(kToolsMenu, kToolsEntries);
}

void CMainFrame::BuildHelpMenu() {
    QMenu* help = AddMenu(kHelpMenu);
    AddCommand(help, kHelpEntry, command::kHelp);
    help->addSeparator();
    toolbar_->addAction(print_);
    QAction* about = help->addAction(style()->standardIcon(QStyle::SP_MessageBoxQuestion), ToQ(kAboutEntry));
    about->setIconText(ButtonText(about->text()));
    connect(about, &QAction::triggered, this, &CMainFrame::About);
    toolbar_->addAction(about);
}

QAction* CMainFrame::ActionFor(int id) const {
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

QAction* CMainFrame::Entry(std::string_view menu, std::string_view text) const {
    for (QMenu* candidate : menuBar()->findChildren<QMenu*>()) {
        if (candidate->title() != ToQ(menu)) continue;
        for (QAction* action : candidate->actions())
            if (action->text() == ToQ(text)) return action;
    }
    return nullptr;
}

void CMainFrame::Print() {
    QPrintDialog dialog(&printer_, this);
    if (interactions_->runner.Run(dialog) == QDialog::Accepted) view_->print(&printer_);
}

void CMainFrame::PrintPreview() {
    QPrintPreviewDialog dialog(&printer_, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, view_, [this](QPrinter* printer) { view_->print(printer); });
    interactions_->runner.Run(dialog);
}

void CMainFrame::PrintSetup() {
    QPageSetupDialog dialog(&printer_, this);
    interactions_->runner.Run(dialog);
}

void CMainFrame::About() {
    QMessageBox box(QMessageBox::Information, ToQ(kAboutTitle), ToQ(kAboutText) + QStringLiteral("\n\n") + ToQ(harwick::kSuiteVersionLine), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("aboutBox"));
    interactions_->runner.Run(box);
}

} // namespace cablemate
