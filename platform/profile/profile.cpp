#include "profile/profile.h"

#include "fileio/fileio.h"
#include "profile/ini_document.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <mutex>
#include <sys/stat.h>

namespace harwick::platform {

namespace {

namespace fs = std::filesystem;

// A file that is missing or cannot be read gives the defaults, like an empty
// one: the settings readers treat every such case alike.
ini::Document load(const fs::path& file)
{
    std::string error;
    const std::optional<std::string> content = readWholeFile(file, error);
    return ini::Document::parse(content ? std::string_view(*content) : std::string_view());
}

// Two threads editing the same file would each write back what they read and
// lose the other's change.
std::mutex& editLock()
{
    static std::mutex lock;
    return lock;
}

// Reads, changes and replaces the file; 0 on success, else an errno value. A
// file that exists but cannot be read is never replaced by the few lines of
// one edit, and nothing is written when nothing changed.
int edit(const fs::path& file, std::string& error, const std::function<bool(ini::Document&)>& change)
{
    if (file.empty()) {
        error = "no settings file named";
        return EINVAL;
    }
    std::lock_guard<std::mutex> hold(editLock());
    errno = 0;
    std::optional<std::string> content = readWholeFile(file, error);
    const int readError = errno;
    if (!content) {
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0 || errno != ENOENT) return readError != 0 ? readError : EIO;
        content.emplace();
        error.clear();
    }
    ini::Document doc = ini::Document::parse(*content);
    if (!change(doc)) return 0;
    errno = 0;
    if (replaceFileAtomically(file, doc.serialize(), error)) return 0;
    return errno != 0 ? errno : EIO;
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// What the file could not give back as written: the reader would take such a
// name for another line, another section or another key.
std::string unstorable(std::string_view section, std::string_view key, std::string_view value)
{
    section = ini::trimBlanks(section);
    key = ini::trimBlanks(key);
    if (section.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos) {
        return "section name cannot be stored: '" + std::string(section) + "'";
    }
    if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == ';' ||
        key.front() == '[') {
        return "key name cannot be stored: '" + std::string(key) + "'";
    }
    if (hasLineBreak(value)) return "value of '" + std::string(key) + "' holds a line break";
    return {};
}

int writeStringResult(const fs::path& file, std::string_view section, std::string_view key, std::string_view value,
                      std::string& error)
{
    error = unstorable(section, key, value);
    if (!error.empty()) return EINVAL;
    return edit(file, error, [&](ini::Document& doc) { return doc.set(section, key, value); });
}

int removeKeyResult(const fs::path& file, std::string_view section, std::string_view key, std::string& error)
{
    return edit(file, error, [&](ini::Document& doc) { return doc.removeKey(section, key); });
}

int removeSectionResult(const fs::path& file, std::string_view section, std::string& error)
{
    return edit(file, error, [&](ini::Document& doc) { return doc.removeSection(section); });
}

std::optional<std::string> lookup(const ini::Document& doc, std::string_view section, std::string_view key)
{
    const ini::Line* line = doc.find(section, key);
    if (!line) return std::nullopt;
    return std::string(ini::unquote(line->value));
}

int copyString(std::string_view text, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// An empty list is two NULs where they fit, so that a caller walking the
// strings stops at once.
int copyList(const std::vector<std::string>& items, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    if (items.empty()) {
        buffer[0] = '\0';
        if (size > 1) buffer[1] = '\0';
        return 0;
    }
    std::string list;
    for (const std::string& item : items) {
        list += item;
        list.push_back('\0');
    }
    list.push_back('\0');
    const auto capacity = static_cast<std::size_t>(size);
    if (list.size() <= capacity) {
        std::memcpy(buffer, list.data(), list.size());
        return static_cast<int>(list.size() - 1);
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), capacity - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

std::vector<std::string> keyValueLines(const ini::Document& doc, std::string_view section)
{
    std::vector<std::string> lines;
    for (const profile::Entry& entry : doc.entries(section)) lines.push_back(entry.key + "=" + entry.value);
    return lines;
}

std::vector<std::string> keyNames(const ini::Document& doc, std::string_view section)
{
    std::vector<std::string> keys;
    for (profile::Entry& entry : doc.entries(section)) keys.push_back(std::move(entry.key));
    return keys;
}

std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

} // namespace

namespace profile {

std::vector<std::string> sectionNames(const fs::path& file) { return load(file).sectionNames(); }

std::vector<Entry> section(const fs::path& file, std::string_view section) { return load(file).entries(section); }

std::optional<std::string> readString(const fs::path& file, std::string_view section, std::string_view key)
{
    return lookup(load(file), section, key);
}

int readInt(const fs::path& file, std::string_view section, std::string_view key, int defaultValue)
{
    const std::optional<std::string> value = readString(file, section, key);
    if (!value || value->empty()) return defaultValue;
    return ini::leadingInteger(*value);
}

bool writeString(const fs::path& file, std::string_view section, std::string_view key, std::string_view value,
                 std::string& error)
{
    return writeStringResult(file, section, key, value, error) == 0;
}

bool removeKey(const fs::path& file, std::string_view section, std::string_view key, std::string& error)
{
    return removeKeyResult(file, section, key, error) == 0;
}

bool removeSection(const fs::path& file, std::string_view section, std::string& error)
{
    return removeSectionResult(file, section, error) == 0;
}

} // namespace profile

int GetPrivateProfileSectionNames(char* buffer, int size, const std::string& file)
{
    if (!buffer || size <= 0) return 0;
    return copyList(profile::sectionNames(file), buffer, size);
}

int GetPrivateProfileSection(const char* section, char* buffer, int size, const std::string& file)
{
    if (!buffer || size <= 0) return 0;
    if (!section) return copyList({}, buffer, size);
    return copyList(keyValueLines(load(file), section), buffer, size);
}

int GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer, int size,
                            const std::string& file)
{
    if (!buffer || size <= 0) return 0;
    if (!section) return GetPrivateProfileSectionNames(buffer, size, file);
    const ini::Document doc = load(file);
    if (!key) return copyList(keyNames(doc, section), buffer, size);
    if (const std::optional<std::string> value = lookup(doc, section, key)) return copyString(*value, buffer, size);
    return copyString(withoutTrailingBlanks(defaultValue ? defaultValue : ""), buffer, size);
}

int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const std::string& file)
{
    if (!section || !key) return defaultValue;
    return profile::readInt(file, section, key, defaultValue);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const std::string& file)
{
    std::string error;
    int result = EINVAL;
    if (section && !key) {
        result = removeSectionResult(file, section, error);
    } else if (section && !value) {
        result = removeKeyResult(file, section, key, error);
    } else if (section) {
        result = writeStringResult(file, section, key, value, error);
    }
    if (result != 0) errno = result;
    return result == 0;
}

} // namespace harwick::platform
