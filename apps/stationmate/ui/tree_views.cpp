#include "tree_views.h"

#include "catalogue.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>

#include <memory>
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
    case kImageNotice: return style->standardIcon(QStyle::SP_MessageBoxWarning);
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
        // A collapsed folder can always be opened: one that was empty when
        // listed may have files by now, and opening it lists it afresh.
        if (c->IsFolder() && !c->IsExpanded()) child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
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

} // namespace

bool AcceptsUpload(const DeviceNode& target)
{
    return target.Image() == kImageFolder || target.Title().find(kFixpointsPrefix) != std::string::npos;
}

bool AcceptsDownload(const PcNode& target) { return IsDownloadTarget(target); }

// ---- PaneView ---------------------------------------------------------------

PaneView::PaneView(QWidget* parent, const char* name, const char* otherPane)
    : QTreeWidget(parent), name_(name), other_(otherPane)
{
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QTreeWidgetItem* PaneView::ItemOfNode(const void* node) const { return node ? findItem(*this, node) : nullptr; }

void PaneView::startDrag(Qt::DropActions)
{
    if (currentItem() == nullptr) return;
    auto mime = std::make_unique<QMimeData>();
    mime->setData(kDragMime, name_);
    QDrag drag(this);
    drag.setMimeData(mime.release()); // the drag owns it from here
    drag.setPixmap(currentItem()->icon(0).pixmap(16, 16));
    drag.exec(Qt::CopyAction);
}

void PaneView::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasFormat(kDragMime)) e->acceptProposedAction();
}

QTreeWidgetItem* PaneView::takerAt(const QDropEvent& e) const
{
    if (e.mimeData()->data(kDragMime) != other_) return nullptr; // a drag within one pane does nothing
    QTreeWidgetItem* item = itemAt(e.position().toPoint());
    return item != nullptr && Accepts(item) ? item : nullptr;
}

// Over an item that does not take the drag the cursor shows the refusal.
void PaneView::dragMoveEvent(QDragMoveEvent* e)
{
    if (takerAt(*e) != nullptr) e->acceptProposedAction();
    else e->ignore();
}

void PaneView::dropEvent(QDropEvent* e)
{
    QTreeWidgetItem* item = takerAt(*e);
    if (item == nullptr || drops_ == nullptr) return;
    e->acceptProposedAction();
    Dropped(item);
}

// ---- CStationmateView -------------------------------------------------------

CStationmateView::CStationmateView(QWidget* parent) : PaneView(parent, kFromDevices, kFromPc)
{
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
        // The item that says why no port is shown is long: all of it on hover.
        if (p->Image() == kImageNotice) item->setToolTip(0, QString::fromStdString(p->Title()));
        addTopLevelItem(item);
        addDeviceChildren(item, *p, open);
        if (open.count(p.get())) item->setExpanded(true);
    }
    if (QTreeWidgetItem* again = ItemOf(selected)) setCurrentItem(again);
}

DeviceNode* CStationmateView::NodeOf(QTreeWidgetItem* item) const { return nodeOf<DeviceNode>(item); }

DeviceNode* CStationmateView::SelectedNode() const { return NodeOf(currentItem()); }

bool CStationmateView::Accepts(QTreeWidgetItem* item) const { return AcceptsUpload(*NodeOf(item)); }

void CStationmateView::Dropped(QTreeWidgetItem* item)
{
    setCurrentItem(item);
    drops_->uploadOnto(*NodeOf(item));
}

// ---- CDriveView -------------------------------------------------------------

CDriveView::CDriveView(QWidget* parent) : PaneView(parent, kFromPc, kFromDevices)
{
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

bool CDriveView::Accepts(QTreeWidgetItem* item) const { return AcceptsDownload(*NodeOf(item)); }

void CDriveView::Dropped(QTreeWidgetItem* item) { drops_->downloadInto(*NodeOf(item)); }

} // namespace stationmate
