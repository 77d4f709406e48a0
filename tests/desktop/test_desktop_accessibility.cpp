// The toy through the accessibility bus a screen reader uses (AT-SPI): a private D-Bus session
// whose accessibility bus comes up on demand, the screen-reader switch turned on as a screen
// reader turns it on, and pyatspi as the client.
#include "toy.h"

#include <QTest>

#include <csignal>
#include <sys/types.h>

namespace {

constexpr QPoint ClientOrigin = ClientArea.topLeft();
constexpr QPoint PenStart(50 + 253, 50 + 153); // inside the canvas's border, in client pixels

// A D-Bus session bus of the test's own. The accessibility bus launcher it starts on demand
// ends with it; should it not, it is ended by its process id.
class SessionBus {
public:
    explicit SessionBus(const XSession& x)
        : env_(x.environment()) {
        const QString socket = env_.value(QStringLiteral("XDG_RUNTIME_DIR")) + "/bus";
        daemon_.setProcessEnvironment(env_);
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {"--session", "--nofork", "--address=unix:path=" + socket});
        env_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), "unix:path=" + socket);
        for (QDeadlineTimer deadline(10000); !QFile::exists(socket) && !deadline.hasExpired();)
            QTest::qWait(50);
    }
    ~SessionBus() {
        const qint64 launcher = pidOf(QStringLiteral("org.a11y.Bus"));
        daemon_.terminate();
        daemon_.waitForFinished();
        if (launcher <= 0) return;
        const auto gone = [launcher] { return ::kill(pid_t(launcher), 0) != 0; };
        for (QDeadlineTimer deadline(5000); !gone() && !deadline.hasExpired();)
            QTest::qWait(50);
        if (!gone()) ::kill(pid_t(launcher), SIGTERM);
    }
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    QProcessEnvironment environment() const { return env_; }
    // Runs a program on this bus; its exit code, -1 if it did not finish.
    int run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
        QProcess process;
        process.setProcessEnvironment(env_);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(60000)) return -1;
        if (output) *output = QString::fromLocal8Bit(process.readAll());
        return process.exitCode();
    }

private:
    qint64 pidOf(const QString& name) {
        QString reply;
        if (run(QStringLiteral("dbus-send"),
                {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                 "org.freedesktop.DBus.GetConnectionUnixProcessID", "string:" + name},
                &reply) != 0)
            return -1;
        return reply.section(QStringLiteral("uint32 "), 1).trimmed().toLongLong();
    }

    QProcessEnvironment env_;
    QProcess daemon_;
};

} // namespace

class DesktopAccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void screenReaderPressesTheKnobsAndFindsTheWindows() {
        XSession x;
        QVERIFY(x.isRunning());
        SessionBus bus(x);
        // What a screen reader does when it starts: say that one is running.
        QCOMPARE(bus.run(QStringLiteral("dbus-send"),
                         {"--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                          "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                          "string:ScreenReaderEnabled", "variant:boolean:true"}),
                 0);
        Toy toy(x, bus.environment());
        QVERIFY(!toy.windowId().isEmpty());
        const QRgb before = x.screenshot().pixel(ClientOrigin + PenStart + QPoint(2, 0));

        QString said;
        QVERIFY2(bus.run(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(SCREEN_READER), QStringLiteral("knobs")}, &said) == 0,
                 qPrintable(said));
        // One step right from the start point, drawn in white as a mouse press draws it.
        QTRY_COMPARE_WITH_TIMEOUT(x.screenshot().pixel(ClientOrigin + PenStart + QPoint(2, 0)) &
                                      0xFFFFFF,
                                  0xFFFFFFu, 5000);
        QVERIFY((before & 0xFFFFFF) != 0xFFFFFF);

        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "F1"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^How to use")).isEmpty());
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "F2"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^About")).isEmpty());
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "alt+m", "Return"}));
        QVERIFY(!x.waitForWindow(QStringLiteral("^Tell Pemrod")).isEmpty());
        QVERIFY2(bus.run(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(SCREEN_READER), QStringLiteral("windows")}, &said) == 0,
                 qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(DesktopAccessibilityTest)
#include "test_desktop_accessibility.moc"
