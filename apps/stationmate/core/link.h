// The line to the instrument: open the port, wake the instrument, send one
// command and wait for its one reply, identify the instrument. Every
// instrument operation opens the port, runs its commands and closes it again.
//
// Replies are assembled from whatever the port delivers: everything received
// up to and including the notification in which CR LF first occurs is one
// reply, also the bytes after the CR LF in that notification. A partial line
// stays in the accumulator for the next reply, even across a close.
#pragma once

#include "prompter.h"
#include "serial_port.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class QEventLoop;

namespace stationmate {

class InstrumentLink {
public:
    // The time an exchange waits for its reply (10,000 polls of 1 ms).
    static constexpr std::chrono::milliseconds kReplyTimeout{10000};
    static constexpr std::string_view kDefaultSettings = "19200,n,8,1";

    InstrumentLink(SerialPort& port, Prompter& prompter);
    ~InstrumentLink();
    InstrumentLink(const InstrumentLink&) = delete;
    InstrumentLink& operator=(const InstrumentLink&) = delete;

    int PortNumber() const { return portNumber_; }
    void SetPortNumber(int n) { portNumber_ = n; }
    const std::string& PortSettings() const { return portSettings_; }
    void SetPortSettings(std::string settings) { portSettings_ = std::move(settings); }
    void SetReplyTimeout(std::chrono::milliseconds t) { timeout_ = t; }
    void SetTrafficLog(std::shared_ptr<harwick::platform::TrafficLog> log) { port_.SetLog(std::move(log)); }

    // Opens port PortNumber with PortSettings and drops what is waiting.
    bool OpenInstrumentPort();
    // The "a"/"c" wake-up. A time-out closes the port.
    bool ConnectInstrument();
    // Writes the command; with wait, waits for one reply while events go on
    // being dispatched. A time-out closes the port and fails.
    bool SendCommand(std::string_view command, std::string& reply, bool wait = true);
    // The port's receive notification.
    void OnSerialReceive(std::string_view bytes);
    // Runs the events that are waiting.
    void PumpOneMessage();
    // The identification; the serial text (after "+", leading zeros removed,
    // the rest of the line kept), or nothing after a time-out, which has
    // shown "Time Out" and closed the port.
    std::optional<std::string> Identify();
    void ClosePort();

    // The serial text of a "GET//WI13" reply.
    static std::string SerialFromReply(std::string_view reply);

private:
    bool wakeStage(std::string_view command);

    SerialPort& port_;
    Prompter& prompter_;
    int portNumber_ = 1;
    std::string portSettings_{kDefaultSettings};
    std::chrono::milliseconds timeout_ = kReplyTimeout;
    std::string accumulator_;
    std::string replyText_;
    bool replyReady_ = false;
    QEventLoop* waiting_ = nullptr;
};

} // namespace stationmate
