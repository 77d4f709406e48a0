// Draws the toy's artwork and writes it into the folder given on the command line.
// Run through scripts/make-artwork; the results are committed beside this file's folder.
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const QColor Red(255, 0, 0); // the frame, the signature band and the knob corners
const QColor DarkRed(140, 0, 0);
const QColor LightRed(255, 140, 125);
const QColor Yellow(255, 222, 0);

QString outDir;

bool save(const QImage& image, const QString& name) {
    const QString path = outDir + QLatin1Char('/') + name;
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

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

QImage toRgb24(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB888);
}

// 256 colours: an 8-bit palette, padded to a full table.
QImage toIndexed256(const QImage& image) {
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> table = indexed.colorTable();
    while (table.size() < 256)
        table.append(qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

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

// The toy seen from the front, `size` pixels square, drawn for that size rather than scaled
// from another: whole-pixel edges up to 32, where the 32 one is the window icon (magenta is
// its transparent colour); rounded corners, round knobs and a doodle on the screen above that.
QImage iconAt(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const auto at = [size](double v) { return qRound(v * size / 32.0); };
    if (size <= 32) {
        const int top = at(5);
        const int bottom = at(27);
        const int border = std::max(1, at(2));
        p.fillRect(QRect(0, top, size, bottom - top), Red);
        p.fillRect(QRect(border, top + border, size - 2 * border, bottom - top - 2 * border),
                   Qt::black);
        // Small white knobs on the frame's bottom corners: a cross where there is room.
        const int k = std::max(2, at(4));
        for (int x : {at(1), size - at(1) - k}) {
            const int y = bottom - at(2) - k;
            if (k >= 4) {
                p.fillRect(QRect(x + k / 4, y, k / 2, k), Qt::white);
                p.fillRect(QRect(x, y + k / 4, k, k / 2), Qt::white);
            } else {
                p.fillRect(QRect(x, y, k, k), Qt::white);
            }
        }
        return image;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const double u = size / 32.0;
    const QRectF frame(0.5 * u, 4.5 * u, 31 * u, 23 * u);
    p.setPen(QPen(DarkRed, u * 0.5));
    p.setBrush(Red);
    p.drawRoundedRect(frame, 3 * u, 3 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(3 * u, 7 * u, 26 * u, 14.5 * u), u, u);
    // A doodle in white: steps, as the knobs draw them.
    QPainterPath doodle(QPointF(6 * u, 18.5 * u));
    for (double step = 0; step < 4; ++step) {
        doodle.lineTo((9.5 + step * 5) * u, (18.5 - step * 2.5) * u);
        doodle.lineTo((9.5 + step * 5) * u, (16 - step * 2.5) * u);
    }
    p.setPen(QPen(Qt::white, std::max(1.0, 0.75 * u), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(doodle);
    // The knobs: white, with a grey rim and a highlight.
    for (double cx : {4.5, 27.5}) {
        const QPointF centre(cx * u, 24.5 * u);
        p.setPen(QPen(QColor(150, 150, 150), 0.5 * u));
        p.setBrush(Qt::white);
        p.drawEllipse(centre, 2.4 * u, 2.4 * u);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(215, 215, 215));
        p.drawEllipse(centre + QPointF(0.5 * u, 0.5 * u), 1.1 * u, 1.1 * u);
    }
    return image;
}

// The window icon: 32 pixels, 8-bit, magenta where it is transparent.
QImage icon() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.drawImage(0, 0, iconAt(32));
    p.end();
    return toIndexed256(image);
}

// One image of an .ico: its directory fields and its data.
struct IcoImage {
    int size;
    int bits;
    QByteArray data;
};

// The 8-bit icon as a device-independent bitmap with its 256-colour table.
IcoImage indexedIcoImage(const QImage& indexed) {
    const int w = indexed.width();
    const int h = indexed.height();
    const int rowBytes = (w + 3) / 4 * 4;
    const int maskBytes = (w + 31) / 32 * 4;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(8) << quint32(0)
        << quint32(rowBytes * h + maskBytes * h) << qint32(0) << qint32(0) << quint32(256)
        << quint32(0);
    for (QRgb c : indexed.colorTable())
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < rowBytes; ++x)
            out << quint8(x < w ? line[x] : 0);
    }
    for (int i = 0; i < maskBytes * h; ++i)
        out << quint8(0); // every pixel opaque
    return {w, 8, data};
}

// A 32-bit bitmap with alpha, its mask marking the wholly transparent pixels for old readers.
IcoImage argbIcoImage(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    const int maskBytes = (w + 31) / 32 * 4;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(32) << quint32(0)
        << quint32(w * h * 4 + maskBytes * h) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x)
            out << quint32(argb.pixel(x, y));
    for (int y = h - 1; y >= 0; --y)
        for (int byte = 0; byte < maskBytes; ++byte) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x < w && qAlpha(argb.pixel(x, y)) == 0) bits |= quint8(0x80 >> bit);
            }
            out << bits;
        }
    return {w, 32, data};
}

