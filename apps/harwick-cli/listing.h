// The one-line-per-item listings of harwick ports and harwick usb share their
// columns and their words for what cannot be used.
#pragma once

#include "language/ui_text.h"

#include <string_view>

namespace harwick::cli {

inline constexpr std::string_view kColumnGap = "  ";
inline constexpr harwick::UiText kNotUsable = "not usable: ";
inline constexpr harwick::UiText kUsable = "ok";

} // namespace harwick::cli
