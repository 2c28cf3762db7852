#include "outcome_texts.h"

#include "text/text.h"

namespace stationmate {

namespace {

// A command or reply as the user reads it: without its line end.
std::string Shown(std::string text)
{
    harwick::text::removeChars(text, "\r\n");
    return "'" + text + "'";
}

std::string WhatHappened(const TransferResult& r)
{
    if (r.outcome == TransferOutcome::NoAnswer) return "The instrument stopped answering (no reply to " + Shown(r.detail) + ").";
    if (r.outcome == TransferOutcome::WrongReply) return "The instrument answered " + Shown(r.detail) + ", which was not expected.";
    return r.detail + ".";
}

std::string DownloadState(const TransferResult& r)
{
    if (r.file.empty()) return " No file was written.";
    return " " + r.file + " was not written; a file already there keeps its old content. The data is still on the instrument.";
}

std::string UploadState(const TransferResult& r)
{
    if (r.outcome == TransferOutcome::FileFailed) return " Nothing was sent to the instrument.";
    const std::string lines = std::to_string(r.linesAcknowledged) + (r.linesAcknowledged == 1 ? " line" : " lines");
    return " The instrument acknowledged " + lines + " of " + r.file +
           " before the upload stopped, so it may hold part of the data: upload the file again.";
}

} // namespace

std::string ListingStoppedMessage(std::string_view reply)
{
    return "The instrument answered " + Shown(std::string(reply)) +
           " while it was being listed, so the listing was stopped. Update to list it again.";
}

std::string OutcomeMessage(Operation operation, const TransferResult& result)
{
    switch (result.outcome) {
    case TransferOutcome::Done:
    case TransferOutcome::Cancelled:
    case TransferOutcome::PortFailed:
        return {};
    case TransferOutcome::NothingToDo:
        return result.detail.empty() ? std::string() : "Nothing was done: " + result.detail + ".";
    case TransferOutcome::NoAnswer:
    case TransferOutcome::WrongReply:
    case TransferOutcome::FileFailed:
        break;
    }
    switch (operation) {
    case Operation::Download: return WhatHappened(result) + DownloadState(result);
    case Operation::Upload: return WhatHappened(result) + UploadState(result);
    case Operation::Erase:
        if (result.outcome == TransferOutcome::NoAnswer) {
            return WhatHappened(result) +
                   " Whether it erased anything is not known; the list still shows the object as it was. "
                   "List the instrument again to see.";
        }
        return WhatHappened(result) + " The list still shows the object as it was.";
    }
    return {};
}

} // namespace stationmate
