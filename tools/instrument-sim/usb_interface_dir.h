// The emulated USB interface on disk: <base>/<name>/ with the FIFOs PIPE00
// (instrument -> PC) and PIPE01 (PC -> instrument), both held open for
// reading and writing while the interface lives.
#pragma once

#include "fd/unique_fd.h"

#include <filesystem>
#include <string>
#include <vector>

namespace harwick::sim {

class UsbInterfaceDir {
public:
    UsbInterfaceDir() = default;
    UsbInterfaceDir(const UsbInterfaceDir&) = delete;
    UsbInterfaceDir& operator=(const UsbInterfaceDir&) = delete;
    ~UsbInterfaceDir();  // Remove(), RemoveMadeParents()

    // Makes base (and its parents) when missing, then the interface with
    // both FIFOs, opened non-blocking. An interface of that name whose
    // PIPE01 nobody reads is left over from a simulator that is gone and is
    // taken over. False with error set; nothing is then left behind.
    bool Create(const std::filesystem::path& base, const std::string& name, std::string& error);

    const std::filesystem::path& Path() const { return path_; }
    int ToPc() const { return toPc_.get(); }
    int FromPc() const { return fromPc_.get(); }

    // Closes both FIFOs and removes them and the interface directory: a PC
    // looking for interfaces no longer finds it. Safe to call twice.
    void Remove();

    // Removes the directories Create made on the way to base, when empty.
    void RemoveMadeParents();

private:
    bool MakeParents(const std::filesystem::path& base, std::string& error);
    bool MakeInterface(std::string& error);

    std::filesystem::path path_;
    std::vector<std::filesystem::path> madeParents_;  // outermost first
    platform::UniqueFd toPc_;
    platform::UniqueFd fromPc_;
    bool made_ = false;
};

} // namespace harwick::sim
