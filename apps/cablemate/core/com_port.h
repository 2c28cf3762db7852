// The serial port of the COM transfers, used synchronously from the
// transfer's worker thread. One object per transfer: it is opened at the
// start and closed (at the latest by its destructor) at the end, so no
// handle outlives a transfer. The port is opened exclusively, so a second
// transfer on the same port fails to open it.
#pragma once

#include "settings.h"
#include "transfer_state.h"

#include <QSerialPort>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace cablemate {

// The line settings a COM settings record asks for.
struct LineSettings {
    qint32 baudRate = 19200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};
LineSettings ComLineSettings(const ComSettings& settings);

class ComPort {
public:
    ComPort();
    ~ComPort();
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    // The configured port with its line settings; false after
    // showing the failure message.
    bool OpenComPort(const ComSettings& settings, Messages& messages);
    bool IsOpen() const;
    // The line has gone (unplugged, closed at the far end) or the port is shut.
    bool LineFailed() const;
    void Close();
    void ClearError();
    // Drops what the driver holds: input, output or both.
    void Purge(bool input, bool output);

    // The bytes queued for reading; waits up to upTo for the first one.
    std::size_t Queued(std::chrono::milliseconds upTo);
    // At most max of the queued bytes.
    std::string Read(std::size_t max);
    // Exactly n bytes, or fewer when the port's read time-out passed first.
    std::string ReadExact(std::size_t n);
    // Waits until the bytes have gone to the driver, within the port's write
    // time-out; false when they did not.
    bool Write(std::string_view bytes);

private:
    std::unique_ptr<QSerialPort> port_;
};

} // namespace cablemate
