#include "dialog_parts.h"
#include "dialog_texts.h"
#include "dialogs.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace stationmate {

void OwnedWindow::Reset(QDialog* window)
{
    // Deleting a child is safe while its parent lives; once the parent has
    // taken it along, the guarded pointer is already null.
    std::unique_ptr<QDialog> old(window_.data());
    window_ = window;
}

namespace {

QProgressBar* Bar(int range, const char* objectName, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(objectName));
    bar->setRange(0, range);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

int BarValue(double fraction, int range)
{
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * range));
}

void CentreOver(QWidget& window, QWidget* parent)
{
    window.adjustSize();
    if (parent == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(parent->frameGeometry().center());
    window.move(frame.topLeft());
}

// The window must be on screen before the caller blocks in a listing.
void PaintNow(QWidget& window)
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    window.repaint();
}

} // namespace

void QtProgressView::Open(const std::string& fileType, const std::string& source, const std::string& destination)
{
    auto* dialog = new QDialog(DialogParent(parent_));
    window_.Reset(dialog);
    dialog->setObjectName(QStringLiteral("progressDialog"));
    dialog->setWindowTitle(ToQ(kProgressCaption));
    dialog->setModal(false);

    auto* form = new QFormLayout;
    form->addRow(ToQ(kFileTypeLabel), NamedLabel(fileType, "fileTypeLabel", dialog));
    form->addRow(ToQ(kSourceFileLabel), NamedLabel(source, "sourceLabel", dialog));
    form->addRow(ToQ(kDestinationLabel), NamedLabel(destination, "destinationLabel", dialog));
    form->addRow(ToQ(kBlockLabel), NamedLabel({}, "blockLabel", dialog));

    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(Bar(kFirstBarRange, "firstBar", dialog));
    layout->addWidget(NamedLabel(kFirstBarScale, "firstBarScale", dialog));
    layout->addWidget(Bar(kSecondBarRange, "secondBar", dialog));
    layout->addWidget(NamedLabel(kSecondBarScale, "secondBarScale", dialog));
    // The instrument cannot be told to stop mid-stream: CANCEL stops asking
    // for more, and the transfer ends at the next reply without a file.
    cancelRequested_ = false;
    auto* cancel = new QPushButton(ToQ(kCancelButtonUpper), dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, [this, cancel] {
        cancelRequested_ = true;
        cancel->setEnabled(false);
    });
    layout->addWidget(cancel, 0, Qt::AlignHCenter);

    CentreOver(*dialog, DialogParent(parent_));
    dialog->show();
    PaintNow(*dialog);
}

void QtProgressView::Show(const std::string& blockText, double firstBar, double secondBar)
{
    QDialog* dialog = window_.Get();
    if (dialog == nullptr) return;
    dialog->findChild<QLabel*>(QStringLiteral("blockLabel"))->setText(QString::fromStdString(blockText));
    dialog->findChild<QProgressBar*>(QStringLiteral("firstBar"))->setValue(BarValue(firstBar, kFirstBarRange));
    dialog->findChild<QProgressBar*>(QStringLiteral("secondBar"))->setValue(BarValue(secondBar, kSecondBarRange));
    dialog->repaint();
}

void QtProgressView::Close()
{
    window_.Reset();
}

void QtWaitIndicator::Show()
{
    auto* window = new QDialog(DialogParent(parent_));
    window_.Reset(window);
    window->setObjectName(QStringLiteral("waitWindow"));
    window->setWindowTitle(ToQ(kProgramTitle));
    window->setModal(false);

    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("waitPicture"));
    const int size = window->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    picture->setPixmap(window->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    auto* texts = new QVBoxLayout;
    texts->addWidget(NamedLabel(kWaitInitiating, "waitTextLabel", window));
    texts->addWidget(NamedLabel(kWaitPlease, "waitPleaseLabel", window));
    auto* layout = new QHBoxLayout(window);
    layout->addWidget(picture);
    layout->addLayout(texts);

    CentreOver(*window, DialogParent(parent_));
    window->show();
    PaintNow(*window);
}

void QtWaitIndicator::Hide()
{
    window_.Reset();
}

} // namespace stationmate
