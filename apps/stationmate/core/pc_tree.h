// The PC tree as data: the root, the home directory and the mounted volumes,
// and under them the folders and files the file filter lets through. The tree
// reads the disk only when asked (filling, expansion, Update, filter change),
// so what it holds is what the user saw last; the window mirrors it item by
// item, and downloads, uploads and drops decide by the images kept here.
#pragma once

#include "language/ui_text.h"
#include "device_tree.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

// Images of the top-level items; folders use kImageFolder / kImageFolderOpen.
inline constexpr int kImageOtherDrive = 0;
inline constexpr int kImageFixedDisk = 1;
inline constexpr int kImageNetworkDrive = 2;
inline constexpr int kImageOpticalDrive = 3;
// Files carry no image of the list: the window gives them the desktop's icon.
inline constexpr int kImageFile = -1;

inline constexpr std::string_view kPcPlaceholderTitle = "NULL";
inline constexpr std::string_view kAllFilesFilter = "*.*";

// The filter list of the button bar, in its order.
inline constexpr harwick::UiText kFilterCoordinates = "Coordinate files (*.crd)";
inline constexpr harwick::UiText kFilterMeasurements = "Measurement data files (*.mdt)";
inline constexpr harwick::UiText kFilterFormats = "Format files (*.frt)";
inline constexpr harwick::UiText kFilterCodelists = "Codelists (*.crf)";
inline constexpr harwick::UiText kFilterText = "Text files (*.txt)";
inline constexpr harwick::UiText kFilterCodelist = "Codelist (*.cde)";
inline constexpr harwick::UiText kFilterGsi = "GSI files (*.gsi)";
inline constexpr harwick::UiText kFilterIdex = "IDEX files (*.idx)";
inline constexpr harwick::UiText kFilterRoadHorizon = "Road horizon(*.hal)";
inline constexpr harwick::UiText kFilterRoadVertical = "Road vertical (*.val)";
inline constexpr harwick::UiText kFilterKard = "NorvikSurvey KARD (*.dat)";
inline constexpr harwick::UiText kFilterAll = "All files (*.*)";
inline constexpr std::array<harwick::UiText, 12> kFilterEntries = {
    kFilterCoordinates, kFilterMeasurements, kFilterFormats, kFilterCodelists,
    kFilterText, kFilterCodelist, kFilterGsi, kFilterIdex,
    kFilterRoadHorizon, kFilterRoadVertical, kFilterKard, kFilterAll};
inline constexpr int kStartFilterEntry = 11;

// The filter an entry of the list sets: ".gsi" from "GSI files (*.gsi)",
// "*.*" for the entry that lists everything (and for text without a "*").
std::string FilterFromEntry(std::string_view entry);
// A file is listed when its lower-cased name contains the filter anywhere.
bool PassesFilter(std::string_view fileName, std::string_view filter);

class PcNode {
public:
    PcNode(std::string title, int image, int openImage, PcNode* parent, bool placeholder = false);

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    int Image() const { return image_; }
    int OpenImage() const { return openImage_; }
    PcNode* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<PcNode>>& Children() const { return children_; }
    bool IsExpanded() const { return expanded_; }
    void SetExpanded(bool expanded) { expanded_ = expanded; }
    // The "NULL" child that only gives a collapsed folder its expand button
    // (a real folder may be called NULL too).
    bool IsPlaceholder() const { return placeholder_; }
    bool IsFolder() const { return image_ == kImageFolder && !placeholder_; }
    bool IsFile() const { return image_ == kImageFile; }
    // The first real child with this title.
    PcNode* FindChild(std::string_view title) const;

private:
    friend class PcTree;

    std::string title_;
    int image_;
    int openImage_;
    PcNode* parent_;
    bool placeholder_;
    bool expanded_ = false;
    std::vector<std::unique_ptr<PcNode>> children_;
};

// Title of the top-level item first, then each title below it down to the
// node, each followed by "/": so the path always ends with "/", and a file's
// own path is this without its last character.
std::string FullPath(const PcNode& node);

// What the window and the transfers ask of an item.
bool IsDownloadTarget(const PcNode& node); // a drop target, a Copy destination
bool CanRename(const PcNode& node);
bool CanShowInfo(const PcNode& node); // File Info and View
// Where a download into this item goes: the item itself when it is a folder
// or a fixed disk, otherwise its parent (a top-level item: itself).
std::string DownloadFolderFor(const PcNode& node);

class PcTree {
public:
    explicit PcTree(std::string filter = std::string(kAllFilesFilter));

    // A top-level item (title: a directory path ending with "/"), its first
    // level filled.
    PcNode& AddRoot(std::string title, int image);
    // "/", the home directory, then the volumes a user mounts, from a mounts
    // table as /proc/self/mounts gives it (ReadMountsTable in pc_volumes.h).
    void AddSystemRoots(std::string_view mountsText, std::string_view home);
    const std::vector<std::unique_ptr<PcNode>>& Roots() const { return roots_; }

    const std::string& Filter() const { return filter_; }
    // Rebuilds the expanded part of the tree for the new filter; folders stay.
    void SetFilter(std::string filter);

    // A collapsed folder with something to show gets the placeholder; one with
    // nothing to show loses its children.
    void PlaceholderTest(PcNode& folder);
    // The node's children as the disk holds them now.
    void Fill(PcNode& folder);
    void Expand(PcNode& node);
    void Collapse(PcNode& node);
    // Brings every expanded item up to date with the disk, keeping what is
    // still there (and so what is expanded below it).
    void Update();

    // Inserts a new folder as the first child of parent.
    PcNode& InsertFolderFirst(PcNode& parent, std::string title);
    // Takes the node (and everything below it) out of the tree.
    bool Remove(const PcNode& node);

private:
    void refreshChildren(PcNode& folder);
    void refilterChildren(PcNode& folder);
    template <typename Visit> void walkExpanded(Visit visit);

    std::string filter_;
    std::vector<std::unique_ptr<PcNode>> roots_;
};

} // namespace stationmate
