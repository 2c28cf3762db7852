// The line of a simulated serial port: a raw pseudo-terminal registered as a
// COM port. The serving thread reads and writes the master side; the port's
// name and device may be asked for from any thread.
#pragma once

#include "instrument-sim/port_entry.h"
#include "fd/unique_fd.h"

#include <mutex>
#include <optional>
#include <string>

namespace harwick::sim {

class PtyPort {
public:
    // Opens a raw pseudo-terminal and registers it as portName (see
    // PortEntry::Register). False with error set when either fails; nothing
    // is then left behind.
    bool Open(const std::string& portName, std::string& error);

    // Closes the line and points the entry at a fresh pseudo-terminal, as
    // when a cable is plugged in again. False when none could be had: the
    // port is then off the line until Close.
    bool Replug(std::string& error);

    // Closes the line and removes the entry; Name and Device still tell what
    // they were. Safe to call more than once.
    void Close();

    bool OnLine() const { return master_.valid(); }
    int Master() const { return master_.get(); }

    std::string Name() const;    // "COMn"
    std::string Device() const;  // the pseudo-terminal the name points at

private:
    platform::UniqueFd master_;
    std::optional<PortEntry> entry_;
    mutable std::mutex mutex_;  // guards name_ and device_
    std::string name_;
    std::string device_;
};

} // namespace harwick::sim
