#include "correction_dialog.h"

#include "dialog_texts.h"
#include "dialog_widgets.h"

#include "text/text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>

namespace cablemate {

using dialogs::ToQ;

namespace {

// One row of the grid: caption, edit, unit.
QLineEdit* AddConstantRow(QGridLayout& grid, int row, std::string_view caption, int control, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(dialogs::ControlName(control));
    grid.addWidget(new QLabel(ToQ(caption), parent), row, 0);
    grid.addWidget(edit, row, 1);
    grid.addWidget(new QLabel(ToQ(kMillimetreUnit), parent), row, 2);
    return edit;
}

double ReadConstant(const QLineEdit& edit)
{
    return harwick::text::readNumber(dialogs::FromQ(edit.text()));
}

} // namespace

CorrectionDialog::CorrectionDialog(QWidget* parent) : QDialog(parent)
{
    constexpr int kOldControl = 1024, kNewControl = 1025;
    setWindowTitle(ToQ(kCorrectionTitle));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    oldConstant_ = AddConstantRow(*grid, 0, kOldConstantLabel, kOldControl, this);
    newConstant_ = AddConstantRow(*grid, 1, kNewConstantLabel, kNewControl, this);
    layout->addLayout(grid);
    const dialogs::OkCancel buttons = dialogs::AddOkCancel(*this, *layout, kOkText, kCancelText);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}

double CorrectionDialog::OldConstant() const
{
    return ReadConstant(*oldConstant_);
}

double CorrectionDialog::NewConstant() const
{
    return ReadConstant(*newConstant_);
}

} // namespace cablemate
