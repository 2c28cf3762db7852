// Private-profile (INI) settings files with the behaviour the suite's
// settings readers were written against: letter case ignored in section and
// key names, blanks around names and values trimmed, the first matching
// section and key win, LF or CR LF read and CR LF written. A missing file
// reads as the defaults. Every write replaces the whole file atomically, so a
// crash never leaves half a settings file.
//
// Reads take the file as it is on disk at the moment of the call; nothing is
// cached between calls. Writes within one process are serialised.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::platform {

// ---- C++ forms ------------------------------------------------------------

namespace profile {

struct Entry {
    std::string key;   // spelled as in the file
    std::string value; // blanks trimmed, quotes kept
};

// Section names in file order; a name that appears twice is listed twice.
std::vector<std::string> sectionNames(const std::filesystem::path& file);

// The keys of the first section of that name, in file order. Comments and
// lines without "=" are not keys.
std::vector<Entry> section(const std::filesystem::path& file, std::string_view section);

// The value of the first such key in the first such section, with one pair
// of surrounding quotes removed; nothing when the key is missing.
std::optional<std::string> readString(const std::filesystem::path& file, std::string_view section,
                                      std::string_view key);

// The leading decimal digits (optional sign) of the value read as a string;
// defaultValue when the key is missing or its value empty, 0 when the value
// has no leading digits ("1.5" gives 1, "fast" gives 0).
int readInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int defaultValue);

// Replaces the value of an existing key (the line keeps the key's spelling)
// or adds the key after the last key of its section, or adds the section at
// the end of the file. Refuses names and values that the file could not give
// back as written: a line break anywhere, "=" in a key, "]" in a section
// name, an empty name, a key starting with ";" or "[".
bool writeString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value, std::string& error);

// Removes every line of that key from the first section of that name.
bool removeKey(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string& error);

// Removes every section of that name: header and all lines up to the next
// header.
bool removeSection(const std::filesystem::path& file, std::string_view section, std::string& error);

} // namespace profile

// ---- The private-profile functions, buffer forms ----------------------------
//
// None writes to a null buffer or at or past buffer[size]. Lists are strings
// each ending in NUL with one more NUL after the last ("a\0b\0\0"); they return
// the characters copied without the final NUL, or size - 2 when the list did
// not fit, in which case the buffer holds what fitted (the last name possibly
// cut) and ends with two NULs.

int GetPrivateProfileSectionNames(char* buffer, int size, const std::string& file);

// "key=value" per key of the section (values as in the file, quotes kept).
int GetPrivateProfileSection(const char* section, char* buffer, int size, const std::string& file);

// The value, or defaultValue (null reads as "", trailing blanks dropped) when
// the key is missing. Returns the characters copied without the NUL, size - 1
// when cut. A null key lists the section's keys, a null section lists the
// section names, both as lists above.
int GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer, int size,
                            const std::string& file);

int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const std::string& file);

// A null value deletes the key, a null key deletes the section. On failure
// errno holds the reason (never 0) and the file is as it was.
bool WritePrivateProfileString(const char* section, const char* key, const char* value, const std::string& file);

} // namespace harwick::platform
