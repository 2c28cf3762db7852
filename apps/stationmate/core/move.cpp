#include "move.h"

#include "outcome_texts.h"

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
        return {false, kept + "The copy " + copied.detail + " is not on the PC."};
    }
    case TransferOutcome::NothingToDo:
        return {false, std::string(kMoveNothingToCopy)};
    default:
        break;
    }
    const std::string why = OutcomeMessage(Operation::Download, copied);
    return {false, why.empty() ? std::string() : kept + why};
}

} // namespace stationmate
