// A flat push button with a large picture above its caption. At rest it is
// only the button face; under the mouse the face lightens and a raised 3-D
// frame appears; held down, the face stays light and the frame is sunken.
// A focused button shows the focus rectangle.
#pragma once

#include <QAbstractButton>
#include <QColor>

class QPainter;

namespace toolhub {

class PictureButton : public QAbstractButton {
public:
    explicit PictureButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The face colour the button paints now: lightened while hovered or
    // pressed.
    QColor FaceColour() const;
    bool Hovered() const { return underMouse() && isEnabled(); }
    void PaintFrame(QPainter& painter) const;
    void PaintContent(QPainter& painter) const;
    void PaintFocus(QPainter& painter) const;
};

} // namespace toolhub
