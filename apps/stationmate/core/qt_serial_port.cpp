#include "qt_serial_port.h"

#include "device_tree.h"

namespace stationmate {

static_assert(SerialPort::kMaxNotification == harwick::serial::SerialLine::kMaxNotification);

QtSerialPort::QtSerialPort(harwick::platform::AccessProbe probe) : line_(std::move(probe)) {}

bool QtSerialPort::IsOpen() const { return line_.IsOpen(); }

void QtSerialPort::Close() { line_.Close(); }

void QtSerialPort::SelectPort(int number) { number_ = number; }

bool QtSerialPort::Open(std::string& error)
{
    const harwick::serial::OpenResult opened = line_.Open(std::string(kPortPrefix) + std::to_string(number_));
    if (!opened.Opened()) error = opened.Message();
    return opened.Opened();
}

bool QtSerialPort::ApplySettings(std::string_view settings)
{
    const std::optional<harwick::serial::LineSettings> s = harwick::serial::ParseLineSettings(settings);
    return s && line_.Configure(*s);
}

bool QtSerialPort::Write(std::string_view bytes) { return line_.Send(bytes); }

void QtSerialPort::DiscardInput() { line_.Purge(true, false); }

void QtSerialPort::SetReceiveHandler(ReceiveHandler handler) { line_.SetReceiveHandler(std::move(handler)); }

void QtSerialPort::SetLog(std::shared_ptr<harwick::platform::TrafficLog> log) { line_.SetLog(std::move(log)); }

} // namespace stationmate
