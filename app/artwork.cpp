#include "artwork.h"

#include <QPixmap>
#include <QResource>
#include <cstring>

namespace artwork {

QImage picture(const QString& name) {
    const QResource resource(QStringLiteral(":/assets/%1.rgb32").arg(name));
    const auto* data = resource.data();
    quint32 header[2] = {0, 0};
    if (!data || resource.size() < qint64(sizeof header)) return {};
    std::memcpy(header, data, sizeof header);
    const qint64 bytes = qint64(header[0]) * header[1] * 4;
    if (resource.size() != qint64(sizeof header) + bytes) return {};
    // Copied into an image of its own: resource data need not be aligned for 32-bit pixels.
    QImage image(static_cast<int>(header[0]), static_cast<int>(header[1]), QImage::Format_RGB32);
    std::memcpy(image.bits(), data + sizeof header, std::size_t(bytes));
    return image;
}

QIcon icon() {
    return {QPixmap::fromImage(picture(QStringLiteral("icon")))};
}

} // namespace artwork
