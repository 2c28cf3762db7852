// The window's own texts: menus and their entries, the About box, and the
// few messages of our own. The command table's entries keep their texts
// exactly; the entries we added for the commands that had no menu entry are
// our own words.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace cablemate {

// ---- Menus ----------------------------------------------------------------------
inline constexpr harwick::UiText kFileMenu = "&File";
inline constexpr harwick::UiText kEditMenu = "&Edit";
inline constexpr harwick::UiText kViewMenu = "&View";
inline constexpr harwick::UiText kUsbMenu = "USB Comm";
inline constexpr harwick::UiText kComMenu = "COM Comm";
inline constexpr harwick::UiText kConvertMenu = "Convert";
inline constexpr harwick::UiText kToolsMenu = "Tools";
inline constexpr harwick::UiText kHelpMenu = "&Help";
inline constexpr harwick::UiText kRecentFilesMenu = "Recent Files";
inline constexpr harwick::UiText kReadyStatus = "Ready";

// ---- The framework's standard entries ----------------------------------------------
inline constexpr harwick::UiText kNewEntry = "&New\tCtrl+N";
inline constexpr harwick::UiText kOpenEntry = "&Open...\tCtrl+O";
inline constexpr harwick::UiText kSaveAsEntry = "Save &As...";
inline constexpr harwick::UiText kPrintEntry = "&Print...\tCtrl+P";
inline constexpr harwick::UiText kPrintPreviewEntry = "Print Pre&view";
inline constexpr harwick::UiText kPrintSetupEntry = "P&rint Setup...";
inline constexpr harwick::UiText kExitEntry = "E&xit";
inline constexpr harwick::UiText kUndoEntry = "&Undo\tCtrl+Z";
inline constexpr harwick::UiText kCutEntry = "Cu&t\tCtrl+X";
inline constexpr harwick::UiText kCopyEntry = "&Copy\tCtrl+C";
inline constexpr harwick::UiText kPasteEntry = "&Paste\tCtrl+V";
inline constexpr harwick::UiText kToolbarEntry = "&Toolbar";
inline constexpr harwick::UiText kStatusBarEntry = "&Status Bar";
inline constexpr harwick::UiText kAboutEntry = "&About Harwick cablemate...";

// ---- The "USB Comm" menu, as the command table has it ------------------------------
inline constexpr harwick::UiText kUsbParaEntry = "USB  Para(&T)\tCtrl+T";
inline constexpr harwick::UiText kDownloadMeasuredEntry = "Download Measured/Coord Data(&P)\tCtrl+P";
inline constexpr harwick::UiText kDownloadCodeEntry = "Download CODE Data(&M)\tCtrl+M";
inline constexpr harwick::UiText kDownloadHzEntry = "Download HZ Alignment Data(&N)\tCtrl+N";
inline constexpr harwick::UiText kDownloadVtEntry = "Download VT Alignment Data(&V)\tCtrl+V";
inline constexpr harwick::UiText kUploadCoordinateEntry = "Upload Coordinate(&Z)\tCtrl+Z";
inline constexpr harwick::UiText kUploadCodeEntry = "Upload Code(&Y)\tCtrl+Y";
inline constexpr harwick::UiText kUploadHzEntry = "Upload HZ Alignment Data(&X)\tCtrl+X";
inline constexpr harwick::UiText kUploadVtEntry = "Upload VT Alignment Data(&O)\tCtrl+O";

// ---- Our entries for the commands without one ---------------------------------------
inline constexpr harwick::UiText kUsbUploadTextEntry = "Upload Text";
inline constexpr harwick::UiText kUsbUploadOtherEntry = "Upload Other Data";
inline constexpr harwick::UiText kComParaEntry = "COM Para...";
inline constexpr harwick::UiText kComDownloadEntry = "Download Measured/Coord Data";
inline constexpr harwick::UiText kComDownloadHzEntry = "Download HZ Alignment Data";
inline constexpr harwick::UiText kComDownloadVtEntry = "Download VT Alignment Data";
inline constexpr harwick::UiText kComUploadCoordinateEntry = "Upload Coordinate";
inline constexpr harwick::UiText kComUploadCodeEntry = "Upload Code";
inline constexpr harwick::UiText kComUploadHzEntry = "Upload HZ Alignment Data";
inline constexpr harwick::UiText kComUploadVtEntry = "Upload VT Alignment Data";
inline constexpr harwick::UiText kComUploadCodeBlocksEntry = "Upload Code List as Blocks";
inline constexpr harwick::UiText kComUploadCoordinateBlocksEntry = "Upload Coordinates as Blocks";
inline constexpr harwick::UiText kCodeBlocksEntry = "Code Blocks to Code List";
inline constexpr harwick::UiText kMeasuredBlocksEntry = "Measured Data Blocks to KARD";
inline constexpr harwick::UiText kCoordinateBlocksEntry = "Coordinate Blocks to KARD";
inline constexpr harwick::UiText kKardToBlocksEntry = "KARD to Coordinate Blocks";
inline constexpr harwick::UiText kKard600Entry = "KARD600 to KARD300";
inline constexpr harwick::UiText kKard600AgainEntry = "KARD600 Coordinates to KARD300";
inline constexpr harwick::UiText kExportDxfEntry = "Export DXF";
inline constexpr harwick::UiText kCoordinateListEntry = "Coordinate List...";
inline constexpr harwick::UiText kCodeListEntry = "Code List...";
inline constexpr harwick::UiText kCorrectionEntry = "Coordinate Correction...";
inline constexpr harwick::UiText kHelpEntry = "Help Topics";

// ---- Our own messages ----------------------------------------------------------------
inline constexpr harwick::UiText kCannotOpenFile = "Cannot open the file ";
inline constexpr harwick::UiText kHelpMissing = "The help file QTRHelp.chm is missing.";
inline constexpr harwick::UiText kHelpNotOpened = "No program opened the help file QTRHelp.chm.";
inline constexpr harwick::UiText kAboutTitle = "About Harwick cablemate";
inline constexpr harwick::UiText kAboutText = "Harwick cablemate\nVersion 1.0\n\nPlain-text transfers with the total station "
                                               "over USB or a serial port, and their conversions.";

// ---- Files -------------------------------------------------------------------------
// The single-instance name (a lock file in the runtime folder).
inline constexpr std::string_view kInstanceName = "AFX_CAMERA_H__E3896B00_0AF4_4B32_900D_A35370E6483A__INCLUDED_";
inline constexpr std::string_view kRecentListFile = "cablemate-recent.ini";
// The Save As dialog's types, in SaveType order.
inline constexpr std::string_view kSaveAsFilter = "GSI(*.gsi);;KARD(*.dat);;DXF(*.dxf)";
inline constexpr std::string_view kSaveAsInitialName = "*.gsi";

} // namespace cablemate
