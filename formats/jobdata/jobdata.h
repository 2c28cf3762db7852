// The exchange program's conversions of job data: GSI blocks received from the
// instrument into KARD lines, and KARD lines into GSI-16 point blocks for an
// upload.
#pragma once

#include <string>
#include <string_view>

namespace harwick::jobdata {

// One block as the exchange program decodes it.
struct GsiLine {
    enum class Kind { Point, Code };
    Kind kind = Kind::Point;
    std::string code;      // a code block's code (word 41)
    std::string pointId;   // word 11, "0" when its data is all zeros
    std::string remark;    // word 71; decoded but not used by the conversion
    std::string easting;   // word 81, "%0.3f" (finer units: their decimals); empty without a value
    std::string northing;  // word 82
    std::string height;    // word 83
};

// Fixed-stride reading; a line holding "*11" or "*41" is GSI-16. A word
// starting "41" (or holding "*41") makes the block a code block at once.
GsiLine ParseGsiLine(std::string_view line);

// Job data (CR LF or LF lines, 0x1A bytes already removed) as KARD lines
// "id,code,easting,northing,height" CR LF. A code block sets the code that
// every following point carries until the next code block; blocks without a
// point id write nothing.
std::string KardFromJobData(std::string_view data);

// A KARD line with exactly five fields as a GSI-16 point block (id word and
// 81, 82, 83 in millimetres, each followed by a blank, no line end); any other
// line comes back unchanged. The code field is not sent.
std::string KardLineToGsi16(std::string_view line);

} // namespace harwick::jobdata
