// What the artwork program's drawings share: the toy's colours, the conversions to the formats
// the toy embeds, and each picture's drawing.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <vector>

class QPainter;

namespace artwork {

inline const QColor Red(255, 0, 0); // the frame, the signature band and the knob corners
inline const QColor DarkRed(140, 0, 0);
inline const QColor LightRed(255, 140, 125);
inline const QColor Yellow(255, 222, 0);

inline QImage toRgb24(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB888);
}

// 256 colours: an 8-bit palette, padded to a full table.
inline QImage toIndexed256(const QImage& image) {
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> table = indexed.colorTable();
    while (table.size() < 256)
        table.append(qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

// The toy's frame (background.cpp): painted in its 600 x 440 points, or drawn at `scale`
// device pixels a point.
void paintBackground(QPainter& p);
QImage background(int scale);

// The whole 64 x 64 knob (knobs.cpp), split into two halves along x (vertical cut) or y, the
// arrow of the first half pointing along (firstDx, firstDy).
void paintKnob(QPainter& p, bool verticalCut, int firstDx, int firstDy);
QImage knob(bool verticalCut, int firstDx, int firstDy, int scale);

// The toy seen from the front (icons.cpp), drawn for `size` pixels square, and the 8-bit window
// icon.
QImage iconAt(int size);
QImage icon();

// One image of an .ico: its directory fields and its data.
struct IcoImage {
    int size;
    int bits;
    QByteArray data;
};
IcoImage indexedIcoImage(const QImage& indexed);
IcoImage argbIcoImage(const QImage& image);
IcoImage pngIcoImage(const QImage& image);
bool writeIco(const std::vector<IcoImage>& images, const QString& path);

// The About box's dog (about_picture.cpp).
QImage aboutPicture();

// The Windows setup's side and header pictures (setup_pictures.cpp).
QImage setupSidePicture(int scale);
QImage setupHeaderPicture(int scale);

} // namespace artwork
