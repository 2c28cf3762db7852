#include "point_grid.h"

#include <utility>

namespace pointbook {

namespace {

template <typename RowT>
auto& CellOf(RowT& row, Column column)
{
    switch (column) {
    case Column::Easting: return row.easting;
    case Column::Northing: return row.northing;
    case Column::Elevation: return row.elevation;
    case Column::Code: return row.code;
    case Column::Name: break;
    }
    return row.name;
}

} // namespace

const std::string& PointGrid::Cell(std::size_t row, Column column) const
{
    return CellOf(IsEntryRow(row) ? entry_ : table_.rows[row], column);
}

std::string& PointGrid::CellRef(std::size_t row, Column column)
{
    return CellOf(IsEntryRow(row) ? entry_ : table_.rows[row], column);
}

bool PointGrid::Grows(std::size_t row, Column column, std::string_view text) const
{
    return IsEntryRow(row) && column == Column::Name && !text.empty();
}

void PointGrid::SetCell(std::size_t row, Column column, std::string text)
{
    const bool grows = Grows(row, column, text);
    CellRef(row, column) = std::move(text);
    if (!grows) return;
    table_.rows.push_back(std::move(entry_));
    entry_ = pointlist::Row{};
}

void PointGrid::RemoveRow(std::size_t row)
{
    if (IsEntryRow(row)) {
        entry_ = pointlist::Row{};
        return;
    }
    table_.rows.erase(table_.rows.begin() + static_cast<std::ptrdiff_t>(row));
}

void PointGrid::ReplacePoints(pointlist::Table table)
{
    table_ = std::move(table);
    entry_ = pointlist::Row{};
}

} // namespace pointbook
