// CStationmateApp: the exchange program's state — the engine, the two trees
// and the user interactions — apart from the widgets that show it, so that
// the window's tests build the same object with scripted interactions.
#pragma once

#include "catalogue.h"
#include "download.h"
#include "erase.h"
#include "link.h"
#include "pc_tree.h"
#include "probe.h"
#include "upload.h"
#include "window_interfaces.h"

#include <functional>
#include <string>

namespace stationmate {

struct Interactions {
    Prompter& prompter;
    TransferDialogs& dialogs;
    ProgressView& progress;
    WaitIndicator& wait;
    SettingsAsker& settings;
    InfoShower& info;
    Desktop& desktop;
};

class CStationmateApp {
public:
    CStationmateApp(SerialPort& port, Interactions ui, PortSource ports, std::string_view mountsText,
                    std::string_view home);

    // Probes the ports again: an adapter plugged in since is added.
    void ReprobePorts();
    // "COMn" of the port that is listed; "COM1" before any is.
    std::string ListedPortName() const;

    Interactions ui;
    InstrumentLink link;
    DeviceTree devices;
    Catalogue catalogue;
    Downloader downloader;
    Uploader uploader;
    Eraser eraser;
    PcTree pc;
    PortSource portSource;
    ProbeResult probe;
    std::string home;
    // True while an instrument operation waits for the line: a second one
    // must not start inside it.
    bool busy = false;
    // Whether the line's traffic is logged, and where.
    harwick::platform::TrafficLogSwitch logging;
};

} // namespace stationmate
