// The dialog's own texts and the object names tests find its widgets by.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace sketchconv {

inline constexpr harwick::UiText kPathLabel = "Open GSI file";
inline constexpr std::string_view kBrowseButton = "...";
inline constexpr harwick::UiText kFontHeightLabel = "Font height setting:";
inline constexpr harwick::UiText kOkButton = "OK";
inline constexpr harwick::UiText kCancelButton = "Cancel";
// Qt reaches no window's system menu on every desktop: About is a button.
inline constexpr harwick::UiText kAboutButton = "About...";
inline constexpr harwick::UiText kAboutTitle = "About sketchconv";
inline constexpr harwick::UiText kAboutVersion = "Version 1.2";

inline constexpr int kInitialFontHeight = 1;
inline constexpr int kMinFontHeight = 1;
inline constexpr int kMaxFontHeight = 9999;

inline constexpr const char* kPathFieldName = "pathField";
inline constexpr const char* kBrowseButtonName = "browseButton";
inline constexpr const char* kFontHeightName = "fontHeightField";
inline constexpr const char* kOkButtonName = "okButton";
inline constexpr const char* kCancelButtonName = "cancelButton";
inline constexpr const char* kAboutButtonName = "aboutButton";

} // namespace sketchconv
