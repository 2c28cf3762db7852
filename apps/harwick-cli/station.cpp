#include "station.h"

#include "catalogue.h"
#include "convert.h"
#include "download.h"
#include "erase.h"
#include "messages.h"
#include "qt_serial_port.h"
#include "comports/comports.h"
#include "text/text.h"
#include "traffic.h"
#include "upload.h"

#include <QCoreApplication>

#include <filesystem>
#include <memory>
#include <optional>

namespace harwick::cli {

namespace {

using namespace stationmate;

constexpr std::string_view kStationUsage =
    "usage: harwick station list PORT [--timeout MS] [--log FILE]\n"
    "       harwick station download PORT OBJECT FILE [--timeout MS] [--log FILE]\n"
    "       harwick station upload PORT FILE [--job N] [--name NAME] [--timeout MS] [--log FILE]\n"
    "       harwick station erase PORT OBJECT --yes [--timeout MS] [--log FILE]\n"
    "\n"
    "PORT is COM1 ... COM256 (harwick ports shows which are present). OBJECT is one of: job N fixpoints, job N measurements,\n"
    "codelist N, hal N, val N; erase also takes job N (the whole job) and codelist.\n"
    "A download FILE named .dat receives job data as KARD lines. An upload is told\n"
    "by the file's name: .hal and .val alignments, .crf code lists, anything else\n"
    "fixpoints, which go into job N (--job) and name an empty job (--name).\n";

constexpr std::string_view kCommand = "harwick station: ";

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

class NoProgress : public ProgressView {
public:
    void Open(const std::string&, const std::string&, const std::string&) override {}
    void Show(const std::string&, double, double) override {}
    void Close() override {}
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
            problem = "say which job receives the fixpoints with --job N";
            return std::nullopt;
        }
        const int position = *job - 1;
        if (position < 0 || position >= static_cast<int>(q.jobs.size())) {
            problem = "the instrument has no job " + std::to_string(*job);
            return std::nullopt;
        }
        return UploadAnswer{position, q.jobs[static_cast<std::size_t>(position)]};
    }
    std::optional<std::string> AskNewName() override
    {
        if (!newName) problem = "job " + std::to_string(*job) + " is empty: give it a name with --name";
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
    case TransferOutcome::PortFailed: return port + ": the instrument does not answer";
    case TransferOutcome::NoAnswer: {
        std::string command = r.detail;
        text::removeChars(command, "\r\n");
        return port + ": the instrument did not answer '" + command + "'";
    }
    case TransferOutcome::WrongReply: {
        std::string reply = r.detail;
        text::removeChars(reply, "\r\n");
        return port + ": unexpected reply '" + reply + "'";
    }
    case TransferOutcome::FileFailed: return r.detail;
    case TransferOutcome::NothingToDo: return r.detail.empty() ? "nothing to do" : r.detail;
    case TransferOutcome::Cancelled: return r.detail;
    case TransferOutcome::Done: break;
    }
    return {};
}

class Session {
public:
    Session(const Request& r, std::ostream& err) : link_(port_, prompter_), catalogue_(link_, prompter_, wait_)
    {
        link_.SetReplyTimeout(r.timeout);
        if (r.log) port_.SetLog(OpenTrafficLog(*r.log, kCommand, err));
    }

    int list(int port, const std::string& name, std::ostream& out, std::ostream& err)
    {
        DeviceTree tree;
        DeviceNode& node = tree.AddPort(port);
        link_.SetPortNumber(port);
        if (!catalogue_.ListDevice(node)) return fail(err, listFailure(name));
        warnings(err, 0);
        printTree(node, 0, out);
        return kExitOk;
    }

    int download(int port, const std::string& name, const Request& r, std::ostream& out, std::ostream& err)
    {
        std::optional<ObjectNode> o = objectNode(std::vector<std::string>(r.words.begin(), r.words.end() - 1), port, false);
        if (!o) return usage(err, "name the object to download as: job N fixpoints|job N measurements|codelist N|hal N|val N");
        const std::filesystem::path file = std::filesystem::absolute(r.words.back());
        dialogs_.fileName = file.filename().string();
        link_.SetPortNumber(port);
        Downloader d(link_, prompter_, dialogs_, progress_);
        TransferResult result = d.DownloadSelected(*o->node, file.parent_path().string() + "/");
        if (result.outcome != TransferOutcome::Done) return fail(err, whyFailed(result, prompter_, name));
        out << "downloaded to " << result.detail << '\n';
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
        TransferResult result = u.Upload(file, nullptr);
        if (result.outcome != TransferOutcome::Done) {
            return fail(err, dialogs_.problem.empty() ? whyFailed(result, prompter_, name) : dialogs_.problem);
        }
        out << "uploaded " << file << '\n';
        return kExitOk;
    }

