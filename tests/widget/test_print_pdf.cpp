// Fitting the picture to the page through Qt's real printer class, writing a PDF: the page's
// orientation and the printed picture's size and place, read off the page rendered by poppler.
#include "output/qt_printer.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Dpi = 72; // the page is rendered at one pixel a point

// The box of the page's pixels that are not paper white.
QRect inked(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).lightness() < 200) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class PrintPdfTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void pictureFillsThePrintableArea_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<double>("dpi");
        QTest::newRow("the toy's picture") << QSize(599, 439) << 96.0;
        QTest::newRow("square") << QSize(1000, 1000) << 2540.0;
        QTest::newRow("ratio 1.25") << QSize(1250, 1000) << 2540.0;
        QTest::newRow("ratio 2") << QSize(2000, 1000) << 2540.0;
        QTest::newRow("tall") << QSize(500, 1000) << 2540.0;
    }

    void pictureFillsThePrintableArea() {
        QFETCH(QSize, pixels);
        QFETCH(double, dpi);
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        const QString pdf = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        {
            output::QtPrinter printer{QString()};
            printer.printToFile(pdf);
            QCOMPARE(output::PrintPictureToFitPage(printer, Picture(image, {}, dpi)), QString());
            QVERIFY(printer.EndDoc());
        }
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, pdf});
        QVERIFY(render.waitForFinished(30000) && render.exitCode() == 0);
        const QImage page(pdf + ".png");
        QVERIFY(!page.isNull());

        // The page is turned to suit the picture: landscape only when wider than tall.
        const bool landscape = pixels.width() > pixels.height();
        QCOMPARE(page.width() > page.height(), landscape);
        // Where the printable area lies on such a page, as Qt's printer reports it.
        QPrinter reference(QPrinter::HighResolution);
        reference.setOutputFormat(QPrinter::PdfFormat);
        reference.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QRectF area = reference.pageLayout().paintRect(QPageLayout::Point);
        QCOMPARE(QSizeF(page.size()), reference.pageLayout().fullRect(QPageLayout::Point).size());

        // As large as fits, undistorted, from the area's top-left corner.
        const double ratio = double(pixels.width()) / pixels.height();
        const QSizeF expected = ratio >= area.width() / area.height()
                                    ? QSizeF(area.width(), area.width() / ratio)
                                    : QSizeF(area.height() * ratio, area.height());
        const QRect box = inked(page);
        const auto near = [](double a, double b) { return std::abs(a - b) <= 1.5; };
        QVERIFY2(near(box.left(), area.left()) && near(box.top(), area.top()) &&
                     near(box.width(), expected.width()) && near(box.height(), expected.height()),
                 qPrintable(QStringLiteral("printed at %1,%2 %3x%4; expected %5,%6 %7x%8")
                                .arg(box.left())
                                .arg(box.top())
                                .arg(box.width())
                                .arg(box.height())
                                .arg(area.left())
                                .arg(area.top())
                                .arg(expected.width())
                                .arg(expected.height())));
    }
};

QTEST_MAIN(PrintPdfTest)
#include "test_print_pdf.moc"
