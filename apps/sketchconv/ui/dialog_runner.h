// The window's dialogs and menus run through the suite's dialog runner, so
// that the widget tests answer them.
#pragma once

#include "qtkit/dialog_runner.h"

namespace sketchconv {

using harwick::qtkit::DialogRunner;
using harwick::qtkit::ExecRunner;

} // namespace sketchconv
