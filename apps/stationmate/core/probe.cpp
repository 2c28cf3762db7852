#include "probe.h"

#include "comports/comports.h"

#include <QSerialPort>

namespace stationmate {

std::vector<std::string> ProbeResult::Names() const
{
    std::vector<std::string> names;
    for (int n : ports) names.push_back(std::string(kPortPrefix) + std::to_string(n));
    return names;
}

ProbeResult ProbePorts(const std::function<bool(int)>& canOpen)
{
    ProbeResult r;
    for (int n = kFirstProbedPort; n <= kLastProbedPort; ++n) {
        if (!canOpen(n)) continue;
        r.ports.push_back(n);
        r.portNumber = n;
    }
    return r;
}

bool CanOpenPort(int number)
{
    std::optional<std::string> device =
        harwick::platform::DevicePathForPort(std::string(kPortPrefix) + std::to_string(number));
    if (!device) return false;
    QSerialPort port;
    port.setPortName(QString::fromStdString(*device));
    if (!port.open(QIODevice::ReadWrite)) return false;
    port.close();
    return true;
}

void AddProbedPorts(DeviceTree& tree, const ProbeResult& probe)
{
    for (int n : probe.ports) tree.AddPort(n);
}

} // namespace stationmate
