// Whole-file reading and crash-safe replacement of a file, for every program
// and library that writes the user's data or settings.
#pragma once

#include "fd/unique_fd.h"

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

// The same for content that is made while it is written, so that it never has
// to be held whole: the bytes go to a new file beside path as they come, and
// Commit flushes them and renames the file over path. Destroyed without a
// successful Commit, it removes the new file and path keeps its old bytes.
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Opened, and every write so far went through; Error says why not.
    bool Ok() const { return err_ == 0; }
    bool Write(std::string_view bytes);
    // Writes into other the bytes written here from offset on.
    bool CopyTo(AtomicFile& other, std::size_t offset);
    // false, with error set, when a write failed or the file cannot replace path.
    bool Commit(std::string& error);

private:
    std::filesystem::path path_;   // as given, for messages
    std::filesystem::path target_; // the file a link names
    std::filesystem::path temp_;
    UniqueFd fd_;
    int err_ = 0;
};

} // namespace harwick::platform
