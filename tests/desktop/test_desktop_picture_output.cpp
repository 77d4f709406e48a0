// Saving through the real dialog, the clipboard read back with xclip, and printing through a
// real CUPS scheduler of the test's own to a queue that writes PDF, all under Xvfb as a person
// would do it.
#include "cups_scheduler.h"
#include "toy.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class DesktopPictureOutputTest : public QObject {
    Q_OBJECT
private slots:
    void saveThroughTheDialogAndPasteElsewhere() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        QVERIFY(x.xdotool({"type", "--delay", "30", "dddxxxaa"}));
        QVERIFY(x.xdotool({"key", "ctrl+s"}));
        const QString dialog = x.waitForWindow(QStringLiteral("^Save Your Bitmap$"));
        QVERIFY2(!dialog.isEmpty(), "the save dialog did not open");

        QTemporaryDir dir;
        const QString typed = dir.filePath(QStringLiteral("my drawing"));
        QVERIFY(x.xdotool({"windowfocus", "--sync", dialog}));
        QVERIFY(x.xdotool({"type", "--delay", "10", typed}));
        QVERIFY(x.xdotool({"key", "Return"}));
        // The default extension is added to a name typed without one.
        const QString saved = typed + QStringLiteral(".BMP");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(saved), 10000); // whole once it is there

        const QImage bmp(saved);
        QCOMPARE(bmp.size(), QSize(599, 439));
        QCOMPARE(bmp.depth(), 32); // Qt reads 24-bit files as 32-bit images
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(30).mid(28, 2), QByteArray("\x18\x00", 2)); // 24 bits per pixel
        // The file shows exactly what the screen shows in the client area.
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(QStringLiteral("^Save Your Bitmap$")), 5000);
        const QImage screen = x.screenArea(ClientArea);
        screen.save(QStringLiteral("desktop-after-save.png"));
        bmp.save(QStringLiteral("desktop-saved.png"));
        QVERIFY2(pictureDifference(bmp, screen).isEmpty(),
                 qPrintable(pictureDifference(bmp, screen)));

        // Other programs find the picture on the clipboard.
        const QString targets = QString::fromLatin1(x.clipboard(QStringLiteral("TARGETS")));
        QVERIFY2(targets.contains(QStringLiteral("image/png")), qPrintable(targets));
        QVERIFY(targets.contains(QStringLiteral("image/bmp")));
        const QImage pasted = QImage::fromData(x.clipboard(QStringLiteral("image/png")), "PNG");
        QVERIFY2(pictureDifference(pasted, bmp).isEmpty(),
                 qPrintable(pictureDifference(pasted, bmp)));
    }

    void printOnTheDefaultPrinter() {
        CupsScheduler cups;
        QVERIFY2(cups.isReady(), qPrintable(cups.error()));

        ToyOnDisplay session(cups.environment());
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        QVERIFY(x.xdotool({"type", "--delay", "30", "dddd"}));
        QVERIFY(x.xdotool({"key", "ctrl+p"}));

        QByteArray head;
        const QList<QImage> pages = cups.printedPages(50, 60000, &head);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(head.startsWith("%PDF"), head.left(20).constData());
        const QImage& page = pages.first();
        page.save(QStringLiteral("desktop-printed-page.png"));

        QVERIFY2(printedToyProblem(page).isEmpty(), qPrintable(printedToyProblem(page)));
        QVERIFY(toy.process().state() == QProcess::Running);
    }

    void printWithNoPrinterSaysSo() {
        XSession x;
        QVERIFY(x.isRunning());
        QProcessEnvironment noCups;
        noCups.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
        Toy toy(x, noCups);
        QVERIFY2(!toy.windowId().isEmpty(), qPrintable(toy.startProblem()));
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"type", "--delay", "30", "dd"}));
        const QImage drawing = x.screenArea(ClientArea);
        QVERIFY(x.xdotool({"key", "ctrl+p"}));
        const QString message = x.waitForWindow(QStringLiteral("^Could not print$"));
        QVERIFY2(!message.isEmpty(), "no message about the missing printer");
        QVERIFY(x.xdotool({"windowfocus", "--sync", message}));
        QVERIFY(x.xdotool({"key", "Return"}));
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(QStringLiteral("^Could not print$")), 5000);
        QVERIFY(toy.process().state() == QProcess::Running);
        QVERIFY(pictureDifference(x.screenArea(ClientArea), drawing).isEmpty());
    }
};

QTEST_GUILESS_MAIN(DesktopPictureOutputTest)
#include "test_desktop_picture_output.moc"
