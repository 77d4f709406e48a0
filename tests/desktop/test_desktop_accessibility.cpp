// The toy through the accessibility bus a screen reader uses (AT-SPI): a private D-Bus session
// whose accessibility bus comes up on demand, the screen-reader switch turned on as a screen
// reader turns it on, and pyatspi as the client.
#include "tests/support/catalogue.h"
#include "toy.h"
#include "windows/form1.h"

#include "drawing/menu_tree.h"

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

// Turns the screen reader on, as a screen reader does when it starts; true when it worked.
bool screenReaderOn(SessionBus& bus) {
    return bus.run(QStringLiteral("dbus-send"),
                   {"--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                    "string:ScreenReaderEnabled", "variant:boolean:true"}) == 0;
}

// The place a screen reader gives: x, y, width, height, separated by tabs.
QRect placeOf(const QString& line) {
    const QStringList f = line.split(QLatin1Char('\t'));
    return f.size() < 4 ? QRect() : QRect(f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt());
}

} // namespace

class DesktopAccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void screenReaderPressesTheKnobsAndFindsTheWindows() {
        XSession x;
        QVERIFY(x.isRunning());
        SessionBus bus(x);
        // What a screen reader does when it starts: say that one is running.
        QVERIFY(screenReaderOn(bus));
        Toy toy(x, bus.environment());
        QVERIFY2(!toy.windowId().isEmpty(), qPrintable(toy.startProblem()));
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

    // Started on a desktop set to another language, the toy's menu bar speaks it, as a screen
    // reader reads it, and the toy's picture is where it always is. In Arabic the menus open
    // from the right.
    void menuBarInTheDesktopsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("Japanese") << "ja";
        QTest::newRow("Arabic") << "ar";
    }
    void menuBarInTheDesktopsLanguage() {
        QFETCH(QString, language);
        const Catalogue catalogue(language);
        QVERIFY(catalogue.isLoaded());
        XSession x;
        QVERIFY(x.isRunning());
        SessionBus bus(x);
        QVERIFY(screenReaderOn(bus));
        QProcessEnvironment env = bus.environment();
        // no glibc locale of it need be made
        env.insert(QStringLiteral("LANG"), Catalogue::desktopLang(language));
        const QString title = catalogue.tr("Form1", "Scribblewick!");
        Toy toy(x, env, {}, 20000, QStringLiteral("^%1$").arg(QRegularExpression::escape(title)));
        QVERIFY2(!toy.windowId().isEmpty(), qPrintable(title));

        QString said;
        QVERIFY2(bus.run(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(SCREEN_READER), QStringLiteral("menus")}, &said) == 0,
                 qPrintable(said));
        const QStringList lines = said.trimmed().split(QLatin1Char('\n'));
        QStringList expected;
        for (const auto& item : drawing::menuTree<Form1>())
            if (item.level == 1) expected << Catalogue::spoken(catalogue.tr("Form1", item.caption));
        QStringList names;
        for (const QString& line : lines)
            names << line.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(names, expected);

        // The frame's top rows are the background picture's, at 68, 84.
        const QImage background = QImage(QStringLiteral(ASSETS_DIR "/background.bmp"))
                                      .convertToFormat(QImage::Format_RGB32);
        QVERIFY(pictureDifference(x.screenArea({ClientOrigin, QSize(599, 10)}),
                                  background.copy(0, 0, 599, 10))
                    .isEmpty());

        const QRect first = placeOf(lines.first().section(QLatin1Char('\t'), 1));
        const QRect last = placeOf(lines.last().section(QLatin1Char('\t'), 1));
        const bool rightToLeft = language == QLatin1String("ar");
        QCOMPARE(first.x() > last.x(), rightToLeft);
        // A click on the first title opens its menu: under it, from its right edge in Arabic.
        QVERIFY(x.xdotool({"mousemove", "--sync", QString::number(first.center().x()),
                           QString::number(first.center().y()), "click", "1"}));
        QVERIFY2(bus.run(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(SCREEN_READER), QStringLiteral("popup")}, &said) == 0,
                 qPrintable(said));
        const QRect menu = placeOf(said.trimmed());
        x.screenshot().save(QStringLiteral("desktop-menu-%1.png").arg(language));
        QVERIFY(menu.top() >= first.bottom());
        if (rightToLeft)
            QVERIFY2(qAbs(menu.right() - first.right()) <= 2 && menu.left() < first.left(),
                     qPrintable(said));
        else
            QVERIFY2(qAbs(menu.left() - first.left()) <= 2, qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(DesktopAccessibilityTest)
#include "test_desktop_accessibility.moc"
