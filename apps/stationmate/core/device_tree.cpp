#include "device_tree.h"

#include <deque>

namespace stationmate {

DeviceNode::DeviceNode(std::string title, int image, int openImage, DeviceNode* parent)
    : title_(std::move(title)), image_(image), openImage_(openImage), parent_(parent)
{
}

DeviceNode& DeviceNode::AddChild(std::string title, int image, int openImage)
{
    children_.push_back(std::make_unique<DeviceNode>(std::move(title), image, openImage, this));
    return *children_.back();
}

void DeviceNode::ClearChildren() { children_.clear(); }

std::string DeviceNode::TreePath() const
{
    std::string path = parent_ ? parent_->TreePath() : std::string();
    path += title_;
    path += '\\';
    return path;
}

DeviceNode& DeviceTree::AddPort(int number)
{
    ports_.push_back(std::make_unique<DeviceNode>(std::string(kPortPrefix) + std::to_string(number), kImagePort,
                                                  kImagePort, nullptr));
    ResetToPlaceholder(*ports_.back());
    return *ports_.back();
}

namespace {

template <typename Match>
DeviceNode* FirstBreadthFirst(const std::vector<std::unique_ptr<DeviceNode>>& ports, Match match)
{
    std::deque<DeviceNode*> queue;
    for (const auto& p : ports) queue.push_back(p.get());
    while (!queue.empty()) {
        DeviceNode* n = queue.front();
        queue.pop_front();
        if (match(*n)) return n;
        for (const auto& c : n->Children()) queue.push_back(c.get());
    }
    return nullptr;
}

} // namespace

DeviceNode* DeviceTree::FindByTitle(std::string_view title) const
{
    return FirstBreadthFirst(ports_, [title](const DeviceNode& n) { return n.Title() == title; });
}

DeviceNode* DeviceTree::FindByTreePath(std::string_view path) const
{
    return FirstBreadthFirst(ports_, [path](const DeviceNode& n) { return n.TreePath() == path; });
}

void ResetToPlaceholder(DeviceNode& port)
{
    port.ClearChildren();
    port.AddChild(std::string(kPlaceholderTitle), kImagePlaceholder, kImagePlaceholder);
}

} // namespace stationmate
