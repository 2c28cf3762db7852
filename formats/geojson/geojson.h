// GeoJSON point lists (RFC 7946): a FeatureCollection of Point features,
// each with the properties "name" and "code". Coordinates are the rows'
// number texts, so decimals survive both ways.
#pragma once

#include "points/faults.h"
#include "points/point_row.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::geojson {

inline constexpr std::string_view kNameProperty = "name";
inline constexpr std::string_view kCodeProperty = "code";

// Why a file could not be written, and the 1-based row it was about (0: the
// options, not a row).
using WriteFailure = points::RowFault;

struct WriteOptions {
    // "" or "EPSG:n": the projected system the coordinates are in, written as
    // the named-CRS member GIS programs still read (RFC 7946 itself assumes
    // longitude and latitude, which survey coordinates are not).
    std::string crs;
};

using WriteResult = points::WrittenList;

// Every row with easting and northing, in order: [e, n, z], or [e, n] when
// the elevation is empty. A coordinate's text is written as it is, with
// blanks, a plus sign, leading zeros and a bare decimal point tidied into
// JSON's number form; text that is no number fails the write.
WriteResult write(const std::vector<points::PointRow>& rows, const WriteOptions& options = {});

// Why a file could not be read, and where (1-based; line 0 when the reason is
// about the file as a whole).
using ReadFailure = points::PlaceFault;

struct ReadResult {
    std::optional<ReadFailure> failure; // set: points is empty
    std::vector<points::PointRow> points;
    // Features with another geometry, or none: passed over.
    std::size_t nonPointFeatures = 0;
    // "EPSG:n" for a named CRS of that form, the name itself for any other,
    // "" without one.
    std::string crs;
    bool ok() const { return !failure; }
};

// The Point features of a FeatureCollection, or a single Feature, in file
// order. Coordinates keep their JSON number text; a fourth value is passed
// over. The properties "name" and "code" give the name and code: a string as
// it is, a number as its text, true/false as words, null, an object or an
// array as empty. A feature without a "name" property takes its "id".
ReadResult read(std::string_view content);

// A cheap look at the start of content: a JSON object naming a Feature or
// FeatureCollection type near the top. For choosing a reader, not validating.
bool looksLikeGeoJson(std::string_view content);

} // namespace harwick::geojson
