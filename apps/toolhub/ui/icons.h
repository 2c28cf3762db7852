// The pictures compiled into the program: one per program it starts, named
// after the program, and the launcher's own.
#pragma once

#include "launcher_texts.h"
#include "qt_text.h"

#include <QIcon>

#include <string_view>

namespace toolhub {

// A null icon when the program has no picture: its button then shows the
// caption alone.
inline QIcon ProgramIcon(std::string_view program)
{
    return QIcon(ToQ(kIconPrefix) + ToQ(program) + ToQ(kIconSuffix));
}

} // namespace toolhub
