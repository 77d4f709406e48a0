#include "image_box.h"

#include "artwork.h"
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
    artwork_.clear();
    picture_ = picture;
    update();
}

void ImageBox::setArtwork(const QString& name) {
    artwork_ = name;
    pictureRatio_ = 0;
    update();
}

const QPixmap& ImageBox::picture() const {
    // Chosen when painted: a window moved to a screen of another ratio is repainted whole.
    const qreal ratio = devicePixelRatioF();
    if (!artwork_.isEmpty() && ratio != pictureRatio_) {
        picture_ = artwork::pixmap(artwork_, ratio);
        pictureRatio_ = ratio;
    }
    return picture_;
}

void ImageBox::paintEvent(QPaintEvent*) {
    // Natural size, never smoothed: a picture without pixels enough for the screen just grows.
    QPainter painter(this);
    painter.drawPixmap(QPointF(0, 0), picture());
}

void ImageBox::reportPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
    if (MouseDown)
        MouseDown(button, modifiers, static_cast<float>(units::pixelsToTwips(at.x())),
                  static_cast<float>(units::pixelsToTwips(at.y())));
}

void ImageBox::hold(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
    heldButton_ = button;
    heldModifiers_ = modifiers;
    heldAt_ = at;
    repeat_.start(RepeatDelayMs);
    reportPress(heldButton_, heldModifiers_, heldAt_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    hold(event->button(), event->modifiers(), event->position());
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) repeat_.stop();
    event->accept();
}

// A finger or pointer that slides off a held knob half lets it go, as it would a real button.
void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    if (repeat_.isActive() && !rect().contains(event->position().toPoint())) repeat_.stop();
    event->accept();
}

void ImageBox::hideEvent(QHideEvent* event) {
    repeat_.stop(); // a release no longer comes here
    QWidget::hideEvent(event);
}

void ImageBox::press() {
    reportPress(Qt::LeftButton, Qt::NoModifier, QPointF(width() / 2.0, height() / 2.0));
}
