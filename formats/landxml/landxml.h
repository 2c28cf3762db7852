// LandXML 1.2 point lists: the CgPoints of a LandXML document, each point
// "northing easting [elevation]" in the document's linear unit, with its name
// and code as attributes.
#pragma once

#include "points/faults.h"
#include "points/point_row.h"
#include "text/text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::landxml {

inline constexpr std::string_view kNamespace = "http://www.landxml.org/schema/LandXML-1.2";
inline constexpr std::string_view kVersion = "1.2";

// Why a file could not be written, and the 1-based row it was about.
using WriteFailure = points::RowFault;

using WriteResult = points::WrittenList;

// The whole document in metres, stamped with created as its date and time,
// one CgPoint per row with easting and northing, in order; lines end CR LF.
// A coordinate's text is written as it is (without surrounding blanks); text
// that is no decimal number fails the write, as do names and codes holding
// control characters XML 1.0 cannot carry. An empty code writes no code
// attribute.
WriteResult write(const std::vector<points::PointRow>& rows, const text::LocalDateTime& created);

// Why a file could not be read, and where (1-based; line 0 when the reason is
// about the file as a whole).
using ReadFailure = points::PlaceFault;

struct ReadResult {
    std::optional<ReadFailure> failure; // set: points is empty
    std::vector<points::PointRow> points;
    // CgPoints without coordinates of their own (a pntRef to another point):
    // passed over.
    std::size_t withoutCoordinates = 0;
    // The linearUnit the values were read in; "" when the file has no Units
    // and metres were taken.
    std::string linearUnit;
    bool ok() const { return !failure; }
};

// Every CgPoint of the document, in document order, wherever its CgPoints
// group is. Values in metres keep their text. Values in another unit (Metric
// millimeter, centimeter, kilometer; Imperial USSurveyFoot at 1200/3937 m,
// foot or internationalFoot at 0.3048 m) are converted to metres with the
// decimals that keep the step of the value read (one more than a foot value
// has, three more than a millimetre value), never fewer than four (0.1 mm).
// Refused: XML that is not well formed, a document type declaration, an
// encoding other than UTF-8, a root other than LandXML, an unknown unit, a
// CgPoint whose text is not two or three numbers.
ReadResult read(std::string_view content);

// A cheap look at the start of content: markup whose first element is
// LandXML. For choosing a reader, not validating.
bool looksLikeLandXml(std::string_view content);

} // namespace harwick::landxml
