// `harwick`, the suite's command-line tool. Its conversion follows the
// coordinate editor's import and export rules, but, being unattended, it
// reports what the editor passes over in silence.
#pragma once

#include "drawmap_binding.h"
#include "exit_codes.h"
#include "pointlist/exchange.h"
#include "pointlist/pointlist.h"
#include "text/text.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace harwick::cli {

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

// One line on err after the command's prefix ("harwick convert: "): a
// failure, whose exit code is returned, or a warning.
int failLine(std::ostream& err, std::string_view command, std::string_view message);
void warnLine(std::ostream& err, std::string_view command, std::string_view sentence);

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
    std::string_view verb;
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

// The whole command line after the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
