#include "qt_interactions.h"

#include "qt_text.h"
#include "sketch_texts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace sketchconv {

namespace {

std::optional<std::string> Chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace

void QtPrompter::ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon)
{
    const QMessageBox::Icon shown = icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(shown, ToQ(caption), ToQ(text), QMessageBox::Ok, window_);
    box.exec();
}

bool QtPrompter::AskYesNo(std::string_view caption, std::string_view text)
{
    QMessageBox box(QMessageBox::Question, ToQ(caption), ToQ(text), QMessageBox::Yes | QMessageBox::No, window_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtFileChooser::OpenGsiPath()
{
    QFileDialog dialog(window_, ToQ(kOpenTitle), QString(), ToQ(kOpenFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

std::optional<std::string> QtFileChooser::SaveDxfPath()
{
    QFileDialog dialog(window_, ToQ(kSaveTitle), QString(), ToQ(kSaveFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ToQ(kDxfSuffix));
    // The converter asks about replacing, for the name it will really write.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    return Chosen(dialog);
}

} // namespace sketchconv
