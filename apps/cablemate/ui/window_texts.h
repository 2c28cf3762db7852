// The window's own texts: menus and their entries, the About box, and the
// few messages of our own. The command table's entries keep their texts
// exactly; the entries we added for the commands that had no menu entry are
// our own words.
#pragma once

#include <string_view>

namespace cablemate {

// ---- Menus ----------------------------------------------------------------------
inline constexpr std::string_view kFileMenu = "&File";
inline constexpr std::string_view kEditMenu = "&Edit";
inline constexpr std::string_view kViewMenu = "&View";
inline constexpr std::string_view kUsbMenu = "USB Comm";
inline constexpr std::string_view kComMenu = "COM Comm";
inline constexpr std::string_view kConvertMenu = "Convert";
inline constexpr std::string_view kToolsMenu = "Tools";
inline constexpr std::string_view kHelpMenu = "&Help";

// ---- The framework's standard entries ----------------------------------------------
inline constexpr std::string_view kNewEntry = "&New\tCtrl+N";
inline constexpr std::string_view kOpenEntry = "&Open...\tCtrl+O";
inline constexpr std::string_view kSaveAsEntry = "Save &As...";
inline constexpr std::string_view kPrintEntry = "&Print...\tCtrl+P";
inline constexpr std::string_view kPrintPreviewEntry = "Print Pre&view";
inline constexpr std::string_view kPrintSetupEntry = "P&rint Setup...";
inline constexpr std::string_view kExitEntry = "E&xit";
inline constexpr std::string_view kUndoEntry = "&Undo\tCtrl+Z";
inline constexpr std::string_view kCutEntry = "Cu&t\tCtrl+X";
inline constexpr std::string_view kCopyEntry = "&Copy\tCtrl+C";
inline constexpr std::string_view kPasteEntry = "&Paste\tCtrl+V";
inline constexpr std::string_view kToolbarEntry = "&Toolbar";
inline constexpr std::string_view kStatusBarEntry = "&Status Bar";
inline constexpr std::string_view kAboutEntry = "&About Harwick cablemate...";

// ---- The "USB Comm" menu, as the command table has it ------------------------------
inline constexpr std::string_view kUsbParaEntry = "USB  Para(&T)\tCtrl+T";
inline constexpr std::string_view kDownloadMeasuredEntry = "Download Measured/Coord Data(&P)\tCtrl+P";
inline constexpr std::string_view kDownloadCodeEntry = "Download CODE Data(&M)\tCtrl+M";
inline constexpr std::string_view kDownloadHzEntry = "Download HZ Alignment Data(&N)\tCtrl+N";
inline constexpr std::string_view kDownloadVtEntry = "Download VT Alignment Data(&V)\tCtrl+V";
inline constexpr std::string_view kUploadCoordinateEntry = "Upload Coordinate(&Z)\tCtrl+Z";
inline constexpr std::string_view kUploadCodeEntry = "Upload Code(&Y)\tCtrl+Y";
inline constexpr std::string_view kUploadHzEntry = "Upload HZ Alignment Data(&X)\tCtrl+X";
inline constexpr std::string_view kUploadVtEntry = "Upload VT Alignment Data(&O)\tCtrl+O";

// ---- Our entries for the commands without one ---------------------------------------
inline constexpr std::string_view kUsbUploadTextEntry = "Upload Text";
inline constexpr std::string_view kUsbUploadOtherEntry = "Upload Other Data";
inline constexpr std::string_view kComParaEntry = "COM Para...";
inline constexpr std::string_view kComDownloadEntry = "Download Measured/Coord Data";
inline constexpr std::string_view kComDownloadHzEntry = "Download HZ Alignment Data";
inline constexpr std::string_view kComDownloadVtEntry = "Download VT Alignment Data";
inline constexpr std::string_view kComUploadCoordinateEntry = "Upload Coordinate";
inline constexpr std::string_view kComUploadCodeEntry = "Upload Code";
inline constexpr std::string_view kComUploadHzEntry = "Upload HZ Alignment Data";
inline constexpr std::string_view kComUploadVtEntry = "Upload VT Alignment Data";
inline constexpr std::string_view kComUploadCodeBlocksEntry = "Upload Code List as Blocks";
inline constexpr std::string_view kComUploadCoordinateBlocksEntry = "Upload Coordinates as Blocks";
inline constexpr std::string_view kCodeBlocksEntry = "Code Blocks to Code List";
inline constexpr std::string_view kMeasuredBlocksEntry = "Measured Data Blocks to KARD";
inline constexpr std::string_view kCoordinateBlocksEntry = "Coordinate Blocks to KARD";
inline constexpr std::string_view kKardToBlocksEntry = "KARD to Coordinate Blocks";
inline constexpr std::string_view kKard600Entry = "KARD600 to KARD300";
inline constexpr std::string_view kKard600AgainEntry = "KARD600 Coordinates to KARD300";
inline constexpr std::string_view kExportDxfEntry = "Export DXF";
inline constexpr std::string_view kCoordinateListEntry = "Coordinate List...";
inline constexpr std::string_view kCodeListEntry = "Code List...";
inline constexpr std::string_view kCorrectionEntry = "Coordinate Correction...";
inline constexpr std::string_view kHelpEntry = "Help Topics";

// ---- Our own messages ----------------------------------------------------------------
inline constexpr std::string_view kCannotOpenFile = "Cannot open the file ";
inline constexpr std::string_view kHelpMissing = "The help file QTRHelp.chm is missing.";
inline constexpr std::string_view kHelpNotOpened = "No program opened the help file QTRHelp.chm.";
inline constexpr std::string_view kAboutTitle = "About Harwick cablemate";
inline constexpr std::string_view kAboutText = "Harwick cablemate\nVersion 1.0\n\nPlain-text transfers with the total station "
                                               "over USB or a serial port, and their conversions.";

// ---- Files -------------------------------------------------------------------------
// The single-instance name (a lock file in the runtime folder).
inline constexpr std::string_view kInstanceName = "AFX_CAMERA_H__E3896B00_0AF4_4B32_900D_A35370E6483A__INCLUDED_";
inline constexpr std::string_view kRecentListFile = "cablemate-recent.ini";
// The Save As dialog's types, in SaveType order.
inline constexpr std::string_view kSaveAsFilter = "GSI(*.gsi);;KARD(*.dat);;DXF(*.dxf)";
inline constexpr std::string_view kSaveAsInitialName = "*.gsi";

} // namespace cablemate
