#include "row_dialogs.h"

#include "coordinate_lists.h"
#include "dialog_texts.h"
#include "dialog_widgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cablemate {

using dialogs::ToQ;

RowEditDialog::RowEditDialog(std::string_view title, std::span<const RowEdit> edits, std::optional<Check> check,
                             QWidget* parent)
    : QDialog(parent), check_(check)
{
    setWindowTitle(ToQ(title));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const RowEdit& edit : edits) edits_.push_back(dialogs::AddEditRow(*form, edit.caption, edit.control, this));
    layout->addLayout(form);
    const dialogs::OkCancel buttons = dialogs::AddOkCancel(*this, *layout, kOkText, kCancelText);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { TryAccept(); });
}

void RowEditDialog::SetValues(std::span<const std::string> values)
{
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i]->setText(i < values.size() ? QString::fromStdString(values[i]) : QString());
    }
}

std::vector<std::string> RowEditDialog::Values() const
{
    std::vector<std::string> values;
    values.reserve(edits_.size());
    for (const QLineEdit* edit : edits_) values.push_back(dialogs::FromQ(edit->text()));
    return values;
}

void RowEditDialog::TryAccept()
{
    if (check_) {
        const std::vector<std::string> values = Values();
        const std::string_view message = CheckNewRow(values[check_->nameEdit], values[check_->codeEdit]);
        if (!message.empty()) {
            check_->messages->ShowMessage(message);
            return;
        }
    }
    accept();
}

UpdateQuestionDialog::UpdateQuestionDialog(const Texts& texts, QWidget* parent) : QDialog(parent)
{
    constexpr int kDoNotAskControl = 1006;
    setWindowTitle(ToQ(texts.title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQ(texts.question), this));
    doNotAsk_ = new QCheckBox(ToQ(kDoNotAskAgain), this);
    doNotAsk_->setObjectName(dialogs::ControlName(kDoNotAskControl));
    layout->addWidget(doNotAsk_);
    const dialogs::OkCancel buttons = dialogs::AddOkCancel(*this, *layout, texts.ok, texts.cancel);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool UpdateQuestionDialog::DoNotAskAgain() const
{
    return doNotAsk_->isChecked();
}

} // namespace cablemate
