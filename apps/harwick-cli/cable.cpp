#include "cable.h"

#include "convert.h"

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

constexpr std::string_view kUsage =
    "usage: harwick cable convert KIND INPUT OUTPUT\n"
    "       harwick cable receive usb|COMn|DEVICE OUTPUT [--log FILE]\n"
    "       harwick cable send usb|COMn|DEVICE INPUT [--blocks coords|codes] [--log FILE]\n"
    "\n"
    "KIND is one of code-blocks, measured-blocks, coord-blocks, kard-to-blocks,\n"
    "kard600-to-kard300, gsi-to-kard, kard-to-dxf. Receiving and sending use the\n"
    "settings in ./qtr_cfg.ini (protocol, baud rate, time-out, row delay); a COM\n"
    "port or device path (/dev/ttyUSB0) named here replaces the one set there. --blocks sends a KARD list as\n"
    "coordinate blocks or a code list as code blocks (COM only); without it the\n"
    "text goes line by line.\n";

constexpr std::string_view kCommand = "harwick cable: ";

int usage(std::ostream& err, std::string_view problem) {
    err << kCommand << problem << "\n" << kUsage;
    return kExitUsage;
}

int failed(std::ostream& err, std::string_view problem) {
    err << kCommand << problem << "\n";
    return kExitFailed;
}

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
// messages of success go to stdout, the others to stderr.
class StreamMessages : public cablemate::Messages {
public:
    explicit StreamMessages(CableStreams streams) : streams_(streams) {}
    void ShowMessage(std::string_view text) override {
        using namespace cablemate;
        if (text == kPressStationFirst || text == kPressComputerFirst) {
            streams_.out << text << std::endl;
            std::string line;
            std::getline(streams_.in, line);
        } else if (text == kReceiveDataOkUsb || text == kReceiveDataOkCom || text == kCommunicationCompleted ||
                   text == kCommunicationCompletedLower || text == kCommunicationEnded) {
            streams_.out << text << std::endl;
        } else {
            streams_.err << kCommand << text << std::endl;
        }
    }

private:
    CableStreams streams_;
};

std::optional<std::string> readInput(const std::string& path, std::ostream& err) {
    std::string error;
    auto text = platform::readWholeFile(path, error);
    if (!text) err << kCommand << "cannot read '" << path << "': " << error << "\n";
    return text;
}

int writeOutput(const std::string& path, std::string_view text, std::ostream& err) {
    std::string error;
    if (!platform::replaceFileAtomically(path, text, error))
        return failed(err, "cannot write '" + path + "': " + error);
    return kExitOk;
}

int showMessages(const std::vector<std::string_view>& messages, std::ostream& err) {
    for (auto message : messages) err << kCommand << message << "\n";
    return messages.empty() ? kExitOk : kExitFailed;
}

int convertText(const std::string& kind, const std::string& input, const std::string& output, std::ostream& err) {
    using namespace cablemate;
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
    } else if (kind == "kard600-to-kard300") {
        result = Kard600ToKard300(*text);
    } else {
        return usage(err, "unknown conversion '" + kind + "'");
    }
    // A conversion that refused, or stopped midway, says why and writes nothing.
    if (!result.messages.empty() || !result.text) {
        showMessages(result.messages, err);
        return kExitFailed;
    }
    return writeOutput(output, *result.text, err);
}

bool isUsb(const std::string& where) { return where == "usb" || where == "USB"; }

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
        return usage(err, "'" + where + "' is neither usb nor a port (COMn or a device path)");
    t.com.portName = where;
    return std::nullopt;
}

