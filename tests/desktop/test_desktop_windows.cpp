// The secondary windows under Xvfb, as a person would use them: the name dialog from the
// keyboard, the signature read off the screen, F1 and F2, and Ctrl+X ending it all.
#include "toy.h"

#include <QTest>

namespace {

// Dark text pixels in the signature band, a screen rectangle.
int textPixels(const QImage& shot, const QRect& band) {
    int n = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            n += qRed(shot.pixel(x, y)) < 100;
    return n;
}

} // namespace

class DesktopWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void signTheDrawingOpenTheHelpAndExit() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        const QRect band(68 + 16, 84 + 16, 569, 17);
        QCOMPARE(textPixels(x.screenshot(), band), 0); // an empty, even red band at start

        // Alt+M opens "More Fun"; its one entry is selected, and Return chooses it.
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "--delay", "100", "alt+m", "Return"}));
        const QString dialog = x.waitForWindow(QStringLiteral("^Tell Pemrod Your Name$"));
        QVERIFY2(!dialog.isEmpty(), "the name dialog did not open");
        const auto g = x.geometry(dialog);
        QCOMPARE(g.value(QStringLiteral("X")), 184);
        QCOMPARE(g.value(QStringLiteral("Y")), 250);
        QVERIFY(x.xdotool({"windowfocus", "--sync", dialog}));
        QVERIFY(x.xdotool({"type", "--delay", "30", "Ada"}));
        QVERIFY(x.xdotool({"mousemove", "--sync", "448", "262", "click", "1"})); // OK
        QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(QStringLiteral("^Tell Pemrod Your Name$")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(textPixels(x.screenshot(), band) > 40, 5000);
        const QImage signed_ = x.screenshot();
        signed_.save(QStringLiteral("desktop-signed.png"));
        QVERIFY2(textPixels(signed_, band) > 40, "no signature in the band");
        // The text starts at the band's left and is short: the right part stays red.
        QCOMPARE(textPixels(signed_, band.adjusted(300, 0, 0, 0)), 0);

        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "F1"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^How to use Scribblewick!$")).isEmpty());
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "F2"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^About Scribblewick!$")).isEmpty());
        x.screenshot().save(QStringLiteral("desktop-windows.png"));

        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "ctrl+x"}));
        QVERIFY2(toy.waitForExit(), "the program lived on after Exit");
        QCOMPARE(toy.process().exitCode(), 0);
        QVERIFY(!x.windowShown(QStringLiteral("Scribblewick")));
    }
};

QTEST_GUILESS_MAIN(DesktopWindowsTest)
#include "test_desktop_windows.moc"
