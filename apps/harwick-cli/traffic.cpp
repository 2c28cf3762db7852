#include "traffic.h"

#include "command_line.h"

namespace harwick::cli {

namespace {

constexpr harwick::UiText kGoesOnWithout = "%1; the transfer goes on without it";

} // namespace

std::shared_ptr<platform::TrafficLog> OpenTrafficLog(const std::string& path, std::string_view command,
                                                      std::ostream& err)
{
    std::string error;
    std::shared_ptr<platform::TrafficLog> log = platform::TrafficLog::Open(path, error);
    if (!log) {
        warnLine(err, command, Filled(kGoesOnWithout, {error}));
        return nullptr;
    }
    log->SetNotice([&err, command](const std::string& message) { warnLine(err, command, message); });
    return log;
}

} // namespace harwick::cli
