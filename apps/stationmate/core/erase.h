// Erases one object on the instrument: a whole job, a job's fixpoints or
// measurement data, the code list, or a road alignment. The node stays and is
// retitled to show the object empty.
#pragma once

#include "device_tree.h"
#include "download.h"
#include "link.h"
#include "transfer_ui.h"

#include <optional>
#include <string>

namespace stationmate {

// The erase command for the node and the titles it gets afterwards.
struct ErasePlan {
    std::string command;
    bool wholeJob = false;   // retitled whatever the instrument answers
    std::string newTitle;    // for the node itself
};
std::optional<ErasePlan> PlanErase(const DeviceNode& selected);

class Eraser {
public:
    Eraser(InstrumentLink& link, Prompter& prompter, TransferDialogs& dialogs);
    TransferResult DeleteSelected(DeviceNode& selected);

private:
    InstrumentLink& link_;
    Prompter& prompter_;
    TransferDialogs& dialogs_;
};

} // namespace stationmate
