// Writing a converted point list to its file, whatever the kind: the text
// of a list replaces the file whole, a drawing goes through the drawing
// library. The window and the command line save through this one place.
#pragma once

#include "drawmap_binding.h"
#include "pointlist/exchange.h"

#include <optional>
#include <string>

namespace harwick::listfile {

// Nothing when written, else why not; the file keeps its old bytes then.
std::optional<std::string> Write(const pointlist::ExchangeExport& made, const std::string& path,
                                 const drawmap::LibrarySearch& library);

} // namespace harwick::listfile
