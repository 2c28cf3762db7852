#include "sheet_grid.h"

#include "feature_texts.h"
#include "qt_text.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace featurebook {

namespace {

// Column widths in the grid's units; a unit is a pixel here.
constexpr int kCodeWidth = 150;
constexpr int kAttributeNameWidth = 250;
constexpr int kDefaultValueWidth = 80;

SheetView* MakeView(QWidget* parent, QAbstractItemModel* model, const char* name, int firstWidth)
{
    auto* view = new SheetView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setColumnWidth(0, firstWidth);
    return view;
}

} // namespace

bool SheetView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened) editing_ = index;
    return opened;
}

void SheetView::EndEdit(bool commit)
{
    if (state() != QAbstractItemView::EditingState || !editing_.isValid()) return;
    QWidget* editor = indexWidget(editing_);
    editing_ = QPersistentModelIndex();
    if (editor == nullptr) return;
    if (commit) commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

SheetGrid::SheetGrid(CodeBook& book, Messages& messages, QWidget* parent)
    : QWidget(parent),
      book_(book),
      codes_(new CodeTableModel(book, messages, this)),
      attributes_(new AttributeModel(book, this)),
      stack_(new QStackedWidget(this)),
      codeView_(MakeView(stack_, codes_, "codeTable", kCodeWidth)),
      attributeView_(MakeView(stack_, attributes_, "attributeSheet", kAttributeNameWidth)),
      tabs_(new QTabBar(this))
{
    attributeView_->setColumnWidth(kDefaultValueColumn, kDefaultValueWidth);
    stack_->addWidget(codeView_);
    stack_->addWidget(attributeView_);
    tabs_->setObjectName(QStringLiteral("sheetTabs"));
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    tabs_->addTab(CodeTableLabel());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stack_);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int sheet) { ShowSelected(sheet); });
}

int SheetGrid::SheetCount() const
{
    return tabs_->count();
}

QString SheetGrid::SheetLabel(int sheet) const
{
    return tabs_->tabText(sheet);
}

int SheetGrid::FindSheet(const QString& label) const
{
    for (int sheet = 0; sheet < tabs_->count(); ++sheet) {
        if (tabs_->tabText(sheet) == label) return sheet;
    }
    return -1;
}

int SheetGrid::CurrentSheet() const
{
    return tabs_->currentIndex();
}

SheetView& SheetGrid::CurrentView()
{
    return stack_->currentWidget() == codeView_ ? *codeView_ : *attributeView_;
}

void SheetGrid::CommitEdit()
{
    CurrentView().EndEdit(true);
}

void SheetGrid::ShowSheet(int sheet)
{
    if (sheet < 0 || sheet >= tabs_->count()) return;
    if (sheet == tabs_->currentIndex()) return ShowSelected(sheet);
    tabs_->setCurrentIndex(sheet);  // shows it through currentChanged
}

void SheetGrid::ShowSelected(int sheet)
{
    CommitEdit();
    if (sheet <= 0) {
        stack_->setCurrentWidget(codeView_);
        return;
    }
    const auto row = static_cast<std::size_t>(sheet - 1);
    if (attributes_->Code() != row) attributes_->ShowCode(row);
    stack_->setCurrentWidget(attributeView_);
}

QString SheetGrid::CodeTableLabel() const
{
    return ToQ(kCodeSheetPrefix) + ToQ(book_.Name());
}

void SheetGrid::Reload(const std::function<void()>& change)
{
    CurrentView().EndEdit(false);
    codes_->BeginReload();
    attributes_->BeginReload();
    change();
    attributes_->ShowCode(std::nullopt);
    attributes_->EndReload();
    codes_->EndReload();
    // A visible tab bar lays all its tabs out again for every tab added.
    const QSignalBlocker quiet(tabs_);
    const bool hidden = tabs_->isHidden();
    tabs_->setVisible(false);
    while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
    tabs_->addTab(CodeTableLabel());
    for (std::size_t row = 0; row < book_.Count(); ++row) tabs_->addTab(ToQ(book_.At(row).code));
    tabs_->setCurrentIndex(0);
    tabs_->setVisible(!hidden);
    stack_->setCurrentWidget(codeView_);
}

void SheetGrid::RelabelCodeTable()
{
    tabs_->setTabText(0, CodeTableLabel());
}

void SheetGrid::AddCodeSheet()
{
    if (book_.Count() == 0) return;
    const QSignalBlocker quiet(tabs_);
    tabs_->addTab(ToQ(book_.At(book_.Count() - 1).code));
}

void SheetGrid::RelabelCode(std::size_t row)
{
    if (row < book_.Count()) tabs_->setTabText(static_cast<int>(row) + 1, ToQ(book_.At(row).code));
}

void SheetGrid::RemoveCode(std::size_t row)
{
    const bool code = row < book_.Count();
    codes_->RemoveCodeRow(row);
    if (!code) return;
    const int sheet = static_cast<int>(row) + 1;
    const int current = tabs_->currentIndex();
    if (attributes_->Code()) attributes_->ShowCode(std::nullopt);
    const QSignalBlocker quiet(tabs_);
    tabs_->removeTab(sheet);
    // The sheet shown stays shown; a removed one gives way to the code table.
    const int shown = current == sheet ? 0 : (current > sheet ? current - 1 : current);
    tabs_->setCurrentIndex(shown);
    ShowSelected(shown);
}

} // namespace featurebook
