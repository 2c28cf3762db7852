#include "com_port.h"

#include "cable_messages.h"

#include "comports/comports.h"

namespace cablemate {

namespace {

// The port's time-outs: between two bytes, per byte and in total.
constexpr int kReadInterval = 100;
constexpr int kReadPerByte = 800;
constexpr int kReadConstant = 5000;
constexpr int kWritePerByte = 800;
constexpr int kWriteConstant = 800;

QSerialPort::Parity ParityOf(std::uint8_t parity) {
    switch (parity) {
    case 1: return QSerialPort::OddParity;
    case 2: return QSerialPort::EvenParity;
    default: return QSerialPort::NoParity;
    }
}

} // namespace

LineSettings ComLineSettings(const ComSettings& settings) {
    LineSettings line;
    line.baudRate = settings.baudRate;
    line.dataBits = settings.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8;
    line.parity = ParityOf(settings.parity);
    // The dialog's button "2" stores 1; it means two stop bits to the user.
    line.stopBits = settings.stopBits == 0 ? QSerialPort::OneStop : QSerialPort::TwoStop;
    return line;
}

ComPort::ComPort() = default;

ComPort::~ComPort() { Close(); }

bool ComPort::OpenComPort(const ComSettings& settings, Messages& messages) {
    Close();
    const auto device = harwick::platform::DevicePathForPort(settings.portName);
    if (device) {
        port_ = std::make_unique<QSerialPort>();
        port_->setPortName(QString::fromStdString(*device));
        if (port_->open(QIODevice::ReadWrite)) {
            const LineSettings line = ComLineSettings(settings);
            // A refused setting is not looked at: the port works with what it has.
            port_->setBaudRate(line.baudRate);
            port_->setDataBits(line.dataBits);
            port_->setParity(line.parity);
            port_->setStopBits(line.stopBits);
            port_->setFlowControl(QSerialPort::NoFlowControl);
            port_->setReadBufferSize(0);
            return true;
        }
        port_.reset();
    }
    messages.ShowMessage(kPortMissingOrBusy);
    return false;
}

bool ComPort::IsOpen() const { return port_ && port_->isOpen(); }

bool ComPort::LineFailed() const {
    if (!IsOpen()) return true;
    const auto error = port_->error();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

void ComPort::Close() {
    if (port_) port_->close();
    port_.reset();
}

void ComPort::ClearError() {
    if (port_) port_->clearError();
}

void ComPort::Purge(bool input, bool output) {
    if (!IsOpen()) return;
    if (input && output) {
        port_->clear(QSerialPort::AllDirections);
    } else if (input) {
        port_->clear(QSerialPort::Input);
    } else if (output) {
        port_->clear(QSerialPort::Output);
    }
}

std::size_t ComPort::Queued(std::chrono::milliseconds upTo) {
    if (!IsOpen()) return 0;
    if (port_->bytesAvailable() == 0) port_->waitForReadyRead(static_cast<int>(upTo.count()));
    return static_cast<std::size_t>(port_->bytesAvailable());
}

std::string ComPort::Read(std::size_t max) {
    if (!IsOpen()) return {};
    // Take in what arrived meanwhile without waiting for more.
    port_->waitForReadyRead(0);
    const QByteArray bytes = port_->read(static_cast<qint64>(max));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string ComPort::ReadExact(std::size_t n) {
    std::string got;
    if (!IsOpen()) return got;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kReadConstant + kReadPerByte * static_cast<long>(n));
    auto quiet = Clock::time_point::max();
    while (got.size() < n) {
        const auto now = Clock::now();
        // Once bytes have come, a gap of the interval time ends the read.
        if (now >= deadline || now >= quiet) break;
        if (port_->bytesAvailable() == 0) {
            const auto until = std::min(deadline, quiet);
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count();
            if (!port_->waitForReadyRead(static_cast<int>(std::max<long>(wait, 1)))) {
                if (LineFailed()) break;
                continue;
            }
        }
        const QByteArray bytes = port_->read(static_cast<qint64>(n - got.size()));
        got.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        if (!bytes.isEmpty()) quiet = Clock::now() + std::chrono::milliseconds(kReadInterval);
    }
    return got;
}

bool ComPort::Write(std::string_view bytes) {
    if (!IsOpen()) return false;
    if (port_->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(kWriteConstant + kWritePerByte * static_cast<long>(bytes.size()));
    while (port_->bytesToWrite() > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        if (!port_->waitForBytesWritten(static_cast<int>(left)) && port_->bytesToWrite() > 0 &&
            port_->error() != QSerialPort::NoError && port_->error() != QSerialPort::TimeoutError)
            return false;
    }
    return true;
}

} // namespace cablemate
