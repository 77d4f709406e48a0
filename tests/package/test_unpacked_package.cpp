// The toy as the .deb installs it, unpacked by check_package.sh, starts and shows its artwork.
#include "toy.h"

#include <QTest>

class UnpackedPackageTest : public QObject {
    Q_OBJECT
private slots:
    void unpackedCopyShowsTheToy() {
        const QString program = qEnvironmentVariable("PACKAGE_ROOT") + "/usr/bin/scribblewick";
        QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
        XSession x;
        QVERIFY2(x.isRunning(), "Xvfb did not start");
        Toy toy(x, {}, {program});
        QVERIFY2(!toy.windowId().isEmpty(), "the installed program showed no window");
        const auto g = x.geometry(toy.windowId());
        const QPoint client(g.value("X"), g.value("Y") + g.value("HEIGHT") - 439);
        const QImage background = QImage(QStringLiteral(ASSETS_DIR "/background.bmp"))
                                      .convertToFormat(QImage::Format_RGB32)
                                      .copy(0, 0, 599, 20);
        QTRY_COMPARE_WITH_TIMEOUT(
            pictureDifference(x.screenArea(QRect(client, QSize(599, 20))), background), QString(),
            10000);
    }
};

QTEST_GUILESS_MAIN(UnpackedPackageTest)
#include "test_unpacked_package.moc"
