// `harwick`, the suite's command-line tool. Its conversion follows the
// coordinate editor's import and export rules, but, being unattended, it
// reports what the editor passes over in silence.
#pragma once

#include "pointlist/pointlist.h"
#include "text/text.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace harwick::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct ConvertRequest {
    std::string input;
    std::string output;
    std::optional<pointlist::Precision> precision; // the input's, as the editor sets it, when not given
};

// Converts one point list. Never leaves a partial or empty output behind: the
// output is written whole or not at all.
int convert(const ConvertRequest& request, const text::LocalDateTime& now, std::ostream& out, std::ostream& err);

// The whole command line after the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
