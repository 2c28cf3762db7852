// IDX point files as the coordinate editor writes and reads them: a fixed
// header in metres, one POINTS section, an empty THEMINFO section.
#pragma once

#include "text/text.h"

#include <string>
#include <string_view>
#include <vector>

namespace harwick::idx {

// One point, every field as text: the writer prints the coordinates as the
// editor shows them, the reader hands back what the file holds (converted from
// US survey feet where the file says so; an empty field stays empty).
struct IdxPoint {
    std::string name;
    std::string code;
    std::string easting;
    std::string northing;
    std::string elevation;
};

inline constexpr std::string_view kPointsHeader = "POINTS (PointNo,PointID,Code,East,North,Elevation,CLASS)";
inline constexpr std::string_view kThemInfoHeader = "THEMINFO (PointNo,PointID,Attribute,Value)";
inline constexpr std::string_view kFeetMarker = "US_SURVEY_FEET";
// The US survey foot, exactly: 1200/3937 m.
inline constexpr double kUsSurveyFootMetres = 1200.0 / 3937.0;
// Coordinates read in feet keep four decimals of metres: the 1/1000 ft of a
// field book is 0.3 mm.
inline constexpr int kFeetDecimals = 4;

// The whole file: header stamped with created, one line per point in order
// (PointNo is the 1-based position), the closing lines. Every line ends CR LF.
// The caller passes only the points to write (the editor stops at its first
// row without a name).
std::string write(const std::vector<IdxPoint>& points, const text::LocalDateTime& created);

// The points of the POINTS section, in file order.
std::vector<IdxPoint> readPoints(std::string_view file);

} // namespace harwick::idx
