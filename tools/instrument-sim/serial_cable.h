// The simulated total station's serial cable in streaming mode, as the cable
// program uses it: a raw pseudo-terminal registered as a COM port.
//
// Sending, protocol None: Enter pressed on the instrument streams the send
// text, then EOT. Protocol Ack/Nak: the PC's ENQ starts the send (Enter is
// not needed); the text, a framed block stream, goes out block by block
// (each up to its ETX CR LF), each but the end block followed by a wait of
// at most kAckWait for the PC's ACK (none: the send is given up); then EOT,
// in the same write as the end block. A text without ETX goes out whole,
// then EOT.
//
// Receiving: an upload beginning with STX is a block stream; every block is
// answered with ACK CR LF (Ack/Nak only), the end block is not answered and
// completes the upload (the whole stream is kept). Any other upload is lines
// up to EOT CR LF (the text before the EOT is kept). ENQ, ACK and NAK
// outside a send are ignored.
#pragma once

#include "instrument-sim/cable_misbehaviour.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace harwick::sim {

enum class CableProtocol { None, AckNak };

struct SerialCableOptions {
    // "COMn" to register; empty: the first name without an entry, from COM1.
    std::string portName{};
    CableProtocol protocol = CableProtocol::None;
    // Optional: completed uploads are also stored there (see cable_store.h).
    std::filesystem::path stateDir{};
    CableMisbehaviour misbehave{};
};

class SerialCable {
public:
    explicit SerialCable(SerialCableOptions options);
    ~SerialCable();  // Stop()
    SerialCable(const SerialCable&) = delete;
    SerialCable& operator=(const SerialCable&) = delete;

    // Opens a raw pseudo-terminal, registers it as the port (see PortEntry)
    // and starts the one thread that serves the line. False with error set
    // when any of it fails; nothing is then left behind.
    bool Start(std::string& error);

    // Ends the serving thread within a bounded time, closes the line and
    // removes the port entry. Safe to call more than once.
    void Stop();

    std::string PortName() const;    // "COMn"
    std::string DevicePath() const;  // the pseudo-terminal the port names

    // What the instrument sends.
    void SetSendText(std::string bytes);
    // Protocol None: streams the send text and EOT; returns at once, the
    // serving thread sends. Protocol Ack/Nak: nothing, the PC's ENQ starts
    // the send.
    void PressEnter();

    // Every byte the PC wrote, in order.
    std::string BytesReceived() const;
    // Completed uploads, in order.
    std::vector<std::string> Uploads() const;
    std::size_t UploadCount() const;  // Uploads().size(), without the copy
    // How many sends have begun since Start.
    std::size_t SendsStarted() const;
    // How often a program that had sent something closed the port since
    // Start; an unfinished upload was dropped each time.
    std::size_t PortCloses() const;
    // How often the PC emptied its input queue since Start. A program does
    // so when it begins to listen, so a test that plays the person at the
    // instrument presses Enter once this has grown, never after a guessed
    // pause.
    std::size_t InputPurges() const;

    static constexpr std::chrono::seconds kAckWait{5};

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace harwick::sim
