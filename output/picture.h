#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// A captured bitmap with its optional 256-entry palette. Copies share the pixels; the last one
// to go frees them.
class Picture {
public:
    Picture() = default;
    // `dotsPerInch` is the resolution the pixels were taken at; it gives the HiMetric size.
    Picture(QImage image, QList<QRgb> palette, double dotsPerInch);

    bool isNull() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    bool hasPalette() const { return !palette_.isEmpty(); }
    const QList<QRgb>& palette() const { return palette_; }

    // Size in HiMetric units (hundredths of a millimetre).
    int Width() const;
    int Height() const;

private:
    QImage image_;
    QList<QRgb> palette_;
    double dotsPerInch_ = 96.0;
};