// Windows takes its largest icons as PNG inside the .ico.
IcoImage pngIcoImage(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {image.width(), 32, data};
}

bool writeIco(const std::vector<IcoImage>& images, const QString& name) {
    QFile file(outDir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto count = static_cast<quint16>(images.size());
    out << quint16(0) << quint16(1) << count;
    quint32 offset = 6 + 16 * count;
    for (const IcoImage& image : images) {
        const auto side = quint8(image.size >= 256 ? 0 : image.size); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(image.bits)
            << quint32(image.data.size()) << offset;
        offset += image.data.size();
    }
    for (const IcoImage& image : images)
        out.writeRawData(image.data.constData(), int(image.data.size()));
    return out.status() == QDataStream::Ok;
}

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

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT-FOLDER\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    if (!QFontDatabase::families().contains(QStringLiteral("Dancing Script")))
        std::fprintf(stderr, "warning: the Dancing Script font is missing\n");

    // The main window's pictures at 1 device pixel a point, and at 2 and 3 for sharper screens.
    bool ok = true;
    for (int scale : {1, 2, 3}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        const int half = 32 * scale;
        const QImage leftKnob = knob(true, -1, 0, scale);
        const QImage rightKnob = knob(false, 0, -1, scale);
        const std::pair<QImage, const char*> pictures[] = {
            {background(scale), "background"},
            {leftKnob.copy(0, 0, half, 2 * half), "knob_left"},
            {leftKnob.copy(half, 0, half, 2 * half), "knob_right"},
            {rightKnob.copy(0, 0, 2 * half, half), "knob_up"},
            {rightKnob.copy(0, half, 2 * half, half), "knob_down"}};
        for (const auto& [picture, name] : pictures)
            ok =
                ok && save(toRgb24(picture), QLatin1String(name) + suffix + QStringLiteral(".bmp"));
    }
    const QImage small = icon();
    ok = ok && save(small, QStringLiteral("icon.bmp")) &&
         save(toIndexed256(aboutPicture()), QStringLiteral("about.bmp"));
    // The .ico of the Windows program: the window icon at 32, each other size drawn for itself.
    std::vector<IcoImage> ico;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 256})
        ico.push_back(size == 32    ? indexedIcoImage(small)
                      : size == 256 ? pngIcoImage(iconAt(size))
                                    : argbIcoImage(iconAt(size)));
    ok = ok && writeIco(ico, QStringLiteral("scribblewick.ico"));
    // The desktop's icons, one per size a desktop asks for, and the web app's 192 and 512.
    QDir().mkpath(outDir + QStringLiteral("/icons"));
    for (int size : {16, 24, 32, 48, 64, 128, 192, 256, 512})
        ok = ok && save(iconAt(size), QStringLiteral("icons/%1.png").arg(size));
    // The Windows setup's pictures, for 100 % and for 200 % and more.
    QDir().mkpath(outDir + QStringLiteral("/setup"));
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = ok &&
             save(toRgb24(setupSidePicture(scale)),
                  QStringLiteral("setup/side%1.bmp").arg(suffix)) &&
             save(toRgb24(setupHeaderPicture(scale)),
                  QStringLiteral("setup/header%1.bmp").arg(suffix));
    }
    return ok ? 0 : 1;
}
