// What the point-list format tests share: a row as its fields in the order
// the lists show them (name, code, easting, northing, elevation), and a
// refused file with the message it must give.
#pragma once

#include "points/point_row.h"

#include <ostream>
#include <string>
#include <vector>

namespace harwick::testing {

inline std::vector<std::string> fieldsOf(const points::PointRow& p)
{
    return {p.name, p.code, p.easting, p.northing, p.elevation};
}

inline std::vector<std::vector<std::string>> fieldsOf(const std::vector<points::PointRow>& rows)
{
    std::vector<std::vector<std::string>> out;
    for (const points::PointRow& p : rows) out.push_back(fieldsOf(p));
    return out;
}

// One case of a parameterised test of a reader's refusals.
struct Refusal {
    const char* label;
    std::string file;
    std::string message;
};

inline void PrintTo(const Refusal& c, std::ostream* os) { *os << c.label; }

} // namespace harwick::testing
