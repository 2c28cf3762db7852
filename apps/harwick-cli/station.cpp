#include "station.h"

#include "catalogue.h"
#include "command_line.h"
#include "json_out.h"
#include "download.h"
#include "erase.h"
#include "messages.h"
#include "qt_serial_port.h"
#include "comports/comports.h"
#include "text/text.h"
#include "traffic.h"
#include "upload.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <variant>

namespace harwick::cli {

namespace {

using namespace stationmate;

constexpr std::string_view kCommand = "harwick station: ";
constexpr std::string_view kCommandName = "station";
constexpr harwick::UiText kBlocksUnit = "blocks";

constexpr harwick::UiText kSayWhichJob = "say which job receives the fixpoints with --job N";
constexpr harwick::UiText kNoSuchJob = "the instrument has no job %1";
constexpr harwick::UiText kJobIsEmpty = "job %1 is empty: give it a name with --name";
constexpr harwick::UiText kDoesNotAnswer = "%1: the instrument does not answer";
constexpr harwick::UiText kDidNotAnswer = "%1: the instrument did not answer '%2'";
constexpr harwick::UiText kUnexpectedReply = "%1: unexpected reply '%2'";
constexpr harwick::UiText kNothingToDo = "nothing to do";
constexpr harwick::UiText kStoppedAnswering = "%1: the instrument stopped answering";
constexpr harwick::UiText kUnexpectedIdentification = "unexpected identification reply '%1'";
constexpr harwick::UiText kDownloadedTo = "downloaded to %1";
constexpr harwick::UiText kUploaded = "uploaded %1";
constexpr harwick::UiText kErased = "erased";
constexpr harwick::UiText kNameDownloadObject =
    "name the object to download as: job N fixpoints|job N measurements|codelist N|hal N|val N";
constexpr harwick::UiText kNameEraseObject =
    "name the object to erase as: job N [fixpoints|measurements]|codelist|hal N|val N";
constexpr harwick::UiText kAddYes = "erasing cannot be undone: add --yes";
constexpr harwick::UiText kNoStationCommand = "no station command given (list, download, upload or erase)";
constexpr harwick::UiText kTakesPositive = "%1 takes a positive whole number, not '%2'";
constexpr harwick::UiText kUnknownStationCommand = "unknown station command '%1'";
constexpr harwick::UiText kNamePort = "name the port, for example COM1";
constexpr harwick::UiText kNotPortName = "'%1' is not a port name (COM1 ... COM256)";
constexpr harwick::UiText kListTakes = "list takes only the PORT";
constexpr harwick::UiText kDownloadTakes = "download takes the PORT, an OBJECT and a FILE";
constexpr harwick::UiText kUploadTakes = "upload takes the PORT and one FILE";
constexpr harwick::UiText kEraseTakes = "erase takes the PORT and an OBJECT";

// Collects what the engine would show in message boxes.
class CollectingPrompter : public Prompter {
public:
    std::vector<std::string> messages;
    void ShowMessage(std::string_view text, std::string_view) override { messages.emplace_back(text); }
};

class NoWait : public WaitIndicator {
public:
    void Show() override {}
    void Hide() override {}
};

// Counts what the engine moves, for the progress line on its own thread.
class CountingProgress : public ProgressView {
public:
    void Open(const std::string&, const std::string&, const std::string&) override {}
    void Show(const std::string&, double, double) override {}
    void Close() override {}
    void Counted(std::size_t blocks, std::size_t bytes) override
    {
        blocks_ = blocks;
        bytes_ = bytes;
    }
    void Expected(std::size_t blocks, std::size_t bytes) override
    {
        totalBlocks_ = static_cast<long long>(blocks);
        totalBytes_ = static_cast<long long>(bytes);
    }
    void ExpectBlocks(std::size_t blocks) { totalBlocks_ = static_cast<long long>(blocks); }

