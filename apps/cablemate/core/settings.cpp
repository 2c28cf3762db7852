#include "settings.h"

#include "cable_messages.h"

#include "comports/comports.h"
#include "profile/ini_document.h"
#include "profile/profile.h"

#include <cerrno>
#include <cstdio>
#include <functional>

namespace cablemate {

namespace {

namespace pf = harwick::platform;

// A NUL-separated list as the buffer forms fill it, up to the reported
// length; a list cut by its buffer ends with whatever fitted.
std::vector<std::string> splitNulList(const std::vector<char>& buffer, int length)
{
    std::vector<std::string> items;
    const std::string_view all(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = all.find('\0', start);
        const std::string_view item = all.substr(start, end == std::string_view::npos ? end : end - start);
        if (item.empty()) break;
        items.emplace_back(item);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return items;
}

int lastError()
{
    return errno != 0 ? errno : EIO;
}

// The section's values in file order, when the file is one of ours and holds
// the section with at least one key.
std::optional<std::vector<std::string>> sectionValues(const std::string& file, std::string_view section)
{
    const ProfileFile profile(file);
    const std::vector<std::string> names = profile.SectionNames();
    if (names.empty() || names.size() > kMaxSections) return std::nullopt;
    bool found = false;
    for (const std::string& name : names) found = found || name == section;
    if (!found) return std::nullopt;
    std::vector<std::string> values;
    for (auto& entry : profile.Section(section)) values.push_back(std::move(entry.second));
    if (values.empty()) return std::nullopt;
    return values;
}

int number(const std::string& text) { return pf::ini::leadingInteger(text); }
std::uint8_t byteNumber(const std::string& text) { return static_cast<std::uint8_t>(number(text)); }

// Writes the keys in the given order after dropping the whole section, so the
// section ends up holding exactly these keys.
bool saveSection(const std::string& file, std::string_view section,
                 const std::vector<std::pair<std::string_view, std::string>>& keys)
{
    const ProfileFile profile(file);
    bool ok = profile.DeleteSection(section);
    for (const auto& [key, value] : keys) {
        ok = profile.Write(section, key, value, ProfileFile::WriteMode::Always) == 0 && ok;
    }
    return ok;
}

std::string decimal(int value) { return std::to_string(value); }

constexpr const char* kDialogNumberFormat = "%-3d";

// Whole decimal numbers only, blanks around them allowed (the dialogs show
// their numbers padded with blanks); anything else is nothing.
std::optional<long> typedInteger(std::string_view typed)
{
    typed = pf::ini::trimBlanks(typed);
    if (typed.empty()) return std::nullopt;
    bool negative = false;
    if (typed.front() == '+' || typed.front() == '-') {
        negative = typed.front() == '-';
        typed.remove_prefix(1);
    }
    if (typed.empty() || typed.size() > 9) return std::nullopt;
    long value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

CheckedSetting checkRange(std::string_view typed, long low, long high, int scale, std::string_view message,
                          int fallback)
{
    const std::optional<long> value = typedInteger(typed);
    if (!value || *value < low || *value > high) return {fallback, message};
    return {static_cast<int>(*value) * scale, {}};
}

} // namespace

// ---- ProfileFile ------------------------------------------------------------------

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

std::vector<std::string> ProfileFile::SectionNames() const
{
    std::vector<char> buffer(kSectionNamesBuffer, '\0');
    const int length = pf::GetPrivateProfileSectionNames(buffer.data(), kSectionNamesBuffer, path_);
    return splitNulList(buffer, length);
}

std::vector<std::pair<std::string, std::string>> ProfileFile::Section(std::string_view name) const
{
    std::vector<char> buffer(kSectionBuffer, '\0');
    const int length = pf::GetPrivateProfileSection(std::string(name).c_str(), buffer.data(), kSectionBuffer, path_);
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::string& line : splitNulList(buffer, length)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            entries.emplace_back(std::move(line), std::string());
        } else {
            entries.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        }
    }
    return entries;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const
{
    std::vector<char> buffer(kValueBuffer, '\0');
    const std::string sentinel(kNoneValueSentinel);
    const int length = pf::GetPrivateProfileString(std::string(section).c_str(), std::string(key).c_str(),
                                                   sentinel.c_str(), buffer.data(), kValueBuffer, path_);
    std::string value(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
    if (value == sentinel) return std::nullopt;
    return value;
}

int ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value, WriteMode mode) const
{
    if (mode == WriteMode::OnlyExisting && !Read(section, key)) return ENOENT;
    errno = 0;
    if (pf::WritePrivateProfileString(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), path_)) {
        return 0;
    }
    return lastError();
}

bool ProfileFile::DeleteSection(std::string_view section) const
{
    return pf::WritePrivateProfileString(std::string(section).c_str(), nullptr, nullptr, path_);
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) const
{
    return pf::WritePrivateProfileString(std::string(section).c_str(), std::string(key).c_str(), nullptr, path_);
}

// ---- Loading and saving -------------------------------------------------------------

int LoadComSettings(const std::string& file, ComSettings& record)
{
    const std::optional<std::vector<std::string>> values = sectionValues(file, kComSection);
    if (!values) return 0;
    // By position, in the order saving writes the keys; missing positions
    // keep their defaults.
    ComSettings filled;
    const std::vector<std::function<void(const std::string&)>> fields{
        // As read, even when it names no port: never some other port instead.
        [&](const std::string& v) { filled.portName = v; },
        [&](const std::string& v) { filled.baudRate = number(v); },
        [&](const std::string& v) { filled.parity = byteNumber(v); },
        [&](const std::string& v) { filled.dataBits = byteNumber(v); },
        [&](const std::string& v) { filled.protocol = byteNumber(v); },
        [&](const std::string& v) { filled.receiveTimeOut = number(v); },
        [&](const std::string& v) { filled.rowDelay = number(v); },
        [&](const std::string& v) { filled.stopBits = byteNumber(v); },
    };
    for (std::size_t i = 0; i < values->size() && i < fields.size(); ++i) fields[i]((*values)[i]);
    record = filled;
    return static_cast<int>(values->size());
}

int LoadUsbSettings(const std::string& file, UsbSettings& record)
{
    const std::optional<std::vector<std::string>> values = sectionValues(file, kUsbSection);
    if (!values) return 0;
    UsbSettings filled;
    filled.rowDelay = number((*values)[0]);
    if (values->size() > 1) filled.receiveTimeOut = number((*values)[1]);
    record = filled;
    return static_cast<int>(values->size());
}

bool SaveComSettings(const std::string& file, const ComSettings& record)
{
    return saveSection(file, kComSection,
                       {
                           {kKeyComPort, record.portName},
                           {kKeyBaudrate, decimal(record.baudRate)},
                           {kKeyCheckBit, decimal(record.parity)},
                           {kKeyDataBit, decimal(record.dataBits)},
                           {kKeyProtocol, decimal(record.protocol)},
                           {kKeyReceiveTimeOut, decimal(record.receiveTimeOut)},
                           {kKeyRowDelay, decimal(record.rowDelay)},
                           {kKeyStopBit, decimal(record.stopBits)},
                       });
}

bool SaveUsbSettings(const std::string& file, const UsbSettings& record)
{
    return saveSection(file, kUsbSection,
                       {
                           {kKeyUsbRowDelay, decimal(record.rowDelay)},
                           {kKeyUsbTimeOut, decimal(record.receiveTimeOut)},
                       });
}

// ---- The port ---------------------------------------------------------------------------

bool NamesAPort(std::string_view portName)
{
    return portName.size() < kPortNameCapacity && pf::DevicePathForPort(portName).has_value();
}

std::string PortNamesNoPortMessage(std::string_view portName)
{
    return std::string(kPortNamesNoPortBefore) + std::string(portName) + std::string(kPortNamesNoPortAfter);
}

std::vector<PortChoice> PresentPortChoices(const std::vector<pf::PresentPort>& present, std::string_view current)
{
    std::vector<PortChoice> choices;
    for (const pf::PresentPort& port : present) {
        if (CheckedChoice(kPortChoices, std::string_view(port.comName))) continue;
        std::string value = port.comName.empty() ? port.device : port.comName;
        if (!current.empty() && (current == port.device || current == port.byId)) value = current;
        std::string label = port.Label();
        if (!port.access.ok) label += std::string(kPortNotUsable) + port.access.Text();
        choices.push_back({std::move(value), std::move(label)});
    }
    return choices;
}

// ---- Dialog checks --------------------------------------------------------------------

CheckedSetting CheckTimeoutSeconds(std::string_view typed)
{
    constexpr long kMinSeconds = 1, kMaxSeconds = 999;
    constexpr int kMillisecondsPerSecond = 1000;
    return checkRange(typed, kMinSeconds, kMaxSeconds, kMillisecondsPerSecond, kTimeoutRange,
                      ComSettings{}.receiveTimeOut);
}

CheckedSetting CheckRowDelay(std::string_view typed)
{
    constexpr long kMinDelay = 1, kMaxDelay = 9999;
    return checkRange(typed, kMinDelay, kMaxDelay, 1, kRowDelayRange, ComSettings{}.rowDelay);
}

std::string DialogNumber(int value)
{
    std::array<char, 16> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), kDialogNumberFormat, value);
    return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

} // namespace cablemate
