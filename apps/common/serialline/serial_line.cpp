#include "serial_line.h"

#include "comports/comports.h"
#include "fd/unique_fd.h"
#include "text/text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>

namespace harwick::serial {

namespace {

using Clock = std::chrono::steady_clock;

const platform::PortAccess kNoSuchPort{false, "no such port", "the ports present are listed by: harwick ports"};
const platform::PortAccess kNoDevice{false, "the device is not there", "is the cable plugged in?"};

int milliseconds(Clock::time_point until)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 1));
}

// Qt says that the open failed but not the errno behind it, which the
// explanation needs: a plain open of the same device gives it. When that
// succeeds, Qt's permission error is another program's lock or exclusive
// hold; anything else (not a tty) keeps Qt's words.
platform::PortAccess explainRefusal(const std::string& device, const QSerialPort& port)
{
    const platform::UniqueFd plain(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!plain) return platform::ExplainAccess(device, errno);
    if (port.error() == QSerialPort::PermissionError) return platform::ExplainAccess(device, EBUSY);
    return platform::PortAccess{false, port.errorString().toStdString(), {}};
}

} // namespace

std::optional<LineSettings> ParseLineSettings(std::string_view settings)
{
    std::array<std::string_view, 4> f;
    if (text::splitFieldsInto(settings, ",", f) != f.size()) return std::nullopt;
    LineSettings s{};
    s.baudRate = static_cast<qint32>(text::readNumber(f[0]));
    if (s.baudRate <= 0) return std::nullopt;
    if (f[1] == "n") s.parity = QSerialPort::NoParity;
    else if (f[1] == "e") s.parity = QSerialPort::EvenParity;
    else if (f[1] == "o") s.parity = QSerialPort::OddParity;
    else return std::nullopt;
    const int bits = static_cast<int>(text::readNumber(f[2]));
    if (bits < 5 || bits > 8) return std::nullopt;
    s.dataBits = static_cast<QSerialPort::DataBits>(bits);
    if (f[3] == "1") s.stopBits = QSerialPort::OneStop;
    else if (f[3] == "2") s.stopBits = QSerialPort::TwoStop;
    else if (f[3] == "1.5") s.stopBits = QSerialPort::OneAndHalfStop;
    else return std::nullopt;
    return s;
}

std::string OpenResult::Message() const
{
    std::string where = port;
    if (!device.empty() && device != port) where += " (" + device + ")";
    return Opened() ? std::string() : where + ": " + access.Text();
}

SerialLine::SerialLine(platform::AccessProbe probe) : probe_(std::move(probe)) {}

SerialLine::~SerialLine() { Close(); }

OpenResult SerialLine::Open(std::string_view port)
{
    Close();
    OpenResult result;
    result.port = std::string(port);
    const std::optional<std::string> device = platform::DevicePathForPort(port);
    if (!device) {
        result.status = OpenResult::Status::NoSuchPort;
        result.access = kNoSuchPort;
        return result;
    }
    result.device = *device;
    std::error_code ec;
    if (!std::filesystem::exists(*device, ec)) {
        result.status = OpenResult::Status::NoDevice;
        result.access = kNoDevice;
        return result;
    }
    if (const int refused = probe_(*device); refused != 0) {
        result.status = OpenResult::Status::Refused;
        result.access = platform::ExplainAccess(*device, refused);
        return result;
    }
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(QString::fromStdString(*device));
    if (!port_->open(QIODevice::ReadWrite)) {
        result.status = OpenResult::Status::Refused;
        result.access = explainRefusal(*device, *port_);
        port_.reset();
        return result;
    }
    port_->setReadBufferSize(0);
    QObject::connect(port_.get(), &QSerialPort::readyRead, this, [this] { onReadyRead(); });
    return result;
}

bool SerialLine::Configure(const LineSettings& settings)
{
    if (!IsOpen()) return false;
    // Each setting is tried even when one before it was refused, so the line
    // comes as close to what was asked as the port allows.
    bool all = port_->setBaudRate(settings.baudRate);
    all = port_->setParity(settings.parity) && all;
    all = port_->setDataBits(settings.dataBits) && all;
    all = port_->setStopBits(settings.stopBits) && all;
    return port_->setFlowControl(QSerialPort::NoFlowControl) && all;
}

bool SerialLine::IsOpen() const { return port_ && port_->isOpen(); }

void SerialLine::Close()
{
    if (port_) port_->close();
    port_.reset();
}

bool SerialLine::LineFailed() const
{
    if (!IsOpen()) return true;
    const auto error = port_->error();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

void SerialLine::ClearError()
{
    if (port_) port_->clearError();
}

void SerialLine::Purge(bool input, bool output)
{
    if (!IsOpen() || (!input && !output)) return;
    const auto directions = input && output ? QSerialPort::AllDirections
                            : input         ? QSerialPort::Input
                                            : QSerialPort::Output;
    port_->clear(directions);
    // What Qt had already taken in is dropped too, unseen and unlogged.
    if (input) port_->readAll();
}

void SerialLine::SetReceiveHandler(ReceiveHandler handler) { handler_ = std::move(handler); }

bool SerialLine::Send(std::string_view bytes)
{
    if (!IsOpen()) return false;
    platform::Record(log_, platform::Direction::Out, bytes);
    return port_->write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

std::string SerialLine::take(std::size_t max)
{
    const QByteArray bytes = port_->read(static_cast<qint64>(max));
    std::string chunk(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    platform::Record(log_, platform::Direction::In, chunk);
    return chunk;
}

void SerialLine::onReadyRead()
{
    // Only a handler takes bytes here; a synchronous reader takes its own.
    while (handler_ && IsOpen() && port_->bytesAvailable() > 0) {
        const std::string chunk = take(kMaxNotification);
        if (chunk.empty()) return;
        handler_(chunk);
    }
}

std::size_t SerialLine::Queued(std::chrono::milliseconds upTo)
{
    if (!IsOpen()) return 0;
    if (port_->bytesAvailable() == 0) port_->waitForReadyRead(static_cast<int>(upTo.count()));
    return IsOpen() ? static_cast<std::size_t>(port_->bytesAvailable()) : 0;
}

std::string SerialLine::Read(std::size_t max)
{
    if (!IsOpen()) return {};
    // Take in what arrived meanwhile without waiting for more.
    port_->waitForReadyRead(0);
    return take(max);
}

std::string SerialLine::ReadExact(std::size_t n, std::chrono::milliseconds total, std::chrono::milliseconds gap)
{
    std::string got;
    if (!IsOpen()) return got;
    const auto deadline = Clock::now() + total;
    auto quiet = Clock::time_point::max();
    while (got.size() < n) {
        const auto now = Clock::now();
        if (now >= deadline || now >= quiet) break;
        if (port_->bytesAvailable() == 0 && !port_->waitForReadyRead(milliseconds(std::min(deadline, quiet)))) {
            if (LineFailed()) break;
            continue;
        }
        const std::string chunk = take(n - got.size());
        got += chunk;
        if (!chunk.empty()) quiet = Clock::now() + gap;
    }
    return got;
}

bool SerialLine::Write(std::string_view bytes, std::chrono::milliseconds within)
{
    if (!Send(bytes)) return false;
    const auto deadline = Clock::now() + within;
    while (port_->bytesToWrite() > 0) {
        if (Clock::now() >= deadline) return false;
        if (!port_->waitForBytesWritten(milliseconds(deadline)) && port_->bytesToWrite() > 0 && LineFailed())
            return false;
    }
    return true;
}

} // namespace harwick::serial
