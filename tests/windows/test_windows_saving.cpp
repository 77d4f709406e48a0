// Saving under Wine where it cannot succeed: onto a full disk and into a read-only folder (a
// small file system of the test's own, reached through Z:). The toy says why in the system's
// words, leaves nothing half written, and saves again once it can.
#include "toy.h"
#include "wine_prefix.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SaveTitle = QStringLiteral("^Save Your Bitmap$");

// Ctrl+S, then `path` typed over the dialog's name and Return.
bool typeIntoSaveDialog(const XSession& x, const Toy& toy, const QString& path) {
    // Wine keeps the window it last activated for the keys until the toy is clicked. The
    // pointer leaves first: a --sync move to where it already is waits for a move that never
    // comes.
    const QPoint frame = ClientArea.topLeft() + QPoint(8, 200);
    if (!x.xdotool({"windowfocus", "--sync", toy.windowId()}) ||
        !x.xdotool({"mousemove", "0", "0", "mousemove", "--sync", QString::number(frame.x()),
                    QString::number(frame.y()), "click", "1"}) ||
        !x.xdotool({"key", "ctrl+s"}))
        return false;
    const QString dialog = x.waitForWindow(SaveTitle);
    return !dialog.isEmpty() && x.xdotool({"windowfocus", "--sync", dialog}) &&
           // A Windows edit box takes no Ctrl+A: the name left from the last save is selected
           // from its start to its end.
           x.xdotool({"key", "Home", "shift+End"}) &&
           x.xdotool({"type", "--delay", "10", WinePrefix::windowsPath(path)}) &&
           x.xdotool({"key", "Return"});
}

// The "Could not save" message, as the toy also logs it, once its box is shown; the box is
// then dismissed.
QString failureMessage(const XSession& x, Toy& toy) {
    const QString marker = QStringLiteral("Could not save: ");
    const auto logged = toy.errorOutput().count(marker);
    const QString box = x.waitForWindow(QStringLiteral("^Could not save$"), 20000);
    if (box.isEmpty()) return {};
    const bool said =
        QTest::qWaitFor([&] { return toy.errorOutput().count(marker) > logged; }, 5000);
    x.xdotool({"windowfocus", "--sync", box});
    x.xdotool({"key", "Return"});
    const bool dismissed =
        QTest::qWaitFor([&] { return !x.windowShown(QStringLiteral("^Could not save$")); }, 10000);
    return said && dismissed ? toy.errorOutput().section(marker, -1).trimmed() : QString();
}

// A 64 kB file system at a folder of its own, unmounted when it goes.
struct SmallDisk {
    QTemporaryDir mountPoint;
    bool mounted = QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k",
                                                               "tmpfs", mountPoint.path()}) == 0;
    ~SmallDisk() {
        if (mounted) QProcess::execute(QStringLiteral("umount"), {mountPoint.path()});
    }
    QStringList entries() const {
        return QDir(mountPoint.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
};

} // namespace

class WindowsSavingTest : public QObject {
    Q_OBJECT
private slots:
    void fullAndReadOnlyDisksSayWhyAndTheToyGoesOn() {
        SmallDisk disk;
        if (!disk.mounted) QSKIP("cannot mount a small file system here (needs root)");
        XSession x;
        QVERIFY(x.isRunning());
        WinePrefix wine(x);
        QVERIFY2(wine.isReady(), qPrintable(wine.error()));
        Toy toy(x, wine.environment(), wine.command(QStringLiteral(SCRIBBLEWICK_EXE)), 90000);
        QVERIFY2(!toy.windowId().isEmpty(), qPrintable(toy.startProblem()));
        const QString path = disk.mountPoint.filePath(QStringLiteral("drawing"));
        // The path set apart from the sentence, so that it keeps its direction in any language.
        const QString shown =
            QStringLiteral("The picture could not be saved as \u201c\u2068%1.bmp\u2069\u201d: ")
                .arg(WinePrefix::windowsPath(path));

        // A whole picture does not fit in 64 kB.
        QVERIFY(typeIntoSaveDialog(x, toy, path));
        const QString full = failureMessage(x, toy);
        QVERIFY2(full.startsWith(shown) && full.endsWith(QLatin1Char('.')) &&
                     !full.endsWith(QStringLiteral("..")) &&
                     full.contains(QRegularExpression(QStringLiteral("full|space"),
                                                      QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(full));
        QCOMPARE(disk.entries(), QStringList());

        QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                                   {"-o", "remount,ro", disk.mountPoint.path()}),
                 0);
        QVERIFY(typeIntoSaveDialog(x, toy, path));
        const QString readOnly = failureMessage(x, toy);
        QVERIFY2(
            readOnly.startsWith(shown) && !readOnly.endsWith(QStringLiteral("..")) &&
                readOnly.contains(QRegularExpression(QStringLiteral("denied|protect|read-only"),
                                                     QRegularExpression::CaseInsensitiveOption)),
            qPrintable(readOnly));
        QCOMPARE(disk.entries(), QStringList());

        // The toy goes on: the next save, where there is room, works.
        QTemporaryDir room;
        QVERIFY(typeIntoSaveDialog(x, toy, room.filePath(QStringLiteral("drawing"))));
        QTRY_VERIFY_WITH_TIMEOUT(QImage(room.filePath(QStringLiteral("drawing.bmp"))).size() ==
                                     ClientArea.size(),
                                 20000);
        QVERIFY(toy.process().state() == QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(WindowsSavingTest)
#include "test_windows_saving.moc"
