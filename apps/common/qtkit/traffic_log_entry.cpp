#include "qtkit/traffic_log_entry.h"

#include "qtkit/qt_text.h"

#include <QAction>
#include <QFileDialog>

namespace harwick::qtkit {

std::optional<std::string> AskTrafficLogPath(QWidget* parent, DialogRunner& runner)
{
    QFileDialog dialog(parent, ToQ(kLogFileCaption));
    dialog.setObjectName(QStringLiteral("trafficLogDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A runner answers the dialog's own widgets; a native one has none.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.selectFile(ToQ(kLogFileSuggestion));
    if (runner.Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQ(dialog.selectedFiles().front());
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
