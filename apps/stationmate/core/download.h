// Copies one object of the instrument into a PC file: a code list, a job's
// fixpoints or measurement data, or a road alignment. Job data saved under a
// ".dat" name becomes KARD lines; everything else is written as received.
#pragma once

#include "device_tree.h"
#include "link.h"
#include "transfer_ui.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace stationmate {

enum class DownloadKind { CodeList, JobData, HorizontalAlignment, VerticalAlignment };

// What the selected node downloads, from its title and its parent's.
struct DownloadPlan {
    DownloadKind kind;
    std::string formatCommand;   // empty: none
    std::string transferCommand;
    std::string defaultName;
    bool offerFormats;
    std::string overwriteCaption;
};
std::optional<DownloadPlan> PlanDownload(const DeviceNode& selected);

// The format list of the download dialog, in its (sorted) order.
inline constexpr std::string_view kFormatChoices[] = {"GSI", "IDEX", "NorvikSurvey KARD(*.DAT)File"};
// A format chosen in the dialog: everything from the first "." of the name is
// replaced by the format's extension.
std::string ApplyFormatChoice(std::string_view fileName, int index);

enum class TransferOutcome {
    Done,
    NothingToDo,   // the node stands for nothing that moves
    Cancelled,     // by the user
    PortFailed,    // could not be opened or woken
    NoAnswer,      // a time-out: detail names the command
    WrongReply,    // a reply the exchange cannot go on with: detail holds it
    FileFailed,    // the file could not be read or written
};

struct TransferResult {
    TransferResult() = default;
    TransferResult(TransferOutcome o, std::string d, std::string f = {}, std::size_t acknowledged = 0)
        : outcome(o), detail(std::move(d)), file(std::move(f)), linesAcknowledged(acknowledged)
    {
    }

    TransferOutcome outcome = TransferOutcome::Done;
    std::string detail; // for the command line: what went wrong, or where the file went
    std::string file;   // the PC file a download writes or an upload reads, once known
    std::size_t linesAcknowledged = 0; // an upload's data lines the instrument took
};

class Downloader {
public:
    Downloader(InstrumentLink& link, Prompter& prompter, TransferDialogs& dialogs, ProgressView& progress);

    // Downloads the selected node into folder (a path ending with "/").
    TransferResult DownloadSelected(const DeviceNode& selected, const std::string& folder);

private:
    // The stream up to its end marker, or why it ended without one.
    struct Pulled {
        std::optional<std::string> data;
        TransferResult stopped;
    };
    Pulled pull(bool endOnFirstByte, bool emptyIsWrong);
    TransferResult write(const std::string& path, std::string data, bool asKard);

    InstrumentLink& link_;
    Prompter& prompter_;
    TransferDialogs& dialogs_;
    Progress progress_;
};

} // namespace stationmate
