// The C entry points: a table of open drawings, looked up by handle, with a
// lock per drawing. Nothing thrown inside ever reaches the caller.
#include "drawmap.h"

#include "drawing.h"

#include <climits>
#include <map>
#include <mutex>

namespace drawmap {

namespace {

constexpr int kSuccess = 1;
constexpr int kFailure = 0;

struct Slot {
    std::mutex mutex;
    std::unique_ptr<Drawing> drawing; // null once closed
};

class Registry {
public:
    static Registry& Instance()
    {
        static Registry registry;
        return registry;
    }

    // 0 when every handle has been given out.
    int Add(std::unique_ptr<Drawing> drawing)
    {
        auto slot = std::make_shared<Slot>();
        slot->drawing = std::move(drawing);
        std::lock_guard lock(mutex_);
        if (next_ == INT_MAX) return kFailure;
        const int handle = next_++;
        open_.emplace(handle, std::move(slot));
        return handle;
    }

    std::shared_ptr<Slot> Find(int handle)
    {
        std::lock_guard lock(mutex_);
        auto found = open_.find(handle);
        return found == open_.end() ? nullptr : found->second;
    }

    // The slot, no longer findable by its handle.
    std::shared_ptr<Slot> Take(int handle)
    {
        std::lock_guard lock(mutex_);
        auto found = open_.find(handle);
        if (found == open_.end()) return nullptr;
        std::shared_ptr<Slot> slot = std::move(found->second);
        open_.erase(found);
        return slot;
    }

private:
    std::mutex mutex_;
    std::map<int, std::shared_ptr<Slot>> open_;
    int next_ = 1;
};

// Runs fn on the open drawing behind handle, under its lock.
template <typename Fn>
int WithDrawing(int handle, Fn&& fn) noexcept
{
    try {
        std::shared_ptr<Slot> slot = Registry::Instance().Find(handle);
        if (!slot) return kFailure;
        std::lock_guard lock(slot->mutex);
        if (!slot->drawing || !fn(*slot->drawing)) return kFailure;
        slot->drawing->WriteOutWhenLarge();
        return kSuccess;
    } catch (...) {
        return kFailure;
    }
}

} // namespace

} // namespace drawmap

using drawmap::Drawing;
using drawmap::WithDrawing;

extern "C" {

int dxfCreateFile(const char* path)
{
    try {
        if (path == nullptr) return drawmap::kFailure;
        std::unique_ptr<Drawing> drawing = Drawing::Create(path);
        return drawing ? drawmap::Registry::Instance().Add(std::move(drawing)) : drawmap::kFailure;
    } catch (...) {
        return drawmap::kFailure;
    }
}

int dxfCloseFile(int drawing)
{
    try {
        std::shared_ptr<drawmap::Slot> slot = drawmap::Registry::Instance().Take(drawing);
        if (!slot) return drawmap::kFailure;
        std::unique_ptr<Drawing> closing;
        {
            std::lock_guard lock(slot->mutex);
            closing = std::move(slot->drawing);
        }
        return closing && closing->Close() ? drawmap::kSuccess : drawmap::kFailure;
    } catch (...) {
        return drawmap::kFailure;
    }
}

int dxfSectionBegin(int drawing, int section)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.BeginSection(section); });
}

int dxfSectionEnd(int drawing)
{
    return WithDrawing(drawing, [](Drawing& d) { return d.EndSection(); });
}

int dxfTableTypeBegin(int drawing, int tableType)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.BeginTable(tableType); });
}

int dxfTableTypeEnd(int drawing)
{
    return WithDrawing(drawing, [](Drawing& d) { return d.EndTable(); });
}

int dxfWriteParamString(int drawing, const char* name, int groupCode, const char* value)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        return name && value && d.WriteParam(name, groupCode, std::string_view(value));
    });
}

int dxfWriteParamInteger(int drawing, const char* name, int groupCode, int value)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.WriteParam(name, groupCode, value); });
}