int receive(const std::string& where, const std::string& output, const std::optional<std::string>& log,
            CableStreams streams, const std::filesystem::path& programDir) {
    using namespace cablemate;
    Transfer t;
    if (auto early = prepare(t, where, programDir, streams.err)) return *early;
    if (log) t.context.SetLog(OpenTrafficLog(*log, kCommand, streams.err));
    TextEditor editor({});
    StreamMessages messages(streams);
    t.context.editor = &editor;
    t.context.messages = &messages;
    const TransferJob job{isUsb(where) ? TransferKind::UsbDownload : TransferKind::ComDownload};
    const CableResult result = RunTransfer(t.context, job, t.library.pipe(), t.com, t.usb);
    const std::string received = t.context.text.Snapshot();
    if (result.Done()) return writeOutput(output, received, streams.err);
    if (result.outcome == CableOutcome::PortFailed) return kExitFailed; // the transfer said why
    if (received.empty()) return failed(streams.err, "nothing received");
    // What came before the time-out or the cut is the user's data: keep it, and say so.
    if (writeOutput(output, received, streams.err) != kExitOk) return kExitFailed;
    return failed(streams.err, "the data stopped before its end; " + std::to_string(received.size()) +
                                   " bytes received were written to '" + output + "'");
}

int send(const std::string& where, const std::string& input, const std::string& blocks,
         const std::optional<std::string>& log, CableStreams streams, const std::filesystem::path& programDir) {
    using namespace cablemate;
    Transfer t;
    if (auto early = prepare(t, where, programDir, streams.err)) return *early;
    if (log) t.context.SetLog(OpenTrafficLog(*log, kCommand, streams.err));
    const auto text = readInput(input, streams.err);
    if (!text) return kExitFailed;
    TransferJob job{TransferKind::UsbUpload};
    if (!isUsb(where)) {
        job.kind = blocks.empty() ? TransferKind::ComLineUpload : TransferKind::ComBlockUpload;
        job.blocks = blocks == "codes" ? BlockKind::Codes : BlockKind::Coordinates;
    } else if (!blocks.empty()) {
        return usage(streams.err, "--blocks is for COM ports; USB sends the text line by line");
    }
    TextEditor editor(*text);
    StreamMessages messages(streams);
    t.context.editor = &editor;
    t.context.messages = &messages;
    t.context.timing.finalWait = {};
    return RunTransfer(t.context, job, t.library.pipe(), t.com, t.usb).Done() ? kExitOk : kExitFailed;
}

} // namespace

int cable(std::vector<std::string> args, CableStreams streams, const std::filesystem::path& programDir) {
    if (args.empty()) return usage(streams.err, "no cable command given");
    if (args[0] == "--help" || args[0] == "-h") {
        streams.out << kUsage << kLogUsage;
        return kExitOk;
    }
    std::optional<std::string> log;
    if (const auto at = std::find(args.begin(), args.end(), kLogOption); at != args.end()) {
        if (at + 1 == args.end()) return usage(streams.err, "--log needs a FILE");
        log = *(at + 1);
        args.erase(at, at + 2);
    }
    if (args[0] == "convert") {
        if (args.size() != 4) return usage(streams.err, "convert takes a KIND, an INPUT and an OUTPUT");
        return convertText(args[1], args[2], args[3], streams.err);
    }
    // Serial ports are Qt's; a tool run needs its own application object.
    static int argc = 1;
    static char name[] = "harwick";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) app = std::make_unique<QCoreApplication>(argc, argv);
    if (args[0] == "receive") {
        if (args.size() != 3) return usage(streams.err, "receive takes usb or a port and an OUTPUT");
        return receive(args[1], args[2], log, streams, programDir);
    }
    if (args[0] == "send") {
        std::string blocks;
        if (args.size() == 5 && args[3] == "--blocks") {
            blocks = args[4];
            if (blocks != "coords" && blocks != "codes") return usage(streams.err, "--blocks takes coords or codes");
        } else if (args.size() != 3) {
            return usage(streams.err, "send takes usb or a port and an INPUT");
        }
        return send(args[1], args[2], blocks, log, streams, programDir);
    }
    return usage(streams.err, "unknown cable command '" + args[0] + "'");
}

} // namespace harwick::cli
