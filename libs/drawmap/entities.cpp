// Entities and block definitions.
#include "drawing.h"

#include "drawmap.h"
#include "names.h"

#include <algorithm>
#include <cmath>

namespace drawmap {

namespace {

constexpr int kMaxHorizontal = 5; // fit
constexpr int kMaxVertical = 3;   // top

bool Finite(Vec3 p) { return AllFinite({p.x, p.y, p.z}); }

void PutPoint(std::string& out, int code, Vec3 p) { drawmap::PutPoint(out, code, p.x, p.y, p.z); }

} // namespace

bool Drawing::EntityAllowed() const
{
    return openSection_ == DXF_SECTION_ENTITIES || (openSection_ == DXF_SECTION_BLOCKS && openBlock_);
}

void Drawing::Head(std::string& out, std::string_view kind) const
{
    Put(out, kStart, kind);
    Put(out, kLayerName, layer_);
    if (linetype_ != word::kByLayer) Put(out, kLinetypeName, linetype_);
    if (color_ != kColorByLayer) Put(out, kColor, color_);
}

bool Drawing::Point(Vec3 p, double angle)
{
    if (!EntityAllowed() || !Finite(p) || !std::isfinite(angle)) return false;
    Head(out_, word::kPoint);
    PutPoint(out_, kX, p);
    if (angle != 0.0) PutReal(out_, kAngle, angle);
    return true;
}

bool Drawing::Text(const TextEntity& t)
{
    if (!EntityAllowed() || t.text.empty() || !ValidText(t.text) ||
        !AllFinite({t.x1, t.y1, t.x2, t.y2, t.height, t.rotation, t.oblique}) || t.height <= 0.0 ||
        t.horizontal < 0 || t.horizontal > kMaxHorizontal || t.vertical < 0 || t.vertical > kMaxVertical) {
        return false;
    }
    Head(out_, word::kTextEntity);
    drawmap::PutPoint(out_, kX, t.x1, t.y1, 0.0);
    PutReal(out_, kHeight, t.height);
    Put(out_, kText, t.text);
    if (t.rotation != 0.0) PutReal(out_, kAngle, t.rotation);
    if (t.oblique != 0.0) PutReal(out_, kAngle2, t.oblique);
    if (textStyle_ != word::kStandard) Put(out_, kStyleName, textStyle_);
    if (t.horizontal != 0) Put(out_, kFlags2, t.horizontal);
    if (t.horizontal != 0 || t.vertical != 0) drawmap::PutPoint(out_, kX2, t.x2, t.y2, 0.0);
    if (t.vertical != 0) Put(out_, kFlags3, t.vertical);
    return true;
}

bool Drawing::Line(Vec3 a, Vec3 b)
{
    if (!EntityAllowed() || !Finite(a) || !Finite(b)) return false;
    Head(out_, word::kLine);
    PutPoint(out_, kX, a);
    PutPoint(out_, kX2, b);
    return true;
}

bool Drawing::Circle(Vec3 centre, double radius)
{
    if (!EntityAllowed() || !Finite(centre) || !std::isfinite(radius) || radius <= 0.0) return false;
    Head(out_, word::kCircle);
    PutPoint(out_, kX, centre);
    PutReal(out_, kHeight, radius);
    return true;
}

bool Drawing::Arc(Vec3 centre, double radius, double startAngle, double endAngle)
{
    if (!EntityAllowed() || !Finite(centre) || !AllFinite({radius, startAngle, endAngle}) || radius <= 0.0) {
        return false;
    }
    Head(out_, word::kArc);
    PutPoint(out_, kX, centre);
    PutReal(out_, kHeight, radius);
    PutReal(out_, kAngle, startAngle);
    PutReal(out_, kAngle2, endAngle);
    return true;
}

bool Drawing::Solid(const std::array<double, 8>& corners, double z)
{
    if (!EntityAllowed() || !std::isfinite(z) ||
        !std::all_of(corners.begin(), corners.end(), [](double v) { return std::isfinite(v); })) {
        return false;
    }
    Head(out_, word::kSolid);
    for (int corner = 0; corner < 4; ++corner) {
        const auto at = static_cast<std::size_t>(corner) * 2;
        drawmap::PutPoint(out_, kX + corner, corners[at], corners[at + 1], z);
    }
    return true;
}

bool Drawing::InsertBlock(const BlockInsert& insert)
{
    const std::optional<std::string> name = SymbolName(insert.name);
    if (!EntityAllowed() || !name || !blocks_.contains(*name) || !Finite(insert.at) || !Finite(insert.scale) ||
        !std::isfinite(insert.rotation) || insert.scale.x == 0.0 || insert.scale.y == 0.0 ||
        insert.scale.z == 0.0) {
        return false;
    }
    Head(out_, word::kInsert);
    Put(out_, kName, *name);
    PutPoint(out_, kX, insert.at);
    PutReal(out_, kReal1, insert.scale.x);
    PutReal(out_, kReal2, insert.scale.y);
    PutReal(out_, kReal3, insert.scale.z);
    if (insert.rotation != 0.0) PutReal(out_, kAngle, insert.rotation);
    return true;
}

bool Drawing::BlockBegin(std::string_view name, Vec3 base)
{
    // SymbolName refuses "*", so the library's anonymous names stay its own.
    std::optional<std::string> block = SymbolName(name);
    if (openSection_ != DXF_SECTION_BLOCKS || openBlock_ || !block || blocks_.contains(*block) || !Finite(base)) {
        return false;
    }
    Put(out_, kStart, word::kBlock);
    Put(out_, kLayerName, word::kLayerZero);
    Put(out_, kName, *block);
    Put(out_, kFlags, 0);
    PutPoint(out_, kX, base);
    Put(out_, kOtherName, *block);
    openBlock_ = std::move(block);
    return true;
}

bool Drawing::BlockEnd()
{
    if (!openBlock_) return false;
    Put(out_, kStart, word::kEndBlock);
    Put(out_, kLayerName, word::kLayerZero);
    // Known only now, so a block cannot insert itself.
    blocks_.insert(*openBlock_);
    openBlock_.reset();
    return true;
}

} // namespace drawmap
