// The BMP file as written: header, size, depth, colour table and pixels; rounding of the capture
// size; the replace-whole-or-not-at-all rule of the save.
#include "output/capture.h"
#include "output/save.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 u32(const QByteArray& b, int at) {
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 |
           quint32(uchar(b[at + 2])) << 16 | quint32(uchar(b[at + 3])) << 24;
}
quint16 u16(const QByteArray& b, int at) {
    return quint16(uchar(b[at]) | uchar(b[at + 1]) << 8);
}

QImage sample() {
    QImage image(599, 439, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    image.setPixel(0, 0, qRgb(1, 2, 3));        // top-left
    image.setPixel(598, 438, qRgb(10, 20, 30)); // bottom-right
    return image;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class BitmapFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void truecolourIs24BitsWithoutATable() {
        const QString path = dir.filePath(QStringLiteral("toy.bmp"));
        QCOMPARE(output::writeBitmap(Picture(sample(), {}, 96), path), QString());
        const QByteArray bmp = readAll(path);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(u32(bmp, 2), quint32(bmp.size()));
        QCOMPARE(u32(bmp, 10), 54u);         // pixels right after the headers: no table
        QCOMPARE(qint32(u32(bmp, 18)), 599); // width
        QCOMPARE(qint32(u32(bmp, 22)), 439); // height, bottom-up
        QCOMPARE(u16(bmp, 28), 24);
        QCOMPARE(u32(bmp, 30), 0u); // uncompressed
        const int stride = (599 * 3 + 3) / 4 * 4;
        QCOMPARE(bmp.size(), 54 + stride * 439);
        // The first row in the file is the picture's bottom row; pixels are blue, green, red.
        const int bottomRight = 54 + 598 * 3;
        QCOMPARE(QByteArray(bmp.constData() + bottomRight, 3), QByteArray("\x1e\x14\x0a", 3));
        const int topLeft = 54 + 438 * stride;
        QCOMPARE(QByteArray(bmp.constData() + topLeft, 3), QByteArray("\x03\x02\x01", 3));
        // And ordinary readers read it back whole.
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), sample());
    }

    void paletteIs8BitsWithTheWholeTable() {
        QList<QRgb> palette;
        for (int i = 0; i < 256; ++i)
            palette.append(qRgb(i, 255 - i, (i * 7) & 0xFF));
        const QImage indexed = output::toIndexed(sample(), palette);
        const QString path = dir.filePath(QStringLiteral("palette.bmp"));
        QCOMPARE(output::writeBitmap(Picture(indexed, palette, 96), path), QString());
        const QByteArray bmp = readAll(path);
        QCOMPARE(u16(bmp, 28), 8);
        QCOMPARE(u32(bmp, 10), 54u + 256 * 4);
        QCOMPARE(QByteArray(bmp.constData() + 54 + 4 * 7, 3),
                 QByteArray::fromRawData("\x31\xf8\x07", 3)); // entry 7 as blue, green, red
        QCOMPARE(QImage(path).size(), QSize(599, 439));
    }

    void pictureWithoutPixelsIsRefused() {
        const QString path = dir.filePath(QStringLiteral("empty.bmp"));
        QVERIFY(!output::writeBitmap(Picture(), path).isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void failedWriteLeavesTheOldFileAndNoLeftovers() {
        QTemporaryDir here;
        const QString path = here.filePath(QStringLiteral("keep.bmp"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old picture");
        }
        // A folder in the way, and a place nothing can be written.
        QVERIFY(!output::writeBitmap(Picture(sample(), {}, 96), here.path()).isEmpty());
        QVERIFY(!output::writeBitmap(Picture(sample(), {}, 96),
                                     QStringLiteral("/proc/scribblewick.bmp"))
                     .isEmpty());
        QVERIFY(!output::writeBitmap(Picture(sample(), {}, 96),
                                     here.filePath(QStringLiteral("no/such/folder/x.bmp")))
                     .isEmpty());
        QCOMPARE(readAll(path), QByteArray("old picture"));
        QCOMPARE(QDir(here.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QStringLiteral("keep.bmp")});
        // A successful save replaces it whole.
        QCOMPARE(output::writeBitmap(Picture(sample(), {}, 96), path), QString());
        QCOMPARE(QImage(path).size(), QSize(599, 439));
    }

    void fullDiskLeavesTheOldFileAndNoLeftovers() {
        // A small file system of its own, where a whole picture cannot fit.
        QTemporaryDir mountPoint;
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mountPoint.path()});
        if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
            QSKIP("cannot mount a small file system here (needs root)");
        const QString path = mountPoint.filePath(QStringLiteral("full.bmp"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old picture");
        }
        const QString error = output::writeBitmap(Picture(sample(), {}, 96), path);
        const QByteArray after = readAll(path);
        const QStringList left =
            QDir(mountPoint.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QProcess::execute(QStringLiteral("umount"), {mountPoint.path()});
        QVERIFY(!error.isEmpty());
        QCOMPARE(after, QByteArray("old picture"));
        QCOMPARE(left, QStringList{QStringLiteral("full.bmp")});
    }

    void captureSizeRoundsHalvesToEven() {
        int n = 0;
        QVERIFY(output::roundToInt32(600.5, n));
        QCOMPARE(n, 600);
        QVERIFY(output::roundToInt32(601.5, n));
        QCOMPARE(n, 602);
        QVERIFY(output::roundToInt32(599.0, n));
        QCOMPARE(n, 599);
        QVERIFY(!output::roundToInt32(3e9, n));
        QVERIFY(!output::roundToInt32(std::nan(""), n));
    }

    void paletteOnlyFromA256EntryPaletteDisplay() {
        output::DisplayCaps caps;
        QVERIFY(!output::usesPalette(caps));
        caps.paletteDevice = true;
        caps.paletteSize = 16;
        caps.systemPalette.resize(16);
        QVERIFY(!output::usesPalette(caps));
        caps.paletteSize = 256;
        caps.systemPalette.resize(256);
        QVERIFY(output::usesPalette(caps));
        caps.paletteDevice = false;
        QVERIFY(!output::usesPalette(caps));
    }
};

QTEST_APPLESS_MAIN(BitmapFileTest)
#include "test_bitmap_file.moc"
