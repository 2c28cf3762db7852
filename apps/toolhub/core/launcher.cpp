#include "launcher.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <system_error>
#include <utility>

namespace toolhub {

namespace {

// A relative directory would be taken against the current directory at
// the moment of each start, which is not where the launcher lies.
std::filesystem::path Absolute(std::filesystem::path directory)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(directory, ec);
    return ec ? directory : absolute;
}

} // namespace

Launcher::Launcher(std::filesystem::path ownDirectory) : directory_(Absolute(std::move(ownDirectory))) {}

std::filesystem::path Launcher::PathOf(std::string_view program) const
{
    return directory_ / program;
}

bool Launcher::Start(std::string_view program) const
{
    const QString path = QFile::decodeName(PathOf(program).c_str());
    // An empty working directory leaves the child in ours. The path holds a
    // slash, so nothing of the same name is looked for on PATH instead.
    return QProcess::startDetached(path, QStringList(), QString());
}

} // namespace toolhub
