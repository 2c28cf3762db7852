#include "list_dialogs.h"

#include "dialog_texts.h"
#include "dialog_widgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace cablemate {

using dialogs::ControlName;
using dialogs::ToQ;

namespace {

constexpr int kListControl = 1005;
constexpr int kAddControl = 1000;
constexpr int kEditControl = 1001;
constexpr int kDeleteControl = 1002;

// The point dialogs' edits, by meaning: name, E, N, Z, code (PointFields order).
constexpr std::array<RowEdit, kPointFields> kPointEdits{{
    {kPointNameLabel, 1024},
    {kEastingLabel, 1025},
    {kNorthingLabel, 1003},
    {kElevationLabel, 1004},
    {kPointCodeLabel, 1026},
}};
constexpr std::size_t kPointNameEdit = 0;
constexpr std::size_t kPointCodeEdit = 4;

// The code dialogs: the add dialog captions its first edit as a point name.
constexpr std::array<RowEdit, 2> kAddCodeEdits{{{kPointNameLabel, 1024}, {kCodeLabel, 1026}}};
constexpr std::array<RowEdit, 2> kEditCodeEdits{{{kCodeNumberLabel, 1024}, {kCodeLabel, 1026}}};

std::vector<std::string> PointValues(const PointFields& p)
{
    return {p.name, p.easting, p.northing, p.elevation, p.code};
}

PointFields PointFromValues(std::vector<std::string> v)
{
    return {std::move(v[0]), std::move(v[1]), std::move(v[2]), std::move(v[3]), std::move(v[4])};
}

std::array<int, kPointFields> CoordinateWidths()
{
    std::array<int, kPointFields> widths{};
    widths.fill(kCoordinateColumnWidth);
    return widths;
}

} // namespace

// ---- The shared list ----------------------------------------------------------------

template <std::size_t N>
RowListDialog<N>::RowListDialog(const Setup& setup, std::vector<Row> rows, ListSession& session,
                                DialogRunner& runner, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)), session_(session), runner_(runner), question_(setup.question)
{
    for (std::size_t i = 0; i < rows_.size(); ++i) origins_.emplace_back(i);
    setWindowTitle(ToQ(setup.title));
    table_ = new QTableWidget(0, static_cast<int>(N), this);
    table_->setObjectName(ControlName(kListControl));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setShowGrid(true);
    table_->verticalHeader()->setVisible(false);
    QStringList titles;
    for (std::string_view title : setup.columnTitles) titles.append(ToQ(title));
    table_->setHorizontalHeaderLabels(titles);
    int allColumns = 0;
    for (std::size_t i = 0; i < N; ++i) {
        table_->setColumnWidth(static_cast<int>(i), setup.columnWidths[i]);
        allColumns += setup.columnWidths[i];
    }
    // Wide enough that every column shows without scrolling sideways.
    table_->setMinimumWidth(allColumns + table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth());
    table_->viewport()->installEventFilter(this);

    QPushButton* add = dialogs::NamedButton(kAddButton, ControlName(kAddControl), this);
    QPushButton* edit = dialogs::NamedButton(kEditButton, ControlName(kEditControl), this);
    QPushButton* remove = dialogs::NamedButton(kDeleteButton, ControlName(kDeleteControl), this);
    connect(add, &QPushButton::clicked, this, [this] { AddRow(); });
    connect(edit, &QPushButton::clicked, this, [this] { EditRow(); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteRow(); });

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(edit);
    side->addWidget(remove);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(table_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    const dialogs::OkCancel buttons = dialogs::AddOkCancel(*this, *layout, kListOkButton, kListCancelButton);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { Confirm(); });

    Fill();
    SelectRow(0);
}

template <std::size_t N>
bool RowListDialog<N>::eventFilter(QObject* watched, QEvent* event)
{
    // The press before the double click has already moved the selection.
    if (watched == table_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        if (SelectedRow() >= 0) {
            EditRow();
        } else {
            AddRow();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

template <std::size_t N>
void RowListDialog<N>::AddRow()
{
    std::optional<Row> row = AskNewRow();
    if (!row) return;
    rows_.push_back(std::move(*row));
    origins_.emplace_back(std::nullopt);
    Fill();
    // As the program always did: the selection goes back to the first row.
    SelectRow(0);
}

template <std::size_t N>
void RowListDialog<N>::EditRow()
{
    const int selected = SelectedRow();
    const Row* current = selected >= 0 ? &rows_[static_cast<std::size_t>(selected)] : nullptr;
    std::optional<Row> row = AskChangedRow(current);
    // Without a selected row the edits have nowhere to go.
    if (!row || selected < 0) return;
    rows_[static_cast<std::size_t>(selected)] = std::move(*row);
    Fill();
    SelectRow(selected);
}

template <std::size_t N>
void RowListDialog<N>::DeleteRow()
{
    const int selected = SelectedRow();
    if (selected < 0 || rows_.empty()) return;
    rows_.erase(rows_.begin() + selected);
    origins_.erase(origins_.begin() + selected);
    Fill();
    // The next row moves up under the selection, so repeated deletes walk down the list.
    SelectRow(std::min(selected, static_cast<int>(rows_.size()) - 1));
}

template <std::size_t N>
void RowListDialog<N>::Confirm()
{
    if (!session_.doNotAsk) {
        UpdateQuestionDialog question(question_, this);
        const int answer = runner_.Run(question);
        // The box means "do not show this again", whichever button closed it.
        if (question.DoNotAskAgain()) session_.doNotAsk = true;
        if (answer != QDialog::Accepted) return;
    }
    // With the question switched off the list is written back without asking:
    // closing silently without writing would lose the user's edits.
    accept();
}

template <std::size_t N>
void RowListDialog<N>::Fill()
{
    table_->clearContents();
    table_->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (std::size_t c = 0; c < N; ++c) {
            table_->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(rows_[r][c])));
        }
    }
}

