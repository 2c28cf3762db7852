// A point list's drawing written through the DXF library: the layer table
// with a layer per code, then per point a POINT and its labels on that layer.
#pragma once

#include "drawmap_binding.h"
#include "dxf/dxf.h"

#include <optional>
#include <string>

namespace drawmap {

// Makes every call even after one failed, and reports whether the creation
// and every call succeeded.
bool WritePointDrawing(DrawmapBinding& binding, const std::string& path, const harwick::dxf::Drawing& drawing);

// Loads the library, writes the drawing and frees the library: nothing when
// written, else why not. The target keeps its old bytes on failure.
std::optional<std::string> SavePointDrawing(const LibrarySearch& search, const std::string& path,
                                            const harwick::dxf::Drawing& drawing);

} // namespace drawmap
