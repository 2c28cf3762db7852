// `harwick ports`: the serial ports present, by the COM name every program
// of the suite knows them by, with their device and what they are, and
// whether this user may open them.
#pragma once

#include "comports/discovery.h"

#include <ostream>
#include <string>
#include <vector>

namespace harwick::cli {

// One line of the list: COM name (or "-"), device, description, by-id path
// where there is one, then "ok" or why not and what to do.
std::string PortLine(const platform::PresentPort& port);

int ports(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
