// The launcher's texts are UTF-8 string views and its paths are
// std::filesystem paths; Qt wants QStrings.
#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string_view>

namespace toolhub {

inline QString ToQ(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Through the file-name encoding, so that a directory whose name is not
// UTF-8 still comes out byte for byte.
inline std::filesystem::path ToPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace toolhub
