// The texts of the exchange program's dialogs and windows, each written once,
// exactly as the program has always shown them (typos included: users and
// their documentation know the windows by these words).
#pragma once

#include <string_view>

namespace stationmate {

// ---- The program ----------------------------------------------------------------
inline constexpr std::string_view kProgramTitle = "Harwick Station";
inline constexpr std::string_view kAboutCaption = "About Harwick Station";
inline constexpr std::string_view kAboutVersion = "Version 1.0";
inline constexpr std::string_view kAboutOwnership = "Part of the Harwick survey suite";

// ---- Buttons ----------------------------------------------------------------------
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kCancelButton = "Cancel";
inline constexpr std::string_view kCancelButtonUpper = "CANCEL";

// ---- Wait window ------------------------------------------------------------------
inline constexpr std::string_view kWaitInitiating = "Initiating Conmmunication";
inline constexpr std::string_view kWaitPlease = "Please wait...";

// ---- "File Downloading" -----------------------------------------------------------
inline constexpr std::string_view kDownloadCaption = "File Downloading";
inline constexpr std::string_view kSourceFileLabel = "Source File:";
inline constexpr std::string_view kDestinationLabel = "Destination:";
inline constexpr std::string_view kFileNameLabel = "File Name:";
inline constexpr std::string_view kFormatLabel = "Format:";

// ---- "Receiving..." ---------------------------------------------------------------
inline constexpr std::string_view kProgressCaption = "Receiving...";
inline constexpr std::string_view kFileTypeLabel = "FileType:";
inline constexpr std::string_view kBlockLabel = "Block:";
inline constexpr std::string_view kFirstBarScale = "0          50          100";
inline constexpr std::string_view kSecondBarScale = "0                        500                       1000";
inline constexpr int kFirstBarRange = 100;
inline constexpr int kSecondBarRange = 1000;

// ---- "UpLoad File" and "Input a new name" -----------------------------------------
inline constexpr std::string_view kUploadCaption = "UpLoad File";
inline constexpr std::string_view kUploadSourceLabel = "Souce File:";
inline constexpr std::string_view kUploadFormats[] = {"GSI", "IDEX"};
inline constexpr std::string_view kNewNameCaption = "Input a new name";
inline constexpr std::string_view kNewNamePrompt = "Please input a new name!";

// ---- "File Info" ------------------------------------------------------------------
inline constexpr std::string_view kFileInfoCaption = "File Info";
inline constexpr std::string_view kInfoFileNameLabel = "FileName:";
inline constexpr std::string_view kInfoPathLabel = "Path:";
inline constexpr std::string_view kInfoFileTypeLabel = "FileType:";
inline constexpr std::string_view kInfoFileFormatLabel = "FileFormat:";
inline constexpr std::string_view kInfoSizeLabel = "Size:";
inline constexpr std::string_view kInfoDateLabel = "Date:";

// ---- "Communication settings" -----------------------------------------------------
inline constexpr std::string_view kSettingsCaption = "Communication settings";
inline constexpr std::string_view kSettingsTab = "Communication Settings";
inline constexpr std::string_view kCurrentSelectionGroup = "Current Selection";
inline constexpr std::string_view kSettingsGroup = "Settings";

} // namespace stationmate
