// `harwick reduce`: a GSI job's measurements turned into points and written
// as any list `harwick convert` writes, or compared with the coordinates the
// instrument computed itself.
#pragma once

#include "language/ui_text.h"
#include "convert.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

inline constexpr harwick::UiText kReduceUsage =
    "usage: harwick reduce [OPTIONS] INPUT OUTPUT\n"
    "       harwick reduce --compare [OPTIONS] INPUT [OUTPUT]\n"
    "\n"
    "Computes points from a GSI job's measurements. A station block (84, 85, 86\n"
    "station easting, northing, height; 88 instrument height) sets the station for\n"
    "the blocks after it; each measured block (21 direction from grid north, 22\n"
    "zenith angle, 31 slope or 32 horizontal distance, 33 height difference, 87\n"
    "reflector height, 11 name, 71 code) becomes a point. A block that carries the\n"
    "instrument's own coordinates (81-83) keeps them. Blocks measured before any\n"
    "station are computed from the origin with instrument height 0, and blocks that\n"
    "cannot give a point are reported with their line. OUTPUT is written as\n"
    "`harwick convert` writes it, with the same output options (--precision, --to,\n"
    "--columns, --delimiter, --decimal-comma, --crs, --text-height).\n"
    "\n"
    "  --compare   for every block with both measurements and the instrument's\n"
    "              coordinates, print computed minus instrument (east, north,\n"
    "              height, horizontal) and the largest differences\n"
    "  --json      with --compare and no OUTPUT: the comparison as one JSON\n"
    "              document (input, notes, points with dE, dN, dH, distance,\n"
    "              and the largest differences)\n";

int reduceUsage(std::ostream& err, std::string_view problem);

// files: INPUT and OUTPUT; with compare, OUTPUT may be left out. json: the
// comparison as JSON, and nothing else on out.
int reduceCommand(const ConvertRequest& request, bool compare, bool json, const std::vector<std::string>& files,
                  const text::LocalDateTime& now, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
