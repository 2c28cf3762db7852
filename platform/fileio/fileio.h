// Whole-file reading and crash-safe replacement of a file, for every program
// and library that writes the user's data or settings.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace harwick::platform {

// The file's bytes, or nothing with error set to the system's reason.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string& error);

// Writes content to a new file beside path, flushes it to disk and renames it
// over path, so that path holds either its old bytes or all of the new ones,
// never a part. An existing file keeps its permissions; a symbolic link stays
// a link and the file it names is replaced. On failure path is untouched, no
// temporary file is left, and error says why.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view content, std::string& error);
// The same for content held in pieces, written one after the other.
bool replaceFileAtomically(const std::filesystem::path& path, std::span<const std::string_view> pieces,
                           std::string& error);

} // namespace harwick::platform
