// The serial ports the exchange program shows: every port present on the
// machine (harwick::platform::ListPresentPorts) that has a COM name and
// opens, found at start-up and at each Update. PortNumber becomes the
// highest found, or stays 1 without any. A port that is present but will not
// open keeps why and what to do, so the settings dialog can show it and,
// when no port opens at all, the pane says so instead of showing nothing.
#pragma once

#include "language/ui_text.h"
#include "device_tree.h"

#include "comports/discovery.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

using harwick::platform::PortAccess;
using harwick::platform::PresentPort;

// Whether a present port opens as the link will open it: ok, or why not and
// what to do.
using PortChecker = std::function<PortAccess(const PresentPort&)>;

// A port that discovery already found refused keeps that explanation;
// otherwise the device is opened exclusively for reading and writing and
// closed again, and a failure is explained from the system's error.
PortAccess CheckPort(const PresentPort& port);

// Where the probe looks: the device tree below root, whether the user may
// open each device, and the open itself. Tests answer with a made-up tree
// and made-up refusals (as root, file modes refuse nothing).
struct PortSource {
    std::filesystem::path root = "/";
    harwick::platform::AccessProbe access = harwick::platform::AccessOfDevice;
    PortChecker check = CheckPort;
};

struct ProbeResult {
    // The present ports that have a COM name, in COM order, each with its
    // access as the check found it.
    std::vector<PresentPort> present;
    std::vector<int> ports; // the numbers of those that open
    int portNumber = 1;

    std::vector<PresentPort> Refused() const;
};

ProbeResult ProbePorts(std::vector<PresentPort> present, const PortChecker& check);
ProbeResult ProbePorts(const PortSource& source = {});

// The port as a list shows it: its label, and for a port that will not open
// why and what to do.
std::string PortEntry(const PresentPort& port);

inline constexpr harwick::UiText kNoPortOpened = "No serial port could be opened: ";
inline constexpr harwick::UiText kPortNotUsable = ": not usable: ";

// Why no port is shown, for the one item the pane shows instead: each
// refused port by its label with discovery's explanation, ports with the
// same explanation together; empty when a port opens or none exists.
std::string UnopenedPortsText(const ProbeResult& probe);

// One port node with its placeholder per port found that the tree does not
// have yet, in number order among the others (ports already shown stay, so
// probing again adds an adapter plugged in since); with no port at all, the
// one item that says why none opened, made anew from this probe.
void AddProbedPorts(DeviceTree& tree, const ProbeResult& probe);

} // namespace stationmate
