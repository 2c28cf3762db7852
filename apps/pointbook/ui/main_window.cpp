#include "main_window.h"

#include "dialogs.h"
#include "qt_text.h"
#include "window_texts.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace pointbook {

namespace {

constexpr int kNameWidth = 110;
constexpr int kColumnWidth = 125;
constexpr int kInitialWidth = 720;
constexpr int kInitialHeight = 440;

} // namespace

PointbookWindow::PointbookWindow(Interactions interactions, drawmap::LibrarySearch library, QWidget* parent)
    : QMainWindow(parent), io_(interactions), view_(this), editor_(*this, io_.prompter, io_.files, std::move(library))
{
    setWindowTitle(ToQ(kWindowTitle));
    view_.setModel(&model_);
    view_.setColumnWidth(static_cast<int>(Column::Name), kNameWidth);
    for (int c = static_cast<int>(Column::Easting); c < kColumnCount; ++c) view_.setColumnWidth(c, kColumnWidth);
    view_.horizontalHeader()->setStretchLastSection(true);
    view_.SetRowMenuHandler([this](int row, const QPoint& globalPos) { ShowRowMenu(row, globalPos); });
    setCentralWidget(&view_);
    BuildMenus();
    resize(kInitialWidth, kInitialHeight);
}

QAction* PointbookWindow::AddEntry(QMenu& menu, std::string_view text, const char* name,
                                   const QKeySequence& shortcut)
{
    QAction* action = menu.addAction(ToQ(text));
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void PointbookWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(ToQ(kFileMenu));
    connect(AddEntry(*file, kOpenEntry, kOpenAction, QKeySequence::Open), &QAction::triggered, this,
            [this] { editor_.Open(); });
    connect(AddEntry(*file, kSaveEntry, kSaveAction, QKeySequence::Save), &QAction::triggered, this,
            [this] { editor_.Save(); });
    connect(AddEntry(*file, kSaveAsEntry, kSaveAsAction, QKeySequence::SaveAs), &QAction::triggered, this,
            [this] { editor_.SaveAs(); });
    QMenu* options = menuBar()->addMenu(ToQ(kOptionsMenu));
    connect(AddEntry(*options, kSettingEntry, kSettingAction, QKeySequence()), &QAction::triggered, this,
            [this] { Setting(); });
    QMenu* help = menuBar()->addMenu(ToQ(kHelpMenu));
    connect(AddEntry(*help, kAboutEntry, kAboutAction, QKeySequence()), &QAction::triggered, this,
            [this] { About(); });
}

void PointbookWindow::ReplacePoints(pointlist::Table table)
{
    model_.ReplacePoints(std::move(table));
    view_.scrollToTop();
}

void PointbookWindow::ShowStatus(std::string_view text)
{
    statusBar()->showMessage(ToQ(text));
}

void PointbookWindow::Setting()
{
    // A number still being typed is reformatted with the others.
    CommitPendingEdit();
    OptionsDialog dialog(Points().precision, this);
    if (io_.runner.Run(dialog) != QDialog::Accepted) return;
    model_.ChangePrecision(dialog.Chosen());
}

void PointbookWindow::About()
{
    AboutDialog dialog(this);
    io_.runner.Run(dialog);
}

void PointbookWindow::ShowRowMenu(int row, const QPoint& globalPos)
{
    CommitPendingEdit();
    QMenu menu(this);
    QAction* remove = menu.addAction(ToQ(kDeleteEntry));
    remove->setObjectName(kDeleteAction);
    if (io_.runner.RunMenu(menu, globalPos) == remove) model_.RemoveRow(row);
}

} // namespace pointbook
