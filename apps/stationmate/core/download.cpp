#include "language/ui_text.h"
#include "download.h"

#include "catalogue.h"
#include "fileio/fileio.h"
#include "jobdata/jobdata.h"
#include "messages.h"
#include "text/text.h"

#include <algorithm>
#include <filesystem>

namespace stationmate {

namespace {

constexpr harwick::UiText kFileExists = "The file has been existed,cover it?";
constexpr harwick::UiText kWrong = "Wrong";
constexpr std::string_view kCodeListSource = "TPSCodeList1";
constexpr std::string_view kKardExtension = ".dat";
constexpr std::string_view kFormatExtensions[] = {".gsi", ".idx", ".dat"};

// prefix removed from title, then the text before the first ":".
std::string numberIn(std::string title, std::string_view prefix)
{
    harwick::text::replaceAll(title, prefix, "");
    return title.substr(0, title.find(':'));
}



std::string withLineEnd(std::string_view command, std::string_view n)
{
    return std::string(command) + std::string(n) + std::string(kLineEnd);
}

} // namespace

std::optional<DownloadPlan> PlanDownload(const DeviceNode& selected)
{
    const DeviceNode* parent = selected.Parent();
    if (parent == nullptr) return std::nullopt;
    const std::string& s = selected.Title();
    const std::string& p = parent->Title();
    if (harwick::text::startsWith(p, kCodeListsGroup)) {
        return DownloadPlan{DownloadKind::CodeList, "FORM/SET/1\r\n", withLineEnd("CODE/RCV/", numberIn(s, kCodeListPrefix)),
                            "TPSCodeL.crf", false, "Worn"};
    }
    if (harwick::text::startsWith(p, kJobPrefix)) {
        const std::string n = numberIn(p, kJobPrefix);
        std::string command;
        if (harwick::text::contains(s, "Fixpoints")) command = withLineEnd("JOB/RCV/COORDS/", n);
        else if (harwick::text::contains(s, "Measurement Data")) command = withLineEnd("JOB/RCV/OBSERV/", n);
        else return std::nullopt;
        const std::size_t named = p.find(kTitleSeparator);
        std::string job = named == std::string::npos ? std::string() : p.substr(named + kTitleSeparator.size());
        return DownloadPlan{DownloadKind::JobData, "FORM/SET/0\r\n", command, job + ".gsi", true, "warning"};
    }
    if (harwick::text::startsWith(p, kRoadHalsGroup)) {
        return DownloadPlan{DownloadKind::HorizontalAlignment, "", withLineEnd("HAL/RCV/", numberIn(s, kHalPrefix)),
                            "RoadHal.hal", false, "warning"};
    }
    if (harwick::text::startsWith(p, kRoadValsGroup)) {
        return DownloadPlan{DownloadKind::VerticalAlignment, "", withLineEnd("VAL/RCV/", numberIn(s, kValPrefix)),
                            "RoadVal.val", false, "Warning"};
    }
    return std::nullopt;
}

std::string ApplyFormatChoice(std::string_view fileName, int index)
{
    const std::size_t dot = fileName.find('.');
    const std::string_view stem = dot == std::string_view::npos ? std::string_view{} : fileName.substr(0, dot);
    const std::size_t which = index == 0 ? 0 : index == 1 ? 1 : 2;
    return std::string(stem) + std::string(kFormatExtensions[which]);
}

Downloader::Downloader(InstrumentLink& link, Prompter& prompter, TransferDialogs& dialogs, ProgressView& progress)
    : link_(link), prompter_(prompter), dialogs_(dialogs), progress_(progress)
{
}

Downloader::Pulled Downloader::pull(bool endOnFirstByte, bool emptyIsWrong)
{
    std::string data;
    std::string reply;
    for (;;) {
        if (!link_.SendCommand(kQuestion, reply)) return {std::nullopt, {TransferOutcome::NoAnswer, std::string(kQuestion)}};
        if (progress_.CancelRequested()) return {std::nullopt, {TransferOutcome::Cancelled, {}}};
        if (IsRefusal(reply)) return {std::nullopt, {TransferOutcome::WrongReply, reply}};
        if (emptyIsWrong && reply.empty()) prompter_.ShowMessage(kWrong);
        progress_.Step(reply.size());
        data += reply;
        const bool end = endOnFirstByte ? (!reply.empty() && reply.front() == kEndOfStream)
                                        : reply.find(kEndOfStream) != std::string::npos;
        if (end) return {std::move(data), {}};
    }
}

TransferResult Downloader::write(const std::string& path, std::string data, bool asKard)
{
    std::erase(data, kEndOfStream);
    // The instrument's CR LF line ends are kept as they came (not doubled),
    // and a file is replaced whole or not at all.
    const std::string content = asKard ? harwick::jobdata::KardFromJobData(data) : data;
    std::string error;
    if (!harwick::platform::replaceFileAtomically(path, content, error)) {
        return {TransferOutcome::FileFailed, error};
    }
    // Read back: a Move erases on the instrument after this, so Done must
    // mean the file on disk holds every byte received.
    const std::optional<std::string> written = harwick::platform::readWholeFile(path, error);
    if (!written || *written != content) {
        return {TransferOutcome::FileFailed, written ? path + ": the file on disk differs from what was received" : error};
    }
    return {TransferOutcome::Done, path};
}

TransferResult Downloader::DownloadSelected(const DeviceNode& selected, const std::string& folder)
{
    if (!link_.OpenInstrumentPort()) {
        prompter_.ShowMessage(kPortInitalFailed);
        return {TransferOutcome::PortFailed, std::string(kPortInitalFailed)};
    }
    if (!link_.ConnectInstrument()) {
        prompter_.ShowMessage(kConnectError);
        return {TransferOutcome::PortFailed, std::string(kConnectError)};
    }
    std::optional<DownloadPlan> plan = PlanDownload(selected);
    auto endWith = [&](TransferResult r) {
        progress_.Close();
        link_.ClosePort();
        return r;
    };
    if (!plan) return endWith({TransferOutcome::NothingToDo, {}});
    std::optional<std::string> name =
        dialogs_.AskDownloadFileName({selected.TreePath(), folder, plan->defaultName, plan->offerFormats});
    if (!name) return endWith({TransferOutcome::Cancelled, {}});
    const std::string path = folder + *name;
    // From here on every result names the file, so a failure can say which
    // file was not written.
    auto endWithFile = [&](TransferResult r) {
        r.file = path;
        return endWith(std::move(r));
    };
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !dialogs_.AskOkCancel(std::string(kFileExists), plan->overwriteCaption)) {
        return endWithFile({TransferOutcome::Cancelled, {}});
    }

