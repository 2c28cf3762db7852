// The serial ports the exchange program shows: every COM1 ... COM256 that
// opens at start-up (a port missing or in use by another program is left
// out). PortNumber becomes the highest found, or stays 1 without any.
#pragma once

#include "device_tree.h"

#include <functional>
#include <string>
#include <vector>

namespace stationmate {

inline constexpr int kFirstProbedPort = 1;
inline constexpr int kLastProbedPort = 256;

struct ProbeResult {
    std::vector<int> ports;
    int portNumber = 1;
    std::vector<std::string> Names() const; // "COMn" each, for the settings dialog
};

ProbeResult ProbePorts(const std::function<bool(int)>& canOpen);

// Opens COMn (through the port map) exclusively for reading and writing and
// closes it again.
bool CanOpenPort(int number);

// One port node with its placeholder per port found.
void AddProbedPorts(DeviceTree& tree, const ProbeResult& probe);

} // namespace stationmate
