// The launcher's texts are UTF-8 string views and its paths are
// std::filesystem paths; Qt wants QStrings.
#pragma once

#include "qtkit/qt_text.h"

#include <QFile>
#include <QString>

#include <filesystem>
#include <string_view>

namespace toolhub {

using harwick::qtkit::ToQ;

// Through the file-name encoding, so that a directory whose name is not
// UTF-8 still comes out byte for byte.
inline std::filesystem::path ToPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace toolhub
