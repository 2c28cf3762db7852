// The launcher's texts, its pictures in the program's resources, and the
// object names the widget tests find things by.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace toolhub {

inline constexpr std::string_view kWindowTitle = "Harwick";

// Qt reaches no window's system menu on every desktop: the About entry is
// on the dialog's own context menu instead.
inline constexpr harwick::UiText kAboutEntry = "About toolhub…";

// ---- About box -------------------------------------------------------------------
inline constexpr harwick::UiText kAboutTitle = "About toolhub";
inline constexpr harwick::UiText kAboutVersion = "toolhub version 1.2";
inline constexpr harwick::UiText kOkButton = "OK";

// ---- Pictures: icons/<name>.png, compiled in ----------------------------------------
inline constexpr std::string_view kIconPrefix = ":/toolhub/icons/";
inline constexpr std::string_view kIconSuffix = ".png";
// The launcher's own name: its picture, and the desktop entry it belongs to.
inline constexpr std::string_view kOwnName = "toolhub";

// ---- Object names ------------------------------------------------------------------
// Each picture button is named after the program it starts.
inline constexpr const char* kAboutAction = "aboutAction";
inline constexpr const char* kOkButtonName = "okButton";
inline constexpr const char* kVersionLabel = "versionLabel";

} // namespace toolhub
