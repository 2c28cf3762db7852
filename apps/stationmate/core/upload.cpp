#include "upload.h"

#include "fileio/fileio.h"
#include "idex/idex.h"
#include "jobdata/jobdata.h"
#include "messages.h"
#include "text/text.h"

namespace stationmate {

namespace {

constexpr std::string_view kJobFile = "JOBFILE";
constexpr std::string_view kRoadH = "ROADH";
constexpr std::string_view kRoadV = "ROADV";
constexpr std::string_view kCode = "CODE";
constexpr std::string_view kFixpointsFileLabel = "Fixpoints File: ";
constexpr std::string_view kUploadEnd = "\x1A\r\n";



std::string titleOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

UploadKind UploadKindOf(const std::string& title)
{
    const std::string lower = harwick::text::toLower(title);
    if (harwick::text::contains(lower, ".val") || harwick::text::contains(lower, ".hal")) return UploadKind::Alignment;
    if (harwick::text::contains(lower, ".crf")) return UploadKind::CodeList;
    return UploadKind::JobFixpoints;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::string& error)
{
    std::optional<std::string> content = harwick::platform::readWholeFile(path, error);
    if (!content) return std::nullopt;
    return harwick::text::splitLines(*content);
}

std::optional<int> PreselectedJob(const DeviceNode* selected)
{
    if (selected == nullptr) return std::nullopt;
    if (harwick::text::contains(selected->Title(), kFixpointsPrefix) && selected->Parent()) selected = selected->Parent();
    const std::string& title = selected->Title();
    if (!harwick::text::contains(title, kJobPrefix)) return std::nullopt;
    const std::size_t blank = title.find(' ');
    const std::size_t colon = title.find(':');
    if (blank == std::string::npos || colon == std::string::npos || colon < blank) return std::nullopt;
    const int k = static_cast<int>(harwick::text::readNumber(title.substr(blank + 1, colon - blank - 1)));
    return k - 1;
}

Uploader::Uploader(InstrumentLink& link, Prompter& prompter, TransferDialogs& dialogs, ProgressView& progress,
                   Catalogue& catalogue, DeviceTree& tree)
    : link_(link), prompter_(prompter), dialogs_(dialogs), progress_(progress), catalogue_(catalogue), tree_(tree)
{
}

TransferResult Uploader::Upload(const std::string& path, DeviceNode* selected)
{
    const std::string title = titleOf(path);
    TransferResult result;
    switch (UploadKindOf(title)) {
    case UploadKind::Alignment: result = uploadAlignment(path, title, selected); break;
    case UploadKind::CodeList: result = uploadCodeList(path, selected); break;
    case UploadKind::JobFixpoints: result = uploadFixpoints(path, selected); break;
    }
    result.file = path;
    return result;
}

TransferResult Uploader::uploadAlignment(const std::string& path, const std::string& title,
                                         const DeviceNode* selected)
{
    std::string error;
    std::optional<std::vector<std::string>> lines = ReadLines(path, error);
    if (!lines) return {TransferOutcome::FileFailed, error};
    const bool vertical = harwick::text::contains(harwick::text::toLower(title), ".val");
    return UploadLines(*lines, "0", "", std::string(vertical ? kRoadV : kRoadH), nullptr, "", selected);
}

TransferResult Uploader::uploadCodeList(const std::string& path, const DeviceNode* selected)
{
    std::string error;
    std::optional<std::vector<std::string>> lines = ReadLines(path, error);
    if (!lines) return {TransferOutcome::FileFailed, error};
    std::vector<std::string> converted;
    const bool idex = harwick::idex::ConvertCodeList(*lines, converted, harwick::text::localNow());
    return UploadLines(idex ? converted : *lines, "1", "", std::string(kCode), nullptr, "", selected);
}

TransferResult Uploader::uploadFixpoints(const std::string& path, DeviceNode* selected)
{
    DeviceNode* listed = catalogue_.ListedPortNode();
    if (listed == nullptr) return {TransferOutcome::NothingToDo, "no instrument has been listed"};
    DeviceNode* jobs = nullptr;
    for (const auto& c : listed->Children()) {
        if (c->Title() == kJobsGroup) {
            jobs = c.get();
            break;
        }
    }
    if (jobs == nullptr) return {TransferOutcome::NothingToDo, "the instrument has no jobs"};
    UploadQuestion question{harwick::text::concat({kFixpointsFileLabel, path}), {}, PreselectedJob(selected)};
    for (const auto& j : jobs->Children()) question.jobs.push_back(j->Title());
    std::optional<UploadAnswer> answer = dialogs_.AskUploadJob(question);
    if (!answer) return {TransferOutcome::Cancelled, {}};

    std::string error;
    std::optional<std::vector<std::string>> lines = ReadLines(path, error);
    if (!lines) return {TransferOutcome::FileFailed, error};
    if (harwick::text::contains(harwick::text::toLower(path), ".dat")) {
        for (std::string& line : *lines) line = harwick::jobdata::KardLineToGsi16(line);
    }
    const std::string number = std::to_string(answer->position + 1);
    DeviceNode* node = tree_.FindByTitle(answer->title);
    std::string jobName;
    if (harwick::text::contains(answer->title, kEmptyJobName)) {
        std::optional<std::string> name = dialogs_.AskNewName();
        if (!name) return {TransferOutcome::Cancelled, {}};
        jobName = *name;
        if (node != nullptr && harwick::text::contains(node->Title(), kJobPrefix)) {
            std::string renamed = node->Title();
            harwick::text::replaceAll(renamed, kEmptyJobName, jobName);
            node->SetTitle(std::move(renamed));
        }
    }
    return UploadLines(*lines, number, jobName, std::string(kJobFile), node, "", selected);
}

std::optional<TransferResult> Uploader::openObject(const std::string& type, const std::string& number,
                                                   const std::string& jobName)
{
    std::string reply;
    auto send = [&](const std::string& command) { return link_.SendCommand(command, reply); };
    auto silent = [](const std::string& command) { return TransferResult{TransferOutcome::NoAnswer, command}; };
    if (type == kJobFile) {
        for (const std::string& c : {jobName.empty() ? std::string() : harwick::text::concat({"JOB/SET/", jobName, "/", number, kLineEnd}),
                                     std::string("FORM/SET/0\r\n"), harwick::text::concat({"JOB/SND/COORD/", number, kLineEnd})}) {
            if (!c.empty() && !send(c)) return silent(c);
        }
        return std::nullopt;
    }
    if (type == kRoadH || type == kRoadV) {
        const bool h = type == kRoadH;
        const std::string command = harwick::text::concat({h ? "HAL/SND/" : "VAL/SND/", number, kLineEnd});
        if (!send(command)) return silent(command);
        if (reply != harwick::text::concat({h ? "RoadHal,1," : "RoadVal,1,", number, kLineEnd})) {
            return TransferResult{TransferOutcome::WrongReply, reply};
        }
        return std::nullopt;
    }
    if (type == kCode) {
        for (const char* c : {"FORM/SET/1\r\n", "CODE/SND/1\r\n"}) {
            if (!send(c)) return silent(c);
        }
        return std::nullopt;
    }
    return TransferResult{TransferOutcome::NothingToDo, type};
}

void Uploader::retitleAfter(const std::string& type, const std::vector<std::string>& lines, DeviceNode* node)
{
    if (type == kJobFile && node != nullptr) {
        if (harwick::text::contains(node->Title(), kJobPrefix) && !node->Children().empty()) node = node->Children().front().get();
        if (!harwick::text::contains(node->Title(), kFixpointsPrefix)) return;
        std::size_t blocks = 0;
        for (const std::string& l : lines) {
            if (l.rfind("11", 0) == 0 || l.rfind("*11", 0) == 0) ++blocks;
        }
        node->SetTitle(FixpointsTitle(std::to_string(blocks)));
        return;
    }
    if (type != kCode) return;
    std::optional<std::vector<std::string>> records = catalogue_.ReadList(kCodeList, true);
    DeviceNode* listed = catalogue_.ListedPortNode();
    if (!records || listed == nullptr) return;
    for (const auto& group : listed->Children()) {
        if (group->Title() != kCodeListsGroup || group->Children().empty()) continue;
        for (const std::string& r : *records) group->Children().front()->SetTitle(CodeListTitle(r));
    }
}

TransferResult Uploader::UploadLines(const std::vector<std::string>& lines, const std::string& number,
                                     const std::string& jobName, const std::string& objectType, DeviceNode* node,
                                     const std::string& source, const DeviceNode* selected)
{
    const std::string destination = selected ? selected->TreePath() : std::string();
    const std::string fileType = selected && selected->Parent() ? selected->Parent()->Title() : std::string();
    if (!link_.OpenInstrumentPort()) {
        prompter_.ShowMessage(kPortInitializeFailed);
        return {TransferOutcome::PortFailed, std::string(kPortInitializeFailed)};
    }
    if (!link_.ConnectInstrument()) {
        prompter_.ShowMessage(kConnectError);
        return {TransferOutcome::PortFailed, std::string(kConnectError)};
    }
    auto endWith = [&](TransferResult r) {
        progress_.Close();
        link_.ClosePort();
        return r;
    };
    if (std::optional<TransferResult> refused = openObject(objectType, number, jobName)) return endWith(*refused);
    progress_.Open(fileType, source, destination);
    // The blocks as they go on the wire, so that a progress view knows the
    // whole before the first goes.
    std::vector<std::string> blocks;
    std::size_t bytes = 0;
    for (const std::string& line : lines) {
        std::string sent = line;
        harwick::text::removeChars(sent, "\r\n");
        if (sent.empty()) continue;
        sent += kLineEnd;
        bytes += sent.size();
        blocks.push_back(std::move(sent));
    }
    progress_.Expect(blocks.size(), bytes);
    std::string reply;
    // How far the instrument got is part of every result: a stopped upload
    // leaves part of the object on the instrument.
    std::size_t acknowledged = 0;
    auto stopped = [&](TransferOutcome outcome, std::string detail) {
        return endWith({outcome, std::move(detail), {}, acknowledged});
    };
    for (const std::string& sent : blocks) {
        progress_.Step(sent.size());
        if (!link_.SendCommand(sent, reply)) return stopped(TransferOutcome::NoAnswer, sent);
        if (reply != kQuestion) return stopped(TransferOutcome::WrongReply, reply);
        ++acknowledged;
    }
    if (!link_.SendCommand(kUploadEnd, reply)) return stopped(TransferOutcome::NoAnswer, std::string(kUploadEnd));
    progress_.Close();
    retitleAfter(objectType, lines, node);
    return stopped(TransferOutcome::Done, {});
}

} // namespace stationmate
