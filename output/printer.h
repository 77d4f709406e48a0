#pragma once

#include "picture.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

namespace output {

// Why a page was not printed, in the words the failure message shows.
struct Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

// Scale modes: 1 twips, 3 pixels, 8 HiMetric.
inline constexpr int Twips = 1;
inline constexpr int Pixels = 3;
inline constexpr int HiMetric = 8;

inline constexpr int Portrait = 1;
inline constexpr int Landscape = 2;

// The printer as the print command sees it: one page, measured in its own scale.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setOrientation(int orientation) = 0;
    virtual double ScaleWidth() const = 0; // printable area, in ScaleMode units
    virtual double ScaleHeight() const = 0;
    virtual int ScaleMode() const = 0;
    virtual float ScaleX(float value, int fromScale, int toScale) const = 0;
    virtual float ScaleY(float value, int fromScale, int toScale) const = 0;
    virtual void PaintPicture(const Picture& picture, float x, float y, double width,
                              double height) = 0;
    // Ends the document and sends the page; false when the printer refused it.
    virtual bool EndDoc() = 0;
    virtual QString name() const = 0;
    virtual QString errorString() const = 0;
};

// Turns the page to suit the picture and draws it as large as fits, undistorted, at the
// printable area's top-left corner. Returns "" when drawn, else why nothing was.
QString PrintPictureToFitPage(Printer& Prn, const Picture& Pic);

// The default printer (on the desktop the system's, in the browser the page's print dialog), or
// null with the reason when there is none.
std::unique_ptr<Printer> defaultPrinter(QString& error);

} // namespace output
