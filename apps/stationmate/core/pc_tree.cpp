#include "pc_tree.h"

#include "pc_volumes.h"
#include "text/text.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <unordered_map>

namespace stationmate {

namespace fs = std::filesystem;

namespace {

using Children = std::vector<std::unique_ptr<PcNode>>;

struct Entry {
    std::string name;
    bool folder;
};

// Names beginning with "." are the Linux way of hiding a file or folder.
bool hidden(std::string_view name) { return name.empty() || name.front() == '.'; }

// Calls take(entry) for each entry of dir that is not hidden, in the order
// the file system gives them, until take returns false. A folder that cannot
// be read has no entries.
template <typename Take> void forEachEntry(const std::string& dir, Take take)
{
    std::error_code ec;
    fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (hidden(name)) continue;
        std::error_code typeError;
        Entry entry{std::move(name), it->is_directory(typeError)};
        if (!take(entry)) return;
    }
}

std::unique_ptr<PcNode> makeFolder(PcNode& parent, std::string title)
{
    return std::make_unique<PcNode>(std::move(title), kImageFolder, kImageFolderOpen, &parent);
}

std::unique_ptr<PcNode> makeFile(PcNode& parent, std::string title)
{
    return std::make_unique<PcNode>(std::move(title), kImageFile, kImageFile, &parent);
}

void appendAll(Children& children, Children more)
{
    children.insert(children.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// As a file manager lists a folder: folders first, then files, each by name
// whatever the case of its letters (names equal but for case by their bytes).
// The file system's own order means nothing on Linux.
void sortListing(Children& children)
{
    struct Keyed {
        bool file;
        std::string folded;
        std::unique_ptr<PcNode> node;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(children.size());
    for (auto& c : children) keyed.push_back({!c->IsFolder(), harwick::text::toLower(c->Title()), std::move(c)});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.file != b.file) return b.file;
        if (a.folded != b.folded) return a.folded < b.folded;
        return a.node->Title() < b.node->Title();
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) children[i] = std::move(keyed[i].node);
}

} // namespace

std::string FilterFromEntry(std::string_view entry)
{
    const std::size_t star = entry.find('*');
    if (star == std::string_view::npos || entry.find(kAllFilesFilter) != std::string_view::npos) {
        return std::string(kAllFilesFilter);
    }
    return std::string(entry.substr(star + 1, 4));
}

bool PassesFilter(std::string_view fileName, std::string_view filter)
{
    return filter == kAllFilesFilter || harwick::text::toLower(fileName).find(filter) != std::string::npos;
}

PcNode::PcNode(std::string title, int image, int openImage, PcNode* parent, bool placeholder)
    : title_(std::move(title)), image_(image), openImage_(openImage), parent_(parent), placeholder_(placeholder)
{
}

PcNode* PcNode::FindChild(std::string_view title) const
{
    for (const auto& c : children_) {
        if (!c->placeholder_ && c->title_ == title) return c.get();
    }
    return nullptr;
}

std::string FullPath(const PcNode& node)
{
    std::vector<const PcNode*> chain;
    for (const PcNode* n = &node; n != nullptr; n = n->Parent()) chain.push_back(n);
    std::string path = chain.back()->Title();
    for (auto it = std::next(chain.rbegin()); it != chain.rend(); ++it) {
        path += (*it)->Title();
        path += '/';
    }
    return path;
}

bool IsDownloadTarget(const PcNode& node) { return node.IsFolder() || node.Image() == kImageFixedDisk; }

bool CanRename(const PcNode& node)
{
    const int image = node.Image();
    return image != kImageOtherDrive && image != kImageFixedDisk && image != kImageOpticalDrive;
}

bool CanShowInfo(const PcNode& node) { return CanRename(node) && node.Image() != kImageFolder; }

std::string DownloadFolderFor(const PcNode& node)
{
    if (IsDownloadTarget(node) || node.Parent() == nullptr) return FullPath(node);
    return FullPath(*node.Parent());
}

PcTree::PcTree(std::string filter) : filter_(std::move(filter)) {}

PcNode& PcTree::AddRoot(std::string title, int image)
{
    if (title.empty() || title.back() != '/') title += '/';
    roots_.push_back(std::make_unique<PcNode>(std::move(title), image, image, nullptr));
    Fill(*roots_.back());
    return *roots_.back();
}

void PcTree::AddSystemRoots(std::string_view mountsText, std::string_view home)
{
    auto present = [this](const std::string& title) {
        return std::any_of(roots_.begin(), roots_.end(), [&](const auto& r) { return r->Title() == title; });
    };
    AddRoot("/", kImageFixedDisk);
    std::string homeTitle(home);
    while (homeTitle.size() > 1 && homeTitle.back() == '/') homeTitle.pop_back();
    if (homeTitle.starts_with('/') && !present(homeTitle + "/")) AddRoot(homeTitle + "/", kImageFixedDisk);
    for (PcVolume& v : MountedVolumes(mountsText)) {
        if (!present(v.title)) AddRoot(std::move(v.title), v.image);
    }
}

void PcTree::PlaceholderTest(PcNode& folder)
{
    bool something = false;
    forEachEntry(FullPath(folder), [&](const Entry& e) {
        something = e.folder || PassesFilter(e.name, filter_);
        return !something;
    });
    if (!something) {
        folder.children_.clear();
    } else if (!folder.expanded_ && folder.children_.empty()) {
        folder.children_.push_back(std::make_unique<PcNode>(std::string(kPcPlaceholderTitle), kImageFolder,
                                                            kImageFolderOpen, &folder, true));
    }
}

void PcTree::Fill(PcNode& folder)
{
    folder.children_.clear();
    Children folders;
    Children files;
    forEachEntry(FullPath(folder), [&](Entry& e) {
        if (e.folder) {
            folders.push_back(makeFolder(folder, std::move(e.name)));
        } else if (PassesFilter(e.name, filter_)) {
            files.push_back(makeFile(folder, std::move(e.name)));
        }
        return true;
    });
    for (auto& f : folders) PlaceholderTest(*f);
    appendAll(folder.children_, std::move(folders));
    appendAll(folder.children_, std::move(files));
    sortListing(folder.children_);
}

void PcTree::Expand(PcNode& node)
{
    if (node.IsFile() || node.placeholder_) return;
    node.expanded_ = true;
    Fill(node);
}

void PcTree::Collapse(PcNode& node)
{
    if (node.IsFile() || node.placeholder_) return;
    node.expanded_ = false;
    node.children_.clear();
    PlaceholderTest(node);
}

// Breadth-first from the top-level items: visit is called for each expanded
// item, parents before children. A collapsed folder met on the way is given
// its placeholder test, since what the disk or the filter now lets through
// decides whether it still needs its expand button.
template <typename Visit> void PcTree::walkExpanded(Visit visit)
{
    std::deque<PcNode*> queue;
    for (const auto& r : roots_) queue.push_back(r.get());
    while (!queue.empty()) {
        PcNode& node = *queue.front();
        queue.pop_front();
        if (!node.expanded_) {
            PlaceholderTest(node);
            continue;
        }
        visit(node);
        for (const auto& c : node.children_) {
            if (c->IsFolder()) queue.push_back(c.get());
        }
    }
}

void PcTree::Update()
{
    walkExpanded([this](PcNode& folder) { refreshChildren(folder); });
}

void PcTree::SetFilter(std::string filter)
{
    filter_ = std::move(filter);
    walkExpanded([this](PcNode& folder) { refilterChildren(folder); });
}

// Children still on disk stay as they are, with everything below them; an
// entry that changed between file and folder counts as a new one. New folders
// get their placeholder test from the walk that follows.
void PcTree::refreshChildren(PcNode& folder)
{
    Children& children = folder.children_;
    std::unordered_map<std::string_view, std::size_t> byTitle;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!children[i]->placeholder_) byTitle.emplace(children[i]->title_, i);
    }
    std::vector<bool> kept(children.size(), false);
    Children folders;
    Children files;
    forEachEntry(FullPath(folder), [&](Entry& e) {
        if (!e.folder && !PassesFilter(e.name, filter_)) return true;
        if (auto it = byTitle.find(e.name); it != byTitle.end() && children[it->second]->IsFolder() == e.folder) {
            kept[it->second] = true;
        } else if (e.folder) {
            folders.push_back(makeFolder(folder, std::move(e.name)));
        } else {
            files.push_back(makeFile(folder, std::move(e.name)));
        }
        return true;
    });
    Children remaining;
    remaining.reserve(children.size() + folders.size() + files.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (kept[i]) remaining.push_back(std::move(children[i]));
    }
    appendAll(remaining, std::move(folders));
    appendAll(remaining, std::move(files));
    sortListing(remaining);
    children = std::move(remaining);
}

void PcTree::refilterChildren(PcNode& folder)
{
    Children& children = folder.children_;
    std::erase_if(children, [](const auto& c) { return c->image_ != kImageFolder; });
    Children files;
    forEachEntry(FullPath(folder), [&](Entry& e) {
        if (!e.folder && PassesFilter(e.name, filter_)) files.push_back(makeFile(folder, std::move(e.name)));
        return true;
    });
    appendAll(children, std::move(files));
    sortListing(children);
}

PcNode& PcTree::InsertFolderFirst(PcNode& parent, std::string title)
{
    parent.children_.insert(parent.children_.begin(), makeFolder(parent, std::move(title)));
    return *parent.children_.front();
}

bool PcTree::Remove(const PcNode& node)
{
    Children& siblings = node.parent_ != nullptr ? node.parent_->children_ : roots_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == &node; });
    if (it == siblings.end()) return false;
    siblings.erase(it);
    return true;
}

} // namespace stationmate
