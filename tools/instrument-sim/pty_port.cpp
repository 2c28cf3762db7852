#include "instrument-sim/pty_port.h"

#include "instrument-sim/raw_pty.h"

#include <utility>

namespace harwick::sim {

bool PtyPort::Open(const std::string& portName, std::string& error)
{
    std::optional<RawPty> pty = OpenRawPty(error);
    if (!pty) return false;
    entry_ = PortEntry::Register(portName, pty->device, error);
    if (!entry_) return false;
    master_ = std::move(pty->master);
    const std::lock_guard lock(mutex_);
    name_ = entry_->Name();
    device_ = pty->device;
    return true;
}

bool PtyPort::Replug(std::string& error)
{
    master_.reset();
    std::optional<RawPty> pty = OpenRawPty(error);
    if (!pty || !entry_ || !entry_->Repoint(pty->device, error)) return false;
    master_ = std::move(pty->master);
    const std::lock_guard lock(mutex_);
    device_ = pty->device;
    return true;
}

void PtyPort::Close()
{
    master_.reset();
    entry_.reset();
}

std::string PtyPort::Name() const
{
    const std::lock_guard lock(mutex_);
    return name_;
}

std::string PtyPort::Device() const
{
    const std::lock_guard lock(mutex_);
    return device_;
}

} // namespace harwick::sim
