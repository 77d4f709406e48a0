// Every way out ends the process: the close box, Ctrl+X and File, Exit, whatever state the
// other windows are in.
#include "xsession.h"

#include <QTest>

namespace {

// Opens a window with its function key and, if asked, puts it away with its focused button.
bool openWindow(const XSession& x, const Toy& toy, const char* key, const QString& title,
                bool putAway) {
    if (!x.xdotool({"windowfocus", "--sync", toy.windowId()}) || !x.xdotool({"key", key}))
        return false;
    const QString id = x.waitForWindow(title);
    if (id.isEmpty()) return false;
    if (!putAway) return true;
    if (!x.xdotool({"windowfocus", "--sync", id}) || !x.xdotool({"key", "Return"})) return false;
    for (int i = 0; i < 50 && x.windowShown(title); ++i)
        QTest::qWait(100);
    return !x.windowShown(title);
}

} // namespace

class DesktopWaysOutTest : public QObject {
    Q_OBJECT
private slots:
    void everyWayOutEndsTheProcess_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("state");
        for (const char* way : {"close box", "ctrl+x", "file exit"})
            for (const char* state : {"nothing opened", "about shown, help hidden",
                                      "help shown, about hidden", "name dialog open"})
                QTest::addRow("%s, %s", way, state) << way << state;
    }

    void everyWayOutEndsTheProcess() {
        QFETCH(QString, way);
        QFETCH(QString, state);
        XSession x;
        QVERIFY(x.isRunning());
        Toy toy(x);
        QVERIFY(!toy.windowId().isEmpty());
        const QString about = QStringLiteral("^About Scribblewick!$");
        const QString help = QStringLiteral("^How to use Scribblewick!$");
        if (state.startsWith(QLatin1String("about"))) {
            QVERIFY(openWindow(x, toy, "F1", help, true));
            QVERIFY(openWindow(x, toy, "F2", about, false));
        } else if (state.startsWith(QLatin1String("help"))) {
            QVERIFY(openWindow(x, toy, "F2", about, true));
            QVERIFY(openWindow(x, toy, "F1", help, false));
        } else if (state.startsWith(QLatin1String("name"))) {
            QVERIFY(openWindow(x, toy, "F2", about, false));
            QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
            QVERIFY(x.xdotool({"key", "--delay", "100", "alt+m", "Return"}));
            QVERIFY(!x.waitForWindow(QStringLiteral("^Tell Pemrod Your Name$")).isEmpty());
        }

        if (way == QLatin1String("close box")) {
            QVERIFY(x.requestClose(toy.windowId()));
        } else {
            QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
            if (way == QLatin1String("ctrl+x"))
                QVERIFY(x.xdotool({"key", "ctrl+x"}));
            else
                QVERIFY(x.xdotool({"key", "--delay", "150", "alt+f", "x"}));
        }
        QVERIFY2(toy.waitForExit(), "a process was left behind");
        QCOMPARE(toy.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(toy.process().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(DesktopWaysOutTest)
#include "test_desktop_ways_out.moc"
