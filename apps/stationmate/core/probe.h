// The serial ports the exchange program shows: every COM1 ... COM256 that
// opens at start-up and at each Update (a port missing or in use by another
// program is left out). PortNumber becomes the highest found, or stays 1
// without any. When ports exist but none opens, the pane shows why instead
// of nothing.
#pragma once

#include "device_tree.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

inline constexpr int kFirstProbedPort = 1;
inline constexpr int kLastProbedPort = 256;

// What opening COMn found.
struct PortCheck {
    enum class State { Missing, Opens, Refused };
    State state = State::Missing;
    std::string device;      // the device the name stands for
    std::string reason;      // the system's words, when refused
    bool permission = false; // refused for want of rights
};
using PortChecker = std::function<PortCheck(int)>;

struct RefusedPort {
    int number;
    PortCheck check;
};

struct ProbeResult {
    std::vector<int> ports;
    int portNumber = 1;
    std::vector<RefusedPort> refused;
    std::vector<std::string> Names() const; // "COMn" each, for the settings dialog
};

ProbeResult ProbePorts(const PortChecker& check);
// For callers that only know whether a port opens.
ProbeResult ProbePorts(const std::function<bool(int)>& opens);

// Opens COMn (through the port map) exclusively for reading and writing and
// closes it again; says why when it would not open.
PortCheck CheckPort(int number);
bool CanOpenPort(int number);

// Why no port is shown, for the one item the pane shows instead; empty when
// a port opens or none exists.
std::string UnopenedPortsText(const ProbeResult& probe);

// One port node with its placeholder per port found that the tree does not
// have yet, in number order among the others (ports already shown stay, so
// probing again adds an adapter plugged in since); with no port at all, the
// one item that says why none opened, made anew from this probe.
void AddProbedPorts(DeviceTree& tree, const ProbeResult& probe);

} // namespace stationmate
