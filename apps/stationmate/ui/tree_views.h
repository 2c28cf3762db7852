// The two panes: CStationmateView mirrors the device tree, CDriveView the PC
// tree. Each item carries its model node and the node's image, since the
// commands and the drops decide by them; the models stay the truth and the
// panes are rebuilt from them after every change.
#pragma once

#include "device_tree.h"
#include "pc_tree.h"

#include <QTreeWidget>

#include <functional>

namespace stationmate {

inline constexpr int kNodeRole = Qt::UserRole + 1;
inline constexpr int kImageRole = Qt::UserRole + 2;
inline constexpr const char* kDragMime = "application/x-harwick-station-item";

// What a drop asks the frame to do; true when it was done.
struct DropHandlers {
    std::function<void(DeviceNode& target)> uploadOnto;  // a PC item dropped on a device node
    std::function<void(PcNode& target)> downloadInto;    // a device node dropped on a PC item
};

// What both panes share: items that carry a model node, dragging with the
// pane's name on the drag, and taking drags from the other pane only.
class PaneView : public QTreeWidget {
public:
    PaneView(QWidget* parent, const char* name, const char* otherPane);
    void SetDropHandlers(DropHandlers* handlers) { drops_ = handlers; }
    QTreeWidgetItem* ItemOfNode(const void* node) const;

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    // The item under a drop from the other pane that takes it, or null.
    virtual bool Accepts(QTreeWidgetItem* item) const = 0;
    virtual void Dropped(QTreeWidgetItem* item) = 0;

    DropHandlers* drops_ = nullptr;

private:
    QTreeWidgetItem* takerAt(const QDropEvent& e) const;
    const char* name_;
    const char* other_;
};

class CStationmateView : public PaneView {
public:
    explicit CStationmateView(QWidget* parent);
    void Sync(const DeviceTree& tree);
    DeviceNode* NodeOf(QTreeWidgetItem* item) const;
    DeviceNode* SelectedNode() const;
    QTreeWidgetItem* ItemOf(const DeviceNode* node) const { return ItemOfNode(node); }

protected:
    bool Accepts(QTreeWidgetItem* item) const override;
    void Dropped(QTreeWidgetItem* item) override;
};

class CDriveView : public PaneView {
public:
    explicit CDriveView(QWidget* parent);
    void Sync(const PcTree& tree);
    PcNode* NodeOf(QTreeWidgetItem* item) const;
    PcNode* SelectedNode() const;
    QTreeWidgetItem* ItemOf(const PcNode* node) const { return ItemOfNode(node); }

protected:
    bool Accepts(QTreeWidgetItem* item) const override;
    void Dropped(QTreeWidgetItem* item) override;
};

// Drop rules: a PC item onto a device node is taken by a folder node or a
// "Fixpoints: " node; a device node onto a PC item by a folder or a fixed
// disk. A drag within one pane does nothing.
bool AcceptsUpload(const DeviceNode& target);
bool AcceptsDownload(const PcNode& target);

} // namespace stationmate
