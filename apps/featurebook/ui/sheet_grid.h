// The multi-sheet grid on the right of the window. Sheet 0 is the code
// table, labelled "Code" followed by the list's name; sheet i (1 to the
// number of codes) belongs to code i-1 and is labelled with its code. The
// labels sit on tabs under the cells, as a spreadsheet's sheets do; one
// table view shows the code table and another the attribute sheet shown.
#pragma once

#include "code_book.h"
#include "sheet_models.h"
#include "window_interfaces.h"

#include <QTableView>
#include <QWidget>

#include <functional>

class QStackedWidget;
class QTabBar;

namespace featurebook {

// A table view whose cell edit in progress can be ended from outside.
class SheetView : public QTableView {
public:
    explicit SheetView(QWidget* parent) : QTableView(parent) {}
    using QTableView::edit;
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    // Commits the open editor's text (or drops it) and closes the editor.
    void EndEdit(bool commit);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    QPersistentModelIndex editing_;
};

class SheetGrid : public QWidget {
public:
    SheetGrid(CodeBook& book, Messages& messages, QWidget* parent);

    int SheetCount() const;
    QString SheetLabel(int sheet) const;
    // The first sheet with this label; -1 when none has it.
    int FindSheet(const QString& label) const;
    int CurrentSheet() const;
    // Shows a sheet, the edit in progress committed first.
    void ShowSheet(int sheet);
    void CommitEdit();

    // Replaces the whole list: change swaps it in the book; every sheet is
    // made anew and the code table shown. An edit in progress is dropped.
    void Reload(const std::function<void()>& change);
    // Sheet 0's label, after the list was renamed.
    void RelabelCodeTable();
    // The sheet of a new code, last, after the book took it.
    void AddCodeSheet();
    // A code renamed in the book.
    void RelabelCode(std::size_t row);
    // Removes a code's row and its sheet; the entry row is emptied instead.
    void RemoveCode(std::size_t row);

    SheetView& CodeView() { return *codeView_; }
    SheetView& AttributeView() { return *attributeView_; }
    SheetView& CurrentView();
    CodeTableModel& Codes() { return *codes_; }
    AttributeModel& Attributes() { return *attributes_; }

private:
    QString CodeTableLabel() const;
    void ShowSelected(int sheet);

    CodeBook& book_;
    CodeTableModel* codes_;
    AttributeModel* attributes_;
    QStackedWidget* stack_;
    SheetView* codeView_;
    SheetView* attributeView_;
    QTabBar* tabs_;
};

} // namespace featurebook
