#include "qt_printer.h"

#include <QPrinterInfo>

namespace output {

QtPrinter::QtPrinter(const QString& printerName) {
    printer_.setPrinterName(printerName);
    printer_.setDocName(QStringLiteral("Scribblewick"));
}

void QtPrinter::printToFile(const QString& path) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(path);
}

void QtPrinter::setOrientation(int orientation) {
    printer_.setPageOrientation(orientation == Landscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
}

double QtPrinter::ScaleWidth() const {
    return printer_.pageRect(QPrinter::DevicePixel).width();
}

double QtPrinter::ScaleHeight() const {
    return printer_.pageRect(QPrinter::DevicePixel).height();
}

double QtPrinter::unitsPerInch(int scale, int dotsPerInch) const {
    switch (scale) {
    case Twips:
        return 1440.0;
    case HiMetric:
        return 2540.0;
    default:
        return dotsPerInch;
    }
}

float QtPrinter::ScaleX(float value, int fromScale, int toScale) const {
    const int dpi = printer_.logicalDpiX();
    return float(value / unitsPerInch(fromScale, dpi) * unitsPerInch(toScale, dpi));
}

float QtPrinter::ScaleY(float value, int fromScale, int toScale) const {
    const int dpi = printer_.logicalDpiY();
    return float(value / unitsPerInch(fromScale, dpi) * unitsPerInch(toScale, dpi));
}

void QtPrinter::PaintPicture(const Picture& picture, float x, float y, double width,
                             double height) {
    if (!painter_.isActive() && !painter_.begin(&printer_)) {
        error_ = Printing::tr("the printer did not accept the page");
        return;
    }
    painter_.drawImage(QRectF(x, y, width, height), picture.image());
}

bool QtPrinter::EndDoc() {
    if (!error_.isEmpty()) return false;
    if (painter_.isActive() && !painter_.end()) {
        error_ = Printing::tr("the printer did not take the document");
        return false;
    }
    if (printer_.printerState() == QPrinter::Error) {
        error_ = Printing::tr("the printer reported an error");
        return false;
    }
    return true;
}

std::unique_ptr<Printer> defaultPrinter(QString& error) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        error = QPrinterInfo::availablePrinters().isEmpty()
                    ? Printing::tr("no printer is set up on this computer")
                    : Printing::tr("no printer is chosen as the default");
        return nullptr;
    }
    return std::make_unique<QtPrinter>(info.printerName());
}

} // namespace output
