#include "station_app.h"

namespace stationmate {

CStationmateApp::CStationmateApp(SerialPort& port, Interactions interactions, const std::function<bool(int)>& canOpen,
                                 std::string_view mountsText, std::string_view homeDir)
    : ui(interactions),
      link(port, ui.prompter),
      catalogue(link, ui.prompter, ui.wait),
      downloader(link, ui.prompter, ui.dialogs, ui.progress),
      uploader(link, ui.prompter, ui.dialogs, ui.progress, catalogue, devices),
      eraser(link, ui.prompter, ui.dialogs),
      probe(ProbePorts(canOpen)),
      home(homeDir)
{
    AddProbedPorts(devices, probe);
    link.SetPortNumber(probe.portNumber);
    pc.AddSystemRoots(mountsText, home);
}

} // namespace stationmate
