// The cable program's two groups of transfer settings (COM port and USB), the
// private-profile file they live in, and the checks its two settings dialogs
// apply to what the user typed. The settings file is read once at start and
// written whole when a dialog closes with OK.
#pragma once

#include "comports/discovery.h"
#include "language/ui_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cablemate {

struct ComSettings {
    std::uint8_t protocol = 0;  // 0 None, 1 Ack/Nak
    std::string portName = "COM1";
    int baudRate = 19200;
    std::uint8_t dataBits = 8;
    std::uint8_t stopBits = 0;  // 0 for one stop bit, 1 for two
    std::uint8_t parity = 0;    // 0 none, 1 odd, 2 even
    int receiveTimeOut = 10000; // milliseconds
    int rowDelay = 800;         // milliseconds
};

struct UsbSettings {
    int receiveTimeOut = 10000; // milliseconds
    int rowDelay = 800;         // milliseconds
};

// The port is kept as the settings file names it: a COM name (COM1 to
// COM256) or a device path such as /dev/ttyUSB0 or a /dev/serial/by-id/
// path, up to the longest path the system opens.
inline constexpr std::size_t kPortNameCapacity = 4096;

// The reads go through fixed buffers of these sizes: a longer list is cut
// where the buffer ends, never written past it.
inline constexpr int kSectionNamesBuffer = 2048;
inline constexpr int kSectionBuffer = 6000;
inline constexpr int kValueBuffer = 2048;
// More sections than this and the file is taken for someone else's.
inline constexpr std::size_t kMaxSections = 10;

class ProfileFile {
public:
    explicit ProfileFile(std::string path);

    const std::string& Path() const { return path_; }

    std::vector<std::string> SectionNames() const;
    // Each entry split at its first "="; an entry without one has an empty value.
    std::vector<std::pair<std::string, std::string>> Section(std::string_view name) const;
    // Nothing when the key is missing (or holds the "none" sentinel itself).
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    enum class WriteMode { Always, OnlyExisting };
    // 0 when written, else an errno value; OnlyExisting on a missing key
    // writes nothing and gives ENOENT.
    int Write(std::string_view section, std::string_view key, std::string_view value, WriteMode mode) const;
    bool DeleteSection(std::string_view section) const;
    bool DeleteKey(std::string_view section, std::string_view key) const;

private:
    std::string path_;
};

// The number of keys found in the group's section, 0 when the file, its
// section list or the section was not usable; then the record is untouched.
// Values are taken by position in the section, as saving writes them.
int LoadComSettings(const std::string& file, ComSettings& record);
int LoadUsbSettings(const std::string& file, UsbSettings& record);

// Replaces the group's section with the record's keys; false when a write failed.
bool SaveComSettings(const std::string& file, const ComSettings& record);
bool SaveUsbSettings(const std::string& file, const UsbSettings& record);

// Whether the port setting names a port: a COM name the ports map or the
// default table gives a device, or a device path. A malformed name, a COM
// name without a device and a name longer than kPortNameCapacity name none;
// such a setting is kept as it is, so that a transfer's open reports it.
bool NamesAPort(std::string_view portName);
// What the program says once at start when the settings file's port names none.
std::string PortNamesNoPortMessage(std::string_view portName);

// ---- The settings dialogs ------------------------------------------------------

// The typed text as the value to store and the message to show (empty when fine).
struct CheckedSetting {
    int value;
    std::string_view message;
};
// Whole seconds 1..999 -> milliseconds; anything else kTimeoutRange and 10000.
CheckedSetting CheckTimeoutSeconds(std::string_view typed);
// Whole milliseconds 1..9999; anything else kRowDelayRange and 800.
CheckedSetting CheckRowDelay(std::string_view typed);
// A number as the dialogs show it, "%-3d".
std::string DialogNumber(int value);

// The most characters the dialogs' two edits take.
inline constexpr int kDialogEditLimit = 5;

// One radio button of a group: the value it stands for, its caption, its control.
template <typename T>
struct RadioChoice {
    T value;
    harwick::UiText label;
    int control;
};

inline constexpr harwick::UiText kProtocolNone = "None";
inline constexpr std::array<RadioChoice<std::uint8_t>, 2> kProtocolChoices{{
    {0, kProtocolNone, 1001},
    {1, "Ack/Nak", 1002},
}};
inline constexpr std::array<RadioChoice<std::string_view>, 6> kPortChoices{{
    {"COM1", "COM1", 1003},
    {"COM2", "COM2", 1004},
    {"COM3", "COM3", 1005},
    {"COM4", "COM4", 1006},
    {"COM5", "COM5", 1007},
    {"COM6", "COM6", 1008},
}};
inline constexpr std::array<RadioChoice<int>, 8> kBaudRateChoices{{
    {1200, "1200", 1009},
    {2400, "2400", 1010},
    {4800, "4800", 1011},
    {9600, "9600", 1012},
    {19200, "19200", 1013},
    {38400, "38400", 1014},
    {57600, "57600", 1015},
    {115200, "115200", 1016},
}};
inline constexpr std::array<RadioChoice<std::uint8_t>, 2> kDataBitChoices{{
    {7, "7", 1017},
    {8, "8", 1018},
}};
inline constexpr std::array<RadioChoice<std::uint8_t>, 2> kStopBitChoices{{
    {0, "1", 1019},
    {1, "2", 1020},
}};
inline constexpr harwick::UiText kParityNone = "无";
inline constexpr harwick::UiText kParityOdd = "奇";
inline constexpr harwick::UiText kParityEven = "偶";
inline constexpr std::array<RadioChoice<std::uint8_t>, 3> kParityChoices{{
    {0, kParityNone, 1021},
    {1, kParityOdd, 1022},
    {2, kParityEven, 1023},
}};

// A choice of the port group beyond COM1-COM6: a port present on the machine.
struct PortChoice {
    std::string value; // what the settings file gets
    std::string label; // "COM33 — /dev/ttyUSB0 (USB-serial adapter: …)"
};
// One choice per present port that COM1-COM6 do not already offer, in
// discovery's order, labelled by discovery (with why and what to do for a
// port the user may not open). Each chooses the port's COM name, or its
// device when it has none; a port that the current setting names by its
// device or by-id path chooses that setting, so OK keeps it as it is.
std::vector<PortChoice> PresentPortChoices(const std::vector<harwick::platform::PresentPort>& present,
                                           std::string_view current);

// The button to check for a value; nothing (group left unchecked) when the
// value is not one of the group's.
template <typename T, typename V, std::size_t N>
std::optional<std::size_t> CheckedChoice(const std::array<RadioChoice<T>, N>& group, const V& value)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (group[i].value == value) return i;
    }
    return std::nullopt;
}

} // namespace cablemate
