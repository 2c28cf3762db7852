// `harwick station`: the exchange program's engine from the command line, for
// scripted downloads and uploads. It answers the engine's dialogs from its
// arguments and turns every failure into one line on stderr.
#pragma once

#include "language/ui_text.h"
#include "progress_line.h"
#include "traffic.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

inline constexpr harwick::UiText kStationUsage =
    "usage: harwick station list PORT [--json] [--timeout MS] [--log FILE]\n"
    "       harwick station download PORT OBJECT FILE [--quiet] [--timeout MS] [--log FILE]\n"
    "       harwick station upload PORT FILE [--job N] [--name NAME] [--quiet] [--timeout MS] [--log FILE]\n"
    "       harwick station erase PORT OBJECT --yes [--timeout MS] [--log FILE]\n"
    "\n"
    "PORT is COM1 ... COM256 (harwick ports shows which are present). OBJECT is one\n"
    "of: job N fixpoints, job N measurements, codelist N, hal N, val N; erase also\n"
    "takes job N (the whole job) and codelist.\n"
    "list prints what the instrument holds; with --json, as one JSON document\n"
    "(port, serial, code lists, jobs with their parts' block counts, formats and\n"
    "alignments).\n"
    "A download FILE named .dat receives job data as KARD lines. An upload is told\n"
    "by the file's name: .hal and .val alignments, .crf code lists, anything else\n"
    "fixpoints, which go into job N (--job) and name an empty job (--name).\n"
    "On a terminal, download and upload show their progress on one line of stderr\n"
    "(blocks, of how many where known, bytes, rate, time); --quiet leaves it out.\n"
    "--timeout MS is how long each reply is waited for.\n";

// The arguments after "station"; progress is drawn on err when the terminal
// says it is one.
int station(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ProgressTerminal terminal = {});

} // namespace harwick::cli
