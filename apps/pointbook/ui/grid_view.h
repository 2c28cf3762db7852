// The grid's view: the table with its row numbers, which reports a right
// click on a row (on a cell or on its number) and can put a cell edit still
// in progress into the model before a command reads the grid.
#pragma once

#include <QTableView>

#include <functional>

namespace pointbook {

class PointGridView : public QTableView {
public:
    using RowMenuHandler = std::function<void(int row, const QPoint& globalPos)>;

    explicit PointGridView(QWidget* parent = nullptr);

    void SetRowMenuHandler(RowMenuHandler handler) { rowMenu_ = std::move(handler); }
    void CommitPendingEdit();

private:
    void RowMenuAt(int row, const QPoint& globalPos);

    RowMenuHandler rowMenu_;
};

} // namespace pointbook
