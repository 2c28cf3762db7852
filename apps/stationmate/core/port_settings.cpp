#include "port_settings.h"

#include <algorithm>
#include <utility>

namespace stationmate {

namespace {

SettingsList sortedList(std::string label, std::vector<std::string> entries, std::string_view selected)
{
    std::sort(entries.begin(), entries.end());
    const auto at = std::find(entries.begin(), entries.end(), selected);
    return SettingsList{std::move(label), entries, at == entries.end() ? 0 : static_cast<std::size_t>(at - entries.begin()), {}};
}

} // namespace

std::string SettingsList::Value(std::size_t index) const
{
    if (index < values.size()) return values[index];
    return index < entries.size() ? entries[index] : std::string();
}

SettingsDialogModel MakeSettingsDialog(const std::vector<PresentPort>& present)
{
    std::vector<std::pair<std::string, std::string>> ports; // entry, COM name
    for (const PresentPort& port : present) {
        if (!port.comName.empty()) ports.emplace_back(PortEntry(port), port.comName);
    }
    std::sort(ports.begin(), ports.end());
    SettingsDialogModel m;
    m.port.label = "Port:";
    for (auto& [entry, name] : ports) {
        m.port.entries.push_back(std::move(entry));
        m.port.values.push_back(std::move(name));
    }
    m.port.selected = 0; // the first entry, after sorting
    m.instrument = sortedList("Instrument:", {"QRX700"}, "QRX700");
    m.baudRate = sortedList("Baudrate:", {"1200", "19200", "2400", "4800", "9600"}, "19200");
    m.parity = sortedList("Parity", {"Even", "None", "Odd"}, "None");
    m.stopBits = sortedList("Stopbits:", {"1"}, "1");
    m.dataBits = sortedList("Databits:", {"7", "8"}, "8");
    m.endmark = sortedList("Endmark:", {"CR", "CRLF"}, "CRLF");
    return m;
}

std::string PortSettingsFrom(const SettingsChoices& c)
{
    const char parity = c.parity == "Even" ? 'e' : c.parity == "Odd" ? 'o' : 'n';
    return c.baudRate + "," + parity + "," + c.dataBits + "," + c.stopBits;
}

std::vector<DeviceNode*> PortNodesToExpand(const DeviceTree& tree, std::string_view port)
{
    std::vector<DeviceNode*> nodes;
    for (const auto& p : tree.Ports()) {
        if (p->Title() == port) nodes.push_back(p.get());
    }
    return nodes;
}

} // namespace stationmate
