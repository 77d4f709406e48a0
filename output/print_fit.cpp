#include "printer.h"

#include <cmath>
#include <limits>

namespace output {
namespace {

// Narrowing to a 32-bit float must not overflow.
bool fitsFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace

QString PrintPictureToFitPage(Printer& Prn, const Picture& Pic) {
    Prn.setOrientation(Pic.Height() >= Pic.Width() ? Portrait : Landscape);
    if (Pic.Width() <= 0 || Pic.Height() <= 0) return Printing::tr("the picture is empty");
    const double pictureRatio = double(Pic.Width()) / double(Pic.Height());

    // Measured after turning the page.
    const double printableWidth = Prn.ScaleX(float(Prn.ScaleWidth()), Prn.ScaleMode(), HiMetric);
    const double printableHeight = Prn.ScaleY(float(Prn.ScaleHeight()), Prn.ScaleMode(), HiMetric);
    if (!(printableWidth > 0) || !(printableHeight > 0))
        return Printing::tr("the printer reports no printable area");
    const double pageRatio = printableWidth / printableHeight;

    double printedWidth = 0;
    double printedHeight = 0;
    if (pictureRatio >= pageRatio) {
        const double height = printableWidth / pictureRatio;
        if (!fitsFloat(height)) return Printing::tr("the picture cannot be scaled to the page");
        printedWidth = Prn.ScaleX(float(printableWidth), HiMetric, Prn.ScaleMode());
        printedHeight = Prn.ScaleY(float(height), HiMetric, Prn.ScaleMode());
    } else {
        const double width = printableHeight * pictureRatio;
        if (!fitsFloat(width)) return Printing::tr("the picture cannot be scaled to the page");
        printedHeight = Prn.ScaleY(float(printableHeight), HiMetric, Prn.ScaleMode());
        printedWidth = Prn.ScaleX(float(width), HiMetric, Prn.ScaleMode());
    }
    Prn.PaintPicture(Pic, 0.0f, 0.0f, printedWidth, printedHeight);
    return {};
}

} // namespace output
