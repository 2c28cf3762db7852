// The suite's texts are UTF-8 std::string; Qt's are QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace harwick::qtkit {

inline QString ToQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQ(const QString& text) { return text.toStdString(); }

} // namespace harwick::qtkit
