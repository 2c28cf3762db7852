#include "move.h"

#include <filesystem>
#include <system_error>

namespace stationmate {

bool CanMove(const DeviceNode& node) { return PlanDownload(node).has_value(); }

MoveVerdict AfterMoveCopy(const TransferResult& copied)
{
    const std::string kept(kMoveKeptOnInstrument);
    switch (copied.outcome) {
    case TransferOutcome::Done: {
        std::error_code ec;
        if (std::filesystem::is_regular_file(copied.detail, ec)) return {true, {}};
        return {false, kept + "the copy " + copied.detail + " is not on the PC."};
    }
    case TransferOutcome::Cancelled:
    case TransferOutcome::PortFailed:
        return {false, {}};
    case TransferOutcome::NothingToDo:
        return {false, std::string(kMoveNothingToCopy)};
    case TransferOutcome::NoAnswer:
        return {false, kept + "the instrument stopped answering during the copy (after " + copied.detail +
                           "), and no file was written."};
    case TransferOutcome::WrongReply:
        return {false, kept + "the instrument answered \"" + copied.detail + "\" during the copy, and no file was written."};
    case TransferOutcome::FileFailed:
        return {false, kept + "the copy could not be written (" + copied.detail + ")."};
    }
    return {false, kept};
}

} // namespace stationmate
