#include "port_settings.h"

#include "language/ui_text.h"

#include <algorithm>
#include <utility>

namespace stationmate {

namespace {

constexpr harwick::UiText kPortListLabel = "Port:";
constexpr harwick::UiText kInstrumentListLabel = "Instrument:";
constexpr harwick::UiText kBaudRateListLabel = "Baudrate:";
constexpr harwick::UiText kParityListLabel = "Parity";
constexpr harwick::UiText kStopBitsListLabel = "Stopbits:";
constexpr harwick::UiText kDataBitsListLabel = "Databits:";
constexpr harwick::UiText kEndmarkListLabel = "Endmark:";
// The parity values stay these words (the link's settings are made from
// them); the list shows them in the user's language.
constexpr std::string_view kEven = "Even";
constexpr std::string_view kNone = "None";
constexpr std::string_view kOdd = "Odd";
constexpr harwick::UiText kEvenEntry = "Even";
constexpr harwick::UiText kNoneEntry = "None";
constexpr harwick::UiText kOddEntry = "Odd";

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
    m.port.label = std::string(kPortListLabel);
    for (auto& [entry, name] : ports) {
        m.port.entries.push_back(std::move(entry));
        m.port.values.push_back(std::move(name));
    }
    m.port.selected = 0; // the first entry, after sorting
    m.instrument = sortedList(std::string(kInstrumentListLabel), {"QRX700"}, "QRX700");
    m.baudRate = sortedList(std::string(kBaudRateListLabel), {"1200", "19200", "2400", "4800", "9600"}, "19200");
    m.parity = sortedList(std::string(kParityListLabel), {std::string(kEven), std::string(kNone), std::string(kOdd)}, kNone);
    m.parity.values = m.parity.entries;
    for (std::string& entry : m.parity.entries) {
        entry = std::string(entry == kEven ? kEvenEntry : entry == kOdd ? kOddEntry : kNoneEntry);
    }
    m.stopBits = sortedList(std::string(kStopBitsListLabel), {"1"}, "1");
    m.dataBits = sortedList(std::string(kDataBitsListLabel), {"7", "8"}, "8");
    m.endmark = sortedList(std::string(kEndmarkListLabel), {"CR", "CRLF"}, "CRLF");
    return m;
}

std::string PortSettingsFrom(const SettingsChoices& c)
{
    const char parity = c.parity == kEven ? 'e' : c.parity == kOdd ? 'o' : 'n';
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
