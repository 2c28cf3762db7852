// The one-line-per-item listings of harwick ports and harwick usb share their
// columns and their words for what cannot be used.
#pragma once

#include <string_view>

namespace harwick::cli {

inline constexpr std::string_view kColumnGap = "  ";
inline constexpr std::string_view kNotUsable = "not usable: ";

} // namespace harwick::cli
