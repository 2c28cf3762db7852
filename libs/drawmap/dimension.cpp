// Linear dimensions. R12 readers draw a DIMENSION from the anonymous block it
// names, so the library lays the dimension out itself: two extension lines,
// the dimension line, an arrow at each end and the text above the line's
// middle, all in the block *Dn.
#include "drawing.h"

#include "drawmap.h"
#include "names.h"

#include <cmath>
#include <numbers>

namespace drawmap {

namespace {

constexpr int kDimensionDecimals = 4;
constexpr double kFullTurn = 360.0;
constexpr double kHalfTurn = 180.0;
constexpr double kQuarterTurn = 90.0;
// An arrow head is a third as wide as it is long.
constexpr double kArrowWidthRatio = 1.0 / 3.0;
constexpr int kCentredText = 1;
constexpr int kAnonymousBlock = 1;

struct Flat {
    double x = 0.0;
    double y = 0.0;
};

Flat operator+(Flat a, Flat b) { return {a.x + b.x, a.y + b.y}; }
Flat operator-(Flat a, Flat b) { return {a.x - b.x, a.y - b.y}; }
Flat operator*(Flat a, double k) { return {a.x * k, a.y * k}; }
double Dot(Flat a, Flat b) { return a.x * b.x + a.y * b.y; }
double Length(Flat a) { return std::hypot(a.x, a.y); }

// The measured direction, turned so that the text reads from left to right.
double ReadableAngle(double degrees)
{
    double a = std::fmod(degrees, kFullTurn);
    if (a < 0.0) a += kFullTurn;
    if (a > kQuarterTurn && a <= kFullTurn - kQuarterTurn) a -= kHalfTurn;
    return a;
}

struct Layout {
    Flat p1, p2;      // the measured points
    Flat q1, q2;      // where their extension lines meet the dimension line
    Flat normal;      // to the text's side of the line
    double angle = 0.0;
    double measurement = 0.0;
};

Layout LayOut(const LinearDimension& d)
{
    Layout l;
    l.angle = ReadableAngle(d.angle);
    const double radians = l.angle * std::numbers::pi / kHalfTurn;
    const Flat along{std::cos(radians), std::sin(radians)};
    l.normal = {-along.y, along.x};
    l.p1 = {d.x1, d.y1};
    l.p2 = {d.x2, d.y2};
    const Flat line{d.lineX, d.lineY};
    l.q1 = line + along * Dot(l.p1 - line, along);
    l.q2 = line + along * Dot(l.p2 - line, along);
    l.measurement = std::fabs(Dot(l.p2 - l.p1, along));
    return l;
}

void BlockLine(std::string& out, Flat a, Flat b)
{
    Put(out, kStart, word::kLine);
    Put(out, kLayerName, word::kLayerZero);
    PutPoint(out, kX, a.x, a.y, 0.0);
    PutPoint(out, kX2, b.x, b.y, 0.0);
}

void ExtensionLine(std::string& out, Flat from, Flat to, const DimStyleValues& style)
{
    const double length = Length(to - from);
    if (length == 0.0) return;
    const Flat unit = (to - from) * (1.0 / length);
    BlockLine(out, from + unit * style.extensionOffset, to + unit * style.extensionBeyond);
}

// A filled triangle with its tip at tip, pointing along unit.
void Arrow(std::string& out, Flat tip, Flat unit, double size)
{
    const Flat base = tip - unit * size;
    const Flat side = Flat{-unit.y, unit.x} * (size * kArrowWidthRatio / 2.0);
    const Flat corners[] = {tip, base + side, base - side, base - side};
    Put(out, kStart, word::kSolid);
    Put(out, kLayerName, word::kLayerZero);
    for (int i = 0; i < 4; ++i) PutPoint(out, kX + i, corners[i].x, corners[i].y, 0.0);
}

void DimensionText(std::string& out, Flat at, double angle, const std::string& label, double height)
{
    Put(out, kStart, word::kTextEntity);
    Put(out, kLayerName, word::kLayerZero);
    PutPoint(out, kX, at.x, at.y, 0.0);
    PutReal(out, kHeight, height);
    Put(out, kText, label);
    if (angle != 0.0) PutReal(out, kAngle, angle);
    Put(out, kFlags2, kCentredText);
    PutPoint(out, kX2, at.x, at.y, 0.0);
}

std::string Graphics(const Layout& l, const DimStyleValues& style, const std::string& label)
{
    std::string out;
    ExtensionLine(out, l.p1, l.q1, style);
    ExtensionLine(out, l.p2, l.q2, style);
    if (l.measurement > 0.0) {
        BlockLine(out, l.q1, l.q2);
        const Flat outward = (l.q1 - l.q2) * (1.0 / Length(l.q1 - l.q2));
        Arrow(out, l.q1, outward, style.arrowSize);
        Arrow(out, l.q2, outward * -1.0, style.arrowSize);
    }
    const Flat middle = (l.q1 + l.q2) * 0.5;
    DimensionText(out, middle + l.normal * style.textGap, l.angle, label, style.textHeight);
    return out;
}

} // namespace

const DimStyleValues& Drawing::CurrentDimStyle() const
{
    static const DimStyleValues kStandard;
    auto found = dimStyles_.find(dimStyle_);
    return found == dimStyles_.end() ? kStandard : found->second;
}

bool Drawing::DimLinear(const LinearDimension& d)
{
    if (!EntityAllowed() || !AllFinite({d.x1, d.y1, d.x2, d.y2, d.lineX, d.lineY, d.angle}) || !ValidText(d.text)) {
        return false;
    }
    const DimStyleValues& style = CurrentDimStyle();
    const Layout l = LayOut(d);
    const std::string label = d.text.empty() ? Fixed(l.measurement, kDimensionDecimals) : std::string(d.text);
    const std::string name = std::string(word::kDimBlockPrefix) + std::to_string(dimCount_ + 1);
    const Flat middle = (l.q1 + l.q2) * 0.5 + l.normal * (style.textGap + style.textHeight / 2.0);

    Head(out_, word::kDimension);
    Put(out_, kName, name);
    Put(out_, kOtherName, dimStyle_);
    PutPoint(out_, kX, l.q2.x, l.q2.y, 0.0);
    PutPoint(out_, kX2, middle.x, middle.y, 0.0);
    Put(out_, kFlags, 0); // rotated, horizontal or vertical
    if (!d.text.empty()) Put(out_, kText, d.text);
    PutPoint(out_, kX4, l.p1.x, l.p1.y, 0.0);
    PutPoint(out_, kX5, l.p2.x, l.p2.y, 0.0);
    if (d.angle != 0.0) PutReal(out_, kAngle, d.angle);
    WriteDimBlock(name, Graphics(l, style, label));
    ++dimCount_;
    return true;
}

void Drawing::WriteDimBlock(const std::string& name, std::string_view entities)
{
    Put(dimBlocks_, kStart, word::kBlock);
    Put(dimBlocks_, kLayerName, word::kLayerZero);
    Put(dimBlocks_, kName, name);
    Put(dimBlocks_, kFlags, kAnonymousBlock);
    PutPoint(dimBlocks_, kX, 0.0, 0.0, 0.0);
    Put(dimBlocks_, kOtherName, name);
    dimBlocks_ += entities;
    Put(dimBlocks_, kStart, word::kEndBlock);
    Put(dimBlocks_, kLayerName, word::kLayerZero);
}

void Drawing::PlaceDimBlocks()
{
    if (dimBlocks_.empty()) return;
    // Both places lie before the entities section: in the text kept of it
    // once the rest is written out.
    std::string& front = written_ ? head_ : out_;
    if (blocksEndAt_) {
        front.insert(*blocksEndAt_, dimBlocks_);
    } else {
        // No blocks section was written: one goes in front of the entities.
        std::string section;
        Put(section, kStart, word::kSection);
        Put(section, kName, word::kBlocks);
        section += dimBlocks_;
        Put(section, kStart, word::kEndSection);
        front.insert(entitiesAt_.value_or(front.size()), section);
    }
    dimBlocks_.clear();
}

} // namespace drawmap
