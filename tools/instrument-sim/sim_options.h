// The command line of the instrument-sim program.
#pragma once

#include "instrument-sim/instrument_sim.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim {

struct ProgramOptions {
    SimOptions sim;
    std::string serial;  // empty: keep the state directory's
    bool demo = false;
    bool help = false;
};

// Nothing, with error set, when an option is unknown, lacks its value or has
// a value that does not fit; --state is required unless --demo is given.
std::optional<ProgramOptions> ParseArguments(const std::vector<std::string>& args, std::string& error);

// Text with the escapes \r, \n, \t, \\ and \xHH (two hex digits) turned into
// their bytes; nothing for an unknown or cut-off escape.
std::optional<std::string> Unescape(std::string_view text);

std::string HelpText();

} // namespace harwick::sim
