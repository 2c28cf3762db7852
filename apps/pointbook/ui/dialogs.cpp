#include "dialogs.h"

#include "qt_text.h"
#include "suite_version.h"
#include "window_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pointbook {

namespace {

// The dialog's widgets are its children: Qt deletes them with it.
template <typename T, typename... Args>
T* Child(Args&&... args)
{
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

QDialogButtonBox* OkCancel(QDialog& dialog)
{
    auto* buttons = Child<QDialogButtonBox>(&dialog);
    QPushButton* ok = buttons->addButton(ToQ(kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(kOkButtonName);
    ok->setDefault(true);
    buttons->addButton(ToQ(kCancelButton), QDialogButtonBox::RejectRole)->setObjectName(kCancelButtonName);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace

OptionsDialog::OptionsDialog(pointlist::Precision current, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQ(kOptionsTitle));
    auto* unit = Child<QComboBox>(this);
    unit->setObjectName(kUnitCombo);
    unit->addItem(ToQ(kUnitMetre));
    precision_ = Child<QComboBox>(this);
    precision_->setObjectName(kPrecisionCombo);
    for (pointlist::Precision p : pointlist::kPrecisionChoices) {
        precision_->addItem(ToQ(pointlist::info(p).text));
        if (p == current) precision_->setCurrentIndex(precision_->count() - 1);
    }
    auto* form = Child<QFormLayout>();
    form->addRow(ToQ(kUnitLabel), unit);
    form->addRow(ToQ(kPrecisionLabel), precision_);
    auto* layout = Child<QVBoxLayout>(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(*this));
}

pointlist::Precision OptionsDialog::Chosen() const
{
    const int at = precision_->currentIndex();
    if (at < 0) return pointlist::Precision::Milli;
    return pointlist::kPrecisionChoices[static_cast<std::size_t>(at)];
}

AboutDialog::AboutDialog(QWidget* parent)
    : AboutBox(ToQ(kAboutTitle), {ToQ(kWindowTitle), ToQ(kAboutVersion), ToQ(harwick::kSuiteVersionLine)}, ToQ(kOkButton), parent)
{
}

} // namespace pointbook
