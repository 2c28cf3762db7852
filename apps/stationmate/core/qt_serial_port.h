// The serial port on Qt SerialPort, the port named "COMn" through the suite's
// port map.
#pragma once

#include "serial_port.h"

#include <QObject>
#include <QSerialPort>

#include <optional>

namespace stationmate {

class QtSerialPort : public QObject, public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool IsOpen() const override;
    void Close() override;
    void SelectPort(int number) override;
    bool Open(std::string& error) override;
    bool ApplySettings(std::string_view settings) override;
    bool Write(std::string_view bytes) override;
    void DiscardInput() override;
    void SetReceiveHandler(ReceiveHandler handler) override;

private:
    void onReadyRead();

    QSerialPort port_;
    int number_ = 1;
    ReceiveHandler handler_;
};

// "19200,n,8,1" taken apart; nothing for a text that does not have that form.
struct LineSettings {
    qint32 baudRate;
    QSerialPort::Parity parity;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
};
std::optional<LineSettings> ParseLineSettings(std::string_view settings);

} // namespace stationmate
