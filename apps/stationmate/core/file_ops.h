// The PC pane's file operations: New folder, Rename, Delete and File Info on
// an item of the PC tree. They change the disk first and the tree after, and
// reach the user only through the prompter and the OK/Cancel question.
#pragma once

#include "language/ui_text.h"
#include "pc_tree.h"
#include "prompter.h"
#include "transfer_ui.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace stationmate {

// ---- Texts --------------------------------------------------------------------
inline constexpr harwick::UiText kNewFolderName = "New Folder";
inline constexpr harwick::UiText kNewFolderNumbered = "New Folder (%d)";
inline constexpr harwick::UiText kNewFolderFailed = "No new folder can be created in ";
inline constexpr harwick::UiText kNewFolderCaption = "New Folder";
inline constexpr harwick::UiText kRenameFailed = "Rename Failed";
inline constexpr harwick::UiText kRenameSameName =
    ":This file has the same name with another file,Please set a new name";
inline constexpr harwick::UiText kRenameCaption = "Rename FileName or  FolderName Error ";
inline constexpr harwick::UiText kDeleteQuestion = "Delete file ";
inline constexpr harwick::UiText kDeleteReally = "The file will be delete!-Really?";
inline constexpr harwick::UiText kWarningCaption = "Warning";
inline constexpr harwick::UiText kFileTypeSuffix = " (F)File";
inline constexpr char kSizeFormat[] = "%ld BYTE";
inline constexpr char kDateFormat[] = "%d-%d-%d";
inline constexpr harwick::UiText kUnknownFileFormat = "unknown file format";
inline constexpr std::string_view kEllipsis = "...";

// "New Folder" and then "New Folder (1)" up to "New Folder (999)": a medium
// that refuses them all refuses every other name as well.
inline constexpr int kNewFolderAttempts = 1000;
// The longest Path that File Info shows.
inline constexpr std::size_t kInfoPathLength = 40;

// Makes a new folder in selected (a folder), shows it as selected's first
// child with selected expanded, and returns it so that the window can start
// editing its title; nothing when selected is no folder or no name worked.
PcNode* NewFolder(PcTree& tree, PcNode& selected, Prompter& prompter);

// Renames the item on disk and in the tree. Never replaces an existing file
// or folder of the new name. True when the item was renamed.
bool Rename(PcTree& tree, PcNode& node, std::string_view newText, Prompter& prompter);

// Asks, then deletes the item's file or folder for good and takes the item
// out of the tree (node is gone then). True when the user said OK.
bool DeleteItem(PcTree& tree, PcNode& node, TransferDialogs& dialogs);

struct FileInfo {
    std::string fileName;
    std::string path;
    std::string fileType;
    std::string size;
    std::string date;
    std::string fileFormat;
};

// The fields of the "File Info" dialog; nothing for a top-level item, a disk
// or a folder.
std::optional<FileInfo> GetFileInfo(const PcTree& tree, const PcNode& node);

// path cut to at most maxChars characters (not bytes) by putting "..." in
// place of its middle: as much of the start as fits and the whole last
// component when it fits.
std::string CompactPath(std::string_view path, std::size_t maxChars);

} // namespace stationmate
