// The window's texts: its title, menus, dialogs and file filters, exactly as
// the editor has always shown them (the title and the About box are ours).
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace featurebook {

// The program's name, after the launcher's button "Codelist Manager".
inline constexpr std::string_view kProgramName = "Harwick Codelist Manager";

// ---- Menus --------------------------------------------------------------------------
inline constexpr harwick::UiText kFileMenu = "File";
inline constexpr harwick::UiText kNewEntry = "New";
inline constexpr harwick::UiText kOpenEntry = "Open";
inline constexpr harwick::UiText kSaveEntry = "Save";
inline constexpr harwick::UiText kSaveAsEntry = "SaveAs";
inline constexpr harwick::UiText kExitEntry = "Exit";
inline constexpr harwick::UiText kOptionsMenu = "Options";
inline constexpr harwick::UiText kCodeNameEntry = "CodeName";
inline constexpr harwick::UiText kHelpMenu = "Help";
inline constexpr harwick::UiText kAboutEntry = "About";
// The code table's context menu.
inline constexpr harwick::UiText kDeleteEntry = "Delete";

// ---- The "New code name" dialog ------------------------------------------------------
inline constexpr harwick::UiText kNewListTitle = "New code name";
inline constexpr harwick::UiText kNewListNameLabel = "Code Name:";
inline constexpr harwick::UiText kNewListAuthorLabel = "Author:";
inline constexpr harwick::UiText kNewListOk = "Ok";
inline constexpr harwick::UiText kCancel = "CANCEL";

// ---- The "Rename CodeList" dialog ----------------------------------------------------
inline constexpr harwick::UiText kRenameTitle = "Rename CodeList";
inline constexpr harwick::UiText kRenameLabel = "New code name:";
inline constexpr harwick::UiText kRenameOk = "OK";

// ---- About (ours) ----------------------------------------------------------------------
inline constexpr harwick::UiText kAboutTitlePrefix = "About ";
inline constexpr harwick::UiText kAboutVersion = "Version 1.0";
inline constexpr harwick::UiText kAboutOk = "OK";

// ---- File dialogs: "ZivID files(*.crf)|*.crf||" and "CRF(*.crf)|*.crf||" ---------------
inline constexpr harwick::UiText kOpenFilter = "ZivID files(*.crf)";
inline constexpr std::string_view kSaveFilter = "CRF(*.crf)";
inline constexpr std::string_view kSaveSuffix = "crf";

// ---- Status bar (ours): the author entered with a new list ------------------------------
inline constexpr harwick::UiText kAuthorPrefix = "Author: ";

} // namespace featurebook
