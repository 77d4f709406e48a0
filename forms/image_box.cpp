#include "image_box.h"

#include "artwork.h"
#include "units.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
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
