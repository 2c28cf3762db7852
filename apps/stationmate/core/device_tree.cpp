#include "device_tree.h"

#include <algorithm>
#include <deque>
#include <string_view>

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

namespace {

// The number of a port node's "COMn" (the title may go on with ": serial").
int PortNumberOf(const DeviceNode& node)
{
    if (node.Image() != kImagePort) return -1;
    std::string_view title = node.Title();
    title.remove_prefix(std::min(title.size(), kPortPrefix.size()));
    int n = 0;
    std::size_t i = 0;
    for (; i < title.size() && title[i] >= '0' && title[i] <= '9'; ++i) n = n * 10 + (title[i] - '0');
    return i == 0 ? -1 : n;
}

} // namespace

DeviceNode& DeviceTree::AddPort(int number)
{
    auto port = std::make_unique<DeviceNode>(std::string(kPortPrefix) + std::to_string(number), kImagePort, kImagePort,
                                             nullptr);
    ResetToPlaceholder(*port);
    auto at = std::find_if(ports_.begin(), ports_.end(), [number](const auto& p) { return PortNumberOf(*p) > number; });
    return **ports_.insert(at, std::move(port));
}

DeviceNode& DeviceTree::AddNotice(std::string text)
{
    ports_.push_back(std::make_unique<DeviceNode>(std::move(text), kImageNotice, kImageNotice, nullptr));
    return *ports_.back();
}

void DeviceTree::RemoveNotices()
{
    std::erase_if(ports_, [](const auto& p) { return p->Image() == kImageNotice; });
}

DeviceNode* DeviceTree::FindPort(int number) const
{
    for (const auto& p : ports_) {
        if (PortNumberOf(*p) == number) return p.get();
    }
    return nullptr;
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
