#include "ports.h"

#include "listing.h"

#include "command_line.h"
#include "json_out.h"

namespace harwick::cli {

namespace {

constexpr std::string_view kCommandName = "ports";
constexpr std::string_view kCommand = "harwick ports: ";
constexpr std::string_view kNoComName = "-";
constexpr harwick::UiText kMapped = "%1 is %2";
constexpr harwick::UiText kNoPorts = "no serial ports found";
constexpr harwick::UiText kJsonIsForTheList = "--json is for the list";
constexpr harwick::UiText kMapTakes = "map takes a COM name and a DEVICE";

} // namespace

std::string PortLine(const platform::PresentPort& port)
{
    std::string line = port.comName.empty() ? std::string(kNoComName) : port.comName;
    line += std::string(kColumnGap) + port.device + std::string(kColumnGap) + port.Description();
    if (!port.byId.empty()) line += std::string(kColumnGap) + port.byId;
    line += std::string(kColumnGap);
    if (port.access.ok) return line + std::string(kUsable);
    line += std::string(kNotUsable) + port.access.reason;
    if (!port.access.fix.empty()) line += "; " + port.access.fix;
    return line;
}

std::string PortsJson(const std::vector<platform::PresentPort>& present)
{
    JsonOut json;
    json.beginArray();
    for (const platform::PresentPort& port : present) {
        json.beginObject();
        // null: no COM name reaches the device.
        json.key("comName");
        if (port.comName.empty()) json.null();
        else json.string(port.comName);
        json.key("device").string(port.device);
        json.key("description").string(port.Description());
        json.key("byId");
        if (port.byId.empty()) json.null();
        else json.string(port.byId);
        json.key("usbId");
        if (port.vendorProduct.empty()) json.null();
        else json.string(port.vendorProduct);
        json.key("usable").boolean(port.access.ok);
        if (!port.access.ok) {
            json.key("reason").string(port.access.reason);
            json.key("fix").string(port.access.fix);
        }
        json.endObject();
    }
    json.endArray();
    return json.text();
}

int ports(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const OptionReader::Read read = OptionReader({}, {"--json"}).read(args);
    if (!read.problem.empty()) return usageError(err, kCommandName, read.problem);
    const bool json = read.has("--json");
    if (!read.words.empty()) {
        if (read.words[0] != "map") return usageError(err, kCommandName, Filled(kUnexpectedWord, {read.words[0]}));
        if (json) return usageError(err, kCommandName, kJsonIsForTheList);
        if (read.words.size() != 3) return usageError(err, kCommandName, kMapTakes);
        std::string error;
        if (!platform::MapPort(read.words[1], read.words[2], error)) return failLine(err, kCommand, error);
        out << Filled(kMapped, {read.words[1], read.words[2]}) << '\n';
        return kExitOk;
    }
    const std::vector<platform::PresentPort> present = platform::ListPresentPorts();
    if (json) {
        out << PortsJson(present);
        return kExitOk;
    }
    if (present.empty()) out << kNoPorts << '\n';
    for (const platform::PresentPort& port : present) out << PortLine(port) << '\n';
    return kExitOk;
}

} // namespace harwick::cli
