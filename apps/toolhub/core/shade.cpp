#include "shade.h"

#include <algorithm>

namespace toolhub {

namespace {

constexpr int kChannelMax = 255;

} // namespace

int LighteningOf(Rgb face, int most)
{
    const int room = kChannelMax - std::max({face.red, face.green, face.blue});
    return std::max(0, std::min(most, room));
}

Rgb Lightened(Rgb face, int most)
{
    const int by = LighteningOf(face, most);
    return Rgb{face.red + by, face.green + by, face.blue + by};
}

} // namespace toolhub
