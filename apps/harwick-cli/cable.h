// `harwick cable`: the cable program's engine from the command line — the
// text conversions, and receiving and sending over USB or a COM port with
// the settings in ./qtr_cfg.ini, as the window uses them. Every failure is
// one line on stderr and a non-zero exit; a refused conversion writes nothing.
#pragma once

#include "language/ui_text.h"
#include "progress_line.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

inline constexpr harwick::UiText kCableUsage =
    "usage: harwick cable convert KIND INPUT OUTPUT\n"
    "       harwick cable receive usb|COMn|DEVICE OUTPUT [--quiet] [--log FILE]\n"
    "       harwick cable send usb|COMn|DEVICE INPUT [--blocks coords|codes] [--quiet] [--log FILE]\n"
    "\n"
    "KIND is one of code-blocks, measured-blocks, coord-blocks, kard-to-blocks,\n"
    "kard600-to-kard300, gsi-to-kard, kard-to-dxf. Receiving and sending use the\n"
    "settings in ./qtr_cfg.ini (protocol, baud rate, time-out, row delay); a COM\n"
    "port or device path (/dev/ttyUSB0) named here replaces the one set there.\n"
    "--blocks sends a KARD list as coordinate blocks or a code list as code blocks\n"
    "(COM only); without it the text goes line by line.\n"
    "On a terminal, receive and send show their progress on one line of stderr\n"
    "(lines, of how many for a send line by line, bytes, rate, time); --quiet\n"
    "leaves it out.\n";

struct CableStreams {
    std::istream& in;   // the "press Enter on computer" answers
    std::ostream& out;
    std::ostream& err;
};

// The arguments after "cable". programDir: where libusbpipe.so is looked
// for first. Progress is drawn on streams.err when terminal says it is one.
int cable(const std::vector<std::string>& args, CableStreams streams, const std::filesystem::path& programDir,
          ProgressTerminal terminal = {});

} // namespace harwick::cli
