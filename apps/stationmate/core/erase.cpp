#include "language/ui_text.h"
#include "erase.h"

#include "catalogue.h"
#include "messages.h"
#include "text/text.h"

namespace stationmate {

namespace {

constexpr harwick::UiText kAskDelete = "Delete";
constexpr harwick::UiText kReally = "\nReally?";
constexpr harwick::UiText kWarningCaption = "Warning";
constexpr std::string_view kErasedCodeList = "Codelist 1: TPSCodeList: 0";


// The title's text before its first ":", with "Job " removed.
std::string jobNumber(std::string title)
{
    title = title.substr(0, title.find(':'));
    harwick::text::replaceAll(title, kJobPrefix, "");
    return title;
}

// The text between the first and the second blank (the number with its colon).
std::string alignmentToken(const std::string& title)
{
    const std::size_t first = title.find(' ');
    if (first == std::string::npos) return {};
    const std::size_t second = title.find(' ', first + 1);
    return title.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
}

// The title up to its third blank, then " 0".
std::string emptiedAlignment(const std::string& title)
{
    std::size_t at = 0;
    for (int i = 0; i < 3 && at != std::string::npos; ++i) at = title.find(' ', i == 0 ? 0 : at + 1);
    return (at == std::string::npos ? title : title.substr(0, at)) + " 0";
}

} // namespace

std::optional<ErasePlan> PlanErase(const DeviceNode& selected)
{
    const std::string& s = selected.Title();
    const std::string p = selected.Parent() ? selected.Parent()->Title() : std::string();
    if (harwick::text::contains(s, "Job") && !harwick::text::contains(s, "Jobs")) {
        const std::string n = jobNumber(s);
        return ErasePlan{"JOB/ERASE/" + n + "\r\n", true, std::string(kJobPrefix) + n + ": " + std::string(kEmptyJobName)};
    }
    if (harwick::text::contains(p, kCodeListsGroup)) return ErasePlan{"CODE/ERASE/1\r\n", false, std::string(kErasedCodeList)};
    if (harwick::text::contains(p, "Job") && harwick::text::contains(s, "Fixpoints")) {
        return ErasePlan{"JOB/ERASE/COORD/" + jobNumber(p) + "\r\n", false, FixpointsTitle("0")};
    }
    if (harwick::text::contains(p, "Job") && harwick::text::contains(s, "Measurement Data")) {
        return ErasePlan{"JOB/ERASE/OBSERV/" + jobNumber(p) + "\r\n", false, MeasurementsTitle("0")};
    }
    if (harwick::text::contains(p, "Road") && (harwick::text::contains(s, "Hal") || harwick::text::contains(s, "Val"))) {
        const std::string kind = harwick::text::contains(s, "Hal") ? "HAL" : "VAL";
        return ErasePlan{kind + "/ERASE/" + alignmentToken(s) + "\r\n", false, emptiedAlignment(s)};
    }
    return std::nullopt;
}

Eraser::Eraser(InstrumentLink& link, Prompter& prompter, TransferDialogs& dialogs)
    : link_(link), prompter_(prompter), dialogs_(dialogs)
{
}

TransferResult Eraser::DeleteSelected(DeviceNode& selected)
{
    const std::string question = std::string(kAskDelete) + selected.Title() + std::string(kReally);
    if (!dialogs_.AskOkCancel(question, std::string(kWarningCaption))) return {TransferOutcome::Cancelled, {}};
    if (!link_.OpenInstrumentPort()) {
        prompter_.ShowMessage(kInitializeFailure);
        return {TransferOutcome::PortFailed, std::string(kInitializeFailure)};
    }
    if (!link_.ConnectInstrument()) {
        prompter_.ShowMessage(kConnectError);
        return {TransferOutcome::PortFailed, std::string(kConnectError)};
    }
    std::optional<ErasePlan> plan = PlanErase(selected);
    TransferResult result{TransferOutcome::NothingToDo, {}};
    std::string reply;
    if (plan && plan->wholeJob) {
        // Retitled whatever the instrument answers, but not without an
        // answer: then nobody knows whether the job was erased.
        if (!link_.SendCommand(plan->command, reply)) {
            result = {TransferOutcome::NoAnswer, plan->command};
        } else {
            selected.SetTitle(plan->newTitle);
            if (selected.Children().size() >= 2) {
                selected.Children()[0]->SetTitle(FixpointsTitle("0"));
                selected.Children()[1]->SetTitle(MeasurementsTitle("0"));
            }
            result = {TransferOutcome::Done, {}};
        }
    } else if (plan) {
        if (!link_.SendCommand(plan->command, reply)) {
            result = {TransferOutcome::NoAnswer, plan->command};
        } else if (reply == kQuestion) {
            selected.SetTitle(plan->newTitle);
            result = {TransferOutcome::Done, {}};
        } else {
            result = {TransferOutcome::WrongReply, reply};
        }
    }
    link_.ClosePort();
    return result;
}

} // namespace stationmate
