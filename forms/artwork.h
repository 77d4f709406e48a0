#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The main window's pictures, embedded as raw pixels made from the BMP files in assets/.
namespace artwork {

// The picture named `name` ("background", "knob_left", ...); null if there is none.
QImage picture(const QString& name);

// The same picture for a screen of `ratio` device pixels a point, its device pixel ratio set so
// that it paints at its size in points: drawn for 1, 2 or 3, else the next larger drawing made
// smaller.
QPixmap pixmap(const QString& name, qreal ratio);

// The icon every window of the program carries.
QIcon icon();

} // namespace artwork
