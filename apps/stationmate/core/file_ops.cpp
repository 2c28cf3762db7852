#include "file_ops.h"

#include "messages.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

namespace stationmate {

namespace fs = std::filesystem;

namespace {

// A node's own path: its full path without the closing "/".
std::string ownPath(const PcNode& node)
{
    std::string path = FullPath(node);
    path.pop_back();
    return path;
}

std::string numberedFolderName(int n)
{
    std::string name(kNewFolderNumbered);
    name.replace(name.find("%d"), 2, std::to_string(n));
    return name;
}

std::optional<std::string> createNewFolder(const std::string& parentPath)
{
    for (int n = 0; n < kNewFolderAttempts; ++n) {
        std::string name = n == 0 ? std::string(kNewFolderName) : numberedFolderName(n);
        std::error_code ec;
        if (fs::create_directory(parentPath + name, ec)) return name;
    }
    return std::nullopt;
}

// rename() on Linux silently replaces an existing file (and an empty
// folder), so a name already taken must fail instead. The kernel can refuse
// it in the same step; where a filesystem cannot, look first. A target that
// is the item itself is a change of case on a medium that ignores case, and
// may go ahead.
bool moveWithoutReplacing(const fs::path& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EEXIST) return false;
    std::error_code ec;
    const fs::file_status target = fs::symlink_status(to, ec);
    if (target.type() != fs::file_type::not_found) {
        std::error_code sameError;
        if (target.type() == fs::file_type::none || !fs::equivalent(from, to, sameError) || sameError) return false;
    }
    fs::rename(from, to, ec);
    return !ec;
}

std::string upperCase(std::string s)
{
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

std::string fileType(const std::string& title)
{
    const std::size_t dot = title.find('.');
    std::string type = dot == std::string::npos ? std::string() : upperCase(title.substr(dot + 1));
    return type + std::string(kFileTypeSuffix);
}

std::string formatSize(std::uintmax_t size)
{
    char text[64];
    std::snprintf(text, sizeof text, kSizeFormat, static_cast<long>(size));
    return text;
}

std::string formatDate(fs::file_time_type when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(when)));
    std::tm local{};
    if (::localtime_r(&t, &local) == nullptr) return {};
    char text[64];
    std::snprintf(text, sizeof text, kDateFormat, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return text;
}

} // namespace

PcNode* NewFolder(PcTree& tree, PcNode& selected, Prompter& prompter)
{
    if (!selected.IsFolder()) return nullptr;
    const std::string parentPath = FullPath(selected);
    const std::optional<std::string> name = createNewFolder(parentPath);
    if (!name) {
        prompter.ShowMessage(std::string(kNewFolderFailed) + ownPath(selected), kNewFolderCaption);
        return nullptr;
    }
    // Expanding a collapsed folder reads it afresh, new folder included;
    // that one item is moved to the front so that it stands where it would
    // stand in a folder that was open already.
    if (!selected.IsExpanded()) tree.Expand(selected);
    if (const PcNode* listed = selected.FindChild(*name)) tree.Remove(*listed);
    return &tree.InsertFolderFirst(selected, *name);
}

bool Rename(PcTree& /*tree*/, PcNode& node, std::string_view newText, Prompter& prompter)
{
    const PcNode* parent = node.Parent();
    if (parent == nullptr || node.IsPlaceholder() || newText.empty() || newText == node.Title()) return false;
    const std::string parentPath = FullPath(*parent);
    // A "/" in the name would move the item into another folder.
    const bool moved = newText.find('/') == std::string_view::npos &&
                       moveWithoutReplacing(parentPath + node.Title(), parentPath + std::string(newText));
    if (!moved) {
        prompter.ShowMessage(std::string(kRenameFailed) + node.Title() + std::string(kRenameSameName), kRenameCaption);
        return false;
    }
    node.SetTitle(std::string(newText));
    return true;
}

bool DeleteItem(PcTree& tree, PcNode& node, TransferDialogs& dialogs)
{
    // A top-level item is the root, the home directory or a whole volume:
    // nothing the user means to wipe with one click.
    if (node.Parent() == nullptr || node.IsPlaceholder()) return false;
    const std::string path = ownPath(node);
    const std::string question =
        std::string(kDeleteQuestion) + path + ":" + std::string(kLineEnd) + std::string(kDeleteReally);
    if (!dialogs.AskOkCancel(question, std::string(kWarningCaption))) return false;
    std::error_code ec;
    fs::remove_all(path, ec);
    tree.Remove(node);
    return true;
}

std::optional<FileInfo> GetFileInfo(const PcTree& /*tree*/, const PcNode& node)
{
    if (node.Parent() == nullptr || node.Image() == kImageFixedDisk || node.Image() == kImageFolder) {
        return std::nullopt;
    }
    FileInfo info;
    info.fileName = node.Title();
    info.path = CompactPath(FullPath(*node.Parent()), kInfoPathLength);
    info.fileType = fileType(node.Title());
    const std::string path = ownPath(node);
    std::error_code ec;
    if (!fs::exists(fs::status(path, ec))) return info;
    const std::uintmax_t size = fs::file_size(path, ec);
    info.size = formatSize(ec ? 0 : size);
    const fs::file_time_type written = fs::last_write_time(path, ec);
    if (!ec) info.date = formatDate(written);
    info.fileFormat = std::string(kUnknownFileFormat);
    return info;
}

std::string CompactPath(std::string_view path, std::size_t maxChars)
{
    std::vector<std::size_t> starts; // byte offset of each UTF-8 character
    for (std::size_t i = 0; i < path.size(); ++i) {
        if ((static_cast<unsigned char>(path[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    const std::size_t count = starts.size();
    if (count <= maxChars) return std::string(path);
    if (maxChars <= kEllipsis.size()) return std::string(kEllipsis.substr(0, maxChars));
    const std::size_t room = maxChars - kEllipsis.size();
    // The last component with the "/" in front of it (and after it, for a folder).
    const std::size_t body = path.ends_with('/') ? path.size() - 1 : path.size();
    const std::size_t separator = body == 0 ? std::string_view::npos : path.rfind('/', body - 1);
    if (separator != std::string_view::npos && separator > 0) {
        const std::size_t tailChars =
            count - static_cast<std::size_t>(std::lower_bound(starts.begin(), starts.end(), separator) - starts.begin());
        if (tailChars < room) {
            return std::string(path.substr(0, starts[room - tailChars])) + std::string(kEllipsis) +
                   std::string(path.substr(separator));
        }
    }
    return std::string(kEllipsis) + std::string(path.substr(starts[count - room]));
}

} // namespace stationmate
