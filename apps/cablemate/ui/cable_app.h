// CCablemateApp: the program's state and its commands. It owns the transfer
// text and flag, the settings, the USB binding, the tables and the list
// session, and runs every command of the command table against the editor
// (CCablemateView) and the interactions. The menus only pass command IDs.
#pragma once

#include "cable_doc.h"
#include "cable_view.h"
#include "coordinate_lists.h"
#include "list_dialogs.h"
#include "settings.h"
#include "transfer_runner.h"
#include "usb_binding.h"
#include "window_interfaces.h"

#include <string>

namespace cablemate {

class CCablemateApp {
public:
    // Reads both settings groups from settingsFile; each group that cannot
    // be read keeps its defaults.
    CCablemateApp(const UsbLibrary& usb, std::string settingsFile, CCablemateView& view, Interactions interactions);
    ~CCablemateApp();  // waits for the transfers that still run
    CCablemateApp(const CCablemateApp&) = delete;
    CCablemateApp& operator=(const CCablemateApp&) = delete;

    // Runs the command; false for an ID the command table does not have.
    bool OnCommand(int id);

    CCablemateDoc& Doc() { return doc_; }
    const ComSettings& Com() const { return com_; }
    const UsbSettings& Usb() const { return usb_; }
    TransferContext& Transfer() { return context_; }
    // Whether the transfers started from now on are logged, and where.
    harwick::platform::TrafficLogSwitch& Logging() { return logging_; }
    // Waits for every transfer started so far (tests, and the end).
    void WaitForTransfers() { runner_.Join(); }
    bool TransferRunning() { return runner_.Running(); }
    const CodeTable& Codes() const { return codes_; }
    const CoordinateTable& Coordinates() const { return coordinates_; }

private:
    void StartTransfer(const TransferJob& job);
    void Convert(int id);
    void ShowConversion(const std::vector<std::string_view>& messages, const std::optional<std::string>& text);
    void ExportDrawing();
    void ComSettingsCommand();
    void UsbSettingsCommand();
    void CoordinateListCommand();
    void CodeListCommand();
    // Says so when a list opens over lines it cannot show.
    void TellKeptLines(const ListLines& lines, std::size_t rows);
    void CorrectionCommand();
    void HelpCommand();
    void Replace(std::string text);

    const UsbLibrary& usbLibrary_;
    std::string settingsFile_;
    CCablemateView& view_;
    Interactions interactions_;
    harwick::platform::TrafficLogSwitch logging_;
    ComSettings com_;
    UsbSettings usb_;
    TransferContext context_;
    CodeTable codes_;
    CoordinateTable coordinates_;
    ListSession listSession_;
    CCablemateDoc doc_;
    TransferRunner runner_;  // last: its threads end before the state they use goes
};

} // namespace cablemate
