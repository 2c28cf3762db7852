#include "pc_volumes.h"

#include "pc_tree.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <unistd.h>

namespace stationmate {

namespace {

constexpr std::array<std::string_view, 3> kUserMountPlaces = {"/media", "/mnt", "/run/media"};
constexpr std::array<std::string_view, 7> kNetworkTypes = {"nfs",   "nfs4",       "cifs", "smb3",
                                                           "sshfs", "fuse.sshfs", "9p"};
constexpr std::array<std::string_view, 2> kOpticalTypes = {"iso9660", "udf"};
constexpr std::string_view kDevicePrefix = "/dev/";
constexpr const char* kMountsTable = "/proc/self/mounts";

bool contains(const auto& list, std::string_view value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// The table writes blanks, tabs, line ends and backslashes in a path as
// "\ooo" so that its fields stay blank-separated.
std::string decodeField(std::string_view field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
            isOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r", at);
        if (end == std::string_view::npos) end = line.size();
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

bool isUserMount(std::string_view mountPoint)
{
    return std::any_of(kUserMountPlaces.begin(), kUserMountPlaces.end(), [&](std::string_view place) {
        return mountPoint == place || (mountPoint.starts_with(place) && mountPoint.size() > place.size() &&
                                       mountPoint[place.size()] == '/');
    });
}

} // namespace

int VolumeImage(std::string_view type, std::string_view source)
{
    if (contains(kNetworkTypes, type)) return kImageNetworkDrive;
    if (contains(kOpticalTypes, type)) return kImageOpticalDrive;
    if (source.starts_with(kDevicePrefix)) return kImageFixedDisk;
    return kImageOtherDrive;
}

std::vector<PcVolume> MountedVolumes(std::string_view mountsText)
{
    std::vector<PcVolume> volumes;
    std::size_t at = 0;
    while (at < mountsText.size()) {
        std::size_t end = mountsText.find('\n', at);
        if (end == std::string_view::npos) end = mountsText.size();
        std::vector<std::string_view> fields = splitFields(mountsText.substr(at, end - at));
        at = end + 1;
        if (fields.size() < 3) continue;
        std::string mountPoint = decodeField(fields[1]);
        while (mountPoint.size() > 1 && mountPoint.back() == '/') mountPoint.pop_back();
        if (!isUserMount(mountPoint)) continue;
        PcVolume volume{mountPoint + "/", VolumeImage(fields[2], decodeField(fields[0]))};
        auto same = std::find_if(volumes.begin(), volumes.end(),
                                 [&](const PcVolume& v) { return v.title == volume.title; });
        if (same != volumes.end()) {
            same->image = volume.image;
        } else {
            volumes.push_back(std::move(volume));
        }
    }
    return volumes;
}

std::string ReadMountsTable()
{
    std::ifstream in(kMountsTable, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
    return found->pw_dir != nullptr ? std::string(found->pw_dir) : std::string();
}

} // namespace stationmate
