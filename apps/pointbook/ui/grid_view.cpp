#include "grid_view.h"

#include <QHeaderView>

namespace pointbook {

namespace {

constexpr int kRowHeight = 22;

} // namespace

PointGridView::PointGridView(QWidget* parent) : QTableView(parent)
{
    // Fixed row heights: the view never measures 100,000 rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        RowMenuAt(indexAt(pos).row(), viewport()->mapToGlobal(pos));
    });
    verticalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(verticalHeader(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        RowMenuAt(verticalHeader()->logicalIndexAt(pos), verticalHeader()->mapToGlobal(pos));
    });
}

void PointGridView::RowMenuAt(int row, const QPoint& globalPos)
{
    if (row >= 0 && rowMenu_) rowMenu_(row, globalPos);
}

void PointGridView::CommitPendingEdit()
{
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

} // namespace pointbook
