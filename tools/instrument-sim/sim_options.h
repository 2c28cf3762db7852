// The command line of the instrument-sim program.
#pragma once

#include "instrument-sim/cable_misbehaviour.h"
#include "instrument-sim/emulated_usb.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/serial_cable.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim {

// The values of --cable-protocol.
inline constexpr std::string_view kProtocolNone = "none";
inline constexpr std::string_view kProtocolAckNak = "acknak";

struct ProgramOptions {
    SimOptions sim;
    std::string serial;  // empty: keep the state directory's
    bool demo = false;
    bool help = false;

    // The cable side: an emulated USB interface and a serial cable line.
    std::optional<std::string> usbInterface;  // --usb [NAME]; default UsbOptions' name
    std::optional<std::string> cablePort;     // --cable COMn
    CableProtocol cableProtocol = CableProtocol::None;
    std::filesystem::path cableSend;  // empty: the demo's text with --demo, else nothing
    CableMisbehaviour cableMisbehave;
};

// Nothing, with error set, when an option is unknown, lacks its value or has
// a value that does not fit; --state is required unless --demo is given, and
// the --cable-... options need --usb or --cable.
std::optional<ProgramOptions> ParseArguments(const std::vector<std::string>& args, std::string& error);

// Text with the escapes \r, \n, \t, \\ and \xHH (two hex digits) turned into
// their bytes; nothing for an unknown or cut-off escape.
std::optional<std::string> Unescape(std::string_view text);

std::string HelpText();

} // namespace harwick::sim