    ProgressCounts Sample() const
    {
        ProgressCounts counts{blocks_, bytes_, std::nullopt, std::nullopt};
        if (const long long total = totalBlocks_; total >= 0) {
            // The reply that ends a download counts as a step but is no block.
            counts.totalUnits = static_cast<std::size_t>(total);
            counts.units = std::min(counts.units, *counts.totalUnits);
        }
        if (const long long total = totalBytes_; total >= 0) counts.totalBytes = static_cast<std::size_t>(total);
        return counts;
    }

private:
    std::atomic<std::size_t> blocks_{0};
    std::atomic<std::size_t> bytes_{0};
    std::atomic<long long> totalBlocks_{-1}; // -1: not known
    std::atomic<long long> totalBytes_{-1};
};

// The dialogs answered from the command line.
class ArgumentDialogs : public TransferDialogs {
public:
    std::string fileName;
    std::optional<int> job;
    std::optional<std::string> newName;
    std::string problem; // why an answer could not be given

    std::optional<std::string> AskDownloadFileName(const DownloadQuestion&) override { return fileName; }
    bool AskOkCancel(const std::string&, const std::string&) override { return true; }
    std::optional<UploadAnswer> AskUploadJob(const UploadQuestion& q) override
    {
        if (!job) {
            problem = kSayWhichJob;
            return std::nullopt;
        }
        const int position = *job - 1;
        if (position < 0 || position >= static_cast<int>(q.jobs.size())) {
            problem = Filled(kNoSuchJob, {std::to_string(*job)});
            return std::nullopt;
        }
        return UploadAnswer{position, q.jobs[static_cast<std::size_t>(position)]};
    }
    std::optional<std::string> AskNewName() override
    {
        if (!newName) problem = Filled(kJobIsEmpty, {std::to_string(*job)});
        return newName;
    }
};

struct Request {
    std::string verb;
    std::vector<std::string> words;
    std::optional<int> job;
    std::optional<std::string> name;
    bool yes = false;
    std::chrono::milliseconds timeout = InstrumentLink::kReplyTimeout;
    std::optional<std::string> log;
    bool quiet = false;
    bool json = false;
};

// A device tree holding just the node that stands for the object named on
// the command line, titled as a listing would title it.
struct ObjectNode {
    DeviceTree tree;
    DeviceNode* node = nullptr;
};

std::optional<ObjectNode> objectNode(const std::vector<std::string>& w, int port, bool erasing)
{
    ObjectNode o;
    DeviceNode& com = o.tree.AddPort(port);
    com.ClearChildren();
    auto group = [&](std::string_view title) -> DeviceNode& { return com.AddChild(std::string(title), kImageFolder, kImageFolderOpen); };
    if (w.size() >= 2 && w[0] == "job") {
        DeviceNode& job = group(kJobsGroup).AddChild(std::string(kJobPrefix) + w[1] + ": ", kImageFolder, kImageFolderOpen);
        DeviceNode& fix = job.AddChild(FixpointsTitle("0"), kImageLeaf, kImageLeaf);
        DeviceNode& obs = job.AddChild(MeasurementsTitle("0"), kImageLeaf, kImageLeaf);
        if (w.size() == 3 && w[2] == "fixpoints") o.node = &fix;
        else if (w.size() == 3 && w[2] == "measurements") o.node = &obs;
        else if (w.size() == 2 && erasing) o.node = &job;
    } else if (w.size() >= 1 && w[0] == "codelist" && (w.size() == 2 || (erasing && w.size() == 1))) {
        const std::string n = w.size() == 2 ? w[1] : "1";
        o.node = &group(kCodeListsGroup).AddChild(std::string(kCodeListPrefix) + n + ": : ", kImageLeaf, kImageLeaf);
    } else if (w.size() == 2 && (w[0] == "hal" || w[0] == "val")) {
        const bool hal = w[0] == "hal";
        o.node = &group(hal ? kRoadHalsGroup : kRoadValsGroup)
                      .AddChild(std::string(hal ? kHalPrefix : kValPrefix) + w[1] + ": : ", kImageLeaf, kImageLeaf);
    }
    if (o.node == nullptr) return std::nullopt;
    return o;
}

void printTree(const DeviceNode& node, int depth, std::ostream& out)
{
    std::string title = node.Title();
    text::removeChars(title, "\r\n");
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << title << '\n';
    for (const auto& c : node.Children()) printTree(*c, depth + 1, out);
}

// The one line that says why an operation failed.
std::string whyFailed(const TransferResult& r, const CollectingPrompter& p, const std::string& port)
{
    if (!p.messages.empty() && r.outcome == TransferOutcome::PortFailed && p.messages.size() >= 2) {
        return p.messages.front();
    }
    switch (r.outcome) {
    case TransferOutcome::PortFailed: return Filled(kDoesNotAnswer, {port});
    case TransferOutcome::NoAnswer: {
        std::string command = r.detail;
        text::removeChars(command, "\r\n");
        return Filled(kDidNotAnswer, {port, command});
    }
    case TransferOutcome::WrongReply: {
        std::string reply = r.detail;
        text::removeChars(reply, "\r\n");
        return Filled(kUnexpectedReply, {port, reply});
    }
    case TransferOutcome::FileFailed: return r.detail;
    case TransferOutcome::NothingToDo: return r.detail.empty() ? std::string(kNothingToDo) : r.detail;
    case TransferOutcome::Cancelled: return r.detail;
    case TransferOutcome::Done: break;
    }
    return {};
}

// The catalogue as one JSON document: what `list` shows, for scripts.
std::string catalogueJson(const std::string& port, const CatalogueRecords& records)
{
    JsonOut json;
    json.beginObject();
    json.key("port").string(port);
    if (const std::optional<std::string> device = harwick::platform::DevicePathForPort(port)) {
        json.key("device").string(*device);
    }
    std::string serial = records.serial;
    harwick::text::removeChars(serial, "\r\n");
    json.key("serial").string(serial);
    // name (f0), number (f1) and, where the object has one, its count (f2).
    const auto items = [&](std::string_view member, std::string_view group, bool counted) {
        json.key(member).beginArray();
        if (const std::vector<std::string>* list = records.group(group)) {
            for (const std::string& record : *list) {
                json.beginObject();
                json.key("number").digits(RecordField(record, 1));
                json.key("name").string(RecordField(record, 0));
                if (counted) json.key("count").digits(RecordField(record, 2));
                json.endObject();
            }
        }
        json.endArray();
    };
    items("codeLists", kCodeListsGroup, true);
    json.key("jobs").beginArray();
    if (const std::vector<std::string>* jobs = records.group(kJobsGroup)) {
        for (const std::string& record : *jobs) {
            json.beginObject();
            json.key("number").digits(RecordField(record, 1));
            json.key("name").string(RecordField(record, 0));
            json.key("parts").beginObject();
            json.key("fixpoints").beginObject().key("blocks").digits(RecordField(record, 2)).endObject();
            json.key("measurements").beginObject().key("blocks").digits(RecordField(record, 3)).endObject();
            json.endObject();
            json.endObject();
        }
    }
    json.endArray();
    items("formats", kFormatsGroup, false);
    items("horizontalAlignments", kRoadHalsGroup, true);
    items("verticalAlignments", kRoadValsGroup, true);
    json.endObject();
    return json.text();
}

// The block count the catalogue gives the job part named on the command line
// ("job N fixpoints"), if it is one.
std::optional<std::size_t> catalogueBlocks(const CatalogueRecords& records, const std::vector<std::string>& object)
{
    if (object.size() != 3 || object[0] != "job") return std::nullopt;
    const std::vector<std::string>* jobs = records.group(kJobsGroup);
    if (jobs == nullptr) return std::nullopt;
    for (const std::string& record : *jobs) {
        if (RecordField(record, 1) != object[1]) continue;
        const std::string count = RecordField(record, object[2] == "fixpoints" ? 2 : 3);
        if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        return static_cast<std::size_t>(harwick::text::readNumber(count));
    }
    return std::nullopt;
}

class Session {
public:
    Session(const Request& r, ProgressTerminal terminal, std::ostream& err)
        : terminal_(terminal), showProgress_(terminal.isTerminal && !r.quiet), link_(port_, prompter_),
          catalogue_(link_, prompter_, wait_)
    {
        link_.SetReplyTimeout(r.timeout);
        if (r.log) port_.SetLog(OpenTrafficLog(*r.log, kCommand, err));
    }

