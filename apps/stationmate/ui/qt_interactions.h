// The Qt implementations of every interaction the exchange program needs,
// made together, as the program and its picture-taker both use them.
#pragma once

#include "dialogs.h"
#include "station_app.h"

namespace stationmate {

struct QtInteractionSet {
    // Made before the main window, so the dialogs centre on the screen.
    QtPrompter prompter{nullptr};
    QtTransferDialogs dialogs{nullptr};
    QtProgressView progress{nullptr};
    QtWaitIndicator wait{nullptr};
    QtSettingsAsker settings{nullptr};
    QtInfoShower info{nullptr};
    QtDesktop desktop;

    Interactions Get() { return Interactions{prompter, dialogs, progress, wait, settings, info, desktop}; }
};

} // namespace stationmate
