// Saving through the real dialog where it can go wrong: folders whose files must not be read,
// names that are not regular files, quotes in names, a full disk. Failure messages are read back as
// a person could copy them (Ctrl+C, then xclip).
#include "toy.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SaveTitle = QStringLiteral("^Save Your Bitmap$");

// The ids of the visible windows titled `title`.
QStringList windowsTitled(const XSession& x, const QString& title) {
    return x.run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", title})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Ctrl+S, then `path` typed into the dialog and Return; the dialog's id.
QString typeIntoSaveDialog(const XSession& x, const Toy& toy, const QString& path) {
    if (!x.xdotool({"windowfocus", "--sync", toy.windowId()}) || !x.xdotool({"key", "ctrl+s"}))
        return {};
    const QString dialog = x.waitForWindow(SaveTitle);
    if (dialog.isEmpty() || !x.xdotool({"windowfocus", "--sync", dialog}) ||
        !x.xdotool({"type", "--delay", "10", path}) || !x.xdotool({"key", "Return"}))
        return {};
    return dialog;
}

// Answers Yes to "already exists", the second window with the dialog's title.
bool confirmReplace(const XSession& x, const QString& dialog) {
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        for (const QString& id : windowsTitled(x, SaveTitle))
            if (id != dialog)
                return x.xdotool({"windowfocus", "--sync", id}) && x.xdotool({"key", "alt+y"});
        QTest::qWait(100);
    }
    return false;
}

// The "Could not save" message, as the toy also logs it, once its box is shown; the box is
// then dismissed.
QString failureMessage(const XSession& x, Toy& toy) {
    const QString marker = QStringLiteral("Could not save: ");
    const auto logged = toy.errorOutput().count(marker);
    const QString box = x.waitForWindow(QStringLiteral("^Could not save$"), 10000);
    if (box.isEmpty()) return {};
    for (QDeadlineTimer deadline(5000);
         toy.errorOutput().count(marker) == logged && !deadline.hasExpired();)
        QTest::qWait(100);
    x.xdotool({"windowfocus", "--sync", box});
    x.xdotool({"key", "Return"});
    return toy.errorOutput().section(marker, -1);
}

bool isFifo(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

class DesktopSavingTest : public QObject {
    Q_OBJECT
private slots:
    void specialFilesStayAndQuotedNamesAreWrittenAsTyped() {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
        const QString link = dir.filePath(QStringLiteral("to-pipe.bmp"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
        QVERIFY(QFile::link(pipe, link));
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;

        // A named pipe, and a link to it: asked to replace, refused, untouched.
        for (const QString& path : {pipe, link}) {
            const QString dialog = typeIntoSaveDialog(x, toy, path);
            QVERIFY(!dialog.isEmpty());
            QVERIFY2(confirmReplace(x, dialog), "no question about replacing it");
            const QString message = failureMessage(x, toy);
            QVERIFY2(message.contains(path) &&
                         message.contains(QStringLiteral("not a regular file")),
                     qPrintable(message));
            QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(SaveTitle), 5000);
        }
        QVERIFY(isFifo(pipe));
        QVERIFY(QFileInfo(link).isSymLink());

        // Quotes and apostrophes are part of the name.
        const QStringList names = {QStringLiteral("a\"b.bmp"),
                                   QStringLiteral("it's \"quoted\" name.bmp")};
        for (const QString& name : names) {
            QVERIFY(!typeIntoSaveDialog(x, toy, dir.filePath(name)).isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(dir.filePath(name)).isFile(), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(!x.windowShown(SaveTitle), 5000);
        }
        QCOMPARE(QImage(dir.filePath(names[1])).size(), QSize(599, 439));
        QDir folder(dir.path());
        QCOMPARE(folder.entryList(QDir::Files | QDir::System, QDir::Name),
                 QStringList({names[0], names[1], QStringLiteral("pipe.bmp"),
                              QStringLiteral("to-pipe.bmp")}));
        QVERIFY(!QFileInfo::exists(QStringLiteral("b.bmp")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("quoted.BMP")));
        QVERIFY(toy.process().state() == QProcess::Running);
    }

    void fullDiskSaysSo() {
        QTemporaryDir mountPoint;
        if (QProcess::execute(QStringLiteral("mount"),
                              {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint.path()}) != 0)
            QSKIP("cannot mount a small file system here (needs root)");
        XSession x;
        Toy toy(x);
        const QString path = mountPoint.filePath(QStringLiteral("drawing.bmp"));
        const bool typed = !typeIntoSaveDialog(x, toy, path).isEmpty();
        const QString message = failureMessage(x, toy);
        const QStringList left =
            QDir(mountPoint.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QProcess::execute(QStringLiteral("umount"), {mountPoint.path()});
        QVERIFY(typed);
        QVERIFY2(message.contains(path) && message.contains(qt_error_string(ENOSPC)),
                 qPrintable(message));
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    }

    void dialogNeverReadsWhatItLists_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("/proc") << QStringLiteral("/proc/");
        // A folder of tracing files, each regular, whose trace_pipe blocks a read until the
        // kernel traces something, as /proc/kmsg does once its messages have all been read.
        QTest::newRow("tracefs") << QStringLiteral("tracefs");
    }

    void dialogNeverReadsWhatItLists() {
        QFETCH(QString, folder);
        // Only root reads /proc/kmsg or mounts a tracing file system.
        if (::geteuid() != 0) QSKIP("needs root: /proc/kmsg and tracefs are root's");
        QTemporaryDir mountPoint;
        if (folder == QStringLiteral("tracefs")) {
            if (QProcess::execute(QStringLiteral("mount"),
                                  {"-t", "tracefs", "nodev", mountPoint.path()}) != 0)
                QSKIP("cannot mount tracefs here");
            folder = mountPoint.path() + QLatin1Char('/');
        }
        bool closed = false;
        {
            XSession x;
            Toy toy(x);
            const QString dialog = typeIntoSaveDialog(x, toy, folder);
            // Let the dialog list the folder: wait until what it shows stops changing.
            const auto g = x.geometry(dialog);
            const QRect area(g.value("X"), g.value("Y"), g.value("WIDTH"), g.value("HEIGHT"));
            QImage before;
            QImage now = x.screenArea(area);
            for (QDeadlineTimer settle(10000); now != before && !settle.hasExpired();) {
                QTest::qWait(500);
                before = now;
                now = x.screenArea(area);
            }
            // Escape closes the name completion's list, then the dialog.
            x.xdotool({"windowfocus", "--sync", dialog});
            for (QDeadlineTimer deadline(10000);
                 x.windowShown(SaveTitle) && !deadline.hasExpired();) {
                x.xdotool({"key", "Escape"});
                QTest::qWait(500);
            }
            closed = !dialog.isEmpty() && !x.windowShown(SaveTitle);
        } // the toy ends here, before the file system it may be reading goes
        if (folder.startsWith(mountPoint.path()))
            QProcess::execute(QStringLiteral("umount"), {mountPoint.path()});
        QVERIFY2(closed, "the dialog froze");
    }
};

QTEST_GUILESS_MAIN(DesktopSavingTest)
#include "test_desktop_saving.moc"
