#include "dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace stationmate {

namespace {

// Helpers that start and end at once; a helper that hangs is abandoned
// (and ended) rather than waited for.
constexpr int kStartMs = 2000;
constexpr int kFinishMs = 4000;

struct Run {
    int exitCode = -1;
    QString output;
};

std::optional<Run> RunBounded(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(kStartMs)) return std::nullopt;
    if (!process.waitForFinished(kFinishMs)) {
        process.kill();
        process.waitForFinished(kStartMs);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit) return std::nullopt;
    return Run{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed()};
}

bool Succeeded(const std::optional<Run>& run)
{
    return run && run->exitCode == 0;
}

QString FileUri(const std::string& path)
{
    return QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()).toString();
}

// The desktop's text editor: the application registered for plain text.
bool LaunchPlainTextHandler(const QString& uri)
{
    const std::optional<Run> query = RunBounded(QStringLiteral("xdg-mime"),
                                                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!Succeeded(query) || query->output.isEmpty()) return false;
    QString application = query->output.section(QLatin1Char(';'), 0, 0).trimmed();
    if (application.endsWith(QStringLiteral(".desktop"))) application.chop(8);
    return Succeeded(RunBounded(QStringLiteral("gtk-launch"), {application, uri}));
}

} // namespace

bool QtDesktop::Open(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl(FileUri(path)));
}

bool QtDesktop::OpenInTextEditor(const std::string& path)
{
    const QString uri = FileUri(path);
    if (LaunchPlainTextHandler(uri)) return true;
    // No plain-text handler: the file's own default application is the
    // nearest thing the desktop offers.
    if (Succeeded(RunBounded(QStringLiteral("gio"), {QStringLiteral("open"), uri}))) return true;
    return QDesktopServices::openUrl(QUrl(uri));
}

} // namespace stationmate
