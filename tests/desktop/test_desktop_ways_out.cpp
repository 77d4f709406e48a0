// Every way out ends the process: the close box, Ctrl+X and File, Exit, whatever state the
// other windows are in; and a start that cannot work ends it at once, in one line saying why.
#include "toy.h"

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
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
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
            QVERIFY(toy.requestClose());
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

    // With a display there, a start that cannot work says why in Qt's words or ours, never
    // "no display" (which the main window's tests cover).
    void failedStartSaysWhyInOneLine_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("says");
        QTest::newRow("no such plugin") << 24 << "nosuch"
                                        << "could not start";
        // Qt gives a black window and crashes at the first text field there.
        QTest::newRow("8-bit display") << 8 << ""
                                       << "8 bits a pixel";
    }

    void failedStartSaysWhyInOneLine() {
        QFETCH(int, depth);
        QFETCH(QString, platform);
        QFETCH(QString, says);
        XSession x(depth);
        QVERIFY(x.isRunning());
        QProcessEnvironment env = x.environment();
        if (!platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess toy;
        toy.setProcessEnvironment(env);
        toy.start(QStringLiteral(SCRIBBLEWICK_BIN), {});
        QVERIFY2(toy.waitForFinished(20000), "it went on starting");
        QVERIFY(toy.exitCode() != 0);
        const QStringList said = QString::fromLocal8Bit(toy.readAllStandardError())
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                     .filter(QStringLiteral("scribblewick:"));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains(says) && !said[0].contains(QStringLiteral("no display")),
                 qPrintable(said[0]));
        QVERIFY(!x.windowShown(QStringLiteral("^Scribblewick!$")));
    }
};

QTEST_GUILESS_MAIN(DesktopWaysOutTest)
#include "test_desktop_ways_out.moc"
