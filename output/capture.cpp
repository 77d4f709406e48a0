#include "capture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace output {

#ifdef Q_OS_WIN

DisplayCaps queryDisplay(const QWidget& window) {
    DisplayCaps caps;
    const auto hWnd = reinterpret_cast<HWND>(window.winId());
    HDC source = GetDC(hWnd);
    if (!source) return caps;
    caps.paletteDevice = (GetDeviceCaps(source, RASTERCAPS) & RC_PALETTE) != 0;
    caps.paletteSize = GetDeviceCaps(source, SIZEPALETTE);
    if (caps.paletteDevice && caps.paletteSize == 256) {
        PALETTEENTRY entries[256] = {};
        const UINT copied = GetSystemPaletteEntries(source, 0, 256, entries);
        for (UINT i = 0; i < copied; ++i)
            caps.systemPalette.append(
                qRgb(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
    }
    ReleaseDC(hWnd, source);
    return caps;
}

#else

DisplayCaps queryDisplay(const QWidget& window) {
    DisplayCaps caps;
    const QScreen* screen = window.screen();
    if (!screen || screen->depth() > 8) return caps;
    // Qt gives no access to the system palette itself; an 8-bit display gets the usual
    // 6 x 6 x 6 colour cube with a grey ramp.
    caps.paletteDevice = true;
    caps.paletteSize = 1 << screen->depth();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                caps.systemPalette.append(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; caps.systemPalette.size() < caps.paletteSize; ++i)
        caps.systemPalette.append(qRgb(i * 6, i * 6, i * 6));
    caps.systemPalette.resize(caps.paletteSize);
    return caps;
}

#endif

bool roundToInt32(double value, int& result) {
    const double rounded = std::nearbyint(value); // ties to even in the default mode
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        return false;
    result = static_cast<int>(rounded);
    return true;
}

QImage grabWindow(QWidget& window, QWidget& client, bool Client, const QRect& rect) {
    QImage source;
    if (Client) {
        source = client.grab().toImage();
    } else {
        // The frame is the window manager's: take it from the screen, then lay the window's
        // own rendering over it.
        const qreal dpr = window.devicePixelRatioF();
        const QRect frame = window.frameGeometry();
        QImage whole(frame.size() * dpr, QImage::Format_RGB32);
        whole.setDevicePixelRatio(dpr);
        whole.fill(window.palette().color(QPalette::Window));
        QPainter painter(&whole);
        if (QScreen* screen = window.screen())
            painter.drawPixmap(
                0, 0, screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()));
        painter.drawPixmap(window.geometry().topLeft() - frame.topLeft(), window.grab());
        painter.end();
        source = whole;
    }
    source = source.convertToFormat(QImage::Format_RGB32);
    source.setDevicePixelRatio(1.0);
    if (rect == source.rect())
        return source; // the usual case: the whole client area, nothing to cut or pad
    // Exactly the size asked for; what lies outside the source stays black.
    QImage picture(rect.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), source, rect);
    painter.end();
    return picture;
}

bool usesPalette(const DisplayCaps& caps) {
    return caps.paletteDevice && caps.paletteSize == 256 && caps.systemPalette.size() == 256;
}

QImage toIndexed(const QImage& image, const QList<QRgb>& palette) {
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    indexed.setColorTable(palette); // all entries, even those no pixel uses
    return indexed;
}

} // namespace output
