#include "artwork.h"

#include <QPixmap>
#include <QResource>
#include <QtEndian>

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

QIcon icon() {
    return {QPixmap::fromImage(picture(QStringLiteral("icon")))};
}

} // namespace artwork
