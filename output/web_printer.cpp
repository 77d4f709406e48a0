#include "web_printer.h"

#include "save.h"

#include <emscripten/val.h>

namespace output {
namespace {

constexpr double PaperLong = 29700; // A4, HiMetric
constexpr double PaperShort = 21000;
constexpr double Margin = 1000;

double unitsPerInch(int scale) {
    switch (scale) {
    case Twips:
        return 1440.0;
    case Pixels:
        return 96.0; // a CSS pixel
    default:
        return 2540.0;
    }
}

} // namespace

double WebPrinter::ScaleWidth() const {
    return (orientation_ == Landscape ? PaperLong : PaperShort) - 2 * Margin;
}

double WebPrinter::ScaleHeight() const {
    return (orientation_ == Landscape ? PaperShort : PaperLong) - 2 * Margin;
}

float WebPrinter::ScaleX(float value, int fromScale, int toScale) const {
    return float(value / unitsPerInch(fromScale) * unitsPerInch(toScale));
}

float WebPrinter::ScaleY(float value, int fromScale, int toScale) const {
    return ScaleX(value, fromScale, toScale);
}

void WebPrinter::PaintPicture(const Picture& picture, float x, float y, double width,
                              double height) {
    if (QString error = encodePicture(picture, "png", png_); !error.isEmpty()) error_ = error;
    box_ = QRectF(x, y, width, height);
}

bool WebPrinter::EndDoc() {
    if (!error_.isEmpty()) return false;
    if (png_.isEmpty()) {
        error_ = Printing::tr("the printer did not accept the page");
        return false;
    }
    // Lengths in millimetres from the paper's corner; the page copies the bytes at once.
    const auto mm = [](double hiMetric) { return hiMetric / 100.0; };
    const emscripten::val page = emscripten::val::global("scribblewick");
    if (page.isUndefined()) {
        error_ = Printing::tr("the printer did not take the document");
        return false;
    }
    const std::string refused = page.call<std::string>(
        "print",
        emscripten::val(emscripten::typed_memory_view(
            size_t(png_.size()), reinterpret_cast<const unsigned char*>(png_.constData()))),
        orientation_ == Landscape, mm(Margin + box_.x()), mm(Margin + box_.y()), mm(box_.width()),
        mm(box_.height()));
    error_ = QString::fromStdString(refused);
    return error_.isEmpty();
}

QString WebPrinter::name() const {
    return QString::fromStdString(emscripten::val::global("location")["host"].as<std::string>());
}

std::unique_ptr<Printer> defaultPrinter(QString&) {
    return std::make_unique<WebPrinter>();
}

} // namespace output
