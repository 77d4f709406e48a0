// The Windows setup's pictures: the toy as the window shows it, with the name in its script.
#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <tuple>

namespace artwork {

namespace {

// The toy as the window shows it, its knobs on the frame and a doodle on the screen, in the
// window's 600 x 440 points.
void paintToy(QPainter& p) {
    p.save();
    paintBackground(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath doodle(QPointF(120.5, 280.5));
    for (int step = 0; step < 5; ++step) {
        doodle.lineTo(170.5 + step * 70, 280.5 - step * 45);
        doodle.lineTo(170.5 + step * 70, 235.5 - step * 45);
    }
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(doodle);
    for (const auto& [x, vertical, dx, dy] :
         {std::tuple(48, true, -1, 0), std::tuple(488, false, 0, -1)}) {
        p.save();
        p.translate(x, 364);
        paintKnob(p, vertical, dx, dy);
        p.restore();
    }
    p.restore();
}

// The product's name in the toy's yellow script, fitted into `box`.
void paintName(QPainter& p, const QRectF& box, const QColor& fill, const QColor& shade) {
    QFont font(QStringLiteral("Dancing Script"));
    font.setBold(true);
    font.setPixelSize(80);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Scribblewick"));
    const QRectF bounds = name.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    name = fit.map(name);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(name.translated(1, 1));
    p.setBrush(fill);
    p.drawPath(name);
}

} // namespace

// The setup wizard's side picture (164 x 314 points): the toy standing on its red frame colour,
// the name beneath.
QImage setupSidePicture(int scale) {
    QImage image(164 * scale, 314 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    QLinearGradient body(0, 0, 0, 314);
    body.setColorAt(0, QColor(200, 0, 0));
    body.setColorAt(1, QColor(120, 0, 0));
    p.fillRect(QRect(0, 0, 164, 314), body);
    p.save();
    p.translate(8, 70);
    p.scale(148.0 / 600.0, 148.0 / 600.0);
    paintToy(p);
    p.restore();
    paintName(p, QRectF(10, 196, 144, 44), Yellow, QColor(90, 0, 0));
    return image;
}

// The wizard's header picture (150 x 57 points): the toy on white, as the header is.
QImage setupHeaderPicture(int scale) {
    QImage image(150 * scale, 57 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    p.translate(40, 4);
    p.scale(67.0 / 600.0, 67.0 / 600.0);
    paintToy(p);
    return image;
}

} // namespace artwork