    int list(int port, const std::string& name, bool json, std::ostream& out, std::ostream& err)
    {
        DeviceTree tree;
        DeviceNode& node = tree.AddPort(port);
        link_.SetPortNumber(port);
        if (!catalogue_.ListDevice(node)) return fail(err, listFailure(name));
        warnings(err, 0);
        if (json) out << catalogueJson(name, catalogue_.Records());
        else printTree(node, 0, out);
        return kExitOk;
    }

    int download(int port, const std::string& name, const Request& r, std::ostream& out, std::ostream& err)
    {
        const std::vector<std::string> object(r.words.begin(), r.words.end() - 1);
        std::optional<ObjectNode> o = objectNode(object, port, false);
        if (!o) {
            return usageError(err, kCommandName, kNameDownloadObject);
        }
        const std::filesystem::path file = std::filesystem::absolute(r.words.back());
        dialogs_.fileName = file.filename().string();
        link_.SetPortNumber(port);
        if (showProgress_) expectFromCatalogue(port, object);
        Downloader d(link_, prompter_, dialogs_, progress_);
        TransferResult result;
        {
            ProgressLine line = progressLine(err);
            result = d.DownloadSelected(*o->node, file.parent_path().string() + "/");
        }
        if (result.outcome != TransferOutcome::Done) return fail(err, whyFailed(result, prompter_, name));
        out << Filled(kDownloadedTo, {result.detail}) << '\n';
        return kExitOk;
    }

