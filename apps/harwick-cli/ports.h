// `harwick ports`: the serial ports present, by the COM name every program
// of the suite knows them by, with their device and what they are, and
// whether this user may open them.
#pragma once

#include "language/ui_text.h"
#include "comports/discovery.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

inline constexpr harwick::UiText kPortsUsage =
    "usage: harwick ports [--json]\n"
    "       harwick ports map COMn DEVICE\n"
    "\n"
    "Lists the serial ports present: the COM name the programs use for each, its\n"
    "device, what it is, its /dev/serial/by-id path, and whether you may open it\n"
    "(if not, why and what to do). --json prints them as one JSON array.\n"
    "\n"
    "map names DEVICE COMn in the ports map (~/.config/harwick/ports), through\n"
    "its /dev/serial/by-id path where it has one. Made for the first time, the\n"
    "map first takes every present port under the name it has now.\n";

// One line of the list: COM name (or "-"), device, description, by-id path
// where there is one, then "ok" or why not and what to do.
std::string PortLine(const platform::PresentPort& port);

// The list as one JSON array, an object per port.
std::string PortsJson(const std::vector<platform::PresentPort>& present);

int ports(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
