// The BMP file as written: header, size, depth, colour table and pixels; rounding of the capture
// size; the replace-whole-or-not-at-all rule of the save.
#include "output/capture.h"
#include "output/save.h"
#include "translations/language.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
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

    void fullOrReadOnlyDiskSaysWhyAndLeavesTheOldFile() {
        // A small file system of its own, where a whole picture cannot fit.
        QTemporaryDir mountPoint;
        if (QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"),
                               mountPoint.path()}) != 0)
            QSKIP("cannot mount a small file system here (needs root)");
        const QString path = mountPoint.filePath(QStringLiteral("full.bmp"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old picture");
        }
        const QString replacing = output::writeBitmap(Picture(sample(), {}, 96), path);
        const QString creating = output::writeBitmap(
            Picture(sample(), {}, 96), mountPoint.filePath(QStringLiteral("new.bmp")));
        const QByteArray after = readAll(path);
        const QStringList left =
            QDir(mountPoint.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        // Read-only, the refusal is the folder's.
        QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-o"), QStringLiteral("remount,ro"), mountPoint.path()});
        const QString readOnly = output::writeBitmap(Picture(sample(), {}, 96), path);
        QProcess::execute(QStringLiteral("umount"), {mountPoint.path()});
        const QString noSpace = qt_error_string(ENOSPC);
        QVERIFY2(replacing.contains(noSpace), qPrintable(replacing));
        QVERIFY2(creating.contains(noSpace), qPrintable(creating));
        QCOMPARE(after, QByteArray("old picture"));
        QCOMPARE(left, QStringList{QStringLiteral("full.bmp")});
        QVERIFY2(readOnly.contains(QStringLiteral("folder ") +
                                   translations::isolated(mountPoint.path()) + QLatin1Char(':')) &&
                     readOnly.contains(qt_error_string(EROFS)),
                 qPrintable(readOnly));
    }

    void onlyRegularFilesAreReplacedAndLinksLead() {
        QTemporaryDir here;
        const auto at = [&](const char* name) { return here.filePath(QLatin1String(name)); };
        QVERIFY(::mkfifo(QFile::encodeName(at("pipe.bmp")).constData(), 0644) == 0);
        QVERIFY(QFile::link(at("pipe.bmp"), at("to-pipe.bmp")));
        QVERIFY(QFile::link(at("round.bmp"), at("round.bmp")));
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(QFile::link(at("folder"), at("to-folder.bmp")));
        const Picture picture(sample(), {}, 96);
        QCOMPARE(output::writeBitmap(picture, at("pipe.bmp")),
                 QStringLiteral("it is not a regular file"));
        QCOMPARE(output::writeBitmap(picture, at("to-pipe.bmp")),
                 QStringLiteral("it leads to %1, which is not a regular file")
                     .arg(translations::isolated(at("pipe.bmp"))));
        QVERIFY(!output::writeBitmap(picture, at("round.bmp")).isEmpty());
        QVERIFY(
            output::writeBitmap(picture, at("to-folder.bmp")).contains(QStringLiteral("folder")));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(at("pipe.bmp")).constData(), &st) == 0 &&
                S_ISFIFO(st.st_mode));

        // Through a link to a regular file, that file is replaced whole and the link stays.
        {
            QFile old(at("real.bmp"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old picture");
        }
        QVERIFY(QFile::link(QStringLiteral("real.bmp"), at("link.bmp")));
        QCOMPARE(output::writeBitmap(picture, at("link.bmp")), QString());
        QVERIFY(QFileInfo(at("link.bmp")).isSymLink());
        QCOMPARE(QImage(at("real.bmp")).size(), QSize(599, 439));
    }

    void replacingKeepsThePermissions() {
        QTemporaryDir here;
        const QString path = here.filePath(QStringLiteral("kept.bmp"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
        }
        // 0640 for anyone; read-only, which only root may replace, must stay read-only.
        const QFileDevice::Permissions modes[] = {
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup,
            QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther};
        for (const auto mode : modes) {
            QVERIFY(QFile::setPermissions(path, mode));
            const QString error = output::writeBitmap(Picture(sample(), {}, 96), path);
            if (!(mode & QFileDevice::WriteOwner) && ::geteuid() != 0) {
                QVERIFY2(error.contains(path), qPrintable(error)); // refused, naming the file
                continue;
            }
            QCOMPARE(error, QString());
            struct stat st {};
            QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
            const mode_t expected = (mode & QFileDevice::WriteOwner) ? 0640 : 0444;
            QCOMPARE(st.st_mode & 07777, expected);
        }
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
