// The window's texts: its title, the grid's titles, the menus, the OPTIONS
// dialog, the context menu and the About box.
#pragma once

#include <array>
#include <string_view>

namespace pointbook {

inline constexpr std::string_view kWindowTitle = "Harwick Coordinate Editer";

// The title row over the columns, after the row-number column.
inline constexpr std::array<std::string_view, 5> kColumnTitles = {"Name", "Y(Easting)", "X(Northing)",
                                                                  "H(Elevation)", "Code"};

// ---- Menus ---------------------------------------------------------------------
inline constexpr std::string_view kFileMenu = "File";
inline constexpr std::string_view kOpenEntry = "Open";
inline constexpr std::string_view kSaveEntry = "Save";
inline constexpr std::string_view kSaveAsEntry = "SaveAs";
inline constexpr std::string_view kOptionsMenu = "Options";
inline constexpr std::string_view kSettingEntry = "Setting";
// Qt reaches no window's system menu on every desktop: About lives here.
inline constexpr std::string_view kHelpMenu = "Help";
inline constexpr std::string_view kAboutEntry = "About";

// ---- Context menu of the grid ----------------------------------------------------
inline constexpr std::string_view kDeleteEntry = "Delete";

// ---- OPTIONS dialog --------------------------------------------------------------
inline constexpr std::string_view kOptionsTitle = "OPTIONS";
inline constexpr std::string_view kUnitLabel = "Unit:";
inline constexpr std::string_view kUnitMetre = "m";
inline constexpr std::string_view kPrecisionLabel = "Precision:";
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kCancelButton = "CANCEL";

// ---- About box -------------------------------------------------------------------
inline constexpr std::string_view kAboutTitle = "About pointbook";
inline constexpr std::string_view kAboutVersion = "Version 1.0";

// ---- Object names the widget tests find things by ----------------------------------
inline constexpr const char* kOpenAction = "openAction";
inline constexpr const char* kSaveAction = "saveAction";
inline constexpr const char* kSaveAsAction = "saveAsAction";
inline constexpr const char* kSettingAction = "settingAction";
inline constexpr const char* kAboutAction = "aboutAction";
inline constexpr const char* kDeleteAction = "deleteAction";
inline constexpr const char* kUnitCombo = "unitCombo";
inline constexpr const char* kPrecisionCombo = "precisionCombo";
inline constexpr const char* kOkButtonName = "okButton";
inline constexpr const char* kCancelButtonName = "cancelButton";

} // namespace pointbook
