// Sends one PC file into the instrument: fixpoints into a job (GSI, or KARD
// lines turned into GSI-16 blocks), a code list (turned into IDEX 1.31 when it
// is a VERSION 1.20 list), or a road alignment (.hal, .val) as it is.
#pragma once

#include "catalogue.h"
#include "device_tree.h"
#include "download.h"
#include "link.h"
#include "transfer_ui.h"

#include <string>
#include <vector>

namespace stationmate {

// How the file's kind is told from its title (lower-cased).
enum class UploadKind { Alignment, CodeList, JobFixpoints };
UploadKind UploadKindOf(const std::string& title);

// The text lines of a file; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::string& error);

// The job whose number is k is offered at list position k - 1 when the
// selected node is that job or its "Fixpoints" node.
std::optional<int> PreselectedJob(const DeviceNode* selected);

class Uploader {
public:
    Uploader(InstrumentLink& link, Prompter& prompter, TransferDialogs& dialogs, ProgressView& progress,
             Catalogue& catalogue, DeviceTree& tree);

    // Sends the PC file at path (its title is its name). selected is the
    // device tree's selected node, or null.
    TransferResult Upload(const std::string& path, DeviceNode* selected);

    // Sends the lines into the opened object; the common end of every upload.
    TransferResult UploadLines(const std::vector<std::string>& lines, const std::string& number,
                               const std::string& jobName, const std::string& objectType, DeviceNode* node,
                               const std::string& source, const DeviceNode* selected);

private:
    TransferResult uploadAlignment(const std::string& path, const std::string& title, const DeviceNode* selected);
    TransferResult uploadCodeList(const std::string& path, const DeviceNode* selected);
    TransferResult uploadFixpoints(const std::string& path, DeviceNode* selected);
    // Nothing when the object is open; otherwise why not.
    std::optional<TransferResult> openObject(const std::string& type, const std::string& number,
                                             const std::string& jobName);
    void retitleAfter(const std::string& type, const std::vector<std::string>& lines, DeviceNode* node);

    InstrumentLink& link_;
    Prompter& prompter_;
    TransferDialogs& dialogs_;
    Progress progress_;
    Catalogue& catalogue_;
    DeviceTree& tree_;
};

} // namespace stationmate
