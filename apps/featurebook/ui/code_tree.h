// The tree on the left of the window: one root item with the list's name,
// under it one item per code in code-table order, and under each code its
// eight slots "Info 1" to "Info 8".
#pragma once

#include "code_book.h"

#include <QIcon>
#include <QTreeWidget>

#include <string>

namespace featurebook {

class CodeTree : public QTreeWidget {
public:
    explicit CodeTree(QWidget* parent);

    // Every item made anew from the book; the root is expanded.
    void Rebuild(const CodeBook& book);
    void SetListName(const std::string& name);
    // A new code's item with its slots, after the last code.
    void AddCode(const std::string& code);
    void RenameCode(std::size_t row, const std::string& code);
    void RemoveCode(std::size_t row);

    QTreeWidgetItem* Root() const;
    QTreeWidgetItem* CodeItem(std::size_t row) const;
    // The grid's sheet an item stands for: 0 for the root, row + 1 for a
    // code's item and its slots; -1 for no item.
    int SheetOf(const QTreeWidgetItem* item) const;

private:
    QTreeWidgetItem* MakeCodeItem(const std::string& code) const;

    QIcon codeIcon_;
    QIcon slotIcon_;
    QIcon rootIcon_;
};

} // namespace featurebook
