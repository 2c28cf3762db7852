// The converter's texts are UTF-8 string views; Qt wants QStrings.
#pragma once

#include <QString>

#include <string_view>

namespace sketchconv {

inline QString ToQ(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace sketchconv
