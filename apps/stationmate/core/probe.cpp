#include "probe.h"

#include "comports/comports.h"

#include "serial_line.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace stationmate {

namespace {

constexpr std::string_view kSameReasonSeparator = ", ";
constexpr std::string_view kReasonSeparator = ": ";
constexpr std::string_view kSentenceEnd = ".";
constexpr std::string_view kNextSentence = " ";

} // namespace

PortAccess CheckPort(const PresentPort& port)
{
    if (!port.access.ok) return port.access;
    harwick::serial::SerialLine line;
    const harwick::serial::OpenResult opened = line.Open(port.device);
    return opened.access;
}

std::vector<PresentPort> ProbeResult::Refused() const
{
    std::vector<PresentPort> refused;
    std::copy_if(present.begin(), present.end(), std::back_inserter(refused),
                 [](const PresentPort& p) { return !p.access.ok; });
    return refused;
}

ProbeResult ProbePorts(std::vector<PresentPort> present, const PortChecker& check)
{
    ProbeResult r;
    for (PresentPort& port : present) {
        // A port without a COM name cannot be chosen: the link opens ports by number.
        const std::optional<int> number = harwick::platform::PortNumber(port.comName);
        if (!number) continue;
        port.access = check(port);
        if (port.access.ok) {
            r.ports.push_back(*number);
            r.portNumber = std::max(r.portNumber, *number);
        }
        r.present.push_back(std::move(port));
    }
    return r;
}

ProbeResult ProbePorts(const PortSource& source)
{
    return ProbePorts(harwick::platform::ListPresentPorts(source.root, source.access), source.check);
}

std::string PortEntry(const PresentPort& port)
{
    std::string entry = port.Label();
    if (!port.access.ok) entry += std::string(kPortNotUsable) + port.access.Text();
    return entry;
}

std::string UnopenedPortsText(const ProbeResult& probe)
{
    const std::vector<PresentPort> refused = probe.Refused();
    if (!probe.ports.empty() || refused.empty()) return {};
    // Two adapters refused for the same reason need the fix said once.
    std::vector<std::pair<std::string, std::string>> byReason; // explanation, ports
    for (const PresentPort& port : refused) {
        const std::string why = port.access.Text();
        auto same = std::find_if(byReason.begin(), byReason.end(), [&](const auto& r) { return r.first == why; });
        if (same == byReason.end()) {
            byReason.emplace_back(why, port.Label());
        } else {
            same->second += std::string(kSameReasonSeparator) + port.Label();
        }
    }
    std::string text(kNoPortOpened);
    for (std::size_t i = 0; i < byReason.size(); ++i) {
        if (i > 0) text += kNextSentence;
        text += byReason[i].second + std::string(kReasonSeparator) + byReason[i].first + std::string(kSentenceEnd);
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
