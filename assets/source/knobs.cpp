// The knobs: a white disc on a grey rim with two bevelled arrows, cut into its two halves.
#include "artwork.h"

#include <QPainter>
#include <QPolygonF>

namespace artwork {

namespace {

// One bevelled yellow arrow in a triangle pointing along (dx, dy) from `centre`.
void arrow(QPainter& p, QPointF centre, int dx, int dy) {
    const QPointF along(dx, dy);
    const QPointF across(-dy, dx);
    const QPointF tip = centre + along * 8;
    const QPointF a = centre - along * 6 + across * 9;
    const QPointF b = centre - along * 6 - across * 9;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 120, 0));
    p.drawPolygon(QPolygonF({tip + QPointF(1, 1), a + QPointF(1, 1), b + QPointF(1, 1)}));
    p.setBrush(Yellow);
    p.drawPolygon(QPolygonF({tip, a, b}));
    // Light on the edges facing up or left, shade on the others.
    const QPointF corners[3] = {tip, a, b};
    for (int i = 0; i < 3; ++i) {
        const QPointF from = corners[i];
        const QPointF to = corners[(i + 1) % 3];
        const QPointF normal(to.y() - from.y(), -(to.x() - from.x()));
        const bool lit = normal.x() + normal.y() < 0;
        p.setPen(QPen(lit ? QColor(255, 250, 180) : QColor(205, 140, 0), 1.5));
        p.drawLine(from, to);
    }
}

} // namespace

// The whole 64 x 64 knob, split into two halves along x (vertical cut) or y.
void paintKnob(QPainter& p, bool verticalCut, int firstDx, int firstDy) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(DarkRed);
    p.drawEllipse(QPointF(32.6, 32.6), 31.6, 31.6);
    p.setBrush(QColor(205, 205, 205));
    p.drawEllipse(QPointF(32, 32), 31, 31);
    p.setBrush(QColor(175, 175, 175));
    p.drawEllipse(QPointF(32, 32), 27.5, 27.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 32), 26.5, 26.5);
    p.setPen(QPen(QColor(185, 185, 185), 1));
    if (verticalCut)
        p.drawLine(QPointF(32, 6), QPointF(32, 58));
    else
        p.drawLine(QPointF(6, 32), QPointF(58, 32));
    if (verticalCut) {
        arrow(p, QPointF(17, 32), firstDx, firstDy);
        arrow(p, QPointF(47, 32), -firstDx, -firstDy);
    } else {
        arrow(p, QPointF(32, 17), firstDx, firstDy);
        arrow(p, QPointF(32, 47), -firstDx, -firstDy);
    }
}

QImage knob(bool verticalCut, int firstDx, int firstDy, int scale) {
    QImage image(64 * scale, 64 * scale, QImage::Format_RGB32);
    image.fill(Red);
    QPainter p(&image);
    p.scale(scale, scale);
    paintKnob(p, verticalCut, firstDx, firstDy);
    return image;
}

} // namespace artwork
