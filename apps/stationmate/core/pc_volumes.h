// Where the PC tree's top-level items come from on Linux: the home directory
// and the volumes a user mounts, with the image that tells a local disk from a
// network share or an optical disc. The mounts table is passed in as text, so
// that any table can be read, not only the running system's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

struct PcVolume {
    std::string title; // the mount point followed by "/"
    int image;
};

// The volumes mounted at /media, /mnt or /run/media or below them, once each
// (the last mount on a point hides the earlier ones), in table order.
std::vector<PcVolume> MountedVolumes(std::string_view mountsText);
// The image for a filesystem type and the device it was mounted from.
int VolumeImage(std::string_view type, std::string_view source);
// /proc/self/mounts; empty when it cannot be read.
std::string ReadMountsTable();
// $HOME, or the password database's entry when HOME is not set.
std::string HomeDirectory();

} // namespace stationmate
