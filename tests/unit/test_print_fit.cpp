// Fitting the picture to the page, against a printer that records what it is asked to do.
#include "tests/support/recording_printer.h"

#include <QTest>

namespace {

// A picture whose HiMetric size is exactly its pixel size (2540 dots per inch).
Picture pictureOf(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return Picture(image, {}, 2540.0);
}

} // namespace

class PrintFitTest : public QObject {
    Q_OBJECT
private slots:
    void orientationFollowsTheShape() {
        support::RecordingPrinter printer;
        QCOMPARE(output::PrintPictureToFitPage(printer, pictureOf(100, 100)), QString());
        QCOMPARE(printer.record->orientation, output::Portrait); // square prints portrait
        output::PrintPictureToFitPage(printer, pictureOf(100, 99));
        QCOMPARE(printer.record->orientation, output::Landscape);
        output::PrintPictureToFitPage(printer, pictureOf(99, 100));
        QCOMPARE(printer.record->orientation, output::Portrait);
    }

    void narrowerThanThePageFitsTheHeight() {
        support::RecordingPrinter printer;
        // Ratio 1.25 on a landscape area of 27000 x 19000 (ratio about 1.42).
        output::PrintPictureToFitPage(printer, pictureOf(1250, 1000));
        QCOMPARE(printer.record->orientation, output::Landscape);
        QCOMPARE(printer.record->paints.size(), 1u);
        QCOMPARE(printer.record->paints[0].x, 0.0f);
        QCOMPARE(printer.record->paints[0].y, 0.0f);
        QCOMPARE(printer.record->paints[0].width, 23750.0);
        QCOMPARE(printer.record->paints[0].height, 19000.0);
    }

    void widerThanThePageFitsTheWidth() {
        support::RecordingPrinter printer;
        output::PrintPictureToFitPage(printer, pictureOf(2000, 1000));
        QCOMPARE(printer.record->paints[0].width, 27000.0);
        QCOMPARE(printer.record->paints[0].height, 13500.0);
    }

    void equalRatiosFillTheArea() {
        support::RecordingPrinter printer;
        output::PrintPictureToFitPage(printer, pictureOf(2700, 1900));
        QCOMPARE(printer.record->paints[0].width, 27000.0);
        QCOMPARE(printer.record->paints[0].height, 19000.0);
    }

    void theToysPicturePrintsLandscape() {
        support::RecordingPrinter printer;
        const Picture toy(QImage(599, 439, QImage::Format_RGB32), {}, 96);
        output::PrintPictureToFitPage(printer, toy);
        QCOMPARE(printer.record->orientation, output::Landscape);
        // 599 : 439 is narrower than 27000 : 19000, so the height is filled.
        QCOMPARE(printer.record->paints[0].height, 19000.0);
        QVERIFY(qAbs(printer.record->paints[0].width - 19000.0 * toy.Width() / toy.Height()) < 1);
        // On a page of US Letter's shape the width is filled instead.
        printer.record->portraitWidth = 20320;
        printer.record->portraitHeight = 25400;
        output::PrintPictureToFitPage(printer, toy);
        QCOMPARE(printer.record->paints[1].width, 25400.0);
    }

    void nothingToDrawIsReportedNotDrawn() {
        support::RecordingPrinter printer;
        QVERIFY(!output::PrintPictureToFitPage(printer, Picture()).isEmpty());
        QVERIFY(!output::PrintPictureToFitPage(printer, pictureOf(10, 0)).isEmpty());
        printer.record->portraitWidth = 0;
        QVERIFY(!output::PrintPictureToFitPage(printer, pictureOf(10, 10)).isEmpty());
        printer.record->portraitWidth = 19000;
        printer.record->portraitHeight = 0;
        QVERIFY(!output::PrintPictureToFitPage(printer, pictureOf(10, 20)).isEmpty());
        QVERIFY(printer.record->paints.empty());
    }

    void pictureSizeInHiMetric() {
        // 599 pixels at 96 dpi is 599 / 96 inch, 15848.96 hundredths of a millimetre.
        const Picture picture(QImage(599, 439, QImage::Format_RGB32), {}, 96);
        QCOMPARE(picture.Width(), 15849);
        QCOMPARE(picture.Height(), 11615);
        // The same picture taken at twice the pixels keeps its size.
        const Picture sharp(QImage(1198, 878, QImage::Format_RGB32), {}, 192);
        QCOMPARE(sharp.Width(), 15849);
        QCOMPARE(sharp.Height(), 11615);
    }

    void copiesShareThePixels() {
        const Picture first(QImage(8, 8, QImage::Format_RGB32), {}, 96);
        const Picture second = first; // NOLINT(performance-unnecessary-copy-initialization)
        QCOMPARE(second.image().constBits(), first.image().constBits());
    }
};

QTEST_APPLESS_MAIN(PrintFitTest)
#include "test_print_fit.moc"
