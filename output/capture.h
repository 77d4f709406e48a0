#pragma once

#include "picture.h"

#include <QList>
#include <QRect>
#include <QRgb>
#include <functional>

class QWidget;

namespace output {

// What the display says of its colours: a palette device reports its palette size and the
// system palette's entries.
struct DisplayCaps {
    bool paletteDevice = false;
    int paletteSize = 0;
    QList<QRgb> systemPalette;
};
using DisplayQuery = std::function<DisplayCaps(const QWidget& window)>;

// What the display showing `window` reports: on Windows the device itself (GDI), elsewhere
// what Qt tells of the screen.
DisplayCaps queryDisplay(const QWidget& window);

// Rounds to the nearest integer, halves to the even neighbour; false when out of 32-bit range.
bool roundToInt32(double value, int& result);

// The pixels of `rect` (device pixels) of a window's client widget, or of the whole window
// with its frame, rendered from the widgets themselves so nothing lying over them shows.
QImage grabWindow(QWidget& window, QWidget& client, bool Client, const QRect& rect);

// A palette is copied only from a palette device whose system palette has exactly 256 entries.
bool usesPalette(const DisplayCaps& caps);
// The image in 8 bits, each pixel the nearest entry of `palette`.
QImage toIndexed(const QImage& image, const QList<QRgb>& palette);

} // namespace output
