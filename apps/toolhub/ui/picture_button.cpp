#include "picture_button.h"

#include "shade.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace toolhub {

namespace {

constexpr int kPadding = 6;
constexpr int kGap = 4;        // between the picture and the caption
constexpr int kMinWidth = 140;
constexpr int kFocusInset = 3;

} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QSize PictureButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int width = std::max({kMinWidth, iconSize().width() + 2 * kPadding, textWidth + 2 * kPadding});
    const int height = kPadding + iconSize().height() + kGap + metrics.height() + kPadding;
    return {width, height};
}

QColor PictureButton::FaceColour() const
{
    const QColor face = palette().color(QPalette::Button);
    if (!Hovered() && !isDown()) return face;
    const Rgb lit = Lightened(Rgb{face.red(), face.green(), face.blue()});
    return QColor(lit.red, lit.green, lit.blue, face.alpha());
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FaceColour());
    PaintFrame(painter);
    PaintContent(painter);
    if (hasFocus()) PaintFocus(painter);
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

void PictureButton::PaintFrame(QPainter& painter) const
{
    const bool pressed = isDown();
    if (!pressed && !Hovered()) return;
    // Raised: the light falls on the top-left edges; sunken: the other way round.
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QRect r = rect();
    painter.setPen(pressed ? shadow : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(pressed ? light : shadow);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void PictureButton::PaintContent(QPainter& painter) const
{
    const QFontMetrics metrics(font());
    // Without a picture the caption alone is centred.
    const bool hasPicture = !icon().isNull();
    const QSize picture = hasPicture ? iconSize() : QSize(0, 0);
    const int gap = hasPicture ? kGap : 0;
    const int top = (height() - (picture.height() + gap + metrics.height())) / 2;
    if (hasPicture) {
        const QRect pictureRect(QPoint((width() - picture.width()) / 2, top), picture);
        icon().paint(&painter, pictureRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    const QRect textRect(0, top + picture.height() + gap, width(), metrics.height());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, text());
}

void PictureButton::PaintFocus(QPainter& painter) const
{
    // The dotted rectangle of a focused push button, inside the frame.
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}

} // namespace toolhub
