// The one way the programs and the command line reach a serial port: opened
// by its COM name or device path, with line settings, read and written either
// as notifications on the owner's thread (the exchange program) or
// synchronously from a worker thread (the cable transfers), and every chunk
// in either direction written to the traffic log when one is set.
#pragma once

#include "comports/discovery.h"
#include "traffic/traffic_log.h"

#include <QObject>
#include <QSerialPort>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace harwick::serial {

struct LineSettings {
    qint32 baudRate = 19200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// "19200,n,8,1": baud rate, parity letter (n, e, o), data bits, stop bits.
// Nothing for a text that does not have that form.
std::optional<LineSettings> ParseLineSettings(std::string_view settings);

// What opening a port came to.
struct OpenResult {
    enum class Status { Opened, NoSuchPort, NoDevice, Refused };
    Status status = Status::Opened;
    std::string port;   // as asked: "COM33" or a device path
    std::string device; // what it stands for, once known
    platform::PortAccess access; // why it did not open, and the fix

    bool Opened() const { return status == Status::Opened; }
    // For the user: "COM33 (/dev/ttyUSB0): permission denied (group dialout,
    // mode rw-rw----); add yourself to the group dialout: …". Empty when opened.
    std::string Message() const;
};

class SerialLine : public QObject {
public:
    using ReceiveHandler = std::function<void(std::string_view bytes)>;

    // probe answers, before the port is opened, whether the user may open the
    // device: tests inject a refusal, since file modes refuse root nothing.
    explicit SerialLine(platform::AccessProbe probe = platform::AccessOfDevice);
    ~SerialLine() override;
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // "COMn" through the ports map, or a device path. Exclusive: a second
    // opener of the same device is refused as busy.
    OpenResult Open(std::string_view port);
    // False when the port refused one of the settings (the others still apply).
    bool Configure(const LineSettings& settings);
    bool IsOpen() const;
    void Close();
    void SetLog(std::shared_ptr<platform::TrafficLog> log) { log_ = std::move(log); }

    // The line has gone (unplugged, closed at the far end) or the port is shut.
    bool LineFailed() const;
    void ClearError();
    // Drops what the driver and this side hold: input, output or both.
    void Purge(bool input, bool output);

    // Notifications: the handler gets the bytes waiting as soon as one is,
    // on the thread that owns the line, at most kMaxNotification at a time.
    static constexpr std::size_t kMaxNotification = 2048;
    void SetReceiveHandler(ReceiveHandler handler);
    // Queues the bytes for the driver without waiting for them to go.
    bool Send(std::string_view bytes);

    // Synchronous use. Queued: the bytes waiting, after waiting up to upTo
    // for the first one. Read: at most max of them, at once.
    std::size_t Queued(std::chrono::milliseconds upTo);
    std::string Read(std::size_t max);
    // Exactly n bytes, or fewer when total passed first or the line fell
    // quiet for gap after the first byte.
    std::string ReadExact(std::size_t n, std::chrono::milliseconds total, std::chrono::milliseconds gap);
    // Hands the bytes to the driver and waits until they have gone, up to
    // within; false when they did not.
    bool Write(std::string_view bytes, std::chrono::milliseconds within);

private:
    std::string take(std::size_t max);
    void onReadyRead();

    platform::AccessProbe probe_;
    std::unique_ptr<QSerialPort> port_;
    std::shared_ptr<platform::TrafficLog> log_;
    ReceiveHandler handler_;
};

} // namespace harwick::serial
