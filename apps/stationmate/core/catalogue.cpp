#include "catalogue.h"

#include "outcome_texts.h"

#include "messages.h"
#include "text/text.h"

namespace stationmate {

namespace {

struct Group {
    std::string_view title;
    std::string_view command;
};

constexpr Group kGroups[] = {
    {kCodeListsGroup, kCodeList}, {kJobsGroup, kJobList},     {kFormatsGroup, kFormatList},
    {kRoadHalsGroup, kHalList},   {kRoadValsGroup, kValList},
};


} // namespace

std::vector<std::string> RecordsOf(std::string_view collected)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = collected.find(kLineEnd, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(collected.substr(start));
            break;
        }
        pieces.emplace_back(collected.substr(start, at - start));
        start = at + kLineEnd.size();
    }
    if (pieces.size() < 3) return {};
    pieces.resize(pieces.size() - 2);
    // An empty list is answered with the end marker at once, and the "?" that
    // follows brings it again: that first marker is no record, and showing it
    // would put a node of garbage under every empty group.
    std::erase_if(pieces, [](const std::string& p) { return !p.empty() && p.front() == kEndOfStream; });
    return pieces;
}

std::string RecordField(std::string_view record, std::size_t i)
{
    std::vector<std::string_view> f = harwick::text::splitFields(record, ",");
    return i < f.size() ? std::string(f[i]) : std::string();
}

std::string CodeListTitle(std::string_view r)
{
    return harwick::text::concat({kCodeListPrefix, RecordField(r, 1), kTitleSeparator, RecordField(r, 0), kTitleSeparator,
                   RecordField(r, 2)});
}

std::string JobTitle(std::string_view r)
{
    std::string name = RecordField(r, 0);
    return harwick::text::concat({kJobPrefix, RecordField(r, 1), kTitleSeparator, name.empty() ? kEmptyJobName : name});
}

std::string FixpointsTitle(std::string_view count) { return harwick::text::concat({kFixpointsPrefix, count, kBlocksSuffix}); }

std::string MeasurementsTitle(std::string_view count) { return harwick::text::concat({kMeasurementsPrefix, count, kBlocksSuffix}); }

std::string AlignmentTitle(std::string_view prefix, std::string_view r)
{
    return harwick::text::concat({prefix, RecordField(r, 1), kTitleSeparator, RecordField(r, 0), kTitleSeparator, RecordField(r, 2)});
}

const std::vector<std::string>* CatalogueRecords::group(std::string_view title) const
{
    for (const auto& [name, records] : groups) {
        if (name == title) return &records;
    }
    return nullptr;
}

Catalogue::Catalogue(InstrumentLink& link, Prompter& prompter, WaitIndicator& wait)
    : link_(link), prompter_(prompter), wait_(wait)
{
}

std::optional<std::vector<std::string>> Catalogue::ReadList(std::string_view command, bool reportTimeOut)
{
    std::string collected;
    if (!link_.SendCommand(command, collected)) {
        if (reportTimeOut) prompter_.ShowMessage(kTimeOut);
        return std::nullopt;
    }
    std::string reply;
    do {
        if (!link_.SendCommand(kQuestion, reply)) return std::nullopt;
        if (IsRefusal(reply)) {
            link_.ClosePort();
            prompter_.ShowMessage(ListingStoppedMessage(reply));
            return std::nullopt;
        }
        collected += reply;
    } while (reply.empty() || reply.front() != kEndOfStream);
    return RecordsOf(collected);
}

void Catalogue::insertRecord(DeviceNode& group, std::string_view groupTitle, std::string_view record)
{
    if (groupTitle == kCodeListsGroup) {
        group.AddChild(CodeListTitle(record), kImageLeaf, kImageLeaf);
    } else if (groupTitle == kJobsGroup) {
        DeviceNode& job = group.AddChild(JobTitle(record), kImageFolder, kImageFolderOpen);
        job.AddChild(FixpointsTitle(RecordField(record, 2)), kImageLeaf, kImageLeaf);
        job.AddChild(MeasurementsTitle(RecordField(record, 3)), kImageLeaf, kImageLeaf);
    } else if (groupTitle == kRoadHalsGroup) {
        group.AddChild(AlignmentTitle(kHalPrefix, record), kImageLeaf, kImageLeaf);
    } else if (groupTitle == kRoadValsGroup) {
        group.AddChild(AlignmentTitle(kValPrefix, record), kImageLeaf, kImageLeaf);
    }
    // Formats are read and dropped.
}

bool Catalogue::listGroups(DeviceNode& port)
{
    for (const Group& g : kGroups) {
        DeviceNode& group = port.AddChild(std::string(g.title), kImageFolder, kImageFolderOpen);
        std::optional<std::vector<std::string>> records = ReadList(g.command, g.title == kCodeListsGroup);
        if (!records) return false;
        for (const std::string& r : *records) insertRecord(group, g.title, r);
        records_.groups.emplace_back(g.title, std::move(*records));
    }
    return true;
}

bool Catalogue::ListDevice(DeviceNode& port)
{
    if (!link_.OpenInstrumentPort()) {
        prompter_.ShowMessage(kPortInitialFailed);
        return false;
    }
    if (!link_.ConnectInstrument()) {
        prompter_.ShowMessage(kConnectFailed);
        return false;
    }
    std::optional<std::string> serial = link_.Identify();
    if (!serial) return false;
    records_ = {*serial, {}};
    listedPort_ = &port;
    port.SetTitle(harwick::text::concat({kPortPrefix, std::to_string(link_.PortNumber()), kTitleSeparator, *serial}));
    port.ClearChildren();
    if (!listGroups(port)) return false;
    link_.ClosePort();
    return true;
}

void Catalogue::OnExpanding(DeviceNode& node, bool expanded)
{
    if (expanded || !refreshPending_) return;
    wait_.Show();
    const std::string& title = node.Title();
    if (title.find(kPortPrefix) != std::string::npos) {
        std::string rest = title;
        harwick::text::replaceAll(rest, kPortPrefix, "");
        link_.SetPortNumber(static_cast<int>(harwick::text::readNumber(rest)));
    }
    if (ListDevice(node)) refreshPending_ = false;
    wait_.Hide();
}

bool Catalogue::Update()
{
    if (listedPort_ == nullptr) return false;
    ResetToPlaceholder(*listedPort_);
    refreshPending_ = true;
    return true;
}

} // namespace stationmate
