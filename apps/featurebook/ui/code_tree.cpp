#include "code_tree.h"

#include "qt_text.h"

#include <QHeaderView>
#include <QStyle>

#include <memory>

namespace featurebook {

CodeTree::CodeTree(QWidget* parent)
    : QTreeWidget(parent),
      codeIcon_(style()->standardIcon(QStyle::SP_FileIcon)),
      slotIcon_(style()->standardIcon(QStyle::SP_FileDialogInfoView)),
      rootIcon_(style()->standardIcon(QStyle::SP_DirIcon))
{
    setObjectName(QStringLiteral("codeTree"));
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QTreeWidgetItem* CodeTree::MakeCodeItem(const std::string& code) const
{
    auto* item = new QTreeWidgetItem(QStringList{ToQ(code)});
    item->setIcon(0, codeIcon_);
    QList<QTreeWidgetItem*> infoItems;
    infoItems.reserve(static_cast<qsizetype>(kInfoSlots));
    for (std::size_t slot = 0; slot < kInfoSlots; ++slot) {
        auto* info = new QTreeWidgetItem(QStringList{ToQ(InfoLabel(slot))});
        info->setIcon(0, slotIcon_);
        infoItems.push_back(info);
    }
    item->addChildren(infoItems);
    return item;
}

void CodeTree::Rebuild(const CodeBook& book)
{
    clear();
    // Built apart and handed over whole: one insertion for the view.
    auto* root = new QTreeWidgetItem(QStringList{ToQ(book.Name())});
    root->setIcon(0, rootIcon_);
    QList<QTreeWidgetItem*> codes;
    codes.reserve(static_cast<qsizetype>(book.Count()));
    for (std::size_t row = 0; row < book.Count(); ++row) codes.push_back(MakeCodeItem(book.At(row).code));
    root->addChildren(codes);
    addTopLevelItem(root);
    root->setExpanded(true);
}

void CodeTree::SetListName(const std::string& name)
{
    if (QTreeWidgetItem* root = Root()) root->setText(0, ToQ(name));
}

void CodeTree::AddCode(const std::string& code)
{
    if (QTreeWidgetItem* root = Root()) root->addChild(MakeCodeItem(code));
}

void CodeTree::RenameCode(std::size_t row, const std::string& code)
{
    if (QTreeWidgetItem* item = CodeItem(row)) item->setText(0, ToQ(code));
}

void CodeTree::RemoveCode(std::size_t row)
{
    QTreeWidgetItem* root = Root();
    if (root == nullptr || CodeItem(row) == nullptr) return;
    const std::unique_ptr<QTreeWidgetItem> gone(root->takeChild(static_cast<int>(row)));
}

QTreeWidgetItem* CodeTree::Root() const
{
    return topLevelItem(0);
}

QTreeWidgetItem* CodeTree::CodeItem(std::size_t row) const
{
    QTreeWidgetItem* root = Root();
    if (root == nullptr || row >= static_cast<std::size_t>(root->childCount())) return nullptr;
    return root->child(static_cast<int>(row));
}

int CodeTree::SheetOf(const QTreeWidgetItem* item) const
{
    const QTreeWidgetItem* root = Root();
    if (item == nullptr || root == nullptr) return -1;
    if (item == root) return 0;
    // A slot stands for its code.
    if (item->parent() != root) item = item->parent();
    if (item == nullptr || item->parent() != root) return -1;
    return root->indexOfChild(const_cast<QTreeWidgetItem*>(item)) + 1;
}

} // namespace featurebook
