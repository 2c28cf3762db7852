// How a flat picture button lights up under the mouse: its face colour
// with red, green and blue all raised by the same amount, at most 30, and
// less where one channel would otherwise pass 255, so the hue stays.
#pragma once

namespace toolhub {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr int kHoverLightening = 30;

// The amount every channel of `face` is raised by: the smallest of `most`
// and 255 minus each channel.
int LighteningOf(Rgb face, int most = kHoverLightening);

Rgb Lightened(Rgb face, int most = kHoverLightening);

} // namespace toolhub
