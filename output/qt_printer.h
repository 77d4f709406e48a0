#pragma once

#include "printer.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace output {

// The system's default printer, reached without a dialog; measured in its device pixels.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(const QString& printerName);
    // Sends the page to a PDF file instead of a printer.
    void printToFile(const QString& path);

    void setOrientation(int orientation) override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    int ScaleMode() const override { return Pixels; }
    float ScaleX(float value, int fromScale, int toScale) const override;
    float ScaleY(float value, int fromScale, int toScale) const override;
    void PaintPicture(const Picture& picture, float x, float y, double width,
                      double height) override;
    bool EndDoc() override;
    QString name() const override { return printer_.printerName(); }
    QString errorString() const override { return error_; }

private:
    double unitsPerInch(int scale, int dotsPerInch) const;

    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    QString error_;
};

} // namespace output
