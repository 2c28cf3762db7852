// Coordinates from measurements: a GSI job's station set-ups and the
// directions, zenith angles and distances measured from them, turned into
// points.
//
// A block that holds 84/85 (station easting, northing; 86 its height, 88 the
// instrument height) sets the station for the blocks after it. A measured
// block (21 horizontal direction, the oriented direction from grid north;
// 22 zenith angle; 31 slope or 32 horizontal distance; 33 height
// difference; 87 reflector height; 88 the instrument height for this block
// alone; 11 name; 71 code) gives
//     E = E0 + d sin Hz,  N = N0 + d cos Hz,  H = H0 + i + dh - r
// with d = slope sin V (31) or the horizontal distance (32), and dh =
// slope cos V (31 with 22), else 33, else d cot V (32 with 22). Where a
// block holds 31 and 32, 31 with the zenith angle decides. A 25 word is the
// instrument's record of the orientation already in 21 and is not added.
// A block that carries 81/82 (83) itself gives those coordinates as they
// are; instruments that compute on board write both.
#pragma once

#include "gsi/gsi.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::reduce {

// Angle words (21, 22, 25) hold their value x 100,000 in the unit their sixth
// character names: 2 gon, 3 decimal degrees, 4 degrees-minutes-seconds as
// ddd.mmsss (35.45100 is 35 deg 45' 10.0"), 5 mil (x 10,000 there).
// The angle in radians; nothing for any other unit digit, a sign that is
// neither "+" nor "-", data that is not all digits or cut short, or minutes
// or seconds of 60 and more.
std::optional<double> decodeAngle(std::string_view word, gsi::Flavour f);

struct Position {
    double easting = 0;
    double northing = 0;
    std::optional<double> height; // none where the job gives no height
};

struct ReducedPoint {
    std::string name;
    std::string code;
    // What the point list gets: the block's own 81-83 where it has them,
    // else what its measurements give.
    Position position;
    // From the block's measurements, where they are enough; for comparing
    // with the instrument's own coordinates.
    std::optional<Position> computed;
    bool fromInstrument = false; // position is the block's 81-83
    bool beforeStation = false;  // measured before any station block: from the origin
    int decimals = 3;            // of the finest length unit among the words used
    std::size_t line = 0;        // 1-based line of the block in the job
};

struct Skipped {
    std::size_t line = 0;
    std::string reason;
};

struct Reduction {
    std::vector<ReducedPoint> points;
    std::vector<Skipped> skipped;
    std::size_t stations = 0;
    std::size_t fromMeasurements = 0; // points whose position was computed
    std::size_t fromInstrument = 0;   // points whose position is the block's 81-83
    std::size_t beforeStation = 0;    // computed from the origin, instrument height 0
    std::optional<gsi::Flavour> flavour;
};

// Reads a GSI job (GSI-8 or GSI-16, any line ends) block by block. Blocks
// that neither set a station nor hold a point (code blocks, blank lines) are
// passed over in silence; measured blocks that cannot give a point (a
// direction but no distance, a distance without its angles, no name) are
// skipped with their line and the reason.
Reduction reduceJob(std::string_view content);

// How many blocks hold measurements (21, 22, 31 or 32) but no coordinates
// (81/82): what the coordinate editor asks about before computing them.
std::size_t measuredWithoutCoordinates(std::string_view content);

} // namespace harwick::reduce
