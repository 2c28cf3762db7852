#include "qt_interactions.h"

#include "qt_text.h"
#include "window_texts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace pointbook {

void QtPrompter::ShowMessage(std::string_view text)
{
    QMessageBox box(QMessageBox::Information, ToQ(kWindowTitle), ToQ(text), QMessageBox::Ok, window_);
    box.exec();
}

bool QtPrompter::AskYesNo(std::string_view text)
{
    QMessageBox box(QMessageBox::Question, ToQ(kWindowTitle), ToQ(text), QMessageBox::Yes | QMessageBox::No,
                    window_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtFileChooser::OpenPath()
{
    const QString path = QFileDialog::getOpenFileName(window_, QString(), QString(), ToQ(kOpenFilter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<SaveChoice> QtFileChooser::SavePath()
{
    QFileDialog dialog(window_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const SaveFilter& f : kSaveFilters) filters << ToQ(f.label);
    dialog.setNameFilters(filters);
    // The editor asks about replacing: the name it writes (job.gsi for
    // job.gsi16) is not the name this dialog would check.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const qsizetype filter = filters.indexOf(dialog.selectedNameFilter());
    return SaveChoice{dialog.selectedFiles().front().toStdString(),
                      filter < 0 ? kSaveFilters.size() : static_cast<std::size_t>(filter)};
}

} // namespace pointbook
