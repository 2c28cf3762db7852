// The simulator's COMn entry in the ports directory: a symbolic link to its
// pseudo-terminal, so every program of the suite finds it by port name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace harwick::sim {

class PortEntry {
public:
    // Registers device as portName ("COMn"), or, when portName is empty, as
    // the first of COM1 ... COM256 without an entry. An entry whose link
    // points at nothing is left over from an instrument that is gone and is
    // taken over. Creates the ports directory when it is missing.
    static std::optional<PortEntry> Register(const std::string& portName, const std::string& device,
                                             std::string& error);

    PortEntry(PortEntry&& other) noexcept;
    PortEntry& operator=(PortEntry&& other) noexcept;
    PortEntry(const PortEntry&) = delete;
    PortEntry& operator=(const PortEntry&) = delete;
    ~PortEntry();  // Remove()

    const std::string& Name() const { return name_; }

    // Points the entry at another device in one step: a program resolving
    // the name sees the old device or the new one, never no entry.
    bool Repoint(const std::string& device, std::string& error);

    // Removes the entry when it still points at our device, then the ports
    // directory when Register made it and it is empty. Safe to call twice.
    void Remove();

private:
    // Not yet holding a name; Remove() then only tidies the directory.
    PortEntry(std::filesystem::path dir, std::string device, bool madeDir);

    std::filesystem::path dir_;
    std::string name_;
    std::string device_;
    bool madeDir_ = false;
    bool active_ = false;
};

} // namespace harwick::sim
