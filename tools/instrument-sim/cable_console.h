// The program's cable side: the emulated USB interface and the serial cable
// line the command line asks for, Enter pressed on both at once, and a line
// of news for each send begun and each upload taken.
#pragma once

#include "instrument-sim/emulated_usb.h"
#include "instrument-sim/serial_cable.h"
#include "instrument-sim/sim_options.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harwick::sim {

// The bytes the cable side sends over USB (framed is false) or a serial
// line (framed: the line speaks Ack/Nak and wants a block stream): the
// --cable-send file, else the demo's text with --demo, else nothing. A file
// for a framed line that does not begin with STX is read as KARD lines and
// framed. Nothing, with error set, when the file cannot be read or holds
// neither a block stream nor KARD lines.
std::optional<std::string> CableSendText(const ProgramOptions& options, bool framed, std::string& error);

class CableConsole {
public:
    CableConsole() = default;
    CableConsole(const CableConsole&) = delete;
    CableConsole& operator=(const CableConsole&) = delete;
    ~CableConsole();  // Stop()

    // Starts what options ask for, storing uploads under stateDir. False
    // with error set; whatever had started is stopped again.
    bool Start(const ProgramOptions& options, const std::filesystem::path& stateDir, std::string& error);
    void Stop();

    bool Active() const { return usb_ || cable_; }

    // Where each part is served, one line each.
    std::vector<std::string> Banner() const;

    void PressEnter();

    // What happened since the last call, one line per event.
    std::vector<std::string> News();

private:
    bool StartUsb(const ProgramOptions& options, const std::filesystem::path& stateDir, std::string& error);
    bool StartCable(const ProgramOptions& options, const std::filesystem::path& stateDir, std::string& error);

    std::unique_ptr<EmulatedUsb> usb_;
    std::unique_ptr<SerialCable> cable_;
    std::string usbName_;
    std::string cableProtocol_;
    std::size_t usbSends_ = 0, usbUploads_ = 0, cableSends_ = 0, cableUploads_ = 0;
};

} // namespace harwick::sim
