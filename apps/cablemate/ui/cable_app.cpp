#include "cable_app.h"

#include "cable_messages.h"
#include "commands.h"
#include "conversions.h"
#include "correction_dialog.h"
#include "dxf_export.h"
#include "settings_dialogs.h"
#include "window_texts.h"

#include "runtime/runtime.h"

#include <filesystem>

namespace cablemate {

CCablemateApp::CCablemateApp(const UsbLibrary& usb, std::string settingsFile, CCablemateView& view,
                             Interactions interactions)
    : usbLibrary_(usb), settingsFile_(std::move(settingsFile)), view_(view), interactions_(interactions),
      doc_(view, interactions,
           std::filesystem::path(harwick::platform::SuiteConfigDirectory()) / kRecentListFile),
      runner_(context_) {
    const bool comRead = LoadComSettings(settingsFile_, com_) > 0;
    LoadUsbSettings(settingsFile_, usb_);
    context_.editor = &view_;
    context_.messages = &interactions_.messages;
    // Said once now, rather than only as a refused open at each transfer.
    if (comRead && !NamesAPort(com_.portName)) {
        interactions_.messages.ShowMessage(PortNamesNoPortMessage(com_.portName));
    }
}

CCablemateApp::~CCablemateApp() { runner_.Join(); }

namespace {

// Commands that move data over the cable or read or replace the editor's
// text. While a transfer runs they wait: a second transfer would share the
// port or the pipe and the text with it, and the two would take each
// other's bytes; a conversion or a save would work on half a text.
bool TouchesTheTransfer(int id) {
    using namespace command;
    if (TransferForCommand(id)) return true;
    switch (id) {
    case kCodeBlocksToText:
    case kMeasuredBlocksToKard:
    case kCoordinateBlocksToKard:
    case kKardToCoordinateBlocks:
    case kKard600ToKard300:
    case kKard600ToKard300Again:
    case kExportDxf:
    case kCoordinateList:
    case kCodeList:
    case kCorrection:
    case kSaveAs: return true;
    default: return false;
    }
}

} // namespace

bool CCablemateApp::OnCommand(int id) {
    using namespace command;
    if (TouchesTheTransfer(id) && runner_.Running()) {
        interactions_.messages.ShowMessage(kTransferRunning);
        return true;
    }
    if (const auto job = TransferForCommand(id)) {
        StartTransfer(*job);
        return true;
    }
    switch (id) {
    case kUsbSettings: UsbSettingsCommand(); return true;
    case kComSettings: ComSettingsCommand(); return true;
    case kCodeBlocksToText:
    case kMeasuredBlocksToKard:
    case kCoordinateBlocksToKard:
    case kKardToCoordinateBlocks:
    case kKard600ToKard300:
    case kKard600ToKard300Again: Convert(id); return true;
    case kExportDxf: ExportDrawing(); return true;
    case kCoordinateList: CoordinateListCommand(); return true;
    case kCodeList: CodeListCommand(); return true;
    case kCorrection: CorrectionCommand(); return true;
    case kHelp: HelpCommand(); return true;
    case kSaveAs: doc_.SaveAs(); return true;
    default: return false;
    }
}

void CCablemateApp::StartTransfer(const TransferJob& job) {
    // The settings as they are now go with the transfer; a dialog changing
    // them later does not reach a transfer that runs.
    // A log that stopped during the transfer is said once it is over; the
    // message box carries itself over to the window's thread.
    runner_.Start(job, usbLibrary_.pipe(), com_, usb_, [this](const TransferJob&, CableResult) {
        if (const auto stopped = logging_.TakeStopNotice()) {
            context_.SetLog(nullptr);
            interactions_.messages.ShowMessage(*stopped);
        }
    });
}

void CCablemateApp::Replace(std::string text) {
    context_.text.Set(text);
    view_.Show(std::move(text));
}

void CCablemateApp::ShowConversion(const std::vector<std::string_view>& messages,
                                   const std::optional<std::string>& text) {
    if (text) Replace(*text);
    for (const auto message : messages) interactions_.messages.ShowMessage(message);
}

void CCablemateApp::Convert(int id) {
    using namespace command;
    const std::string text = view_.Bytes();
    ConversionResult result;
    switch (id) {
    case kCodeBlocksToText: result = CodeBlocksToText(text, codes_); break;
    case kMeasuredBlocksToKard: result = MeasuredBlocksToKard(text); break;
    case kCoordinateBlocksToKard: result = CoordinateBlocksToKard(text); break;
    case kKardToCoordinateBlocks: result = KardToCoordinateBlocks(text); break;
    default: result = Kard600ToKard300(text); break;
    }
    ShowConversion(result.messages, result.text);
}

void CCablemateApp::ExportDrawing() {
    DxfResult result = ExportDxf(view_.Bytes());
    if (result.text) coordinates_ = std::move(result.table);
    std::vector<std::string_view> messages;
    if (!result.message.empty()) messages.push_back(result.message);
    ShowConversion(messages, result.text);
}

void CCablemateApp::ComSettingsCommand() {
    // The ports present now: an adapter plugged in since start is offered.
    ComSettingsDialog dialog(com_, interactions_.messages, view_.window(),
                             PresentPortChoices(harwick::platform::ListPresentPorts(), com_.portName));
    if (interactions_.runner.Run(dialog) != QDialog::Accepted) return;
    com_ = dialog.Result();
    SaveComSettings(settingsFile_, com_);
}

void CCablemateApp::UsbSettingsCommand() {
    UsbSettingsDialog dialog(usb_, interactions_.messages, view_.window());
    if (interactions_.runner.Run(dialog) != QDialog::Accepted) return;
    usb_ = dialog.Result();
    SaveUsbSettings(settingsFile_, usb_);
}

void CCablemateApp::CoordinateListCommand() {
    EditFormatDialog format(view_.window());
    if (interactions_.runner.Run(format) != QDialog::Accepted) return;
    const std::string before = view_.Bytes();
    ListSource<CoordinateTable> source = ReadCoordinateList(before, format.Format());
    coordinates_ = std::move(source.table);
    TellKeptLines(source.lines, coordinates_.size());
    CoordinateListDialog list(coordinates_, format.Format(), listSession_, interactions_.runner,
                              interactions_.messages, view_.window());
    if (interactions_.runner.Run(list) != QDialog::Accepted) return;
    if (std::string after = list.Text(source.lines); after != before) Replace(std::move(after));
}

void CCablemateApp::CodeListCommand() {
    const std::string before = view_.Bytes();
    ListSource<CodeTable> source = ReadCodeList(before);
    codes_ = std::move(source.table);
    TellKeptLines(source.lines, codes_.size());
    CodeListDialog list(codes_, listSession_, interactions_.runner, interactions_.messages, view_.window());
    if (interactions_.runner.Run(list) != QDialog::Accepted) return;
    if (std::string after = list.Text(source.lines); after != before) Replace(std::move(after));
}

void CCablemateApp::TellKeptLines(const ListLines& lines, std::size_t rows) {
    if (const std::string message = KeptLinesMessage(lines, rows); !message.empty()) {
        interactions_.messages.ShowMessage(message);
    }
}

void CCablemateApp::CorrectionCommand() {
    CorrectionDialog dialog(view_.window());
    if (interactions_.runner.Run(dialog) != QDialog::Accepted) return;
    const CorrectionResult result = CorrectCoordinates(view_.Bytes(), dialog.OldConstant(), dialog.NewConstant());
    Replace(result.text);
    if (!result.message.empty()) interactions_.messages.ShowMessage(result.message);
}

void CCablemateApp::HelpCommand() {
    // Beside the settings file, in the current folder, as the program has
    // always looked for it.
    const std::filesystem::path help = std::filesystem::absolute(kHelpFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(help, ec)) {
        interactions_.messages.ShowMessage(kHelpMissing);
    } else if (!interactions_.desktop.Open(help.string())) {
        interactions_.messages.ShowMessage(kHelpNotOpened);
    }
}

} // namespace cablemate