    int upload(int port, const std::string& name, const Request& r, std::ostream& out, std::ostream& err)
    {
        const std::string file = std::filesystem::absolute(r.words.front()).string();
        DeviceTree& tree = tree_;
        DeviceNode& node = tree.AddPort(port);
        link_.SetPortNumber(port);
        dialogs_.job = r.job;
        dialogs_.newName = r.name;
        if (UploadKindOf(file) == UploadKind::JobFixpoints && !catalogue_.ListDevice(node)) {
            return fail(err, listFailure(name));
        }
        Uploader u(link_, prompter_, dialogs_, progress_, catalogue_, tree);
        TransferResult result;
        {
            ProgressLine line = progressLine(err);
            result = u.Upload(file, nullptr);
        }
        if (result.outcome != TransferOutcome::Done) {
            return fail(err, dialogs_.problem.empty() ? whyFailed(result, prompter_, name) : dialogs_.problem);
        }
        out << Filled(kUploaded, {file}) << '\n';
        return kExitOk;
    }

    int erase(int port, const std::string& name, const Request& r, std::ostream& out, std::ostream& err)
    {
        std::optional<ObjectNode> o = objectNode(r.words, port, true);
        if (!o) {
            return usageError(err, kCommandName, kNameEraseObject);
        }
        if (!r.yes) return usageError(err, kCommandName, kAddYes);
        link_.SetPortNumber(port);
        Eraser e(link_, prompter_, dialogs_);
        TransferResult result = e.DeleteSelected(*o->node);
        if (result.outcome != TransferOutcome::Done) return fail(err, whyFailed(result, prompter_, name));
        out << kErased << '\n';
        return kExitOk;
    }

private:
    static int fail(std::ostream& err, const std::string& why) { return failLine(err, kCommand, why); }

    ProgressLine progressLine(std::ostream& err)
    {
        return ProgressLine(err, terminal_, showProgress_, std::string(kBlocksUnit), [this] { return progress_.Sample(); });
    }

    // A job part's download knows its length only from the catalogue: it is
    // read first, and a listing that fails leaves the total unknown (the
    // download itself then says what is wrong).
    void expectFromCatalogue(int port, const std::vector<std::string>& object)
    {
        if (object.size() != 3 || object[0] != "job") return;
        DeviceTree tree;
        DeviceNode& node = tree.AddPort(port);
        const bool listed = catalogue_.ListDevice(node);
        prompter_.messages.clear();
        if (!listed) return;
        if (const std::optional<std::size_t> blocks = catalogueBlocks(catalogue_.Records(), object)) {
            progress_.ExpectBlocks(*blocks);
        }
    }

