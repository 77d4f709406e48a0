// The toy on Wayland: a headless weston of the test's own (pixman renderer, its screenshot
// interface on), the toy started there through Qt's Wayland plugin, found in a screenshot.
// Headless weston has no input devices, so nothing here types or clicks.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

constexpr QSize ClientSize(599, 439);
constexpr const char* Socket = "scribblewick-test";

// The top-left corner of the toy's client area in `shot`, told by the frame of the background
// picture (its first rows and left columns, which no control covers); null when absent.
std::optional<QPoint> findClientArea(const QImage& shot, const QImage& background) {
    const auto matches = [&](QPoint at) {
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < ClientSize.width(); ++x)
                if ((shot.pixel(at + QPoint(x, y)) ^ background.pixel(x, y)) & 0xFFFFFF)
                    return false;
        for (int y = 10; y < ClientSize.height(); ++y)
            for (int x = 0; x < 10; ++x)
                if ((shot.pixel(at + QPoint(x, y)) ^ background.pixel(x, y)) & 0xFFFFFF)
                    return false;
        return true;
    };
    for (int y = 0; y + ClientSize.height() <= shot.height(); ++y)
        for (int x = 0; x + ClientSize.width() <= shot.width(); ++x)
            if (((shot.pixel(x, y) ^ background.pixel(0, 0)) & 0xFFFFFF) == 0 && matches({x, y}))
                return QPoint(x, y);
    return std::nullopt;
}

} // namespace

class DesktopWaylandTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheToyUnderWeston() {
        QTemporaryDir runtime; // XDG_RUNTIME_DIR: the socket, and a home for both programs
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("HOME"), runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), runtime.filePath(QStringLiteral("cache")));

        QProcess weston;
        weston.setProcessEnvironment(env);
        weston.setWorkingDirectory(runtime.path());
        weston.setStandardOutputFile(runtime.filePath(QStringLiteral("weston.log")));
        weston.setStandardErrorFile(runtime.filePath(QStringLiteral("weston.log")));
        weston.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=headless-backend.so"),
                      QStringLiteral("--use-pixman"),
                      QStringLiteral("--socket=%1").arg(QString::fromLatin1(Socket)),
                      QStringLiteral("--width=1024"), QStringLiteral("--height=768"),
                      QStringLiteral("--idle-time=0"), QStringLiteral("--no-config"),
                      QStringLiteral("--debug")}); // --debug: the screenshot interface
        QVERIFY(weston.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(QString::fromLatin1(Socket))),
                                 20000);

        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromLatin1(Socket));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        QProcess toy;
        toy.setProcessEnvironment(env);
        toy.start(QStringLiteral(SCRIBBLEWICK_BIN), {});
        QVERIFY(toy.waitForStarted());

        const QImage background = QImage(QStringLiteral(ASSETS_DIR "/background.bmp"))
                                      .convertToFormat(QImage::Format_RGB32);
        QDir shots(runtime.path());
        std::optional<QPoint> found;
        QImage shot;
        const QDeadlineTimer deadline(30000);
        while (!found && !deadline.hasExpired() && toy.state() == QProcess::Running) {
            for (const QString& old : shots.entryList({QStringLiteral("*.png")}))
                shots.remove(old);
            QProcess shooter;
            shooter.setProcessEnvironment(env);
            shooter.setWorkingDirectory(runtime.path());
            shooter.start(QStringLiteral("weston-screenshooter"), {});
            QVERIFY(shooter.waitForFinished(20000));
            const QStringList pngs = shots.entryList({QStringLiteral("*.png")});
            if (!pngs.isEmpty()) {
                shot = QImage(shots.filePath(pngs.first())).convertToFormat(QImage::Format_RGB32);
                found = findClientArea(shot, background);
            }
            if (!found) QTest::qWait(200);
        }
        if (!shot.isNull()) shot.save(QStringLiteral("desktop-wayland.png"));
        QVERIFY2(found, "the toy's client area is not in weston's screenshot");

        toy.terminate();
        QVERIFY(toy.waitForFinished(10000));
        // Qt's Wayland plugin had nothing to warn about.
        const QString err = QString::fromLocal8Bit(toy.readAllStandardError()).trimmed();
        QVERIFY2(err.isEmpty(), qPrintable(err));
        weston.terminate(); // by its process id
        QVERIFY(weston.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(DesktopWaylandTest)
#include "test_desktop_wayland.moc"
