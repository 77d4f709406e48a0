// The built toy under Xvfb, used as a person would: keys typed and knobs clicked with xdotool,
// the result read off a screenshot.
#include "toy.h"

#include <QTest>

namespace {

constexpr QPoint ClientOrigin = ClientArea.topLeft();
constexpr QPoint CanvasInner(50, 50); // inside the canvas's 2-pixel border
constexpr QRgb White = 0xFFFFFF;

int px(int twips) {
    return (twips + 7) / 15;
}

QRgb at(const QImage& shot, QPoint client) {
    return shot.pixel(ClientOrigin + client) & 0xFFFFFF;
}

} // namespace

class DesktopMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsInPlaceAndDrawsFromKeysAndKnobs() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;

        // The client area (under the menu bar) is 599 x 439 at 68, 84.
        const auto g = x.geometry(toy.windowId());
        QCOMPARE(g.value(QStringLiteral("X")), 68);
        QCOMPARE(g.value(QStringLiteral("WIDTH")), 599);
        QCOMPARE(g.value(QStringLiteral("Y")) + g.value(QStringLiteral("HEIGHT")), 84 + 439);

        QVERIFY(!x.run(QStringLiteral("xdotool"),
                       {QStringLiteral("windowfocus"), QStringLiteral("--sync"), toy.windowId()})
                     .isEmpty());
        QVERIFY(
            !x.run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                               QStringLiteral("40"), QStringLiteral("dd")})
                 .isEmpty());
        // One click on the right half of the left knob: one more step right.
        const QPoint knob = ClientOrigin + QPoint(80 + 16, 364 + 32);
        QVERIFY(!x.run(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), QString::number(knob.x()),
                        QString::number(knob.y()), QStringLiteral("click"), QStringLiteral("1")})
                     .isEmpty());
        const int row = CanvasInner.y() + px(2288);
        QTRY_COMPARE_WITH_TIMEOUT(at(x.screenshot(), {CanvasInner.x() + px(3938), row}), White,
                                  5000);
        const QImage shot = x.screenshot();

        // The frame's top rows are exactly the background picture's: the client area starts
        // at 68, 84 to the pixel.
        const QImage background = QImage(QStringLiteral(ASSETS_DIR "/background.bmp"))
                                      .convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 10; ++y)
            for (int xx = 0; xx < 599; ++xx)
                if (at(shot, {xx, y}) != (background.pixel(xx, y) & 0xFFFFFF))
                    QFAIL(qPrintable(QStringLiteral("frame differs at %1, %2").arg(xx).arg(y)));

        // White from the start point three steps to the right, and nothing beyond.
        for (int xx = px(3788); xx <= px(3938); ++xx)
            QCOMPARE(at(shot, {CanvasInner.x() + xx, row}), White);
        QVERIFY(at(shot, {CanvasInner.x() + px(3788) - 1, row}) != White);
        QVERIFY(at(shot, {CanvasInner.x() + px(3938) + 1, row}) != White);
        QVERIFY(at(shot, {CanvasInner.x() + px(3838), row - 1}) != White);
        shot.save(QStringLiteral("desktop-main-window.png"));
    }

    // With twice the device pixels a point, as a desktop at 200 % asks, the frame on the screen
    // is the one drawn for 2 (its top band: what of the window fits a 1024 x 768 display).
    void sharpAtTwiceThePixels() {
        QProcessEnvironment scaled;
        scaled.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        ToyOnDisplay session(scaled);
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        const QRect band(0, 0, 440, 14);
        const QImage drawn = QImage(QStringLiteral(ASSETS_DIR "/background@2x.bmp"))
                                 .copy(QRect(band.topLeft() * 2, band.size() * 2));
        const QRect onScreen((ClientOrigin + band.topLeft()) * 2, band.size() * 2);
        QTRY_COMPARE_WITH_TIMEOUT(pictureDifference(session.x.screenArea(onScreen), drawn),
                                  QString(), 5000);
    }

    void arrowKeysDrawAsTheLettersDo() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        // Two steps right, then one down with the keypad's arrow (Num Lock is off).
        QVERIFY(x.xdotool({"key", "--delay", "40", "Right", "Right", "KP_Down"}));
        const int column = CanvasInner.x() + px(3888), row = CanvasInner.y() + px(2288);
        QTRY_COMPARE_WITH_TIMEOUT(at(x.screenshot(), {column, CanvasInner.y() + px(2338)}), White,
                                  5000);
        const QImage shot = x.screenshot();
        for (int xx = CanvasInner.x() + px(3788); xx <= column; ++xx)
            QCOMPARE(at(shot, {xx, row}), White);
        for (int y = row; y <= CanvasInner.y() + px(2338); ++y)
            QCOMPARE(at(shot, {column, y}), White);
        QVERIFY(at(shot, {column + 1, row}) != White);
        QVERIFY(at(shot, {column, CanvasInner.y() + px(2338) + 1}) != White);
    }

    // On a Russian keyboard the keys where D and X sit type "в" and "ч": they still draw.
    void lettersDrawByTheirPlaceOnARussianKeyboard() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        QVERIFY(!x.run(QStringLiteral("setxkbmap"), {QStringLiteral("ru")}).isEmpty());
        QVERIFY(x.xdotool({"windowfocus", "--sync", toy.windowId()}));
        QVERIFY(x.xdotool({"key", "--delay", "40", "Cyrillic_ve", "Cyrillic_che"}));
        const int column = CanvasInner.x() + px(3838), row = CanvasInner.y() + px(2288);
        QTRY_COMPARE_WITH_TIMEOUT(at(x.screenshot(), {column, CanvasInner.y() + px(2338)}), White,
                                  5000);
        const QImage shot = x.screenshot();
        for (int xx = CanvasInner.x() + px(3788); xx <= column; ++xx)
            QCOMPARE(at(shot, {xx, row}), White);
        QVERIFY(at(shot, {column + 1, row}) != White);
    }

    void shortcutsReachTheMenuThroughTheWindowSystem() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        QVERIFY(x.xdotool({"type", "--delay", "40", "d"}));
        QVERIFY(x.xdotool({"key", "--delay", "40", "ctrl+o", "x"}));
        const int left = CanvasInner.x() + px(3788), row = CanvasInner.y() + px(2288);
        QTRY_COMPARE_WITH_TIMEOUT(at(x.screenshot(), {CanvasInner.x() + px(3838), row + 2}),
                                  qRgb(255, 128, 0) & 0xFFFFFF, 5000);
        QImage shot = x.screenshot();
        QCOMPARE(at(shot, {left + 1, row}), White);
        QCOMPARE(at(shot, {CanvasInner.x() + px(3838), row + 2}), qRgb(255, 128, 0) & 0xFFFFFF);
        shot.save(QStringLiteral("desktop-shortcuts.png"));

        QVERIFY(x.xdotool({"key", "F6"}));
        QTRY_COMPARE_WITH_TIMEOUT(at(x.screenshot(), CanvasInner), qRgb(128, 128, 128) & 0xFFFFFF,
                                  5000);
        shot = x.screenshot();
        for (int y = 0; y < 301; y += 20)
            for (int xx = 0; xx < 501; xx += 20)
                QCOMPARE(at(shot, CanvasInner + QPoint(xx, y)), qRgb(128, 128, 128) & 0xFFFFFF);
    }

    void closeRequestEndsTheProgram() {
        ToyOnDisplay session;
        QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
        auto& [x, toy] = session;
        QVERIFY(toy.requestClose());
        QVERIFY2(toy.waitForExit(), "the program lived on after its window closed");
        QCOMPARE(toy.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(toy.process().exitCode(), 0);
    }

    void withoutADisplayItSaysSoInOneLine() {
        for (const QString& display : {QString(), QStringLiteral(":397")}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            if (display.isEmpty())
                env.remove(QStringLiteral("DISPLAY"));
            else
                env.insert(QStringLiteral("DISPLAY"), display);
            QProcess toy;
            toy.setProcessEnvironment(env);
            toy.start(QStringLiteral(SCRIBBLEWICK_BIN), {});
            QVERIFY(toy.waitForFinished(20000));
            QCOMPARE(toy.exitStatus(), QProcess::NormalExit); // no abort, no crash
            QCOMPARE(toy.exitCode(), 1);
            const QString err = QString::fromLocal8Bit(toy.readAllStandardError()).trimmed();
            QCOMPARE(err.count(QLatin1Char('\n')), 0);
            QVERIFY2(err.contains(QStringLiteral("xvfb-run")), qPrintable(err));
            // named as started, since it need not be on PATH
            QVERIFY2(err.contains(QStringLiteral(SCRIBBLEWICK_BIN)), qPrintable(err));
        }
    }
};

QTEST_GUILESS_MAIN(DesktopMainWindowTest)
#include "test_desktop_main_window.moc"
