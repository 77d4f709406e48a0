#pragma once

#include "printer.h"

#include <QByteArray>
#include <QRectF>

namespace output {

// The browser's printer: the page prints the picture alone from a hidden frame, on an A4 page
// with 10 mm margins, at the place and size the fit gave; measured in HiMetric.
class WebPrinter : public Printer {
public:
    void setOrientation(int orientation) override { orientation_ = orientation; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    int ScaleMode() const override { return HiMetric; }
    float ScaleX(float value, int fromScale, int toScale) const override;
    float ScaleY(float value, int fromScale, int toScale) const override;
    void PaintPicture(const Picture& picture, float x, float y, double width,
                      double height) override;
    bool EndDoc() override;
    QString name() const override;
    QString errorString() const override { return error_; }

private:
    int orientation_ = Portrait;
    QByteArray png_;
    QRectF box_; // HiMetric, from the printable area's top-left corner
    QString error_;
};

} // namespace output
