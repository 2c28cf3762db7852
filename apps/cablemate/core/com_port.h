// The serial line as the COM transfers use it, synchronously from the
// transfer's worker thread. One line per transfer: opened at the start and
// closed (at the latest by its destructor) at the end, so no handle outlives
// a transfer. The port is opened exclusively, so a second transfer on the
// same port is refused.
#pragma once

#include "serial_line.h"
#include "settings.h"
#include "transfer_state.h"

#include <chrono>
#include <string>
#include <string_view>

namespace cablemate {

using harwick::serial::LineSettings;

// The line settings a COM settings record asks for.
LineSettings ComLineSettings(const ComSettings& settings);

// The port's time-outs: a read of n bytes waits at most
// kReadConstant + n × kReadPerByte and ends early after kReadInterval of
// quiet; a write of n bytes must be gone within kWriteConstant + n × kWritePerByte.
inline constexpr std::chrono::milliseconds kReadInterval{100};
inline constexpr std::chrono::milliseconds kReadPerByte{800};
inline constexpr std::chrono::milliseconds kReadConstant{5000};
inline constexpr std::chrono::milliseconds kWritePerByte{800};
inline constexpr std::chrono::milliseconds kWriteConstant{800};

class ComPort {
public:
    explicit ComPort(const TransferContext& context);

    // The configured port with its line settings; false after showing the
    // failure message, which names the device, why, and what to do.
    bool Open(const ComSettings& settings, Messages& messages);
    bool LineFailed() const { return line_.LineFailed(); }
    void ClearError() { line_.ClearError(); }
    void Purge(bool input, bool output) { line_.Purge(input, output); }
    void Close() { line_.Close(); }
    std::size_t Queued(std::chrono::milliseconds upTo) { return line_.Queued(upTo); }
    std::string Read(std::size_t max) { return line_.Read(max); }
    // Exactly n bytes, or fewer when the read time-out passed first.
    std::string ReadExact(std::size_t n);
    // False when the bytes did not go within the write time-out.
    bool Write(std::string_view bytes);

private:
    harwick::serial::SerialLine line_;
};

} // namespace cablemate
