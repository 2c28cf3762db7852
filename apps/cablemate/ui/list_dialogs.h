// The coordinate and code lists: the editor's text as a table the user adds
// to, edits and deletes from; OK (after the update question, unless the user
// asked not to see it again) hands the table back as text for the editor.
#pragma once

#include "coordinate_lists.h"
#include "dialog_runner.h"
#include "row_dialogs.h"
#include "tables.h"
#include "transfer_state.h"

#include <QDialog>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QEvent;
class QTableWidget;

namespace cablemate {

// The process-wide do-not-ask flag shared by both lists; set from the update
// question's check box and never cleared while the program runs.
struct ListSession {
    bool doNotAsk = false;
};

// What the two lists share: a report-style table of N columns with add, edit
// and delete, a double click that edits the selected row (adds without one),
// and OK behind the update question.
template <std::size_t N>
class RowListDialog : public QDialog {
public:
    using Row = std::array<std::string, N>;

    const std::vector<Row>& Rows() const { return rows_; }
    // Where each row came from: its index when the list opened, nothing
    // for a row added since.
    const RowOrigins& Origins() const { return origins_; }

protected:
    struct Setup {
        std::string_view title;
        std::array<std::string_view, N> columnTitles;
        std::array<int, N> columnWidths;
        UpdateQuestionDialog::Texts question;
    };

    RowListDialog(const Setup& setup, std::vector<Row> rows, ListSession& session, DialogRunner& runner,
                  QWidget* parent);

    // The add dialog's row; nothing when it was cancelled.
    virtual std::optional<Row> AskNewRow() = 0;
    // The edit dialog's row, its edits filled from current (empty without one).
    virtual std::optional<Row> AskChangedRow(const Row* current) = 0;

    DialogRunner& Runner() const { return runner_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddRow();
    void EditRow();
    void DeleteRow();
    void Confirm();
    void Fill();
    void SelectRow(int row);
    int SelectedRow() const;

    std::vector<Row> rows_;
    RowOrigins origins_;
    ListSession& session_;
    DialogRunner& runner_;
    UpdateQuestionDialog::Texts question_;
    QTableWidget* table_;
};

extern template class RowListDialog<kPointFields>;
extern template class RowListDialog<2>;

// "坐标": columns by the chosen edit format, 100 px each.
class CoordinateListDialog : public RowListDialog<kPointFields> {
public:
    CoordinateListDialog(const CoordinateTable& table, EditFormat format, ListSession& session, DialogRunner& runner,
                         Messages& messages, QWidget* parent = nullptr);
    // The text behind the list with the rows written back into it, in the
    // chosen column order.
    std::string Text(const ListLines& source) const;

protected:
    std::optional<Row> AskNewRow() override;
    std::optional<Row> AskChangedRow(const Row* current) override;

private:
    EditFormat format_;
    Messages& messages_;
};

// "编码": number and code, 150 and 200 px.
class CodeListDialog : public RowListDialog<2> {
public:
    CodeListDialog(const CodeTable& table, ListSession& session, DialogRunner& runner, Messages& messages,
                   QWidget* parent = nullptr);
    // The text behind the list with each row written back as «number,code».
    std::string Text(const ListLines& source) const;

protected:
    std::optional<Row> AskNewRow() override;
    std::optional<Row> AskChangedRow(const Row* current) override;

private:
    Messages& messages_;
};

} // namespace cablemate
