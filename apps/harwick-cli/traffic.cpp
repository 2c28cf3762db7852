#include "traffic.h"

namespace harwick::cli {

std::shared_ptr<platform::TrafficLog> OpenTrafficLog(const std::string& path, std::string_view command,
                                                      std::ostream& err)
{
    std::string error;
    std::shared_ptr<platform::TrafficLog> log = platform::TrafficLog::Open(path, error);
    if (!log) {
        err << command << "warning: " << error << "; the transfer goes on without it\n";
        return nullptr;
    }
    log->SetNotice([&err, command](const std::string& message) { err << command << "warning: " << message << '\n'; });
    return log;
}

} // namespace harwick::cli
