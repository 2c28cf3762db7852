// The window's texts: its title, menus, dialogs and file filters, exactly as
// the editor has always shown them (the title and the About box are ours).
#pragma once

#include <string_view>

namespace featurebook {

// The program's name, after the launcher's button "Codelist Manager".
inline constexpr std::string_view kProgramName = "Harwick Codelist Manager";

// ---- Menus --------------------------------------------------------------------------
inline constexpr std::string_view kFileMenu = "File";
inline constexpr std::string_view kNewEntry = "New";
inline constexpr std::string_view kOpenEntry = "Open";
inline constexpr std::string_view kSaveEntry = "Save";
inline constexpr std::string_view kSaveAsEntry = "SaveAs";
inline constexpr std::string_view kExitEntry = "Exit";
inline constexpr std::string_view kOptionsMenu = "Options";
inline constexpr std::string_view kCodeNameEntry = "CodeName";
inline constexpr std::string_view kHelpMenu = "Help";
inline constexpr std::string_view kAboutEntry = "About";
// The code table's context menu.
inline constexpr std::string_view kDeleteEntry = "Delete";

// ---- The "New code name" dialog ------------------------------------------------------
inline constexpr std::string_view kNewListTitle = "New code name";
inline constexpr std::string_view kNewListNameLabel = "Code Name:";
inline constexpr std::string_view kNewListAuthorLabel = "Author:";
inline constexpr std::string_view kNewListOk = "Ok";
inline constexpr std::string_view kCancel = "CANCEL";

// ---- The "Rename CodeList" dialog ----------------------------------------------------
inline constexpr std::string_view kRenameTitle = "Rename CodeList";
inline constexpr std::string_view kRenameLabel = "New code name:";
inline constexpr std::string_view kRenameOk = "OK";

// ---- About (ours) ----------------------------------------------------------------------
inline constexpr std::string_view kAboutTitlePrefix = "About ";
inline constexpr std::string_view kAboutVersion = "Version 1.0";
inline constexpr std::string_view kAboutOk = "OK";

// ---- File dialogs: "ZivID files(*.crf)|*.crf||" and "CRF(*.crf)|*.crf||" ---------------
inline constexpr std::string_view kOpenFilter = "ZivID files(*.crf)";
inline constexpr std::string_view kSaveFilter = "CRF(*.crf)";
inline constexpr std::string_view kSaveSuffix = "crf";

// ---- Status bar (ours): the author entered with a new list ------------------------------
inline constexpr std::string_view kAuthorPrefix = "Author: ";

} // namespace featurebook
