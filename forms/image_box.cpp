#include "image_box.h"

#include "units.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    // Natural size, never smoothed: at a device pixel ratio above 1 pixels just grow.
    QPainter painter(this);
    painter.drawPixmap(QRect(QPoint(0, 0), picture_.size()), picture_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (MouseDown) {
        const QPointF at = event->position();
        MouseDown(event->button(), event->modifiers(),
                  static_cast<float>(units::pixelsToTwips(at.x())),
                  static_cast<float>(units::pixelsToTwips(at.y())));
    }
    event->accept();
}

void ImageBox::press() {
    if (MouseDown)
        MouseDown(Qt::LeftButton, Qt::NoModifier,
                  static_cast<float>(units::pixelsToTwips(width() / 2.0)),
                  static_cast<float>(units::pixelsToTwips(height() / 2.0)));
}
