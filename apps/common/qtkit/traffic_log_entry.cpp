#include "qtkit/traffic_log_entry.h"

#include "qtkit/qt_text.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace harwick::qtkit {

std::optional<std::string> AskTrafficLogPath(QWidget* parent, DialogRunner& runner)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(ToQ(kLogFileCaption));
    dialog.setObjectName(QStringLiteral("trafficLogDialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(ToQ(kLogFileLabel), &dialog));
    auto* row = new QHBoxLayout;
    auto* path = new QLineEdit(QDir::home().filePath(ToQ(kLogFileSuggestion)), &dialog);
    path->setObjectName(QStringLiteral("logFileEdit"));
    path->setMinimumWidth(360);
    auto* browse = new QPushButton(ToQ(kBrowseButton), &dialog);
    browse->setObjectName(QStringLiteral("browseButton"));
    row->addWidget(path);
    row->addWidget(browse);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // The file browser only when asked for: its folder watcher is a thread of
    // Qt's own that the rest of the dialog does without.
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, path] {
        const QString chosen = QFileDialog::getSaveFileName(&dialog, ToQ(kLogFileCaption), path->text());
        if (!chosen.isEmpty()) path->setText(chosen);
    });
    if (runner.Run(dialog) != QDialog::Accepted || path->text().trimmed().isEmpty()) return std::nullopt;
    return FromQ(path->text().trimmed());
}

TrafficLogEntry::TrafficLogEntry(QObject* parent, platform::TrafficLogSwitch& logging, AskPath ask, Show show,
                                 Changed changed)
    : QObject(parent), action_(new QAction(ToQ(kLogCommunicationEntry), this)), switch_(logging),
      ask_(std::move(ask)), show_(std::move(show)), changed_(std::move(changed))
{
    action_->setObjectName(QStringLiteral("logCommunicationAction"));
    action_->setCheckable(true);
    QObject::connect(action_, &QAction::triggered, this, [this] { toggle(); });
}

void TrafficLogEntry::toggle()
{
    if (switch_.On()) {
        switch_.Stop();
    } else if (const std::optional<std::string> path = ask_()) {
        if (const std::optional<std::string> error = switch_.Start(*path)) show_(*error);
    }
    apply();
}

void TrafficLogEntry::AfterTransfer()
{
    const std::optional<std::string> stopped = switch_.TakeStopNotice();
    if (!stopped) return;
    apply();
    show_(*stopped);
}

void TrafficLogEntry::Refresh() { action_->setChecked(switch_.On()); }

void TrafficLogEntry::apply()
{
    Refresh();
    changed_(switch_.Current());
}

} // namespace harwick::qtkit
