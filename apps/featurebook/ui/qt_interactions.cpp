#include "qt_interactions.h"

#include "qt_text.h"
#include "window_texts.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace featurebook {

void QtMessages::ShowMessage(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, ToQ(kProgramName), ToQ(text), QMessageBox::Ok, window_);
    box.exec();
}


std::optional<std::string> QtFileDialogs::OpenPath()
{
    const QString path = QFileDialog::getOpenFileName(window_, {}, {}, ToQ(kOpenFilter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtFileDialogs::SavePath()
{
    QFileDialog dialog(window_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQ(kSaveFilter));
    dialog.setDefaultSuffix(ToQ(kSaveSuffix));
    // The overwrite question is the dialog's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

QAction* QtPopupMenus::Popup(QMenu& menu, const QPoint& globalPosition)
{
    return menu.exec(globalPosition);
}

} // namespace featurebook