template <std::size_t N>
void RowListDialog<N>::SelectRow(int row)
{
    if (row >= 0 && row < table_->rowCount()) {
        table_->selectRow(row);
    } else {
        table_->clearSelection();
    }
}

template <std::size_t N>
int RowListDialog<N>::SelectedRow() const
{
    const QModelIndexList selected = table_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}

template class RowListDialog<kPointFields>;
template class RowListDialog<2>;

// ---- Coordinates --------------------------------------------------------------------

CoordinateListDialog::CoordinateListDialog(const CoordinateTable& table, EditFormat format, ListSession& session,
                                           DialogRunner& runner, Messages& messages, QWidget* parent)
    : RowListDialog({kCoordinateListTitle, CoordinateColumnTitles(format), CoordinateWidths(),
                     {kUpdatePointsTitle, kUpdatePointsQuestion, kOkText, kCancelText}},
                    CoordinateRows(table, format), session, runner, parent),
      format_(format), messages_(messages)
{
}

std::string CoordinateListDialog::Text(const ListLines& source) const
{
    std::vector<std::string> bodies;
    bodies.reserve(Rows().size());
    for (const Row& row : Rows()) bodies.push_back(CoordinateRowText(row));
    return WriteListBack(source, bodies, Origins());
}

std::optional<CoordinateListDialog::Row> CoordinateListDialog::AskNewRow()
{
    RowEditDialog dialog(kAddPointTitle, kPointEdits, RowEditDialog::Check{&messages_, kPointNameEdit, kPointCodeEdit},
                         this);
    if (Runner().Run(dialog) != QDialog::Accepted) return std::nullopt;
    return RowFromFields(PointFromValues(dialog.Values()), format_);
}

std::optional<CoordinateListDialog::Row> CoordinateListDialog::AskChangedRow(const Row* current)
{
    // The program never checked an edited point: an emptied field is the user's choice.
    RowEditDialog dialog(kEditPointTitle, kPointEdits, std::nullopt, this);
    if (current != nullptr) dialog.SetValues(PointValues(FieldsFromRow(*current, format_)));
    if (Runner().Run(dialog) != QDialog::Accepted) return std::nullopt;
    return RowFromFields(PointFromValues(dialog.Values()), format_);
}

// ---- Codes ----------------------------------------------------------------------------

CodeListDialog::CodeListDialog(const CodeTable& table, ListSession& session, DialogRunner& runner,
                               Messages& messages, QWidget* parent)
    : RowListDialog({kCodeListTitle, CodeColumnTitles(), kCodeColumnWidths,
                     {kUpdateCodesTitle, kUpdateCodesQuestion, kUpdateCodesOk, kUpdateCodesCancel}},
                    CodeRows(table), session, runner, parent),
      messages_(messages)
{
}

std::string CodeListDialog::Text(const ListLines& source) const
{
    std::vector<std::string> bodies;
    bodies.reserve(Rows().size());
    for (const Row& row : Rows()) bodies.push_back(CodeRowText(row));
    return WriteListBack(source, bodies, Origins());
}

std::optional<CodeListDialog::Row> CodeListDialog::AskNewRow()
{
    RowEditDialog dialog(kAddCodeTitle, kAddCodeEdits, RowEditDialog::Check{&messages_, 0, 1}, this);
    if (Runner().Run(dialog) != QDialog::Accepted) return std::nullopt;
    const std::vector<std::string> values = dialog.Values();
    return CodeRowFromFields(values[0], values[1]);
}

std::optional<CodeListDialog::Row> CodeListDialog::AskChangedRow(const Row* current)
{
    RowEditDialog dialog(kEditCodeTitle, kEditCodeEdits, RowEditDialog::Check{&messages_, 0, 1}, this);
    if (current != nullptr) dialog.SetValues(*current);
    if (Runner().Run(dialog) != QDialog::Accepted) return std::nullopt;
    const std::vector<std::string> values = dialog.Values();
    return CodeRowFromFields(values[0], values[1]);
}

} // namespace cablemate
