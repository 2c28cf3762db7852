#include "name_dialogs.h"

#include "qt_text.h"
#include "suite_version.h"
#include "window_texts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>

namespace featurebook {

namespace {

QPushButton* Button(QDialog* dialog, std::string_view text, const char* name)
{
    auto* button = new QPushButton(ToQ(text), dialog);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The buttons beside each other under the fields; the first is the default.
void AddButtons(QDialog* dialog, QVBoxLayout* layout, std::string_view ok, std::string_view cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* accept = Button(dialog, ok, "okButton");
    accept->setDefault(true);
    QObject::connect(accept, &QPushButton::clicked, dialog, &QDialog::accept);
    row->addWidget(accept);
    if (!cancel.empty()) {
        QPushButton* reject = Button(dialog, cancel, "cancelButton");
        QObject::connect(reject, &QPushButton::clicked, dialog, &QDialog::reject);
        row->addWidget(reject);
    }
    layout->addLayout(row);
}

QLineEdit* Field(QDialog* dialog, QFormLayout* form, std::string_view label, const char* name)
{
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(ToQ(label), edit);
    return edit;
}

QLabel* Line(QDialog* dialog, QVBoxLayout* layout, const QString& text, const char* name)
{
    auto* label = new QLabel(text, dialog);
    label->setObjectName(QString::fromLatin1(name));
    layout->addWidget(label);
    return label;
}

} // namespace

NewListDialog::NewListDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQ(kNewListTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = Field(this, form, kNewListNameLabel, "codeNameEdit");
    author_ = Field(this, form, kNewListAuthorLabel, "authorEdit");
    layout->addLayout(form);
    AddButtons(this, layout, kNewListOk, kCancel);
}

std::string NewListDialog::ListName() const
{
    return FromQ(name_->text());
}

std::string NewListDialog::Author() const
{
    return FromQ(author_->text());
}

RenameListDialog::RenameListDialog(const std::string& currentName, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQ(kRenameTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = Field(this, form, kRenameLabel, "newNameEdit");
    name_->setText(ToQ(currentName));
    name_->selectAll();
    layout->addLayout(form);
    AddButtons(this, layout, kRenameOk, kCancel);
}

std::string RenameListDialog::NewName() const
{
    return FromQ(name_->text());
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQ(kAboutTitlePrefix) + ToQ(kProgramName));
    auto* layout = new QVBoxLayout(this);
    Line(this, layout, ToQ(kProgramName), "aboutName");
    Line(this, layout, ToQ(kAboutVersion), "aboutVersion");
    Line(this, layout, ToQ(harwick::kSuiteVersionLine), "suiteVersion");
    AddButtons(this, layout, kAboutOk, {});
}

} // namespace featurebook
