// One surveyed point as every point-list format carries it: name, plan
// coordinates, elevation and code, each as the text the file held (or will
// hold), so that a value keeps its decimals from reading to writing. An empty
// coordinate holds no value.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace harwick::points {

struct PointRow {
    std::string name;
    std::string easting;   // "Y(Easting)"
    std::string northing;  // "X(Northing)"
    std::string elevation; // "H(Elevation)"
    std::string code;

    bool operator==(const PointRow&) const = default;
};

// The bytes the rows' texts take, and perRow more for each row's markup:
// what a writer reserves at once, since growing a string of a hundred
// megabytes copies it each time.
inline std::size_t textBytes(const std::vector<PointRow>& rows, std::size_t perRow)
{
    std::size_t size = 0;
    for (const PointRow& row : rows) {
        size += perRow + row.name.size() + row.code.size() + row.easting.size() + row.northing.size() +
                row.elevation.size();
    }
    return size;
}

} // namespace harwick::points
