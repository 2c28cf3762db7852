// `harwick cable`: the cable program's engine from the command line — the
// text conversions, and receiving and sending over USB or a COM port with
// the settings in ./qtr_cfg.ini, as the window uses them. Every failure is
// one line on stderr and a non-zero exit; a refused conversion writes nothing.
#pragma once

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace harwick::cli {

struct CableStreams {
    std::istream& in;   // the "press Enter on computer" answers
    std::ostream& out;
    std::ostream& err;
};

// The arguments after "cable". programDir: where libusbpipe.so is looked
// for first.
int cable(std::vector<std::string> args, CableStreams streams, const std::filesystem::path& programDir);

} // namespace harwick::cli
