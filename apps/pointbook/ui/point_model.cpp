#include "point_model.h"

#include "qt_text.h"
#include "window_texts.h"

#include <utility>

namespace pointbook {

namespace {

bool IsCoordinate(int column)
{
    return column >= static_cast<int>(Column::Easting) && column <= static_cast<int>(Column::Elevation);
}

} // namespace

int PointTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(grid_.RowCount());
}

int PointTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) {
        return IsCoordinate(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return ToQ(grid_.Cell(static_cast<std::size_t>(index.row()), static_cast<Column>(index.column())));
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return section + 1;
    if (section >= 0 && section < kColumnCount) return ToQ(kColumnTitles[static_cast<std::size_t>(section)]);
    return {};
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool PointTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) return false;
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<Column>(index.column());
    std::string text = value.toString().toStdString();
    if (grid_.Cell(row, column) == text) return true;
    if (grid_.Grows(row, column, text)) {
        const int entry = rowCount();
        beginInsertRows(QModelIndex(), entry, entry);
        grid_.SetCell(row, column, std::move(text));
        endInsertRows();
    } else {
        grid_.SetCell(row, column, std::move(text));
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void PointTableModel::ReplacePoints(pointlist::Table table)
{
    beginResetModel();
    grid_.ReplacePoints(std::move(table));
    endResetModel();
}

void PointTableModel::ChangePrecision(pointlist::Precision precision)
{
    if (precision == grid_.Points().precision) return;
    grid_.ChangePrecision(precision);
    const int points = static_cast<int>(grid_.Points().rows.size());
    if (points == 0) return;
    emit dataChanged(index(0, static_cast<int>(Column::Easting)),
                     index(points - 1, static_cast<int>(Column::Elevation)), {Qt::DisplayRole, Qt::EditRole});
}

void PointTableModel::RemoveRow(int row)
{
    if (row < 0 || row >= rowCount()) return;
    const auto at = static_cast<std::size_t>(row);
    if (grid_.IsEntryRow(at)) {
        grid_.RemoveRow(at);
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1), {Qt::DisplayRole, Qt::EditRole});
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    grid_.RemoveRow(at);
    endRemoveRows();
}

} // namespace pointbook
