#include "feature_window.h"

#include "code_list_file.h"
#include "name_dialogs.h"
#include "qt_text.h"
#include "window_texts.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>

#include <memory>

namespace featurebook {

namespace {

constexpr int kTreeWidth = 180;
constexpr int kGridWidth = 540;
constexpr int kWindowHeight = 420;

} // namespace

FeatureWindow::FeatureWindow(Interactions interactions, QWidget* parent)
    : QMainWindow(parent),
      ui_(interactions),
      tree_(new CodeTree(this)),
      grid_(new SheetGrid(book_, interactions.messages, this)),
      author_(new QLabel(this)),
      contextMenu_(new QMenu(this)),
      delete_(contextMenu_->addAction(ToQ(kDeleteEntry)))
{
    setWindowTitle(ToQ(kProgramName));
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(tree_);
    split->addWidget(grid_);
    split->setSizes({kTreeWidth, kGridWidth});
    split->setStretchFactor(1, 1);
    setCentralWidget(split);
    author_->setObjectName(QStringLiteral("authorLabel"));
    statusBar()->addWidget(author_);
    BuildMenus();
    grid_->Codes().SetChangeListener([this](CodeChange change, std::size_t row) { CodeChanged(change, row); });
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { ShowTreeSelection(); });
    // A click on the item already selected shows its sheet again after a tab was chosen.
    connect(tree_, &QTreeWidget::itemClicked, this, [this] { ShowTreeSelection(); });
    SheetView& codes = grid_->CodeView();
    codes.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&codes, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { CodeTableMenu(at); });
    // Until New or Open the window holds an empty list without a name.
    Replace(CodeBook());
    resize(kTreeWidth + kGridWidth, kWindowHeight);
}

FeatureWindow::~FeatureWindow()
{
    // The tree and the grid work on the list, which goes before the widgets
    // the base class deletes: an open cell editor would commit into it as it
    // loses its focus. Nothing is committed now, and they go first.
    grid_->Codes().SetChangeListener({});
    grid_->CodeView().EndEdit(false);
    grid_->AttributeView().EndEdit(false);
    disconnect(tree_, nullptr, this, nullptr);
    const std::unique_ptr<QWidget> panes(takeCentralWidget());
}

void FeatureWindow::BuildMenus()
{
    auto add = [this](QMenu* menu, std::string_view text, void (FeatureWindow::*command)()) {
        QAction* action = menu->addAction(ToQ(text));
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };
    QMenu* file = menuBar()->addMenu(ToQ(kFileMenu));
    add(file, kNewEntry, &FeatureWindow::NewList);
    add(file, kOpenEntry, &FeatureWindow::OpenList);
    add(file, kSaveEntry, &FeatureWindow::Save);
    add(file, kSaveAsEntry, &FeatureWindow::SaveAs);
    file->addSeparator();
    QAction* exit = file->addAction(ToQ(kExitEntry));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    add(menuBar()->addMenu(ToQ(kOptionsMenu)), kCodeNameEntry, &FeatureWindow::RenameList);
    add(menuBar()->addMenu(ToQ(kHelpMenu)), kAboutEntry, &FeatureWindow::About);
}

QAction* FeatureWindow::Entry(std::string_view menu, std::string_view entry) const
{
    for (QAction* top : menuBar()->actions()) {
        if (top->text() != ToQ(menu) || top->menu() == nullptr) continue;
        for (QAction* action : top->menu()->actions()) {
            if (action->text() == ToQ(entry)) return action;
        }
    }
    return nullptr;
}

void FeatureWindow::Replace(CodeBook book)
{
    grid_->Reload([this, &book] { book_ = std::move(book); });
    tree_->Rebuild(book_);
    const QString author = ToQ(book_.Author());
    author_->setText(author.isEmpty() ? QString() : ToQ(kAuthorPrefix) + author);
    contextRow_ = -1;
}

void FeatureWindow::NewList()
{
    NewListDialog dialog(this);
    if (ui_.runner.Run(dialog) != QDialog::Accepted) return;
    Replace(CodeBook(dialog.ListName(), dialog.Author()));
    path_.clear();
}

void FeatureWindow::OpenList()
{
    const std::optional<std::string> path = ui_.files.OpenPath();
    if (path) OpenFile(*path);
}

bool FeatureWindow::OpenFile(const std::string& path)
{
    std::string error;
    std::optional<CodeBook> book = OpenCodeList(path, error);
    if (!book) {
        ui_.messages.ShowMessage(OpenFailureMessage(path, error));
        return false;
    }
    Replace(std::move(*book));
    path_ = path;
    return true;
}

void FeatureWindow::Save()
{
    grid_->CommitEdit();
    if (!path_.empty()) {
        SaveTo(path_);
        return;
    }
    const std::optional<std::string> path = ui_.files.SavePath();
    if (path) SaveTo(*path);
}

void FeatureWindow::SaveAs()
{
    grid_->CommitEdit();
    // The list keeps its file when the new name is cancelled or not written.
    const std::optional<std::string> path = ui_.files.SavePath();
    if (path) SaveTo(*path);
}

bool FeatureWindow::SaveTo(const std::string& path)
{
    std::string error;
    const SaveStatus status = SaveCodeList(book_, path, error);
    if (status != SaveStatus::Saved) {
        ui_.messages.ShowMessage(SaveFailureMessage(status, path, error));
        return false;
    }
    path_ = path;
    return true;
}

void FeatureWindow::RenameList()
{
    RenameListDialog dialog(book_.Name(), this);
    if (ui_.runner.Run(dialog) != QDialog::Accepted) return;
    book_.SetName(dialog.NewName());
    tree_->SetListName(book_.Name());
    grid_->RelabelCodeTable();
}

void FeatureWindow::About()
{
    AboutDialog dialog(this);
    ui_.runner.Run(dialog);
}

void FeatureWindow::CodeChanged(CodeChange change, std::size_t row)
{
    if (change == CodeChange::Born) {
        tree_->AddCode(book_.At(row).code);
        grid_->AddCodeSheet();
    } else if (change == CodeChange::Renamed) {
        tree_->RenameCode(row, book_.At(row).code);
        grid_->RelabelCode(row);
    }
}

void FeatureWindow::ShowTreeSelection()
{
    const int sheet = tree_->SheetOf(tree_->currentItem());
    if (sheet >= 0) grid_->ShowSheet(sheet);
}

void FeatureWindow::CodeTableMenu(const QPoint& position)
{
    if (grid_->CurrentSheet() != 0) return;
    SheetView& view = grid_->CodeView();
    const QModelIndex index = view.indexAt(position);
    contextRow_ = index.isValid() ? index.row() : -1;
    // With no code the lone entry row is emptied at once.
    if (book_.Count() == 0) {
        grid_->RemoveCode(0);
        contextRow_ = -1;
    }
    if (ui_.menus.Popup(*contextMenu_, view.viewport()->mapToGlobal(position)) == delete_) DeleteContextRow();
}

void FeatureWindow::DeleteContextRow()
{
    if (contextRow_ < 0) return;
    const auto row = static_cast<std::size_t>(contextRow_);
    contextRow_ = -1;
    grid_->CommitEdit();
    const bool code = row < book_.Count();
    grid_->RemoveCode(row);
    if (code) tree_->RemoveCode(row);
}

} // namespace featurebook
