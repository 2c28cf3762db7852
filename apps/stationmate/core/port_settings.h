// The "Communication settings" dialog as data: its seven lists, the choices
// it opens with, and the settings text an OK makes of the choices.
#pragma once

#include "device_tree.h"
#include "probe.h"

#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

struct SettingsList {
    std::string label;
    std::vector<std::string> entries; // sorted as text, as the dialog's lists sort
    std::size_t selected = 0;         // at opening
    // What each entry chooses where that is not its text (the port list
    // shows labels and chooses COM names); empty when every entry is its own.
    std::vector<std::string> values;

    // What the entry at index chooses; empty for no entry.
    std::string Value(std::size_t index) const;
};

struct SettingsDialogModel {
    SettingsList port, instrument, baudRate, parity, stopBits, dataBits, endmark;
};

// The dialog always opens with the same choices, whatever is in force. The
// port list offers every present port with a COM name by its label ("COM33
// — /dev/ttyUSB0 (USB-serial adapter: …)"), a refused one with why and what
// to do; each entry chooses the port's COM name.
SettingsDialogModel MakeSettingsDialog(const std::vector<PresentPort>& present);

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
