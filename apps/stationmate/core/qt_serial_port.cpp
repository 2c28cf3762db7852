#include "qt_serial_port.h"

#include "comports/comports.h"
#include "text/text.h"

#include <array>

namespace stationmate {

namespace {

std::string portName(int number) { return "COM" + std::to_string(number); }

} // namespace

std::optional<LineSettings> ParseLineSettings(std::string_view settings)
{
    std::array<std::string_view, 4> f;
    if (harwick::text::splitFieldsInto(settings, ",", f) != f.size()) return std::nullopt;
    LineSettings s{};
    s.baudRate = static_cast<qint32>(harwick::text::readNumber(f[0]));
    if (s.baudRate <= 0) return std::nullopt;
    if (f[1] == "n") s.parity = QSerialPort::NoParity;
    else if (f[1] == "e") s.parity = QSerialPort::EvenParity;
    else if (f[1] == "o") s.parity = QSerialPort::OddParity;
    else return std::nullopt;
    const int bits = static_cast<int>(harwick::text::readNumber(f[2]));
    if (bits < 5 || bits > 8) return std::nullopt;
    s.dataBits = static_cast<QSerialPort::DataBits>(bits);
    if (f[3] == "1") s.stopBits = QSerialPort::OneStop;
    else if (f[3] == "2") s.stopBits = QSerialPort::TwoStop;
    else if (f[3] == "1.5") s.stopBits = QSerialPort::OneAndHalfStop;
    else return std::nullopt;
    return s;
}

QtSerialPort::QtSerialPort()
{
    QObject::connect(&port_, &QSerialPort::readyRead, this, [this] { onReadyRead(); });
}

QtSerialPort::~QtSerialPort() { Close(); }

bool QtSerialPort::IsOpen() const { return port_.isOpen(); }

void QtSerialPort::Close()
{
    if (port_.isOpen()) port_.close();
}

void QtSerialPort::SelectPort(int number) { number_ = number; }

bool QtSerialPort::Open(std::string& error)
{
    const std::string name = portName(number_);
    std::optional<std::string> device = harwick::platform::DevicePathForPort(name);
    if (!device) {
        error = name + ": no such port";
        return false;
    }
    port_.setPortName(QString::fromStdString(*device));
    if (!port_.open(QIODevice::ReadWrite)) {
        error = name + " (" + *device + "): " + port_.errorString().toStdString();
        if (port_.error() == QSerialPort::PermissionError) error += " (is this user in the dialout group?)";
        return false;
    }
    return true;
}

bool QtSerialPort::ApplySettings(std::string_view settings)
{
    std::optional<LineSettings> s = ParseLineSettings(settings);
    if (!s) return false;
    return port_.setBaudRate(s->baudRate) && port_.setParity(s->parity) && port_.setDataBits(s->dataBits) &&
           port_.setStopBits(s->stopBits) && port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::Write(std::string_view bytes)
{
    if (!port_.isOpen()) return false;
    const qint64 n = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return n == static_cast<qint64>(bytes.size());
}

void QtSerialPort::DiscardInput()
{
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll(); // what Qt had already taken in
}

void QtSerialPort::SetReceiveHandler(ReceiveHandler handler) { handler_ = std::move(handler); }

void QtSerialPort::onReadyRead()
{
    std::array<char, kMaxNotification> buffer{};
    while (port_.bytesAvailable() > 0) {
        const qint64 n = port_.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (n <= 0) return;
        if (handler_) handler_(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    }
}

} // namespace stationmate
