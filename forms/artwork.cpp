#include "artwork.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QtEndian>
#include <algorithm>

namespace artwork {

QImage picture(const QString& name) {
    const QResource resource(QStringLiteral(":/assets/%1.rgb32").arg(name));
    const auto* data = resource.data();
    constexpr qint64 HeaderBytes = 8;
    if (!data || resource.size() < HeaderBytes) return {};
    const auto width = qFromLittleEndian<quint32>(data);
    const auto height = qFromLittleEndian<quint32>(data + 4);
    const qint64 pixels = qint64(width) * height;
    if (resource.size() != HeaderBytes + pixels * 4) return {};
    // Copied into an image of its own (resource data need not be aligned for 32-bit pixels),
    // in this machine's byte order: on a little-endian one, a plain copy.
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    qFromLittleEndian<quint32>(data + HeaderBytes, pixels, image.bits());
    return image;
}

QPixmap pixmap(const QString& name, qreal ratio) {
    if (ratio <= 1) return QPixmap::fromImage(picture(name));
    // Read only when a screen needs it, so a start at 1 costs nothing more.
    const int drawn = ratio <= 2 ? 2 : 3;
    QImage image(QStringLiteral(":/assets/%1@%2x.bmp").arg(name).arg(drawn));
    if (image.isNull()) return QPixmap::fromImage(picture(name));
    // Made smaller it stays sharp; beyond 3 the painter lets the pixels grow.
    if (ratio < drawn)
        image = image.scaled(image.size() / drawn * ratio, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    image.setDevicePixelRatio(std::min<qreal>(ratio, drawn));
    return QPixmap::fromImage(std::move(image));
}

QIcon icon() {
    QIcon icon(QPixmap::fromImage(picture(QStringLiteral("icon"))));
    // Qt 6.4 reads an added file at once: at 1 the window icon alone, as before.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->devicePixelRatio() > 1)
        for (int size : {16, 24, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/assets/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace artwork
