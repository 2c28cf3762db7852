// The program's texts are UTF-8; Qt's are QString.
#pragma once

#include "qtkit/qt_text.h"

namespace featurebook {

using harwick::qtkit::FromQ;
using harwick::qtkit::ToQ;

} // namespace featurebook
