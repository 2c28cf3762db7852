#include "com_port.h"

#include "cable_messages.h"

namespace cablemate {

namespace {

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

ComPort::ComPort(const TransferContext& context) : line_(context.access) { line_.SetLog(context.Log()); }

bool ComPort::Open(const ComSettings& settings, Messages& messages) {
    const harwick::serial::OpenResult opened = line_.Open(settings.portName);
    if (!opened.Opened()) {
        messages.ShowMessage(std::string(kPortMissingOrBusy) + "\n" + opened.Message());
        return false;
    }
    // A refused setting is not looked at: the port works with what it has.
    line_.Configure(ComLineSettings(settings));
    return true;
}

std::string ComPort::ReadExact(std::size_t n) {
    return line_.ReadExact(n, kReadConstant + kReadPerByte * static_cast<long>(n), kReadInterval);
}

bool ComPort::Write(std::string_view bytes) {
    return line_.Write(bytes, kWriteConstant + kWritePerByte * static_cast<long>(bytes.size()));
}

} // namespace cablemate
