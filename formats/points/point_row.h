// One surveyed point as every point-list format carries it: name, plan
// coordinates, elevation and code, each as the text the file held (or will
// hold), so that a value keeps its decimals from reading to writing. An empty
// coordinate holds no value.
#pragma once

#include <string>

namespace harwick::points {

struct PointRow {
    std::string name;
    std::string easting;   // "Y(Easting)"
    std::string northing;  // "X(Northing)"
    std::string elevation; // "H(Elevation)"
    std::string code;

    bool operator==(const PointRow&) const = default;
};

} // namespace harwick::points
