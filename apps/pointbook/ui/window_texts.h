// The window's texts: its title, the grid's titles, the menus, the OPTIONS
// dialog, the context menu and the About box.
#pragma once

#include "language/ui_text.h"
#include <array>
#include <string_view>

namespace pointbook {

inline constexpr std::string_view kWindowTitle = "Harwick Coordinate Editer";

// The title row over the columns, after the row-number column.
inline constexpr harwick::UiText kNameColumn = "Name";
inline constexpr harwick::UiText kEastingColumn = "Y(Easting)";
inline constexpr harwick::UiText kNorthingColumn = "X(Northing)";
inline constexpr harwick::UiText kElevationColumn = "H(Elevation)";
inline constexpr harwick::UiText kCodeColumn = "Code";
inline constexpr std::array<harwick::UiText, 5> kColumnTitles = {kNameColumn, kEastingColumn, kNorthingColumn,
                                                                 kElevationColumn, kCodeColumn};

// ---- Menus ---------------------------------------------------------------------
inline constexpr harwick::UiText kFileMenu = "File";
inline constexpr harwick::UiText kOpenEntry = "Open";
inline constexpr harwick::UiText kSaveEntry = "Save";
inline constexpr harwick::UiText kSaveAsEntry = "SaveAs";
inline constexpr harwick::UiText kOptionsMenu = "Options";
inline constexpr harwick::UiText kSettingEntry = "Setting";
// Qt reaches no window's system menu on every desktop: About lives here.
inline constexpr harwick::UiText kHelpMenu = "Help";
inline constexpr harwick::UiText kAboutEntry = "About";

// ---- Context menu of the grid ----------------------------------------------------
inline constexpr harwick::UiText kDeleteEntry = "Delete";

// ---- OPTIONS dialog --------------------------------------------------------------
inline constexpr harwick::UiText kOptionsTitle = "OPTIONS";
inline constexpr harwick::UiText kUnitLabel = "Unit:";
inline constexpr std::string_view kUnitMetre = "m";
inline constexpr harwick::UiText kPrecisionLabel = "Precision:";
inline constexpr harwick::UiText kOkButton = "OK";
inline constexpr harwick::UiText kCancelButton = "CANCEL";

// ---- About box -------------------------------------------------------------------
inline constexpr harwick::UiText kAboutTitle = "About pointbook";
inline constexpr harwick::UiText kAboutVersion = "Version 1.0";

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
