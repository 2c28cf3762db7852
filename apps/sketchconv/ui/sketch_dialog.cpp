#include "sketch_dialog.h"

#include "dialog_texts.h"
#include "qt_text.h"
#include "sketch_texts.h"
#include "suite_version.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

namespace sketchconv {

namespace {

// Room for a typical path in the path field; "..." needs only a little.
constexpr int kPathFieldChars = 48;
constexpr int kBrowseButtonChars = 5;

// The dialog's widgets are its children: Qt deletes them with it.
template <typename T, typename... Args>
T* Child(Args&&... args)
{
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

QPushButton* Button(QWidget* parent, std::string_view text, const char* name)
{
    auto* button = Child<QPushButton>(ToQ(text), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

SketchDialog::SketchDialog(Interactions interactions, LibrarySearch library, QWidget* parent)
    : QDialog(parent), io_(interactions), converter_(io_.prompter, io_.files, std::move(library))
{
    setWindowTitle(ToQ(kProgramTitle));
    BuildLayout();
    setFixedSize(sizeHint());
}

void SketchDialog::BuildLayout()
{
    path_ = Child<QLineEdit>(this);
    path_->setObjectName(kPathFieldName);
    // Only "..." changes the points; a typed path would read nothing.
    path_->setReadOnly(true);
    path_->setMinimumWidth(path_->fontMetrics().averageCharWidth() * kPathFieldChars);
    QPushButton* browse = Button(this, kBrowseButton, kBrowseButtonName);
    browse->setMaximumWidth(browse->fontMetrics().averageCharWidth() * kBrowseButtonChars);
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });

    height_ = Child<QSpinBox>(this);
    height_->setObjectName(kFontHeightName);
    height_->setRange(kMinFontHeight, kMaxFontHeight);
    height_->setValue(kInitialFontHeight);

    auto* grid = Child<QGridLayout>();
    grid->addWidget(Child<QLabel>(ToQ(kPathLabel), this), 0, 0);
    grid->addWidget(path_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(Child<QLabel>(ToQ(kFontHeightLabel), this), 1, 0);
    grid->addWidget(height_, 1, 1, Qt::AlignLeft);

    auto* buttons = Child<QDialogButtonBox>(this);
    QPushButton* ok = Button(this, kOkButton, kOkButtonName);
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Button(this, kCancelButton, kCancelButtonName), QDialogButtonBox::RejectRole);
    buttons->addButton(Button(this, kAboutButton, kAboutButtonName), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Convert(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { About(); });

    auto* layout = Child<QVBoxLayout>(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void SketchDialog::Browse()
{
    // The converter reads the file; the field shows the choice whatever the
    // file held, as it did when the choice could not be opened.
    if (std::optional<std::string> path = converter_.ChooseGsi()) path_->setText(QString::fromStdString(*path));
}

void SketchDialog::Convert()
{
    if (converter_.Convert(height_->value())) {
        accept();
    } else {
        reject();
    }
}

void SketchDialog::About()
{
    AboutDialog about(this);
    io_.runner.Run(about);
}

AboutDialog::AboutDialog(QWidget* parent)
    : AboutBox(ToQ(kAboutTitle), {ToQ(kProgramName), ToQ(kAboutVersion), ToQ(harwick::kSuiteVersionLine)}, ToQ(kOkButton), parent)
{
}

} // namespace sketchconv
