#include "outcome_texts.h"

#include "language/ui_text.h"
#include "text/text.h"

namespace stationmate {

namespace {

using harwick::Filled;
using harwick::UiText;

constexpr UiText kNoAnswer = "The instrument stopped answering (no reply to %1).";
constexpr UiText kUnexpectedReply = "The instrument answered %1, which was not expected.";
constexpr UiText kNoFileWritten = " No file was written.";
constexpr UiText kFileNotWritten =
    " %1 was not written; a file already there keeps its old content. The data is still on the instrument.";
constexpr UiText kNothingSent = " Nothing was sent to the instrument.";
constexpr UiText kPartlyUploadedLine =
    " The instrument acknowledged %1 line of %2 before the upload stopped, so it may hold part of the data: "
    "upload the file again.";
constexpr UiText kPartlyUploadedLines =
    " The instrument acknowledged %1 lines of %2 before the upload stopped, so it may hold part of the data: "
    "upload the file again.";
constexpr UiText kListingStopped =
    "The instrument answered %1 while it was being listed, so the listing was stopped. Update to list it again.";
constexpr UiText kNothingDone = "Nothing was done: %1.";
constexpr UiText kEraseUnknown =
    " Whether it erased anything is not known; the list still shows the object as it was. "
    "List the instrument again to see.";
constexpr UiText kListUnchanged = " The list still shows the object as it was.";

// A command or reply as the user reads it: without its line end.
std::string Shown(std::string text)
{
    harwick::text::removeChars(text, "\r\n");
    return "'" + text + "'";
}

std::string WhatHappened(const TransferResult& r)
{
    if (r.outcome == TransferOutcome::NoAnswer) return Filled(kNoAnswer, {Shown(r.detail)});
    if (r.outcome == TransferOutcome::WrongReply) return Filled(kUnexpectedReply, {Shown(r.detail)});
    return r.detail + ".";
}

std::string DownloadState(const TransferResult& r)
{
    if (r.file.empty()) return std::string(kNoFileWritten);
    return Filled(kFileNotWritten, {r.file});
}

std::string UploadState(const TransferResult& r)
{
    if (r.outcome == TransferOutcome::FileFailed) return std::string(kNothingSent);
    return Filled(r.linesAcknowledged == 1 ? kPartlyUploadedLine : kPartlyUploadedLines,
                  {std::to_string(r.linesAcknowledged), r.file});
}

} // namespace

std::string ListingStoppedMessage(std::string_view reply)
{
    return Filled(kListingStopped, {Shown(std::string(reply))});
}

std::string OutcomeMessage(Operation operation, const TransferResult& result)
{
    switch (result.outcome) {
    case TransferOutcome::Done:
    case TransferOutcome::Cancelled:
    case TransferOutcome::PortFailed:
        return {};
    case TransferOutcome::NothingToDo:
        return result.detail.empty() ? std::string() : Filled(kNothingDone, {result.detail});
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
            return WhatHappened(result) + std::string(kEraseUnknown);
        }
        return WhatHappened(result) + std::string(kListUnchanged);
    }
    return {};
}

} // namespace stationmate
