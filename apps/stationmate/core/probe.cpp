#include "probe.h"

#include "comports/comports.h"

#include <QSerialPort>

#include <filesystem>
#include <system_error>

namespace stationmate {

namespace {

std::string PortName(int number) { return std::string(kPortPrefix) + std::to_string(number); }

} // namespace

std::vector<std::string> ProbeResult::Names() const
{
    std::vector<std::string> names;
    for (int n : ports) names.push_back(PortName(n));
    return names;
}

ProbeResult ProbePorts(const PortChecker& check)
{
    ProbeResult r;
    for (int n = kFirstProbedPort; n <= kLastProbedPort; ++n) {
        PortCheck found = check(n);
        if (found.state == PortCheck::State::Refused) r.refused.push_back({n, std::move(found)});
        if (found.state != PortCheck::State::Opens) continue;
        r.ports.push_back(n);
        r.portNumber = n;
    }
    return r;
}

ProbeResult ProbePorts(const std::function<bool(int)>& opens)
{
    return ProbePorts([&opens](int n) {
        PortCheck c;
        c.state = opens(n) ? PortCheck::State::Opens : PortCheck::State::Missing;
        return c;
    });
}

PortCheck CheckPort(int number)
{
    PortCheck c;
    std::optional<std::string> device = harwick::platform::DevicePathForPort(PortName(number));
    std::error_code ec;
    if (!device || !std::filesystem::exists(*device, ec)) return c;
    c.device = *device;
    QSerialPort port;
    port.setPortName(QString::fromStdString(*device));
    if (!port.open(QIODevice::ReadWrite)) {
        c.state = PortCheck::State::Refused;
        c.reason = port.errorString().toStdString();
        c.permission = port.error() == QSerialPort::PermissionError;
        return c;
    }
    port.close();
    c.state = PortCheck::State::Opens;
    return c;
}

bool CanOpenPort(int number) { return CheckPort(number).state == PortCheck::State::Opens; }

std::string UnopenedPortsText(const ProbeResult& probe)
{
    if (!probe.ports.empty() || probe.refused.empty()) return {};
    const RefusedPort& first = probe.refused.front();
    std::string text = "No serial port could be opened: " + PortName(first.number) + " (" + first.check.device +
                       "): " + first.check.reason;
    if (probe.refused.size() > 1) text += ", and " + std::to_string(probe.refused.size() - 1) + " more";
    text += ".";
    bool permission = false;
    for (const RefusedPort& r : probe.refused) permission = permission || r.check.permission;
    if (permission) {
        text += " This user may not use serial ports: add it to the dialout group "
                "(sudo usermod -aG dialout $USER), then log out and in again.";
    }
    return text;
}

void AddProbedPorts(DeviceTree& tree, const ProbeResult& probe)
{
    // The item saying why no port opened is made anew from this probe.
    tree.RemoveNotices();
    for (int n : probe.ports) {
        if (tree.FindPort(n) == nullptr) tree.AddPort(n);
    }
    if (!tree.Ports().empty()) return;
    if (const std::string why = UnopenedPortsText(probe); !why.empty()) tree.AddNotice(why);
}

} // namespace stationmate
