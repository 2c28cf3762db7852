#include "point_drawing.h"

#include "text/text.h"

namespace drawmap {

namespace {

namespace dxf = harwick::dxf;

constexpr std::string_view kContinuous = "CONTINUOUS";
// White on a dark drawing, black on a light one.
constexpr int kLayerColor = 7;

constexpr std::string_view kNoLibraryBefore = "the drawing library ";
constexpr std::string_view kNoLibraryAfter = " was not found beside the program or could not be loaded";
constexpr std::string_view kNotWritten = "the drawing library could not write the drawing";

} // namespace

bool WritePointDrawing(DrawmapBinding& binding, const std::string& path, const dxf::Drawing& drawing)
{
    bool ok = binding.CreateFile(path);
    const auto call = [&](auto entry, auto... args) { ok = binding.Call(entry, args...) && ok; };
    const std::string continuous(kContinuous);
    const double height = drawing.textHeight;

    call(&DrawmapApi::dxfSectionBegin, int{DXF_SECTION_HEADER});
    call(&DrawmapApi::dxfSectionEnd);
    call(&DrawmapApi::dxfSectionBegin, int{DXF_SECTION_TABLES});
    call(&DrawmapApi::dxfTableTypeBegin, int{DXF_TABLE_LAYER});
    for (const std::string& layer : drawing.layers) {
        call(&DrawmapApi::dxfAddLayer, layer.c_str(), kLayerColor, continuous.c_str());
    }
    call(&DrawmapApi::dxfTableTypeEnd);
    call(&DrawmapApi::dxfSectionEnd);
    call(&DrawmapApi::dxfSectionBegin, int{DXF_SECTION_ENTITIES});
    const std::string* current = nullptr;
    for (const dxf::Mark& mark : drawing.marks) {
        if (current == nullptr || *current != mark.layer) {
            call(&DrawmapApi::dxfSetCurrentLayer, mark.layer.c_str(), 1);
            current = &mark.layer;
        }
        call(&DrawmapApi::dxfPoint, mark.x, mark.y, mark.z, 0.0);
        if (!mark.name.empty()) {
            const dxf::Place at = dxf::namePlace(mark.x, mark.y);
            call(&DrawmapApi::dxfText, mark.name.c_str(), at.x, at.y, at.x, at.y, height, 0.0, 0, 0.0, 0);
        }
        if (!mark.elevation.empty()) {
            const dxf::Place at = dxf::elevationPlace(mark.x, mark.y, height);
            call(&DrawmapApi::dxfText, mark.elevation.c_str(), at.x, at.y, at.x, at.y, height, 0.0, 0, 0.0, 0);
        }
    }
    call(&DrawmapApi::dxfSectionEnd);
    const bool closed = binding.CloseFile();
    return closed && ok;
}

std::optional<std::string> SavePointDrawing(const LibrarySearch& search, const std::string& path,
                                            const dxf::Drawing& drawing)
{
    DrawmapBinding binding(search);
    if (!binding.Loaded()) return harwick::text::concat({kNoLibraryBefore, kLibraryFileName, kNoLibraryAfter});
    if (!WritePointDrawing(binding, path, drawing)) return std::string(kNotWritten);
    return std::nullopt;
}

} // namespace drawmap
