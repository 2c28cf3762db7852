// The coordinate and code tables that the conversions, the DXF export and the
// list dialogs rebuild from the editor's text. The program's slots are fixed
// in size: a coordinate slot keeps at most 14 characters, a code record a
// 3-character number and a 10-character code.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cablemate {

inline constexpr std::size_t kCoordinateSlot = 14;
inline constexpr std::size_t kCodeNumberWidth = 3;
inline constexpr std::size_t kCodeTextWidth = 10;

// Slots in table order: name, code, first, second and third coordinate.
struct CoordinateRecord {
    std::string name;
    std::string code;
    std::string c1;
    std::string c2;
    std::string c3;
};
using CoordinateTable = std::vector<CoordinateRecord>;

struct CodeRecord {
    std::string number;  // at most kCodeNumberWidth characters
    std::string code;    // at most kCodeTextWidth characters
};
using CodeTable = std::vector<CodeRecord>;

} // namespace cablemate
