#include "drawing_writer.h"

#include "sketch_texts.h"

#include "dxf/dxf.h"

#include <cstdio>
#include <string_view>

namespace sketchconv {

namespace {

// The results of all calls, ANDed.
class CallChain {
public:
    explicit CallChain(DrawmapBinding& binding, bool created) : binding_(binding), ok_(created) {}

    template <typename Fn, typename... Args>
    void operator()(Fn DrawmapApi::*entry, Args... args)
    {
        ok_ = binding_.Call(entry, args...) && ok_;
    }

    bool Ok() const { return ok_; }

private:
    DrawmapBinding& binding_;
    bool ok_;
};

} // namespace

std::string PointLabel(const CoordinateSurvey& point)
{
    if (!point.hasElevation) return point.name;
    const double elevation = point.elevation;
    const int length = std::snprintf(nullptr, 0, kLabelFormat, point.name.c_str(), elevation);
    if (length < 0) return point.name;
    std::string label(static_cast<std::size_t>(length), '\0');
    std::snprintf(label.data(), label.size() + 1, kLabelFormat, point.name.c_str(), elevation);
    return label;
}

bool WriteDrawing(DrawmapBinding& binding, const std::string& path, std::span<const CoordinateSurvey> points,
                  int fontHeight)
{
    CallChain call(binding, binding.CreateFile(path));
    const std::string continuous(kContinuous);
    const std::string pointLayer(kPointLayer);
    const std::string annotationLayer(kAnnotationLayer);
    const double height = fontHeight;

    call(&DrawmapApi::dxfSectionBegin, int{DXF_SECTION_HEADER});
    call(&DrawmapApi::dxfSectionEnd);
    call(&DrawmapApi::dxfSectionBegin, int{DXF_SECTION_TABLES});
    call(&DrawmapApi::dxfTableTypeBegin, int{DXF_TABLE_LAYER});
    for (const LayerEntry& layer : kLayers) {
        const std::string name(layer.name);
        call(&DrawmapApi::dxfAddLayer, name.c_str(), layer.color, continuous.c_str());
    }
    call(&DrawmapApi::dxfTableTypeEnd);
    call(&DrawmapApi::dxfSectionEnd);
    call(&DrawmapApi::dxfSectionBegin, int{DXF_SECTION_ENTITIES});
    for (const CoordinateSurvey& p : points) {
        call(&DrawmapApi::dxfSetCurrentLayer, pointLayer.c_str(), 0);
        call(&DrawmapApi::dxfPoint, p.easting, p.northing, static_cast<double>(p.elevation), 0.0);
        call(&DrawmapApi::dxfSetCurrentLayer, annotationLayer.c_str(), 0);
        const std::string label = PointLabel(p);
        const harwick::dxf::Place at = harwick::dxf::namePlace(p.easting, p.northing);
        call(&DrawmapApi::dxfText, label.c_str(), at.x, at.y, at.x, at.y, height, 0.0, 0, 0.0, 0);
    }
    call(&DrawmapApi::dxfSectionEnd);
    const bool closed = binding.CloseFile();
    return closed && call.Ok();
}

} // namespace sketchconv
