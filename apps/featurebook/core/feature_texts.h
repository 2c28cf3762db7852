// The editor's own texts that its logic decides on: the refusals of an edit,
// the names of the eight attribute slots and the messages about files. Each
// is written once, here; the first three exactly as the editor has always
// shown them.
#pragma once

#include <string_view>

namespace featurebook {

// ---- Refused edits of the code table ------------------------------------------
inline constexpr std::string_view kIllegalCodeName = "Illegal code name!!";
inline constexpr std::string_view kInputNumber = "Input number";
inline constexpr std::string_view kTwoNumbers = "There must be two numbers!!";

// ---- Attribute slots --------------------------------------------------------------
// "Info %d": the tree's and the sheets' name of slot 1 to 8.
inline constexpr std::string_view kInfoPrefix = "Info ";

// ---- Sheet labels and titles -------------------------------------------------------
// Sheet 0 is labelled with this followed by the list's name.
inline constexpr std::string_view kCodeSheetPrefix = "Code";
inline constexpr std::string_view kCodeTitle = "Code";
inline constexpr std::string_view kShortcutTitle = "Short Cut";
inline constexpr std::string_view kAttributeNameTitle = "Attribute Name";
inline constexpr std::string_view kDefaultValueTitle = "Default Value";

// ---- Files (our own words) ----------------------------------------------------------
// A code list is written only under a name holding ".crf".
inline constexpr std::string_view kCodeListExtension = ".crf";
inline constexpr std::string_view kNotSavedNotCrf = "Code lists are saved only as .crf files; nothing was written to ";
inline constexpr std::string_view kNotSaved = "The code list could not be saved to ";
inline constexpr std::string_view kNotOpened = "The code list could not be opened: ";
inline constexpr std::string_view kReasonSeparator = ": ";
inline constexpr std::string_view kOtherVersion =
    "it is a code list of another version; only VERSION 1.20 lists are read. The list on screen was kept.";
inline constexpr std::string_view kNotACodeList =
    "it holds no VERSION 1.20 code list. The list on screen was kept.";

} // namespace featurebook