int dxfWriteParamDouble(int drawing, const char* name, int groupCode, double value)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.WriteParam(name, groupCode, value); });
}

int dxfAddLayer(int drawing, const char* name, int color, const char* lineType)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && lineType && d.AddLayer(name, color, lineType); });
}

int dxfAddLinetype(int drawing, const char* name, const char* description, int elementCount, const double* elements)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        if (!name || !description || elementCount < 0 || (elementCount > 0 && !elements)) return false;
        return d.AddLinetype(name, description,
                             std::span<const double>(elements, static_cast<std::size_t>(elementCount)));
    });
}

int dxfAddTextStyle(int drawing, const char* name, const char* fontFile, double height, double widthFactor,
                    double obliqueAngle)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        return name && fontFile && d.AddTextStyle({name, fontFile, height, widthFactor, obliqueAngle});
    });
}

int dxfAddDimStyle(int drawing, const char* name, double textHeight, double arrowSize, double extensionOffset,
                   double extensionBeyond, double textGap)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        return name && d.AddDimStyle(name, {textHeight, arrowSize, extensionOffset, extensionBeyond, textGap});
    });
}

int dxfSetCurrentLayer(int drawing, const char* name, int requireDeclared)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.SetCurrentLayer(name, requireDeclared != 0); });
}

int dxfSetCurrentColor(int drawing, int color)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.SetCurrentColor(color); });
}

int dxfSetCurrentLinetype(int drawing, const char* name)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.SetCurrentLinetype(name); });
}

int dxfSetCurrentTextStyle(int drawing, const char* name)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.SetCurrentTextStyle(name); });
}

int dxfSetCurrentDimStyle(int drawing, const char* name)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.SetCurrentDimStyle(name); });
}

int dxfPoint(int drawing, double x, double y, double z, double angle)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.Point({x, y, z}, angle); });
}

int dxfText(int drawing, const char* text, double x1, double y1, double x2, double y2, double height,
            double rotation, int horizontalJustification, double obliqueAngle, int verticalJustification)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        return text && d.Text({text, x1, y1, x2, y2, height, rotation, horizontalJustification, obliqueAngle,
                               verticalJustification});
    });
}

int dxfLine(int drawing, double x1, double y1, double z1, double x2, double y2, double z2)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.Line({x1, y1, z1}, {x2, y2, z2}); });
}

int dxfCircle(int drawing, double cx, double cy, double cz, double radius)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.Circle({cx, cy, cz}, radius); });
}

int dxfArc(int drawing, double cx, double cy, double cz, double radius, double startAngle, double endAngle)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.Arc({cx, cy, cz}, radius, startAngle, endAngle); });
}

int dxfSolid(int drawing, double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
             double z)
{
    return WithDrawing(drawing, [&](Drawing& d) { return d.Solid({x1, y1, x2, y2, x3, y3, x4, y4}, z); });
}

int dxfDimLinear(int drawing, double x1, double y1, double x2, double y2, double lineX, double lineY, double angle,
                 const char* text)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        return d.DimLinear({x1, y1, x2, y2, lineX, lineY, angle, text ? std::string_view(text) : std::string_view{}});
    });
}

int dxfInsertBlock(int drawing, const char* name, double x, double y, double z, double xScale, double yScale,
                   double zScale, double rotation)
{
    return WithDrawing(drawing, [&](Drawing& d) {
        return name && d.InsertBlock({name, {x, y, z}, {xScale, yScale, zScale}, rotation});
    });
}

int dxfBlockBegin(int drawing, const char* name, double x, double y, double z)
{
    return WithDrawing(drawing, [&](Drawing& d) { return name && d.BlockBegin(name, {x, y, z}); });
}

int dxfBlockEnd(int drawing)
{
    return WithDrawing(drawing, [](Drawing& d) { return d.BlockEnd(); });
}

} // extern "C"
