// The serial port as the exchange engine needs it. Any serial library may
// stand behind it; the notifications must arrive on the engine's thread,
// between dispatched events.
#pragma once

#include "traffic/traffic_log.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace stationmate {

class SerialPort {
public:
    using ReceiveHandler = std::function<void(std::string_view bytes)>;
    // One notification carries at most this many bytes.
    static constexpr std::size_t kMaxNotification = 2048;

    virtual ~SerialPort() = default;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    // Port COMn used by the next Open.
    virtual void SelectPort(int number) = 0;
    // False with the serial layer's own reason when the port cannot be had.
    virtual bool Open(std::string& error) = 0;
    // "19200,n,8,1": baud rate, parity letter (n, e, o), data bits, stop bits.
    virtual bool ApplySettings(std::string_view settings) = 0;
    // The bytes as they are, no line end added.
    virtual bool Write(std::string_view bytes) = 0;
    virtual void DiscardInput() = 0;
    // Called with the bytes waiting, as soon as at least one is.
    virtual void SetReceiveHandler(ReceiveHandler handler) = 0;
    // Every chunk from the next byte on goes to the log; null stops logging.
    virtual void SetLog(std::shared_ptr<harwick::platform::TrafficLog> log) = 0;
};

} // namespace stationmate
