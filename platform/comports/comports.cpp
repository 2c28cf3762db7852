#include "comports/comports.h"

#include "runtime/runtime.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

constexpr char kPortsDirName[] = "ports";
// Bytes of an entry file that are looked at; a device path is far shorter.
constexpr std::size_t kEntryReadLimit = 4096;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

// "COM" in any letter case, then 1 to 256 without leading zeros: a second
// spelling of the same port would look like a second port in a list.
std::optional<int> PortNumber(std::string_view name)
{
    if (name.size() < 4 || name.size() > 6) return std::nullopt;
    if (lowerAscii(name[0]) != 'c' || lowerAscii(name[1]) != 'o' || lowerAscii(name[2]) != 'm') return std::nullopt;
    const std::string_view digits = name.substr(3);
    if (digits.front() == '0') return std::nullopt;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < kFirstPort || number > kLastPort) return std::nullopt;
    return number;
}

namespace {

std::optional<std::string> fromDefaultTable(int number)
{
    struct Block {
        int first;
        const char* prefix;
    };
    static constexpr std::array<Block, 3> blocks{{{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}}};
    for (const Block& block : blocks) {
        if (number >= block.first && number < block.first + 32) {
            return block.prefix + std::to_string(number - block.first);
        }
    }
    return std::nullopt;
}

bool isBlankOrCr(char c) { return c == ' ' || c == '\t' || c == '\r'; }

} // namespace

std::optional<std::string> FirstLineOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(kEntryReadLimit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    std::string_view line(text);
    line = line.substr(0, line.find('\n'));
    while (!line.empty() && isBlankOrCr(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlankOrCr(line.back())) line.remove_suffix(1);
    if (line.empty()) return std::nullopt;
    return std::string(line);
}

namespace {

std::optional<std::string> fromPortsDirectory(const fs::path& directory, int number)
{
    const fs::path entry = directory / ("COM" + std::to_string(number));
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(entry, ec);
    if (ec) return std::nullopt;
    if (fs::is_symlink(status)) {
        fs::path target = fs::read_symlink(entry, ec);
        if (ec || target.empty()) return std::nullopt;
        if (target.is_relative()) target = fs::absolute(directory / target, ec);
        if (ec) return std::nullopt;
        return target.lexically_normal().string();
    }
    if (fs::is_regular_file(status)) return FirstLineOf(entry);
    return std::nullopt;
}

} // namespace

std::optional<std::string> DevicePathForPort(std::string_view name)
{
    if (name.empty()) return std::nullopt;
    if (name.front() == '/') return std::string(name);
    const std::optional<int> number = PortNumber(name);
    if (!number) return std::nullopt;
    const fs::path directory = PortsDirectory();
    std::error_code ec;
    if (fs::is_directory(directory, ec)) return fromPortsDirectory(directory, *number);
    return fromDefaultTable(*number);
}

std::vector<std::pair<int, std::string>> PortTable()
{
    std::vector<std::pair<int, std::string>> table;
    const fs::path directory = PortsDirectory();
    std::error_code ec;
    const bool mapped = fs::is_directory(directory, ec);
    for (int n = kFirstPort; n <= kLastPort; ++n) {
        std::optional<std::string> device = mapped ? fromPortsDirectory(directory, n) : fromDefaultTable(n);
        if (device) table.emplace_back(n, std::move(*device));
    }
    return table;
}

std::string PortsDirectory()
{
    return (fs::path(SuiteConfigDirectory()) / kPortsDirName).string();
}

} // namespace harwick::platform
