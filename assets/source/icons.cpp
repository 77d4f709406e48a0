// The toy's icon at every size, and the .ico of the Windows program.
#include "artwork.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace artwork {

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

bool writeIco(const std::vector<IcoImage>& images, const QString& path) {
    QFile file(path);
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

} // namespace artwork
