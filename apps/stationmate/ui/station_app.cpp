#include "station_app.h"

namespace stationmate {

CStationmateApp::CStationmateApp(SerialPort& port, Interactions interactions, PortSource ports,
                                 std::string_view mountsText, std::string_view homeDir)
    : ui(interactions),
      link(port, ui.prompter),
      catalogue(link, ui.prompter, ui.wait),
      downloader(link, ui.prompter, ui.dialogs, ui.progress),
      uploader(link, ui.prompter, ui.dialogs, ui.progress, catalogue, devices),
      eraser(link, ui.prompter, ui.dialogs),
      portSource(std::move(ports)),
      probe(ProbePorts(portSource)),
      home(homeDir)
{
    AddProbedPorts(devices, probe);
    link.SetPortNumber(probe.portNumber);
    pc.AddSystemRoots(mountsText, home);
}

void CStationmateApp::ReprobePorts()
{
    probe = ProbePorts(portSource);
    AddProbedPorts(devices, probe);
}

std::string CStationmateApp::ListedPortName() const
{
    const DeviceNode* listed = catalogue.ListedPortNode();
    if (listed == nullptr) return std::string(kPortPrefix) + "1";
    const std::string& title = listed->Title();
    return title.substr(0, title.find(':'));
}

} // namespace stationmate
