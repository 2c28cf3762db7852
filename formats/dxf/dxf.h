// Point lists as CAD drawings: a POINT per point on a layer named after its
// code, with the point's name and elevation as labels beside it, the way the
// drawing converter labels its points. The drawing itself is written by the
// suite's DXF library; this module says what goes into it and reads such
// drawings (and other programs' ASCII drawings) back into points.
#pragma once

#include "points/faults.h"
#include "points/point_row.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::dxf {

// Labels sit one metre east and one metre north of their point; the
// elevation label one and a half text heights below the name label.
inline constexpr double kLabelOffset = 1.0;
inline constexpr double kElevationLineSpacing = 1.5;
inline constexpr double kDefaultTextHeight = 1.0;
// The layer of points without a code, which every drawing has.
inline constexpr std::string_view kNoCodeLayer = "0";

// A point as the drawing holds it.
struct Mark {
    std::string layer;
    double x = 0;
    double y = 0;
    double z = 0;         // 0 for a point without elevation
    std::string name;     // the name label; empty: none
    std::string elevation; // the elevation label; empty: none
};

struct Drawing {
    std::vector<std::string> layers; // in the order first used, "0" left out
    std::vector<Mark> marks;
    double textHeight = kDefaultTextHeight;
};

// Where a mark's labels go.
struct Place {
    double x = 0;
    double y = 0;
};
Place namePlace(double x, double y);
Place elevationPlace(double x, double y, double textHeight);

// The layer a code is drawn on: the code in upper case as drawings store
// layer names, each character a layer name cannot hold replaced by "_", at
// most 31 characters; "0" for an empty code.
std::string layerOf(std::string_view code);

struct Planned {
    std::optional<points::RowFault> failure; // set: the drawing is empty
    Drawing drawing;
    std::size_t written = 0;
    // Rows without both plan coordinates, which a drawing cannot place.
    std::size_t leftOut = 0;
    // What the drawing holds less than the rows: codes that do not survive
    // as layer names, names that cannot be labels.
    std::vector<std::string> losses;
    bool ok() const { return !failure; }
};

// The drawing of rows. A coordinate that is no number fails the plan, as
// does a text height that is not a positive number.
Planned plan(const std::vector<points::PointRow>& rows, double textHeight);

// A text height given on the command line: a positive number, or nothing.
std::optional<double> parseTextHeight(std::string_view text);

using ReadFailure = points::PlaceFault;

struct ReadResult {
    std::optional<ReadFailure> failure; // set: points is empty
    std::vector<points::PointRow> points;
    // Points with no name label beside them, named by their place in the
    // drawing ("1", "2", …).
    std::size_t numbered = 0;
    bool ok() const { return !failure; }
};

// The POINT entities of an ASCII drawing's entities section, in file order:
// the layer gives the code ("0" none), the name is the text labelled at the
// name place on the same layer, the elevation is the point's z where it is
// not 0 or where an elevation label shows it. Every coordinate is written
// with the decimals of the drawing's most precise value (at most six), and
// at least leastDecimals.
ReadResult read(std::string_view content, int leastDecimals = 0);

// A cheap look at the start: a group code 0 followed by SECTION, or the
// binary drawing sentinel. For choosing a reader, not validating.
bool looksLikeDxf(std::string_view content);

} // namespace harwick::dxf
