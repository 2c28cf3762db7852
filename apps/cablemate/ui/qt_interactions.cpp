#include "qt_interactions.h"

#include "cable_messages.h"
#include "dialog_widgets.h"
#include "window_texts.h"

#include "qtkit/traffic_log_entry.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace cablemate {

namespace {

using dialogs::ToQ;

} // namespace

void QtMessages::ShowMessage(std::string_view text) {
    const QString message = ToQ(text);
    mailbox_.Call<int>([this, message] {
        ShowNow(message);
        return 0;
    });
}

void QtMessages::ShowNow(const QString& text) {
    QMessageBox box(QMessageBox::Information, ToQ(kWindowTitle), text, QMessageBox::Ok, window_);
    box.exec();
}

std::optional<std::string> QtFileDialogs::OpenPath() {
    const QString path = QFileDialog::getOpenFileName(window_);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtFileDialogs::TrafficLogPath() {
    ExecRunner runner;
    return harwick::qtkit::AskTrafficLogPath(window_, runner);
}

std::optional<SaveChoice> QtFileDialogs::SaveAsPath() {
    QFileDialog dialog(window_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = ToQ(kSaveAsFilter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    // The type chosen gives a bare name its extension, before the dialog
    // asks about overwriting, so the question is about the file written.
    const auto typeOf = [filters](const QString& filter) {
        const qsizetype index = std::max<qsizetype>(filters.indexOf(filter), 0);
        return static_cast<SaveType>(index);
    };
    const auto follow = [&dialog, typeOf](const QString& filter) {
        dialog.setDefaultSuffix(ToQ(TypeExtension(typeOf(filter))));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    follow(filters.front());
    dialog.selectFile(ToQ(kSaveAsInitialName));
    // The overwrite question is the dialog's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveChoice{dialog.selectedFiles().front().toStdString(), typeOf(dialog.selectedNameFilter())};
}

bool QtDesktop::Open(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace cablemate
