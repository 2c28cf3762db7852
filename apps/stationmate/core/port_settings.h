// The "Communication settings" dialog as data: its seven lists, the choices
// it opens with, and the settings text an OK makes of the choices.
#pragma once

#include "device_tree.h"

#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

struct SettingsList {
    std::string label;
    std::vector<std::string> entries; // sorted as text, as the dialog's lists sort
    std::size_t selected = 0;         // at opening
};

struct SettingsDialogModel {
    SettingsList port, instrument, baudRate, parity, stopBits, dataBits, endmark;
};

// The dialog always opens with the same choices, whatever is in force.
SettingsDialogModel MakeSettingsDialog(const std::vector<std::string>& portsFound);

struct SettingsChoices {
    std::string port, instrument, baudRate, parity, stopBits, dataBits, endmark;
};

// "baud,parity letter,data bits,stop bits", e.g. "9600,e,7,1". The instrument
// and the line end are chosen but not used: commands always end in CR LF.
std::string PortSettingsFrom(const SettingsChoices& choices);

// The port nodes an OK expands: top-level nodes titled exactly as the chosen
// port (a listed port, titled "COMn: serial", is no longer).
std::vector<DeviceNode*> PortNodesToExpand(const DeviceTree& tree, std::string_view port);

} // namespace stationmate
