// Opening and saving a code list file. Opening reads the whole file before
// anything of the list on screen is replaced; saving writes the file whole
// or not at all (the old file stays as it was until the new one is complete).
#pragma once

#include "code_book.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace featurebook {

// The list in the file; nothing, with error set, when it cannot be read or
// is no VERSION 1.20 code list (another version, or another file named .crf).
std::optional<CodeBook> OpenCodeList(const std::filesystem::path& path, std::string& error);

// Whether a file name names a code list: its lower-cased name holds ".crf".
bool IsCodeListName(const std::filesystem::path& path);

enum class SaveStatus { Saved, NotACodeListName, Failed };

// Writes the list to path; a path that is no code-list name is not written
// (nor created). On Failed, error says why.
SaveStatus SaveCodeList(const CodeBook& book, const std::filesystem::path& path, std::string& error);

// The message that tells the user why a list was not saved or opened.
std::string SaveFailureMessage(SaveStatus status, const std::filesystem::path& path, std::string_view error);
std::string OpenFailureMessage(const std::filesystem::path& path, std::string_view error);

} // namespace featurebook
