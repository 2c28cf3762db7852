// The grid's table model: the points and the entry row of a PointGrid, one
// text per cell, the column titles on top and the row numbers down the side.
// Only the rows on screen are ever asked for, so jobs of 100,000 points open
// and reformat in one model reset or one change notice.
#pragma once

#include "point_grid.h"

#include <QAbstractTableModel>

namespace pointbook {

class PointTableModel : public QAbstractTableModel {
public:
    explicit PointTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Typing a name into the entry row appends a fresh entry row below it.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    const PointGrid& Grid() const { return grid_; }
    void ReplacePoints(pointlist::Table table);
    void ChangePrecision(pointlist::Precision precision);
    // A point row goes; the entry row is emptied.
    void RemoveRow(int row);

private:
    PointGrid grid_;
};

} // namespace pointbook
