#include "cable.h"

#include "command_line.h"
#include "progress_line.h"

#include "conversions.h"
#include "dxf_export.h"
#include "cable_messages.h"
#include "settings.h"
#include "traffic.h"
#include "transfer_runner.h"
#include "usb_binding.h"

#include "comports/comports.h"
#include "fileio/fileio.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace harwick::cli {

namespace {

constexpr std::string_view kCommand = "harwick cable: ";

constexpr std::string_view kCommandName = "cable";
constexpr harwick::UiText kLinesUnit = "lines";

constexpr harwick::UiText kCannotRead = "cannot read '%1': %2";
constexpr harwick::UiText kCannotWrite = "cannot write '%1': %2";
constexpr harwick::UiText kUnknownConversion = "unknown conversion '%1'";
constexpr harwick::UiText kNeitherUsbNorPort = "'%1' is neither usb nor a port (COMn or a device path)";
constexpr harwick::UiText kNothingReceived = "nothing received";
constexpr harwick::UiText kStoppedBeforeEnd =
    "the data stopped before its end; %1 bytes received were written to '%2'";
constexpr harwick::UiText kBlocksAreForCom = "--blocks is for COM ports; USB sends the text line by line";
constexpr harwick::UiText kNoCableCommand = "no cable command given (convert, receive or send)";
constexpr harwick::UiText kBlocksAreForSend = "--blocks is for send";
constexpr harwick::UiText kConvertMovesNothing = "convert moves nothing over the cable: no --log or --quiet";
constexpr harwick::UiText kConvertTakes = "convert takes a KIND, an INPUT and an OUTPUT";
constexpr harwick::UiText kUnknownCableCommand = "unknown cable command '%1'";
constexpr harwick::UiText kReceiveTakes = "receive takes usb or a port and an OUTPUT";
constexpr harwick::UiText kSendTakes = "send takes usb or a port and an INPUT";
constexpr harwick::UiText kBlocksTakes = "--blocks takes coords or codes, not '%1'";

int usage(std::ostream& err, std::string_view problem) { return usageError(err, kCommandName, problem); }

int failed(std::ostream& err, std::string_view problem) { return failLine(err, kCommand, problem); }

// The engine's editor on the command line: the text it was given, and what
// the transfer showed last.
class TextEditor : public cablemate::Editor {
public:
    explicit TextEditor(std::string text) : text_(std::move(text)) {}
    std::string Text() override {
        std::lock_guard lock(mutex_);
        return text_;
    }
    void Show(std::string text) override {
        std::lock_guard lock(mutex_);
        text_ = std::move(text);
    }
    void SetBusy(bool) override {}

private:
    std::mutex mutex_;
    std::string text_;
};

// Prompts wait for Enter on stdin (end of input counts as Enter); the
// messages of success go to stdout, the others to stderr. While a progress
// line is drawn, each message wipes it first, and a prompt holds it until
// its answer has come.
class StreamMessages : public cablemate::Messages {
public:
    StreamMessages(CableStreams streams, ProgressLine& progress) : streams_(streams), progress_(progress) {}
    void ShowMessage(std::string_view text) override {
        using namespace cablemate;
        if (text == kPressStationFirst || text == kPressComputerFirst) {
            progress_.Hold(true);
            progress_.Say(streams_.out, text);
            std::string line;
            std::getline(streams_.in, line);
            progress_.Hold(false);
        } else if (text == kReceiveDataOkUsb || text == kReceiveDataOkCom || text == kCommunicationCompleted ||
                   text == kCommunicationCompletedLower || text == kCommunicationEnded) {
            progress_.Say(streams_.out, text);
        } else {
            progress_.Say(streams_.err, std::string(kCommand) + std::string(text));
        }
    }

private:
    CableStreams streams_;
    ProgressLine& progress_;
};

// Lines and bytes of the transfer text so far, for the progress line.
class TextCounter {
public:
    explicit TextCounter(const cablemate::TransferText& text) : text_(text) {}
    // Called on the progress line's thread only.
    ProgressCounts Sample() {
        const std::string now = text_.Snapshot();
        // The text only grows during a transfer; one that went back (a
        // failed send puts the original back) is counted again whole.
        if (now.size() < counted_) counted_ = lines_ = 0;
        lines_ += static_cast<std::size_t>(std::count(now.begin() + static_cast<std::ptrdiff_t>(counted_), now.end(), '\n'));
        counted_ = now.size();
        return {lines_, now.size(), total_.units, total_.bytes};
    }
    struct Total {
        std::optional<std::size_t> units;
        std::optional<std::size_t> bytes;
    };
    void SetTotal(Total total) { total_ = total; } // before the progress line starts

private:
    const cablemate::TransferText& text_;
    std::size_t counted_ = 0;
    std::size_t lines_ = 0;
    Total total_;
};

std::optional<std::string> readInput(const std::string& path, std::ostream& err) {
    std::string error;
    auto text = platform::readWholeFile(path, error);
    if (!text) err << kCommand << Filled(kCannotRead, {path, error}) << "\n";
    return text;
}

int writeOutput(const std::string& path, std::string_view text, std::ostream& err) {
    std::string error;
    if (!platform::replaceFileAtomically(path, text, error))
        return failed(err, Filled(kCannotWrite, {path, error}));
    return kExitOk;
}

int showMessages(const std::vector<std::string_view>& messages, std::ostream& err) {
    for (auto message : messages) err << kCommand << message << "\n";
    return messages.empty() ? kExitOk : kExitFailed;
}

constexpr std::string_view kConversions[] = {"code-blocks",    "measured-blocks",    "coord-blocks", "kard-to-blocks",
                                             "kard600-to-kard300", "gsi-to-kard", "kard-to-dxf"};

int convertText(const std::string& kind, const std::string& input, const std::string& output, std::ostream& err) {
    using namespace cablemate;
    if (std::find(std::begin(kConversions), std::end(kConversions), kind) == std::end(kConversions)) {
        return usage(err, Filled(kUnknownConversion, {kind}));
    }
    const auto text = readInput(input, err);
    if (!text) return kExitFailed;
    if (kind == "gsi-to-kard") {
        switch (GsiToKardSave(*text, output)) {
        case SaveOutcome::Saved: return kExitOk;
        case SaveOutcome::NoData: return showMessages({kNoData, kInvarilData}, err);
        case SaveOutcome::CannotCreate: return showMessages({kSaveFileFalse}, err);
        case SaveOutcome::NothingToWrite: return showMessages({kNothingToSaveAsKard}, err);
        }
    }
    ConversionResult result;
    if (kind == "kard-to-dxf") {
        DxfResult dxf = ExportDxf(*text);
        if (!dxf.message.empty()) result.messages.push_back(dxf.message);
        result.text = std::move(dxf.text);
    } else if (kind == "code-blocks") {
        CodeTable table;
        result = CodeBlocksToText(*text, table);
    } else if (kind == "measured-blocks") {
        result = MeasuredBlocksToKard(*text);
    } else if (kind == "coord-blocks") {
        result = CoordinateBlocksToKard(*text);
    } else if (kind == "kard-to-blocks") {
        result = KardToCoordinateBlocks(*text);
    } else {
        result = Kard600ToKard300(*text);
    }
    // A conversion that refused, or stopped midway, says why and writes nothing.
    if (!result.messages.empty() || !result.text) {
        showMessages(result.messages, err);
        return kExitFailed;
    }
    return writeOutput(output, *result.text, err);
}

bool isUsb(const std::string& where) { return where == "usb" || where == "USB"; }

struct CableResultAndText {
    cablemate::CableResult result;
    std::string text;
};

// Runs one transfer as the window's command would, on this thread.
struct Transfer {
    cablemate::ComSettings com;
    cablemate::UsbSettings usb;
    cablemate::UsbLibrary library;
    cablemate::TransferContext context;
};

std::optional<int> prepare(Transfer& t, const std::string& where, const std::filesystem::path& programDir,
                           std::ostream& err) {
    using namespace cablemate;
    const std::string settingsFile(kSettingsFile);
    LoadComSettings(settingsFile, t.com);
    LoadUsbSettings(settingsFile, t.usb);
    if (isUsb(where)) {
        t.library = UsbLibrary::Load(programDir);
        if (t.library.status() == UsbLibrary::Status::LoadFailed)
            return failed(err, std::string(kLoadLibraryFailed) + " (" + t.library.error() + ")");
        return std::nullopt;
    }
    if (!platform::PortNumber(where) && !where.starts_with('/'))
        return usage(err, Filled(kNeitherUsbNorPort, {where}));
    t.com.portName = where;
    return std::nullopt;
}

// What a transfer command was told besides its words.
struct TransferOptions {
    std::optional<std::string> log;
    bool quiet = false;
    ProgressTerminal terminal;
};

// Runs the transfer with the progress line drawn while it runs, and wiped
// before the command says how it ended.
CableResultAndText runWithProgress(Transfer& t, const cablemate::TransferJob& job, std::string editorText,
                                   TextCounter::Total total, const TransferOptions& options, CableStreams streams) {
    TextEditor editor(std::move(editorText));
    TextCounter counter(t.context.text);
    counter.SetTotal(total);
    ProgressLine progress(streams.err, options.terminal, !options.quiet, std::string(kLinesUnit),
                          [&counter] { return counter.Sample(); });
    StreamMessages messages(streams, progress);
    t.context.editor = &editor;
    t.context.messages = &messages;
    const cablemate::CableResult result = RunTransfer(t.context, job, t.library.pipe(), t.com, t.usb);
    progress.Stop();
    t.context.editor = nullptr;
    t.context.messages = nullptr;
    return {result, t.context.text.Snapshot()};
}

int receive(const std::string& where, const std::string& output, const TransferOptions& options, CableStreams streams,
            const std::filesystem::path& programDir) {
    using namespace cablemate;
    Transfer t;
    if (auto early = prepare(t, where, programDir, streams.err)) return *early;
    if (options.log) t.context.SetLog(OpenTrafficLog(*options.log, kCommand, streams.err));
    const TransferJob job{isUsb(where) ? TransferKind::UsbDownload : TransferKind::ComDownload};
    const auto [result, received] = runWithProgress(t, job, {}, {}, options, streams);
    if (result.Done()) return writeOutput(output, received, streams.err);
    if (result.outcome == CableOutcome::PortFailed) return kExitFailed; // the transfer said why
    if (received.empty()) return failed(streams.err, kNothingReceived);
    // What came before the time-out or the cut is the user's data: keep it, and say so.
    if (writeOutput(output, received, streams.err) != kExitOk) return kExitFailed;
    return failed(streams.err, Filled(kStoppedBeforeEnd, {std::to_string(received.size()), output}));
}

int send(const std::string& where, const std::string& input, const std::string& blocks, const TransferOptions& options,
         CableStreams streams, const std::filesystem::path& programDir) {
    using namespace cablemate;
    Transfer t;
    if (auto early = prepare(t, where, programDir, streams.err)) return *early;
    if (options.log) t.context.SetLog(OpenTrafficLog(*options.log, kCommand, streams.err));
    const auto text = readInput(input, streams.err);
    if (!text) return kExitFailed;
    TransferJob job{TransferKind::UsbUpload};
    if (!isUsb(where)) {
        job.kind = blocks.empty() ? TransferKind::ComLineUpload : TransferKind::ComBlockUpload;
        job.blocks = blocks == "codes" ? BlockKind::Codes : BlockKind::Coordinates;
    } else if (!blocks.empty()) {
        return usage(streams.err, kBlocksAreForCom);
    }
    // A line by line send puts the text on the wire as it is read; blocks
    // are made from it, and their number is not known beforehand.
    TextCounter::Total total;
    if (blocks.empty()) {
        const std::string wire = WireText(*text);
        total = {static_cast<std::size_t>(std::count(wire.begin(), wire.end(), '\n')), wire.size()};
    }
    t.context.timing.finalWait = {};
    return runWithProgress(t, job, *text, total, options, streams).result.Done() ? kExitOk : kExitFailed;
}

} // namespace

