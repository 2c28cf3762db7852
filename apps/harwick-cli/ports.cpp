#include "ports.h"

#include "listing.h"

#include "convert.h"

namespace harwick::cli {

namespace {

constexpr std::string_view kPortsUsage =
    "usage: harwick ports\n"
    "       harwick ports map COMn DEVICE\n"
    "\n"
    "Lists the serial ports present: the COM name the programs use for each, its\n"
    "device, what it is, its /dev/serial/by-id path, and whether you may open it\n"
    "(if not, why and what to do).\n"
    "\n"
    "map names DEVICE COMn in the ports map (~/.config/harwick/ports), through\n"
    "its /dev/serial/by-id path where it has one. Made for the first time, the\n"
    "map first takes every present port under the name it has now.\n";

constexpr std::string_view kNoComName = "-";
constexpr std::string_view kOk = "ok";

} // namespace

std::string PortLine(const platform::PresentPort& port)
{
    std::string line = port.comName.empty() ? std::string(kNoComName) : port.comName;
    line += std::string(kColumnGap) + port.device + std::string(kColumnGap) + port.Description();
    if (!port.byId.empty()) line += std::string(kColumnGap) + port.byId;
    line += std::string(kColumnGap);
    if (port.access.ok) return line + std::string(kOk);
    line += std::string(kNotUsable) + port.access.reason;
    if (!port.access.fix.empty()) line += "; " + port.access.fix;
    return line;
}

int ports(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty()) {
        if (args[0] == "--help" || args[0] == "-h") {
            out << kPortsUsage;
            return kExitOk;
        }
        if (args[0] == "map" && args.size() == 3) {
            std::string error;
            if (!platform::MapPort(args[1], args[2], error)) {
                err << "harwick ports: " << error << '\n';
                return kExitFailed;
            }
            out << args[1] << " is " << args[2] << '\n';
            return kExitOk;
        }
        err << "harwick ports: unexpected '" << args[0] << "'\n" << kPortsUsage;
        return kExitUsage;
    }
    const std::vector<platform::PresentPort> present = platform::ListPresentPorts();
    if (present.empty()) out << "no serial ports found\n";
    for (const platform::PresentPort& port : present) out << PortLine(port) << '\n';
    return kExitOk;
}

} // namespace harwick::cli
