// The editor's own texts that its logic decides on: the refusals of an edit,
// the names of the eight attribute slots and the messages about files. Each
// is written once, here; the first three exactly as the editor has always
// shown them.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace featurebook {

// ---- Refused edits of the code table ------------------------------------------
inline constexpr harwick::UiText kIllegalCodeName = "Illegal code name!!";
inline constexpr harwick::UiText kInputNumber = "Input number";
inline constexpr harwick::UiText kTwoNumbers = "There must be two numbers!!";

// ---- Attribute slots --------------------------------------------------------------
// "Info %d": the tree's and the sheets' name of slot 1 to 8.
inline constexpr std::string_view kInfoPrefix = "Info ";

// ---- Sheet labels and titles -------------------------------------------------------
// Sheet 0 is labelled with this followed by the list's name.
inline constexpr harwick::UiText kCodeSheetPrefix = "Code";
inline constexpr harwick::UiText kCodeTitle = "Code";
inline constexpr harwick::UiText kShortcutTitle = "Short Cut";
inline constexpr harwick::UiText kAttributeNameTitle = "Attribute Name";
inline constexpr harwick::UiText kDefaultValueTitle = "Default Value";

// ---- Files (our own words) ----------------------------------------------------------
// A code list is written only under a name holding ".crf".
inline constexpr std::string_view kCodeListExtension = ".crf";
inline constexpr harwick::UiText kNotSavedNotCrf = "Code lists are saved only as .crf files; nothing was written to ";
inline constexpr harwick::UiText kNotSaved = "The code list could not be saved to ";
inline constexpr harwick::UiText kNotOpened = "The code list could not be opened: ";
inline constexpr std::string_view kReasonSeparator = ": ";
inline constexpr harwick::UiText kOtherVersion =
    "it is a code list of another version; only VERSION 1.20 lists are read. The list on screen was kept.";
inline constexpr harwick::UiText kNotACodeList =
    "it holds no VERSION 1.20 code list. The list on screen was kept.";

} // namespace featurebook
