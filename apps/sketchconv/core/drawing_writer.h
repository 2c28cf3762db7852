// The drawing the converter writes, call by call: an empty first section,
// the tables section with the six layers, the entities section with a point
// and a label per record, then the close.
#pragma once

#include "drawmap_binding.h"
#include "point_reader.h"

#include <span>
#include <string>

namespace sketchconv {

using drawmap::DrawmapApi;
using drawmap::DrawmapBinding;
using drawmap::LibrarySearch;

// The label of a point: its name, two blanks and its elevation with four
// decimals.
std::string PointLabel(const CoordinateSurvey& point);

// Makes every call even after one failed, and reports whether the creation
// and every call succeeded. A binding that is not loaded fails every call.
bool WriteDrawing(DrawmapBinding& binding, const std::string& path, std::span<const CoordinateSurvey> points,
                  int fontHeight);

} // namespace sketchconv
