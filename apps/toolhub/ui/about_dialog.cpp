#include "about_dialog.h"

#include "launcher_texts.h"
#include "qt_child.h"
#include "qt_text.h"
#include "suite_version.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolhub {

namespace {

constexpr int kPictureSide = 32;
constexpr int kSpacing = 12;

} // namespace

AboutDialog::AboutDialog(const QIcon& picture, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQ(kAboutTitle));
    auto* pictureLabel = Child<QLabel>(this);
    pictureLabel->setPixmap(picture.pixmap(kPictureSide, kPictureSide));
    auto* version = Child<QLabel>(ToQ(kAboutVersion), this);
    version->setObjectName(kVersionLabel);
    auto* suite = Child<QLabel>(ToQ(harwick::kSuiteVersionLine), this);
    suite->setObjectName(QStringLiteral("suiteVersion"));
    auto* ok = Child<QPushButton>(ToQ(kOkButton), this);
    ok->setObjectName(kOkButtonName);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = Child<QHBoxLayout>(this);
    layout->setSpacing(kSpacing);
    layout->addWidget(pictureLabel, 0, Qt::AlignTop);
    auto* texts = Child<QVBoxLayout>();
    texts->addWidget(version);
    texts->addWidget(suite);
    layout->addLayout(texts, 1);
    layout->addWidget(ok, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace toolhub
