// The device tree as data: one node per serial port, and under a listed port
// what the instrument holds. Download, upload and delete recognise what a
// node stands for by its title and its parent's title, so the titles are the
// model; the window mirrors this tree.
#pragma once

#include "language/ui_text.h"
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

// Images of the shared image list.
inline constexpr int kImageFolder = 5;
inline constexpr int kImageFolderOpen = 6;
inline constexpr int kImageLeaf = 7;
inline constexpr int kImagePlaceholder = 8;
inline constexpr int kImagePort = 9;
inline constexpr int kImageNotice = 10;

inline constexpr harwick::UiText kPlaceholderTitle = "<EMPTY>";
inline constexpr std::string_view kPortPrefix = "COM";

class DeviceNode {
public:
    DeviceNode(std::string title, int image, int openImage, DeviceNode* parent);

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    int Image() const { return image_; }
    int OpenImage() const { return openImage_; }
    DeviceNode* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<DeviceNode>>& Children() const { return children_; }

    DeviceNode& AddChild(std::string title, int image, int openImage);
    void ClearChildren();
    // The titles from the port node down to this one, each followed by a
    // backslash: how the transfer dialogs name the node.
    std::string TreePath() const;

private:
    std::string title_;
    int image_;
    int openImage_;
    DeviceNode* parent_;
    std::vector<std::unique_ptr<DeviceNode>> children_;
};

class DeviceTree {
public:
    // A port node "COMn" with its placeholder child, among the ports in
    // number order.
    DeviceNode& AddPort(int number);
    // A top-level item that only tells something (why no port is shown);
    // it has no children and is no port.
    DeviceNode& AddNotice(std::string text);
    void RemoveNotices();
    DeviceNode* FindPort(int number) const;
    const std::vector<std::unique_ptr<DeviceNode>>& Ports() const { return ports_; }
    // Breadth-first, first node whose title is exactly title.
    DeviceNode* FindByTitle(std::string_view title) const;
    // The node whose TreePath() is path, if the tree still holds it: how an
    // operation finds its node again after waiting for the instrument.
    DeviceNode* FindByTreePath(std::string_view path) const;

private:
    std::vector<std::unique_ptr<DeviceNode>> ports_;
};

// Gives a port node its single placeholder child.
void ResetToPlaceholder(DeviceNode& port);

} // namespace stationmate
