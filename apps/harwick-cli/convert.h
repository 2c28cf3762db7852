// `harwick`, the suite's command-line tool. Its conversion follows the
// coordinate editor's import and export rules, but, being unattended, it
// reports what the editor passes over in silence.
#pragma once

#include "language/ui_text.h"
#include "command_line.h"
#include "drawmap_binding.h"
#include "pointlist/exchange.h"
#include "pointlist/pointlist.h"
#include "text/text.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace harwick::cli {

inline constexpr harwick::UiText kConvertUsage =
    "usage: harwick convert [OPTIONS] INPUT OUTPUT\n"
    "       harwick convert [OPTIONS] --to KIND --out-dir DIR FILE...\n"
    "\n"
    "Converts a point list. The kind of INPUT comes from its name: GSI (.gsi),\n"
    "KARD (.dat), IDX (.idx), CSV (.csv), GeoJSON (.geojson, .json), LandXML\n"
    "(.xml, .landxml) or DXF (.dxf); a name that says none, or --from auto, has it\n"
    "found from the content (a file that could be more than one kind is refused\n"
    "with the kinds it could be). OUTPUT is written as GSI-16 (.gsi16), GSI-8\n"
    "(.gsi8), KARD (.dat), IDX (.idx), CSV, GeoJSON, LandXML or DXF as its name\n"
    "says; a DXF drawing has a POINT per point on a layer named after its code,\n"
    "labelled with its name and elevation. A .gsi16 or .gsi8 output is saved with\n"
    "the extension .gsi; a plain .gsi output keeps the flavour of a GSI input and\n"
    "is GSI-16 otherwise. The precision decides the decimals of the coordinates\n"
    "and the GSI unit; without --precision it is taken from the input. Blocks\n"
    "skipped on reading and anything the output cannot hold (rows left out, values\n"
    "or names cut) are reported on stderr. With --out-dir every FILE is converted\n"
    "into DIR as --to says; a file that fails is reported and the others still\n"
    "convert, and the exit code is 1 when any failed.\n"
    "\n"
    "Options:\n"
    "  --precision 0.001|0.0001|0.00001\n"
    "  --from KIND, --to KIND   gsi16, gsi8, gsi, kard, idx, csv, geojson, landxml,\n"
    "                           dxf (--from also auto)\n"
    "  --columns LIST           CSV columns in their order, e.g. name,n,e,z,code\n"
    "  --delimiter , | ; | tab  CSV delimiter\n"
    "  --decimal-comma          CSV coordinates with a decimal comma\n"
    "  --crs EPSG:n             GeoJSON: the coordinate system GIS programs read\n"
    "  --text-height H          DXF: the labels' height in drawing units (default 1)\n"
    "CSV options given for a CSV input are used instead of what is found in it.\n";

struct ConvertRequest {
    std::string input;
    std::string output;
    std::optional<pointlist::Precision> precision; // the input's, as the editor sets it, when not given
    std::optional<pointlist::ListKind> from;        // else as the input's name says
    bool detect = false;                            // the input's kind from its content, whatever its name
    std::optional<pointlist::ListKind> to;          // else as the output's name says
    pointlist::ExchangeOptions exchange;
    drawmap::LibrarySearch library; // where the drawing library is, for DXF output
};

// Where a list goes: the output's path and kind, resolved from the request.
struct OutputPlan {
    pointlist::SaveTarget target;
    pointlist::ListKind kind;
};

// The output's kind as --to or its name says; nothing (and the reason on err,
// after command) when neither says one.
std::optional<OutputPlan> planOutput(const ConvertRequest& request, std::ostream& err, std::string_view command);

// How a finished list is announced: "converted 12 point(s) from CSV 'a.csv' …".
struct ListDone {
    std::string_view command; // "harwick convert: ", in front of warnings and failures
    // %1 points, from the kind %2 of the input %3, to the kind %4 of the
    // output %5, at the precision %6.
    harwick::UiText sentence;
    std::string inputKind;
};

// Writes the table to the planned output, whole or not at all, at the
// request's precision; warns of what the output cannot hold.
int writeList(const ConvertRequest& request, OutputPlan plan, pointlist::Table& table, const ListDone& done,
              const text::LocalDateTime& now, std::ostream& out, std::ostream& err);

// Converts one point list. Never leaves a partial or empty output behind: the
// output is written whole or not at all.
int convert(const ConvertRequest& request, const text::LocalDateTime& now, std::ostream& out, std::ostream& err);

// Converts every file into outDir as request.to says, named after the file
// with that kind's extension. A file that fails is reported and the others
// still convert; kExitFailed when any failed.
int convertAll(ConvertRequest request, const std::string& outDir, const std::vector<std::string>& files,
               const text::LocalDateTime& now, std::ostream& out, std::ostream& err);

// The arguments after "convert", or after "reduce" when reducing (the two
// share their options).
int convertCommand(const std::vector<std::string>& args, bool reducing, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
