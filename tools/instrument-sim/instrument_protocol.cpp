#include "instrument-sim/instrument_protocol.h"

#include "text/text.h"

#include <array>
#include <optional>

namespace harwick::sim {

namespace {

constexpr std::string_view kPull = "?";
constexpr std::string_view kEndLine = "\x1A";
constexpr std::string_view kListSuffix = "/CONF/LIST";
constexpr std::string_view kNameJobPrefix = "JOB/SET/";
constexpr std::string_view kSerialCommand = "GET//WI13";
constexpr std::string_view kHalUploadHead = "RoadHal,1,";
constexpr std::string_view kValUploadHead = "RoadVal,1,";
// Names an object gets when an upload creates it; the exchange program shows
// the same code-list name after an erase.
constexpr std::string_view kDefaultCodeListName = "TPSCodeList";
constexpr std::string_view kDefaultHalName = "RoadHal";
constexpr std::string_view kDefaultValName = "RoadVal";
constexpr std::size_t kShortSerialWidth = 8, kLongSerialWidth = 16, kMaxNumberDigits = 9;

struct FixedCommand {
    std::string_view command;
    std::string_view reply;
};
constexpr std::array<FixedCommand, 7> kFixedCommands{{
    {"a", reply::kAck},
    {"c", reply::kAck},
    {"CONF/182", reply::kConf182},
    {"CONF/136", reply::kConf136},
    {"CONF/137", reply::kConf137},
    {"FORM/SET/0", reply::kGsiFormat},
    {"FORM/SET/1", reply::kAck},
}};

constexpr std::array<std::string_view, 5> kListGroups{"CODE", "JOB", "FORM", "HAL", "VAL"};

// A decimal number of one to nine digits, optionally followed by ":".
std::optional<int> parseNumber(std::string_view text)
{
    if (text.ends_with(':')) text.remove_suffix(1);
    if (text.empty() || text.size() > kMaxNumberDigits) return std::nullopt;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string withLineEnd(std::string_view line)
{
    std::string out(line);
    out += text::kCrLf;
    return out;
}

std::string record(std::string_view name, int number, std::size_t count)
{
    return std::string(name) + ',' + std::to_string(number) + ',' + std::to_string(count);
}

std::string serialReply(const std::string& serial)
{
    std::string out(reply::kSerialHead);
    const std::size_t width = serial.size() > kShortSerialWidth ? kLongSerialWidth : kShortSerialWidth;
    text::appendRightAligned(out, serial, width, '0');
    out += text::kCrLf;
    return out;
}

AlignmentKind kindOf(bool hal) { return hal ? AlignmentKind::Hal : AlignmentKind::Val; }

} // namespace

struct InstrumentProtocol::Route {
    std::string_view prefix;
    Verb verb;
    Object object;
};

const InstrumentProtocol::Route* InstrumentProtocol::FindRoute(std::string_view command)
{
    // Longer prefixes first: "JOB/ERASE/COORD/" must not be read as "JOB/ERASE/".
    static constexpr std::array<Route, 15> kRoutes{{
        {"CODE/RCV/", Verb::Receive, Object::CodeList},
        {"JOB/RCV/COORDS/", Verb::Receive, Object::Fixpoints},
        {"JOB/RCV/OBSERV/", Verb::Receive, Object::Measurements},
        {"HAL/RCV/", Verb::Receive, Object::Hal},
        {"VAL/RCV/", Verb::Receive, Object::Val},
        {"CODE/SND/", Verb::Send, Object::CodeList},
        {"JOB/SND/COORD/", Verb::Send, Object::Fixpoints},
        {"HAL/SND/", Verb::Send, Object::Hal},
        {"VAL/SND/", Verb::Send, Object::Val},
        {"JOB/ERASE/COORD/", Verb::Erase, Object::Fixpoints},
        {"JOB/ERASE/OBSERV/", Verb::Erase, Object::Measurements},
        {"JOB/ERASE/", Verb::Erase, Object::Job},
        {"CODE/ERASE/", Verb::Erase, Object::CodeList},
        {"HAL/ERASE/", Verb::Erase, Object::Hal},
        {"VAL/ERASE/", Verb::Erase, Object::Val},
    }};
    for (const Route& route : kRoutes) {
        if (command.starts_with(route.prefix)) return &route;
    }
    return nullptr;
}

InstrumentProtocol::InstrumentProtocol(InstrumentStore& store) : store_(store) {}

std::string InstrumentProtocol::Answer(std::string_view commandLine)
{
    lastDownloadRecord_ = 0;
    std::string_view command = commandLine;
    if (command.ends_with(text::kCrLf)) command.remove_suffix(text::kCrLf.size());
    if (uploading_) return TakeUploadLine(command);
    if (command == kPull) return Pull();
    pulling_ = false;
    return Dispatch(command);
}

void InstrumentProtocol::Reset()
{
    pulling_ = false;
    pulled_.clear();
    uploading_ = false;
    uploaded_.clear();
}

std::string InstrumentProtocol::Dispatch(std::string_view command)
{
    if (std::string fixed = FixedReply(command); !fixed.empty()) return fixed;
    if (command.ends_with(kListSuffix)) return OpenList(command.substr(0, command.size() - kListSuffix.size()));
    if (command.starts_with(kNameJobPrefix)) return NameJob(command.substr(kNameJobPrefix.size()));
    const Route* route = FindRoute(command);
    if (!route) return std::string(reply::kUnknown);
    const std::string_view numberText = command.substr(route->prefix.size());
    const std::optional<int> number = parseNumber(numberText);
    if (!number) return std::string(reply::kUnknown);
    switch (route->verb) {
    case Verb::Receive: return Receive(route->object, *number);
    case Verb::Send: return OpenUpload(route->object, *number, numberText.substr(0, numberText.find(':')));
    case Verb::Erase: return Erase(route->object, *number);
    }
    return std::string(reply::kUnknown);
}

std::string InstrumentProtocol::FixedReply(std::string_view command) const
{
    if (command == kSerialCommand) return serialReply(store_.Serial());
    for (const FixedCommand& fixed : kFixedCommands) {
        if (fixed.command == command) return std::string(fixed.reply);
    }
    return {};
}

std::string InstrumentProtocol::OpenList(std::string_view group)
{
    bool known = false;
    for (std::string_view g : kListGroups) known = known || g == group;
    if (!known) return std::string(reply::kUnknown);
    pulled_ = ListRecords(group);
    if (pulled_.empty()) return std::string(reply::kEnd);
    pulling_ = true;
    downloading_ = false;
    nextPulled_ = 1;
    return withLineEnd(pulled_.front());
}

std::vector<std::string> InstrumentProtocol::ListRecords(std::string_view group) const
{
    std::vector<std::string> records;
    if (group == "CODE") {
        for (const CodeList& list : store_.CodeLists()) {
            records.push_back(record(list.name, list.number, list.lines.size()));
        }
    } else if (group == "JOB") {
        for (const Job& job : store_.Jobs()) {
            records.push_back(record(job.name, job.number, job.fixpoints.size()) + ',' +
                              std::to_string(job.measurements.size()));
        }
    } else if (group == "FORM") {
        int number = 0;
        for (const std::string& name : store_.Formats()) records.push_back(name + ',' + std::to_string(++number));
    } else {
        for (const Alignment& a : store_.Alignments(kindOf(group == "HAL"))) {
            records.push_back(record(a.name, a.number, a.lines.size()));
        }
    }
    return records;
}

std::string InstrumentProtocol::Pull()
{
    if (!pulling_ || nextPulled_ >= pulled_.size()) {
        pulling_ = false;
        return std::string(reply::kEnd);
    }
    std::string line = pulled_[nextPulled_++];
    if (downloading_) lastDownloadRecord_ = nextPulled_;
    if (downloading_ && endOnLastLine_ && nextPulled_ == pulled_.size()) {
        line.insert(line.size() / 2, 1, kEndByte);
        pulling_ = false;
    }
    return withLineEnd(line);
}

std::string InstrumentProtocol::NameJob(std::string_view rest)
{
    // The name may hold "/" itself; the number follows the last one.
    const std::size_t slash = rest.rfind('/');
    if (slash == std::string_view::npos) return std::string(reply::kUnknown);
    const std::optional<int> number = parseNumber(rest.substr(slash + 1));
    if (!number || !store_.SetJobName(*number, std::string(rest.substr(0, slash)))) {
        return std::string(reply::kUnknown);
    }
    return std::string(reply::kAck);
}

std::string InstrumentProtocol::Receive(Object object, int number)
{
    pulled_ = ObjectLines(object, number);
    nextPulled_ = 0;
    pulling_ = true;
    downloading_ = true;
    return std::string(reply::kAck);
}

std::vector<std::string> InstrumentProtocol::ObjectLines(Object object, int number) const
{
    switch (object) {
    case Object::CodeList:
        if (auto list = store_.GetCodeList(number)) return std::move(list->lines);
        break;
    case Object::Fixpoints:
        if (auto job = store_.GetJob(number)) return std::move(job->fixpoints);
        break;
    case Object::Measurements:
        if (auto job = store_.GetJob(number)) return std::move(job->measurements);
        break;
    case Object::Hal:
    case Object::Val:
        if (auto a = store_.GetAlignment(kindOf(object == Object::Hal), number)) return std::move(a->lines);
        break;
    case Object::Job: break;
    }
    return {};
}

std::string InstrumentProtocol::OpenUpload(Object object, int number, std::string_view numberText)
{
    uploading_ = true;
    uploadObject_ = object;
    uploadNumber_ = number;
    uploaded_.clear();
    if (object == Object::Hal) return withLineEnd(std::string(kHalUploadHead) + std::string(numberText));
    if (object == Object::Val) return withLineEnd(std::string(kValUploadHead) + std::string(numberText));
    return std::string(reply::kAck);
}

std::string InstrumentProtocol::TakeUploadLine(std::string_view line)
{
    if (line != kEndLine) {
        uploaded_.emplace_back(line);
        return std::string(reply::kAck);
    }
    const bool stored = CommitUpload();
    uploading_ = false;
    uploaded_.clear();
    return std::string(stored ? reply::kAck : reply::kUnknown);
}

bool InstrumentProtocol::CommitUpload()
{
    switch (uploadObject_) {
    case Object::Fixpoints: return store_.SetJobFixpoints(uploadNumber_, uploaded_);
    case Object::CodeList: {
        const auto old = store_.GetCodeList(uploadNumber_);
        return store_.PutCodeList(uploadNumber_, old ? old->name : std::string(kDefaultCodeListName), uploaded_);
    }
    case Object::Hal:
    case Object::Val: {
        const AlignmentKind kind = kindOf(uploadObject_ == Object::Hal);
        const auto old = store_.GetAlignment(kind, uploadNumber_);
        const std::string_view fresh = kind == AlignmentKind::Hal ? kDefaultHalName : kDefaultValName;
        return store_.PutAlignment(kind, uploadNumber_, old ? old->name : std::string(fresh), uploaded_);
    }
    case Object::Job:
    case Object::Measurements: break;
    }
    return false;
}

std::string InstrumentProtocol::Erase(Object object, int number)
{
    // Erasing what is not there changes nothing and is no fault.
    const auto jobMissing = [&] { return !store_.GetJob(number).has_value(); };
    bool done = false;
    switch (object) {
    case Object::Job: done = jobMissing() || store_.EmptyJob(number); break;
    case Object::Fixpoints: done = jobMissing() || store_.SetJobFixpoints(number, {}); break;
    case Object::Measurements: done = jobMissing() || store_.SetJobMeasurements(number, {}); break;
    case Object::CodeList: done = store_.RemoveCodeList(number); break;
    case Object::Hal:
    case Object::Val: done = store_.RemoveAlignment(kindOf(object == Object::Hal), number); break;
    }
    return std::string(done ? reply::kAck : reply::kUnknown);
}

} // namespace harwick::sim