int cable(const std::vector<std::string>& args, CableStreams streams, const std::filesystem::path& programDir,
          ProgressTerminal terminal) {
    const OptionReader reader({kLogOption, "--blocks"}, {"--quiet"});
    const OptionReader::Read read = reader.read(args);
    if (!read.problem.empty()) return usage(streams.err, read.problem);
    const std::vector<std::string>& words = read.words;
    if (words.empty()) return usage(streams.err, kNoCableCommand);
    const std::string& verb = words[0];
    TransferOptions options{read.value(kLogOption), read.has("--quiet"), terminal};
    const std::optional<std::string> blocks = read.value("--blocks");
    if (blocks && verb != "send") return usage(streams.err, kBlocksAreForSend);
    if (verb == "convert") {
        if (options.log || options.quiet) return usage(streams.err, kConvertMovesNothing);
        if (words.size() != 4) return usage(streams.err, kConvertTakes);
        return convertText(words[1], words[2], words[3], streams.err);
    }
    if (verb != "receive" && verb != "send") return usage(streams.err, Filled(kUnknownCableCommand, {verb}));
    if (words.size() != 3) {
        return usage(streams.err, verb == "receive" ? kReceiveTakes : kSendTakes);
    }
    if (blocks && *blocks != "coords" && *blocks != "codes") {
        return usage(streams.err, Filled(kBlocksTakes, {*blocks}));
    }
    // Serial ports are Qt's; a tool run needs its own application object.
    static int argc = 1;
    static char name[] = "harwick";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) app = std::make_unique<QCoreApplication>(argc, argv);
    if (verb == "receive") return receive(words[1], words[2], options, streams, programDir);
    return send(words[1], words[2], blocks.value_or(""), options, streams, programDir);
}

} // namespace harwick::cli
