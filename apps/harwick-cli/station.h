// `harwick station`: the exchange program's engine from the command line, for
// scripted downloads and uploads. It answers the engine's dialogs from its
// arguments and turns every failure into one line on stderr.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace harwick::cli {

// The arguments after "station".
int station(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
