// The simulated total station on an emulated USB interface: a directory
// under platform::EmulatedUsbDirectory() holding the FIFOs PIPE00
// (instrument -> PC) and PIPE01 (PC -> instrument). The usbpipe library finds
// the directory as an interface of the instrument's class and opens a FIFO
// per call; the simulator holds both open for its whole life, so bytes stay
// buffered between the PC's calls and a PC's write always finds a reader.
//
// Sending (Enter pressed on the instrument): the send text and 0x1A, cut
// into 64-byte packets, the last one filled with zeros.
// Receiving: one line per packet (each counting up to its first zero byte),
// then EOT CR LF, then a closing packet beginning with 0x1A; the text before
// the EOT is the upload.
#pragma once

#include "instrument-sim/cable_misbehaviour.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace harwick::sim {

struct UsbOptions {
    std::string interfaceName = "sim0";  // directory name under platform::EmulatedUsbDirectory()
    // Optional: completed uploads are also stored there (see cable_store.h).
    std::filesystem::path stateDir{};
    CableMisbehaviour misbehave{};
};

class EmulatedUsb {
public:
    explicit EmulatedUsb(UsbOptions options);
    ~EmulatedUsb();  // Stop()
    EmulatedUsb(const EmulatedUsb&) = delete;
    EmulatedUsb& operator=(const EmulatedUsb&) = delete;

    // Makes the USB directory (with its parents) when missing, the interface
    // directory with both FIFOs, opens them and starts the one thread that
    // serves them. An interface of the same name left behind by a simulator
    // that is gone (nobody reads its PIPE01) is taken over. False with error
    // set when any of it fails; nothing is then left behind.
    bool Start(std::string& error);

    // Ends the serving thread within a bounded time, closes and removes the
    // FIFOs and the interface directory, and the directories Start made when
    // they are empty. Safe to call more than once.
    void Stop();

    std::filesystem::path InterfacePath() const;

    // What the instrument sends when Enter is pressed on it.
    void SetSendText(std::string bytes);
    // Sends the text followed by 0x1A in 64-byte packets, the last one
    // filled with zeros; returns at once, the serving thread sends.
    void PressEnter();

    // Every 64-byte packet read from PIPE01, raw, in order, and when each
    // became whole.
    std::vector<std::string> PacketsReceived() const;
    std::vector<std::chrono::steady_clock::time_point> PacketTimes() const;

    // Completed uploads, in order: the text before each one's EOT.
    std::vector<std::string> Uploads() const;
    std::size_t UploadCount() const;  // Uploads().size(), without the copy

    std::size_t PacketsSent() const;
    // How many sends have begun since Start.
    std::size_t SendsStarted() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace harwick::sim
