// The texts of the exchange program's dialogs and windows, each written once,
// exactly as the program has always shown them (typos included: users and
// their documentation know the windows by these words).
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace stationmate {

// ---- The main window's menus and bars -------------------------------------------
inline constexpr harwick::UiText kFileMenu = "&File";
inline constexpr harwick::UiText kViewEntry = "&View";
inline constexpr harwick::UiText kMoveEntry = "&Move";
inline constexpr harwick::UiText kDeleteEntry = "&Delete";
inline constexpr harwick::UiText kNewFolderEntry = "&New Folder";
inline constexpr harwick::UiText kCopyEntry = "&Copy";
inline constexpr harwick::UiText kRenameAskEntry = "&Rename...";
inline constexpr harwick::UiText kUpdateAskEntry = "&Update...";
inline constexpr harwick::UiText kUpdatePcEntry = "&Update";
inline constexpr harwick::UiText kNewPcFolderEntry = "&New folder";
inline constexpr harwick::UiText kRenameEntry = "&Rename";
inline constexpr harwick::UiText kExitEntry = "E&xit";
inline constexpr harwick::UiText kViewMenu = "&View";
inline constexpr harwick::UiText kToolbarEntry = "&Toolbar";
inline constexpr harwick::UiText kPathbarEntry = "&Pathbar";
inline constexpr harwick::UiText kStatusbarEntry = "&Statusbar";
inline constexpr harwick::UiText kOptionsMenu = "&Options";
inline constexpr harwick::UiText kUpdateEntry = "&Update Device/Files";
inline constexpr harwick::UiText kFileInfoEntry = "&File Info";
inline constexpr harwick::UiText kPortSettingEntry = "&Port Setting";
inline constexpr harwick::UiText kHelpMenu = "&Help";
inline constexpr harwick::UiText kHelpTopicsEntry = "&Help Topics";
inline constexpr harwick::UiText kAboutEntry = "About...";
inline constexpr harwick::UiText kStandardBar = "Standard";
inline constexpr harwick::UiText kButtonsBar = "Buttons";
inline constexpr harwick::UiText kPathBar = "Path";
inline constexpr harwick::UiText kFilterLabel = "Filter";
inline constexpr harwick::UiText kNewButton = "New";
inline constexpr harwick::UiText kOpenButton = "Open";
inline constexpr harwick::UiText kSaveButton = "Save";
inline constexpr harwick::UiText kCutButton = "Cut";
inline constexpr harwick::UiText kCopyButton = "Copy";
inline constexpr harwick::UiText kPasteButton = "Paste";
inline constexpr harwick::UiText kPrintButton = "Print";
inline constexpr harwick::UiText kAboutButton = "About";
inline constexpr harwick::UiText kBusyText = "An instrument operation is under way";

// ---- The program ----------------------------------------------------------------
inline constexpr std::string_view kProgramTitle = "Harwick Station";
inline constexpr harwick::UiText kAboutCaption = "About Harwick Station";
inline constexpr harwick::UiText kAboutVersion = "Version 1.0";
inline constexpr harwick::UiText kAboutOwnership = "Part of the Harwick survey suite";

// ---- Buttons ----------------------------------------------------------------------
inline constexpr harwick::UiText kOkButton = "OK";
inline constexpr harwick::UiText kCancelButton = "Cancel";
inline constexpr harwick::UiText kCancelButtonUpper = "CANCEL";

// ---- Wait window ------------------------------------------------------------------
inline constexpr harwick::UiText kWaitInitiating = "Initiating Conmmunication";
inline constexpr harwick::UiText kWaitPlease = "Please wait...";

// ---- "File Downloading" -----------------------------------------------------------
inline constexpr harwick::UiText kDownloadCaption = "File Downloading";
inline constexpr harwick::UiText kSourceFileLabel = "Source File:";
inline constexpr harwick::UiText kDestinationLabel = "Destination:";
inline constexpr harwick::UiText kFileNameLabel = "File Name:";
inline constexpr harwick::UiText kFormatLabel = "Format:";

// ---- "Receiving..." ---------------------------------------------------------------
inline constexpr harwick::UiText kProgressCaption = "Receiving...";
inline constexpr harwick::UiText kFileTypeLabel = "FileType:";
inline constexpr harwick::UiText kBlockLabel = "Block:";
inline constexpr std::string_view kFirstBarScale = "0          50          100";
inline constexpr std::string_view kSecondBarScale = "0                        500                       1000";
inline constexpr int kFirstBarRange = 100;
inline constexpr int kSecondBarRange = 1000;

// ---- "UpLoad File" and "Input a new name" -----------------------------------------
inline constexpr harwick::UiText kUploadCaption = "UpLoad File";
inline constexpr harwick::UiText kUploadSourceLabel = "Souce File:";
inline constexpr std::string_view kUploadFormats[] = {"GSI", "IDEX"};
inline constexpr harwick::UiText kNewNameCaption = "Input a new name";
inline constexpr harwick::UiText kNewNamePrompt = "Please input a new name!";

// ---- "File Info" ------------------------------------------------------------------
inline constexpr harwick::UiText kFileInfoCaption = "File Info";
inline constexpr harwick::UiText kInfoFileNameLabel = "FileName:";
inline constexpr harwick::UiText kInfoPathLabel = "Path:";
inline constexpr harwick::UiText kInfoFileTypeLabel = "FileType:";
inline constexpr harwick::UiText kInfoFileFormatLabel = "FileFormat:";
inline constexpr harwick::UiText kInfoSizeLabel = "Size:";
inline constexpr harwick::UiText kInfoDateLabel = "Date:";

// ---- "Communication settings" -----------------------------------------------------
inline constexpr harwick::UiText kSettingsCaption = "Communication settings";
inline constexpr harwick::UiText kSettingsTab = "Communication Settings";
inline constexpr harwick::UiText kCurrentSelectionGroup = "Current Selection";
inline constexpr harwick::UiText kSettingsGroup = "Settings";

} // namespace stationmate