    int erase(int port, const std::string& name, const Request& r, std::ostream& out, std::ostream& err)
    {
        std::optional<ObjectNode> o = objectNode(r.words, port, true);
        if (!o) return usage(err, "name the object to erase as: job N [fixpoints|measurements]|codelist|hal N|val N");
        if (!r.yes) return usage(err, "erasing cannot be undone: add --yes");
        link_.SetPortNumber(port);
        Eraser e(link_, prompter_, dialogs_);
        TransferResult result = e.DeleteSelected(*o->node);
        if (result.outcome != TransferOutcome::Done) return fail(err, whyFailed(result, prompter_, name));
        out << "erased\n";
        return kExitOk;
    }

    static int usage(std::ostream& err, std::string_view problem)
    {
        err << "harwick station: " << problem << '\n' << kStationUsage << kLogUsage;
        return kExitUsage;
    }

private:
    static int fail(std::ostream& err, const std::string& why)
    {
        err << kCommand << why << '\n';
        return kExitFailed;
    }
    std::string listFailure(const std::string& name) const
    {
        // The serial layer's reason comes first when the port itself failed.
        if (prompter_.messages.size() >= 2 && prompter_.messages.back() == kPortInitialFailed) {
            return prompter_.messages.front();
        }
        if (!prompter_.messages.empty() && prompter_.messages.back() == kTimeOut) return name + ": the instrument stopped answering";
        return name + ": the instrument does not answer";
    }
    void warnings(std::ostream& err, std::size_t from) const
    {
        for (std::size_t i = from; i < prompter_.messages.size(); ++i) {
            std::string m = prompter_.messages[i];
            text::removeChars(m, "\r\n");
            err << kCommand << "warning: unexpected identification reply '" << m << "'\n";
        }
    }

    QtSerialPort port_;
    CollectingPrompter prompter_;
    NoWait wait_;
    NoProgress progress_;
    ArgumentDialogs dialogs_;
    InstrumentLink link_;
    Catalogue catalogue_;
    DeviceTree tree_;
};

std::optional<Request> parse(const std::vector<std::string>& args, std::ostream& err)
{
    Request r;
    if (args.empty()) return std::nullopt;
    r.verb = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--yes") {
            r.yes = true;
        } else if (a == "--job" || a == "--name" || a == "--timeout" || a == kLogOption) {
            std::optional<std::string> v = value();
            if (!v) {
                Session::usage(err, a + " needs a value");
                return std::nullopt;
            }
            if (a == "--job") r.job = static_cast<int>(text::readNumber(*v));
            else if (a == "--name") r.name = *v;
            else if (a == kLogOption) r.log = *v;
            else r.timeout = std::chrono::milliseconds(static_cast<long>(text::readNumber(*v)));
            if (r.timeout.count() <= 0 || (a == "--job" && r.job <= 0)) {
                Session::usage(err, a + " takes a positive number, not '" + *v + "'");
                return std::nullopt;
            }
        } else {
            r.words.push_back(a);
        }
    }
    return r;
}

} // namespace

int station(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kStationUsage << kLogUsage;
        return kExitOk;
    }
    std::optional<Request> r = parse(args, err);
    if (!r) return args.empty() ? Session::usage(err, "no station command given") : kExitUsage;
    if (r->words.empty()) return Session::usage(err, "name the port, for example COM1");
    const std::string port = r->words.front();
    const std::optional<int> n = platform::PortNumber(port);
    if (!n) return Session::usage(err, "'" + port + "' is not a port name (COM1 ... COM256)");
    r->words.erase(r->words.begin());

    // The engine waits in Qt event loops; a tool run needs its own application object.
    static int argc = 1;
    static char name[] = "harwick";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) app = std::make_unique<QCoreApplication>(argc, argv);

    Session s(*r, err);
    if (r->verb == "list" && r->words.empty()) return s.list(*n, port, out, err);
    if (r->verb == "download" && r->words.size() >= 2) return s.download(*n, port, *r, out, err);
    if (r->verb == "upload" && r->words.size() == 1) return s.upload(*n, port, *r, out, err);
    if (r->verb == "erase" && !r->words.empty()) return s.erase(*n, port, *r, out, err);
    return Session::usage(err, "unknown or incomplete station command '" + r->verb + "'");
}

} // namespace harwick::cli
