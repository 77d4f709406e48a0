// The About box's picture.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace artwork {

// A white bull terrier standing in profile, head to the left, on white.
QImage aboutPicture() {
    QImage image(108, 104, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(50, 50, 56);
    const QColor coat(255, 255, 255);
    const QColor shade(214, 216, 226);
    const QPen line(outline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Shadow on the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 232, 236));
    p.drawEllipse(QRectF(20, 91, 80, 7));

    // Far legs, in shade behind the body.
    p.setPen(line);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(48, 60, 8, 33), 3.5, 3.5);
    p.drawRoundedRect(QRectF(85, 58, 8, 34), 3.5, 3.5);

    // The near side as one silhouette: body, neck, head, legs, ear and tail.
    QPainterPath body;
    body.moveTo(34, 46);
    body.cubicTo(46, 34, 80, 35, 95, 43);
    body.cubicTo(102, 49, 101, 63, 93, 67);
    body.cubicTo(80, 67, 68, 62, 58, 68);
    body.cubicTo(48, 73, 36, 70, 33, 60);
    body.closeSubpath();

    QPainterPath neck;
    neck.moveTo(26, 27);
    neck.cubicTo(38, 22, 48, 32, 50, 44);
    neck.lineTo(36, 62);
    neck.cubicTo(28, 54, 22, 42, 26, 27);
    neck.closeSubpath();

    // The egg-shaped head with its long Roman nose, turned down towards the left.
    QPainterPath egg;
    egg.addEllipse(QRectF(-19, -9.5, 38, 19));
    QTransform headPlace;
    headPlace.translate(22, 33);
    headPlace.rotate(-28);
    const QPainterPath head = headPlace.map(egg);

    QPainterPath legs;
    legs.addRoundedRect(QRectF(37, 58, 10, 36), 3.5, 3.5);
    legs.addRoundedRect(QRectF(76, 56, 10, 38), 3.5, 3.5);
    legs.addRoundedRect(QRectF(34, 89, 15, 5), 2.5, 2.5); // paws
    legs.addRoundedRect(QRectF(74, 89, 15, 5), 2.5, 2.5);

    QPainterPath ear;
    ear.moveTo(29, 22);
    ear.lineTo(35, 8);
    ear.lineTo(41, 24);
    ear.closeSubpath();

    QPainterPath tail;
    tail.moveTo(93, 47);
    tail.quadTo(104, 52, 106, 66);
    tail.quadTo(99, 58, 92, 56);
    tail.closeSubpath();

    QPainterPath dog = body.united(neck).united(head).united(legs).united(ear).united(tail);
    dog.setFillRule(Qt::WindingFill);
    p.setBrush(coat);
    p.drawPath(dog.simplified());

    // Shading under the chest and belly.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(238, 239, 245));
    p.drawPath(body.intersected([] {
        QPainterPath lower;
        lower.addRect(QRectF(30, 58, 72, 20));
        return lower;
    }()));

    // Pink inside the ear, a small dark triangular eye, the nose at the tip, the mouth.
    p.setBrush(QColor(246, 182, 190));
    p.drawPolygon(QPolygonF({QPointF(32, 21), QPointF(35, 13), QPointF(38, 22)}));
    p.setBrush(QColor(20, 20, 24));
    p.drawPolygon(QPolygonF({QPointF(17.5, 31), QPointF(23.5, 28.5), QPointF(22, 32)}));
    const QPointF nose = headPlace.map(QPointF(-17.5, -0.5));
    p.drawEllipse(nose, 3.2, 2.7);
    p.setPen(QPen(outline, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(nose + QPointF(3, 4.5), nose + QPointF(14, 5.5));

    // A red collar round the neck.
    p.save();
    p.setClipPath(neck);
    p.setPen(QPen(QColor(205, 30, 30), 3.2));
    p.drawLine(QPointF(37, 22), QPointF(27, 52));
    p.restore();
    return image;
}

} // namespace artwork
