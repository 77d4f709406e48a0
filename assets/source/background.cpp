// The toy's frame: the raised red body, the signature band, the sunk screen and the lettering.
#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

// A ring shaded from `topLeft` to `bottomRight`: raised when light is on top, sunk otherwise.
void bevel(QPainter& p, const QRectF& outer, qreal radius, qreal width, const QColor& topLeft,
           const QColor& bottomRight, const QColor& inside) {
    QLinearGradient shade(outer.topLeft(), outer.bottomRight());
    shade.setColorAt(0.0, topLeft);
    shade.setColorAt(0.45, topLeft);
    shade.setColorAt(0.55, bottomRight);
    shade.setColorAt(1.0, bottomRight);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(outer, radius, radius);
    p.setBrush(inside);
    p.drawRoundedRect(outer.adjusted(width, width, -width, -width), radius - width / 2,
                      radius - width / 2);
}

// Filled rather than stroked, so that each row stays whole device pixels at every scale.
void groove(QPainter& p, int y, int x1, int x2) {
    p.fillRect(QRect(x1, y, x2 - x1 + 1, 1), DarkRed);
    p.fillRect(QRect(x1, y + 1, x2 - x1 + 1, 1), LightRed);
}

} // namespace

// The toy's frame in its 600 x 440 points, on whatever the painter's transform maps them to.
void paintBackground(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);

    // The toy's body: a raised red frame with rounded corners.
    bevel(p, QRectF(0, 0, 600, 440), 26, 8, LightRed, DarkRed, Red);

    // The flat band of the signature line, set off by two engraved grooves.
    p.setRenderHint(QPainter::Antialiasing, false);
    groove(p, 11, 16, 584);
    groove(p, 36, 16, 584);
    p.setRenderHint(QPainter::Antialiasing);

    // The screen, sunk into the frame, black where the canvas lies.
    bevel(p, QRectF(40, 41, 520, 320), 10, 7, DarkRed, LightRed, Red);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRect(46, 46, 510, 310));

    // The product's name in yellow script at the bottom centre.
    QFont font(QStringLiteral("Dancing Script"));
    font.setBold(true);
    font.setPixelSize(40);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Scribblewick"));
    const QRectF box(232, 385, 126, 20);
    const QRectF bounds = name.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    name = fit.map(name);
    p.setBrush(QColor(110, 0, 0));
    p.drawPath(name.translated(1, 1));
    p.setPen(QPen(QColor(150, 80, 0), 0.6));
    p.setBrush(Yellow);
    p.drawPath(name);
}

// Device pixels a point: the same drawing at 1, 2 or 3 for screens of that pixel ratio.
QImage background(int scale) {
    QImage image(600 * scale, 440 * scale, QImage::Format_RGB32);
    image.fill(QColor(70, 0, 0));
    QPainter p(&image);
    p.scale(scale, scale);
    paintBackground(p);
    return image;
}

} // namespace artwork
