#include "dialog_widgets.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace cablemate::dialogs {

QString ControlName(int control)
{
    return QStringLiteral("control%1").arg(control);
}

QPushButton* NamedButton(std::string_view text, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(ToQ(text), parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* AddEditRow(QFormLayout& form, std::string_view caption, int control, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(control));
    form.addRow(ToQ(caption), edit);
    return edit;
}

OkCancel AddOkCancel(QDialog& dialog, QBoxLayout& layout, std::string_view okText, std::string_view cancelText)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QPushButton* ok = NamedButton(okText, QStringLiteral("okButton"), &dialog);
    QPushButton* cancel = NamedButton(cancelText, QStringLiteral("cancelButton"), &dialog);
    ok->setDefault(true);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {ok, cancel};
}

} // namespace cablemate::dialogs
