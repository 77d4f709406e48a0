// Compiles the Windows resource script with the cross windres and reads the version record
// back, so a typo in it shows up although we build on Linux.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray utf16(const QString& text) {
    QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    bytes.append(2, '\0');
    return bytes;
}

// In the compiled record a string value follows its key after padding to 32 bits.
QString valueOf(const QByteArray& res, const QString& key) {
    const qsizetype at = res.indexOf(utf16(key));
    if (at < 0) return {};
    qsizetype pos = at + utf16(key).size();
    while (pos % 4 != 0)
        ++pos;
    QString value;
    for (; pos + 1 < res.size(); pos += 2) {
        const char16_t c = qFromLittleEndian<char16_t>(res.constData() + pos);
        if (c == 0) break;
        value.append(QChar(c));
    }
    return value;
}

quint32 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

class WindowsResourceTest : public QObject {
    Q_OBJECT
    QByteArray res;

private slots:
    void initTestCase() {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("scribblewick.res"));
        QProcess windres;
        windres.setWorkingDirectory(QStringLiteral(ASSETS_DIR));
        windres.start(QStringLiteral(WINDRES),
                      {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-O"),
                       QStringLiteral("res"), QStringLiteral("-i"),
                       QStringLiteral("scribblewick.rc"), QStringLiteral("-o"), out});
        QVERIFY2(windres.waitForFinished(60000), "windres did not finish");
        QVERIFY2(windres.exitCode() == 0, windres.readAllStandardError().constData());
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        res = file.readAll();
    }

    void versionStrings() {
        QCOMPARE(valueOf(res, QStringLiteral("ProductName")), QStringLiteral("scribblewick"));
        QCOMPARE(valueOf(res, QStringLiteral("InternalName")), QStringLiteral("scribblewick"));
        QCOMPARE(valueOf(res, QStringLiteral("OriginalFilename")),
                 QStringLiteral("scribblewick.exe"));
        QCOMPARE(valueOf(res, QStringLiteral("FileVersion")), QStringLiteral("1.00"));
        QCOMPARE(valueOf(res, QStringLiteral("ProductVersion")), QStringLiteral("1.00"));
        QVERIFY(!valueOf(res, QStringLiteral("CompanyName")).isEmpty());
    }

    void numericVersionAndLanguage() {
        // VS_FIXEDFILEINFO starts with its signature; file and product version 1.0.0.0 follow.
        const QByteArray signature("\xBD\x04\xEF\xFE", 4);
        const qsizetype at = res.indexOf(signature);
        QVERIFY(at >= 0);
        QCOMPARE(u32(res, at + 8), 0x00010000u);  // file version, major.minor
        QCOMPARE(u32(res, at + 12), 0x00000000u); // build.revision
        QCOMPARE(u32(res, at + 16), 0x00010000u); // product version
        QCOMPARE(u32(res, at + 20), 0x00000000u);
        // US English, Unicode: the string table's name and the translation pair.
        QVERIFY(res.contains(utf16(QStringLiteral("040904B0"))));
        const qsizetype translation = res.indexOf(utf16(QStringLiteral("Translation")));
        QVERIFY(translation >= 0);
        qsizetype pos = translation + utf16(QStringLiteral("Translation")).size();
        while (pos % 4 != 0)
            ++pos;
        QCOMPARE(u32(res, pos), 0x04B00409u);
    }

    void carriesTheIcon() {
        // An RT_GROUP_ICON (14) entry and the 32 x 32, 8-bit image it points to.
        const QByteArray groupType("\xFF\xFF\x0E\x00", 4);
        QVERIFY(res.contains(groupType));
        const QByteArray dib = QByteArray("\x28\x00\x00\x00\x20\x00\x00\x00\x40\x00\x00\x00"
                                          "\x01\x00\x08\x00",
                                          16);
        QVERIFY(res.contains(dib));
    }

    // Every size Windows asks for at 100 to 200 %, and 256 as PNG; the 32 the window icon.
    void icoHoldsEverySize() {
        QFile ico(QStringLiteral(ASSETS_DIR "/scribblewick.ico"));
        QVERIFY(ico.open(QIODevice::ReadOnly));
        const QByteArray bytes = ico.readAll();
        const auto u16 = [&](qsizetype at) {
            return qFromLittleEndian<quint16>(bytes.data() + at);
        };
        QCOMPARE(u16(2), 1); // an icon, not a cursor
        QList<int> sizes;
        for (int i = 0; i < u16(4); ++i) {
            const qsizetype entry = 6 + 16 * i;
            const int side = bytes[entry] ? quint8(bytes[entry]) : 256;
            const QByteArray image = bytes.mid(u32(bytes, entry + 12), u32(bytes, entry + 8));
            sizes.append(side);
            if (side == 256) {
                QVERIFY(image.startsWith("\x89PNG"));
            } else if (side == 32) {
                // The design's icon: its colour table and pixels as in icon.bmp, bottom row first.
                QFile bmp(QStringLiteral(ASSETS_DIR "/icon.bmp"));
                QVERIFY(bmp.open(QIODevice::ReadOnly));
                const QByteArray design = bmp.readAll();
                QCOMPARE(u16(entry + 6), 8);
                QCOMPARE(image.mid(40, 256 * 4 + 32 * 32), design.mid(u32(design, 10) - 256 * 4));
            } else {
                QCOMPARE(qint32(u32(image, 4)), side);
                QCOMPARE(qint32(u32(image, 8)), 2 * side); // the colours and the mask
                QCOMPARE(u16(entry + 6), 32);
            }
        }
        QCOMPARE(sizes, QList<int>({16, 20, 24, 32, 40, 48, 64, 256}));
    }
};

QTEST_APPLESS_MAIN(WindowsResourceTest)
#include "test_windows_resource.moc"
