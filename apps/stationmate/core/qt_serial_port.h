// The exchange engine's serial port on the suite's serial line: the port
// named "COMn" through the ports map, notifications on the engine's thread.
#pragma once

#include "serial_port.h"
#include "serial_line.h"

namespace stationmate {

class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(harwick::platform::AccessProbe probe = harwick::platform::AccessOfDevice);

    bool IsOpen() const override;
    void Close() override;
    void SelectPort(int number) override;
    bool Open(std::string& error) override;
    bool ApplySettings(std::string_view settings) override;
    bool Write(std::string_view bytes) override;
    void DiscardInput() override;
    void SetReceiveHandler(ReceiveHandler handler) override;
    void SetLog(std::shared_ptr<harwick::platform::TrafficLog> log) override;

private:
    harwick::serial::SerialLine line_;
    int number_ = 1;
};

} // namespace stationmate
