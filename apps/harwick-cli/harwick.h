// `harwick`, the suite's command line: its commands, one help that lists
// them, each command's own usage, and the suite's version.
#pragma once

#include "exit_codes.h"
#include "progress_line.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

// What the program has besides its arguments: the standard streams, and
// whether stderr is a terminal that progress may be drawn on.
struct Console {
    std::istream& in = std::cin;
    ProgressTerminal terminal;
};

// The whole command line after the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Console console = {});

// The commands, a line each, as `harwick --help` lists them.
std::string TopLevelHelp();

// The full usage of one command, as `harwick COMMAND --help` prints it;
// empty for a name that is no command.
std::string CommandUsage(std::string_view command);

} // namespace harwick::cli
