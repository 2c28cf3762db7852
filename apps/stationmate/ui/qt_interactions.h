// The Qt implementations of every interaction the exchange program needs,
// made together, as the program and its picture-taker both use them.
#pragma once

#include "dialogs.h"
#include "station_app.h"

namespace stationmate {

struct QtInteractionSet {
    // Made before the main window, so the dialogs centre on the screen.
    harwick::qtkit::ExecRunner runner;
    QtPrompter prompter{nullptr, runner};
    QtTransferDialogs dialogs{nullptr, runner};
    QtProgressView progress{nullptr};
    QtWaitIndicator wait{nullptr};
    QtSettingsAsker settings{nullptr, runner};
    QtInfoShower info{nullptr, runner};
    QtDesktop desktop;

    Interactions Get() { return Interactions{prompter, dialogs, progress, wait, settings, info, desktop}; }
};

} // namespace stationmate
