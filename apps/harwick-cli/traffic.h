// The --log switch of the transfer commands.
#pragma once

#include "language/ui_text.h"
#include "traffic/traffic_log.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace harwick::cli {

inline constexpr std::string_view kLogOption = "--log";
inline constexpr harwick::UiText kLogUsage =
    "--log FILE writes every chunk that crosses the cable to FILE: milliseconds since\n"
    "the start, out (to the instrument) or in, the bytes in hex and as text.\n";

// The log for a transfer. One that cannot be opened is reported on err and
// the transfer runs without it; one that stops taking lines later says so on
// err once, and the transfer goes on.
std::shared_ptr<platform::TrafficLog> OpenTrafficLog(const std::string& path, std::string_view command,
                                                      std::ostream& err);

} // namespace harwick::cli