    std::string listFailure(const std::string& name) const
    {
        // The serial layer's reason comes first when the port itself failed.
        if (prompter_.messages.size() >= 2 && prompter_.messages.back() == kPortInitialFailed) {
            return prompter_.messages.front();
        }
        if (!prompter_.messages.empty() && prompter_.messages.back() == kTimeOut) {
            return Filled(kStoppedAnswering, {name});
        }
        return Filled(kDoesNotAnswer, {name});
    }
    void warnings(std::ostream& err, std::size_t from) const
    {
        for (std::size_t i = from; i < prompter_.messages.size(); ++i) {
            std::string m = prompter_.messages[i];
            text::removeChars(m, "\r\n");
            warnLine(err, kCommand, Filled(kUnexpectedIdentification, {m}));
        }
    }

    ProgressTerminal terminal_;
    bool showProgress_;
    QtSerialPort port_;
    CollectingPrompter prompter_;
    NoWait wait_;
    CountingProgress progress_;
    ArgumentDialogs dialogs_;
    InstrumentLink link_;
    Catalogue catalogue_;
    DeviceTree tree_;
};

// A count the user gave: a whole number above zero.
std::optional<long> positive(const std::string& text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const long value = std::stol(text);
    if (value <= 0) return std::nullopt;
    return value;
}

// The request, or the usage error's exit code.
std::variant<Request, int> parse(const std::vector<std::string>& args, std::ostream& err)
{
    const OptionReader reader({"--job", "--name", "--timeout", kLogOption}, {"--yes", "--quiet", "--json"});
    const OptionReader::Read read = reader.read(args);
    if (!read.problem.empty()) return usageError(err, kCommandName, read.problem);
    Request r;
    if (read.words.empty()) return usageError(err, kCommandName, kNoStationCommand);
    r.verb = read.words.front();
    r.words.assign(read.words.begin() + 1, read.words.end());
    for (const auto& [option, value] : read.values) {
        if (option == "--name") {
            r.name = value;
        } else if (option == kLogOption) {
            r.log = value;
        } else {
            const std::optional<long> n = positive(value);
            if (!n) return usageError(err, kCommandName, Filled(kTakesPositive, {option, value}));
            if (option == "--job") r.job = static_cast<int>(*n);
            else r.timeout = std::chrono::milliseconds(*n);
        }
    }
    r.yes = read.has("--yes");
    r.quiet = read.has("--quiet");
    r.json = read.has("--json");
    if (r.json && r.verb != "list") return usageError(err, kCommandName, kJsonIsForList);
    return r;
}

} // namespace

int station(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ProgressTerminal terminal)
{
    std::variant<Request, int> parsed = parse(args, err);
    if (const int* exit = std::get_if<int>(&parsed)) return *exit;
    Request& r = std::get<Request>(parsed);
    if (r.verb != "list" && r.verb != "download" && r.verb != "upload" && r.verb != "erase") {
        return usageError(err, kCommandName, Filled(kUnknownStationCommand, {r.verb}));
    }
    if (r.words.empty()) return usageError(err, kCommandName, kNamePort);
    const std::string port = r.words.front();
    const std::optional<int> n = platform::PortNumber(port);
    if (!n) return usageError(err, kCommandName, Filled(kNotPortName, {port}));
    r.words.erase(r.words.begin());
    const bool complete = (r.verb == "list" && r.words.empty()) || (r.verb == "download" && r.words.size() >= 2) ||
                          (r.verb == "upload" && r.words.size() == 1) || (r.verb == "erase" && !r.words.empty());
    if (!complete) {
        const harwick::UiText needs = r.verb == "list"       ? kListTakes
                                      : r.verb == "download" ? kDownloadTakes
                                      : r.verb == "upload"   ? kUploadTakes
                                                             : kEraseTakes;
        return usageError(err, kCommandName, needs);
    }

    // The engine waits in Qt event loops; a tool run needs its own application object.
    static int argc = 1;
    static char name[] = "harwick";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) app = std::make_unique<QCoreApplication>(argc, argv);

    Session s(r, terminal, err);
    if (r.verb == "list") return s.list(*n, port, r.json, out, err);
    if (r.verb == "download") return s.download(*n, port, r, out, err);
    if (r.verb == "upload") return s.upload(*n, port, r, out, err);
    return s.erase(*n, port, r, out, err);
}

} // namespace harwick::cli
