// The format modules the editor builds on, by their short names.
#pragma once

#include "pointlist/pointlist.h"

namespace pointbook {

namespace gsi = harwick::gsi;
namespace pointlist = harwick::pointlist;

} // namespace pointbook
