// The feature-code editor's main window: the code tree on the left, the
// multi-sheet grid on the right, the menus File (New, Open, Save, SaveAs,
// Exit), Options (CodeName) and Help (About), the code table's context menu
// (Delete) and, in the status bar, the author of a new list. The window owns
// the list being edited; the tree and the grid follow every change of it.
#pragma once

#include "code_book.h"
#include "code_tree.h"
#include "sheet_grid.h"
#include "window_interfaces.h"

#include <QMainWindow>

#include <string>
#include <string_view>

class QLabel;
class QMenu;

namespace featurebook {

class FeatureWindow : public QMainWindow {
public:
    explicit FeatureWindow(Interactions interactions, QWidget* parent = nullptr);
    ~FeatureWindow() override;

    // The menu commands.
    void NewList();
    void OpenList();
    void Save();
    void SaveAs();
    void RenameList();
    void About();
    // Opens a file already chosen; false, with the message shown and the
    // list on screen kept, when it cannot be read.
    bool OpenFile(const std::string& path);

    // The entry with this text in the menu with this title.
    QAction* Entry(std::string_view menu, std::string_view entry) const;
    QAction* DeleteEntry() const { return delete_; }

    const CodeBook& Book() const { return book_; }
    const std::string& CurrentPath() const { return path_; }
    CodeTree& Tree() { return *tree_; }
    SheetGrid& Grid() { return *grid_; }
    QLabel& AuthorLabel() { return *author_; }

private:
    void BuildMenus();
    void Replace(CodeBook book);
    bool SaveTo(const std::string& path);
    void CodeChanged(CodeChange change, std::size_t row);
    void ShowTreeSelection();
    void CodeTableMenu(const QPoint& position);
    void DeleteContextRow();

    CodeBook book_;
    Interactions ui_;
    std::string path_;
    CodeTree* tree_;
    SheetGrid* grid_;
    QLabel* author_;
    QMenu* contextMenu_;
    QAction* delete_;
    // The code-table row the context menu was opened on; -1 for none.
    int contextRow_ = -1;
};

} // namespace featurebook
