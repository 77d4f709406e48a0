#include "image_box.h"

#include "units.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // A child on a touch screen has no keys to hold: holding a knob half turns it on.
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(RepeatIntervalMs);
        reportPress(heldButton_, heldModifiers_, heldAt_);
    });
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

void ImageBox::reportPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
    if (MouseDown)
        MouseDown(button, modifiers, static_cast<float>(units::pixelsToTwips(at.x())),
                  static_cast<float>(units::pixelsToTwips(at.y())));
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    heldButton_ = event->button();
    heldModifiers_ = event->modifiers();
    heldAt_ = event->position();
    repeat_.start(RepeatDelayMs);
    reportPress(heldButton_, heldModifiers_, heldAt_);
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) repeat_.stop();
    event->accept();
}

void ImageBox::hideEvent(QHideEvent* event) {
    repeat_.stop(); // a release no longer comes here
    QWidget::hideEvent(event);
}

void ImageBox::press() {
    reportPress(Qt::LeftButton, Qt::NoModifier, QPointF(width() / 2.0, height() / 2.0));
}