    const std::string fileType = selected.Parent()->Title();
    const bool job = plan->kind == DownloadKind::JobData;
    const bool codeList = plan->kind == DownloadKind::CodeList;
    std::string reply;
    if (job) {
        progress_.Open(fileType, "", folder);
        if (!link_.SendCommand(plan->formatCommand, reply)) return endWithFile({TransferOutcome::NoAnswer, plan->formatCommand});
        if (reply != "GSI,0,1,3\r\n") return endWithFile({TransferOutcome::WrongReply, reply});
    } else if (codeList && !link_.SendCommand(plan->formatCommand, reply)) {
        return endWithFile({TransferOutcome::NoAnswer, plan->formatCommand});
    }
    if (!link_.SendCommand(plan->transferCommand, reply)) return endWithFile({TransferOutcome::NoAnswer, plan->transferCommand});
    if (codeList) progress_.Open(fileType, std::string(kCodeListSource), path);
    else if (!job) progress_.Open(fileType, "", folder);

    Pulled pulled = pull(!job, job);
    if (!pulled.data) return endWithFile(std::move(pulled.stopped));
    progress_.Close();
    const bool asKard = job && harwick::text::toLower(*name).find(kKardExtension) != std::string::npos;
    TransferResult result = write(path, std::move(*pulled.data), asKard);
    link_.SendCommand(kQuestion, reply); // the instrument's last word is not examined
    return endWithFile(result);
}

} // namespace stationmate
