#include "dialog_parts.h"
#include "dialog_texts.h"
#include "dialogs.h"
#include "download.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace stationmate {

QDialogButtonBox* OkCancelButtons(QDialog& dialog, std::string_view cancelText)
{
    auto* box = new QDialogButtonBox(&dialog);
    box->setObjectName(QStringLiteral("buttons"));
    QPushButton* ok = box->addButton(ToQ(kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel = box->addButton(ToQ(cancelText), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

QWidget* DialogParent(QWidget* parent)
{
    return parent != nullptr ? parent->window() : nullptr;
}

namespace {

void SetUp(QDialog& dialog, std::string_view caption, const char* objectName)
{
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setWindowTitle(ToQ(caption));
    dialog.setModal(true);
}

} // namespace

std::optional<std::string> QtTransferDialogs::AskDownloadFileName(const DownloadQuestion& q)
{
    QDialog dialog(DialogParent(parent_));
    SetUp(dialog, kDownloadCaption, "downloadDialog");
    auto* form = new QFormLayout;
    form->addRow(ToQ(kSourceFileLabel), NamedLabel(q.source, "sourceLabel", &dialog));
    form->addRow(ToQ(kDestinationLabel), NamedLabel(q.destination, "destinationLabel", &dialog));
    auto* nameEdit = new QLineEdit(ToQ(q.fileName), &dialog);
    nameEdit->setObjectName(QStringLiteral("fileNameEdit"));
    form->addRow(ToQ(kFileNameLabel), nameEdit);

    QLabel* formatLabel = NamedLabel(kFormatLabel, "formatLabel", &dialog);
    auto* formats = new QComboBox(&dialog);
    formats->setObjectName(QStringLiteral("formatCombo"));
    for (std::string_view choice : kFormatChoices) formats->addItem(ToQ(choice));
    formats->setCurrentIndex(0);
    form->addRow(formatLabel, formats);
    formatLabel->setVisible(q.offerFormats);
    formats->setVisible(q.offerFormats);
    QObject::connect(formats, &QComboBox::currentIndexChanged, nameEdit, [nameEdit](int index) {
        if (index < 0) return;
        nameEdit->setText(QString::fromStdString(ApplyFormatChoice(nameEdit->text().toStdString(), index)));
    });

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(dialog, kCancelButton));
    if (runner_.Run(dialog) != QDialog::Accepted) return std::nullopt;
    return nameEdit->text().toStdString();
}

bool QtTransferDialogs::AskOkCancel(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Question, ToQ(caption.empty() ? kProgramTitle : std::string_view(caption)),
                    QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel, DialogParent(parent_));
    box.setObjectName(QStringLiteral("questionBox"));
    box.setDefaultButton(QMessageBox::Ok);
    return runner_.Run(box) == QMessageBox::Ok;
}

std::optional<UploadAnswer> QtTransferDialogs::AskUploadJob(const UploadQuestion& q)
{
    QDialog dialog(DialogParent(parent_));
    SetUp(dialog, kUploadCaption, "uploadDialog");
    auto* form = new QFormLayout;
    form->addRow(ToQ(kUploadSourceLabel), NamedLabel(q.source, "sourceLabel", &dialog));
    form->addRow(ToQ(kDestinationLabel), NamedLabel({}, "destinationLabel", &dialog));
    auto* jobs = new QComboBox(&dialog);
    jobs->setObjectName(QStringLiteral("jobCombo"));
    for (const std::string& title : q.jobs) jobs->addItem(QString::fromStdString(title));
    const bool preselectable = q.preselected && *q.preselected >= 0 && *q.preselected < jobs->count();
    jobs->setCurrentIndex(preselectable ? *q.preselected : -1);
    form->addRow(jobs);
    auto* formats = new QComboBox(&dialog);
    formats->setObjectName(QStringLiteral("formatCombo"));
    for (std::string_view choice : kUploadFormats) formats->addItem(ToQ(choice));
    form->addRow(ToQ(kFormatLabel), formats);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(dialog, kCancelButton));
    if (runner_.Run(dialog) != QDialog::Accepted) return std::nullopt;
    UploadAnswer answer;
    answer.position = jobs->currentIndex();
    if (answer.position >= 0) answer.title = jobs->currentText().toStdString();
    return answer;
}

std::optional<std::string> QtTransferDialogs::AskNewName()
{
    QDialog dialog(DialogParent(parent_));
    SetUp(dialog, kNewNameCaption, "newNameDialog");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(NamedLabel(kNewNamePrompt, "promptLabel", &dialog));
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("newNameEdit"));
    layout->addWidget(edit);
    layout->addWidget(OkCancelButtons(dialog, kCancelButton));
    if (runner_.Run(dialog) != QDialog::Accepted) return std::nullopt;
    return edit->text().toStdString();
}

} // namespace stationmate
