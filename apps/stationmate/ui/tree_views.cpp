#include "tree_views.h"

#include "catalogue.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>

#include <set>

namespace stationmate {

namespace {

constexpr const char* kFromDevices = "devices";
constexpr const char* kFromPc = "pc";

QIcon iconFor(int image, const std::string& path)
{
    QStyle* style = QApplication::style();
    switch (image) {
    case kImageFolder:
    case kImageFolderOpen: return style->standardIcon(QStyle::SP_DirIcon);
    case kImageLeaf: return style->standardIcon(QStyle::SP_FileIcon);
    case kImagePort: return style->standardIcon(QStyle::SP_ComputerIcon);
    case kImageFixedDisk: return style->standardIcon(QStyle::SP_DriveHDIcon);
    case kImageNetworkDrive: return style->standardIcon(QStyle::SP_DriveNetIcon);
    case kImageOpticalDrive: return style->standardIcon(QStyle::SP_DriveCDIcon);
    case kImageFile: {
        static QFileIconProvider provider;
        return provider.icon(QFileInfo(QString::fromStdString(path)));
    }
    default: return {};
    }
}

QTreeWidgetItem* makeItem(const std::string& title, int image, const void* node, const std::string& path)
{
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(title)});
    item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
    item->setData(0, kImageRole, image);
    item->setIcon(0, iconFor(image, path));
    return item;
}

void addDeviceChildren(QTreeWidgetItem* item, const DeviceNode& node, const std::set<const void*>& open)
{
    for (const auto& c : node.Children()) {
        QTreeWidgetItem* child = makeItem(c->Title(), c->Image(), c.get(), {});
        item->addChild(child);
        addDeviceChildren(child, *c, open);
        if (open.count(c.get())) child->setExpanded(true);
    }
}

void addPcChildren(QTreeWidgetItem* item, const PcNode& node)
{
    for (const auto& c : node.Children()) {
        QTreeWidgetItem* child = makeItem(c->Title(), c->Image(), c.get(), FullPath(*c));
        // Renaming edits the title in place; top-level items cannot be renamed.
        if (CanRename(*c)) child->setFlags(child->flags() | Qt::ItemIsEditable);
        item->addChild(child);
        addPcChildren(child, *c);
        if (c->IsExpanded()) child->setExpanded(true);
    }
}

template <typename Node>
Node* nodeOf(QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<Node*>(item->data(0, kNodeRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* findItem(const QTreeWidget& view, const void* node)
{
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&view)); *it; ++it) {
        if (nodeOf<void>(*it) == node) return *it;
    }
    return nullptr;
}

void startDragFrom(QTreeWidget& view, const char* source)
{
    if (view.currentItem() == nullptr) return;
    auto* mime = new QMimeData;
    mime->setData(kDragMime, source);
    QDrag drag(&view);
    drag.setMimeData(mime); // the drag owns it
    drag.setPixmap(view.currentItem()->icon(0).pixmap(16, 16));
    drag.exec(Qt::CopyAction);
}

// Accepts a drag from the other pane over an item that takes it; otherwise
// the cursor shows the refusal.
template <typename Accept>
void judge(QDragMoveEvent* e, QTreeWidget& view, const char* otherPane, Accept accepts)
{
    const bool fromOther = e->mimeData()->data(kDragMime) == otherPane;
    QTreeWidgetItem* item = view.itemAt(e->position().toPoint());
    if (fromOther && item != nullptr && accepts(item)) e->acceptProposedAction();
    else e->ignore();
}

} // namespace

bool AcceptsUpload(const DeviceNode& target)
{
    return target.Image() == kImageFolder || target.Title().find(kFixpointsPrefix) != std::string::npos;
}

bool AcceptsDownload(const PcNode& target) { return IsDownloadTarget(target); }

// ---- CStationmateView -------------------------------------------------------

CStationmateView::CStationmateView(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setObjectName("deviceView");
}

void CStationmateView::Sync(const DeviceTree& tree)
{
    std::set<const void*> open;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->isExpanded()) open.insert(nodeOf<void>(*it));
    }
    const DeviceNode* selected = SelectedNode();
    const QSignalBlocker quiet(this);
    clear();
    for (const auto& p : tree.Ports()) {
        QTreeWidgetItem* item = makeItem(p->Title(), p->Image(), p.get(), {});
        addTopLevelItem(item);
        addDeviceChildren(item, *p, open);
        if (open.count(p.get())) item->setExpanded(true);
    }
    if (QTreeWidgetItem* again = ItemOf(selected)) setCurrentItem(again);
}

DeviceNode* CStationmateView::NodeOf(QTreeWidgetItem* item) const { return nodeOf<DeviceNode>(item); }

DeviceNode* CStationmateView::SelectedNode() const { return NodeOf(currentItem()); }

QTreeWidgetItem* CStationmateView::ItemOf(const DeviceNode* node) const
{
    return node ? findItem(*this, node) : nullptr;
}

void CStationmateView::startDrag(Qt::DropActions) { startDragFrom(*this, kFromDevices); }

void CStationmateView::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasFormat(kDragMime)) e->acceptProposedAction();
}

void CStationmateView::dragMoveEvent(QDragMoveEvent* e)
{
    judge(e, *this, kFromPc, [this](QTreeWidgetItem* item) { return AcceptsUpload(*NodeOf(item)); });
}

void CStationmateView::dropEvent(QDropEvent* e)
{
    QTreeWidgetItem* item = itemAt(e->position().toPoint());
    if (e->mimeData()->data(kDragMime) != kFromPc || item == nullptr || drops_ == nullptr) return;
    DeviceNode* target = NodeOf(item);
    if (!AcceptsUpload(*target)) return;
    setCurrentItem(item);
    e->acceptProposedAction();
    drops_->uploadOnto(*target);
}

// ---- CDriveView -------------------------------------------------------------

CDriveView::CDriveView(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setObjectName("driveView");
}

void CDriveView::Sync(const PcTree& tree)
{
    const PcNode* selected = SelectedNode();
    const QSignalBlocker quiet(this);
    clear();
    for (const auto& r : tree.Roots()) {
        QTreeWidgetItem* item = makeItem(r->Title(), r->Image(), r.get(), FullPath(*r));
        addTopLevelItem(item);
        addPcChildren(item, *r);
        if (r->IsExpanded()) item->setExpanded(true);
    }
    if (QTreeWidgetItem* again = ItemOf(selected)) setCurrentItem(again);
}

PcNode* CDriveView::NodeOf(QTreeWidgetItem* item) const { return nodeOf<PcNode>(item); }

PcNode* CDriveView::SelectedNode() const { return NodeOf(currentItem()); }

QTreeWidgetItem* CDriveView::ItemOf(const PcNode* node) const { return node ? findItem(*this, node) : nullptr; }

void CDriveView::startDrag(Qt::DropActions) { startDragFrom(*this, kFromPc); }

void CDriveView::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasFormat(kDragMime)) e->acceptProposedAction();
}

void CDriveView::dragMoveEvent(QDragMoveEvent* e)
{
    judge(e, *this, kFromDevices, [this](QTreeWidgetItem* item) { return AcceptsDownload(*NodeOf(item)); });
}

void CDriveView::dropEvent(QDropEvent* e)
{
    QTreeWidgetItem* item = itemAt(e->position().toPoint());
    if (e->mimeData()->data(kDragMime) != kFromDevices || item == nullptr || drops_ == nullptr) return;
    PcNode* target = NodeOf(item);
    if (!AcceptsDownload(*target)) return;
    e->acceptProposedAction();
    drops_->downloadInto(*target);
}

} // namespace stationmate
