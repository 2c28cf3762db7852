// The grid's content: the points (rows 1..n) and the entry row after them,
// which is always there and becomes a point when a name is typed into it.
// Plain C++; the window's table model wraps every change in its signals.
#pragma once

#include "formats_alias.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pointbook {

// The grid's columns after the row numbers, in the title row's order.
enum class Column { Name, Easting, Northing, Elevation, Code };
inline constexpr int kColumnCount = 5;

class PointGrid {
public:
    // Points plus the entry row.
    std::size_t RowCount() const { return table_.rows.size() + 1; }
    bool IsEntryRow(std::size_t row) const { return row == table_.rows.size(); }

    // row < RowCount().
    const std::string& Cell(std::size_t row, Column column) const;

    // Whether setting this text turns the entry row into a point (and so
    // appends a fresh entry row): a name, not empty, typed into it.
    bool Grows(std::size_t row, Column column, std::string_view text) const;
    void SetCell(std::size_t row, Column column, std::string text);

    // A point row goes; the entry row, which always stays, is emptied.
    void RemoveRow(std::size_t row);

    // The points of an opened file; the entry row starts empty.
    void ReplacePoints(pointlist::Table table);

    // Reformats every point's coordinates for the new precision.
    void ChangePrecision(pointlist::Precision precision) { pointlist::changePrecision(table_, precision); }

    const pointlist::Table& Points() const { return table_; }

private:
    std::string& CellRef(std::size_t row, Column column);

    pointlist::Table table_;
    pointlist::Row entry_;
};

} // namespace pointbook
