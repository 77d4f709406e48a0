// A seeded storm of random events into the real main window: characters, knob presses with
// every button, and every non-modal menu command. After each one the pen and the canvas must
// still be in a state the program can reach. Built with the sanitizers by the test command.
//
// SCRIBBLEWICK_STORM_SEED replays a run; SCRIBBLEWICK_STORM_EVENTS sets its length.
#include "support.h"

#include "drawing/settings.h"
#include "forms/colors.h"
#include "forms/image_box.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <algorithm>
#include <random>
#include <set>

namespace {

const char* const Commands[] = {
    "BlackColor",   "WhiteColor",  "RedColor",   "BlueColor", "GreenColor",  "YellowColor",
    "MagentaColor", "OrangeColor", "CyanColor",  "GrayColor", "BlackScreen", "GrayScreen",
    "ShakeItBaby",  "RandomPen",   "One1",       "two1",      "five1",       "ten1",
    "fifty1",       "FiveSpeed",   "FiftySpeed", "HunSpeed",  "TwoHunSpeed"};

const Qt::MouseButton Buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                   Qt::BackButton, Qt::ForwardButton};

unsigned seedFromEnvironment() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("SCRIBBLEWICK_STORM_SEED").toUInt(&ok);
    return ok ? seed : std::random_device{}();
}

} // namespace

class EventStormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void randomEventsKeepEveryInvariant() {
        const unsigned seed = seedFromEnvironment();
        bool ok = false;
        int events = qEnvironmentVariable("SCRIBBLEWICK_STORM_EVENTS").toInt(&ok);
        if (!ok || events <= 0) events = 100000;
        qInfo("seed %u, %d events (replay with SCRIBBLEWICK_STORM_SEED=%u)", seed, events, seed);

        Form1& form = support::freshForm1();
        form.Random.seed(seed);
        std::mt19937 storm(seed);
        ImageBox* knobs[] = {form.Image2, form.Image3, form.Image4, form.Image5};
        std::vector<QAction*> commands;
        for (const char* name : Commands)
            commands.push_back(form.menuBar()->findChild<QAction*>(QString::fromUtf8(name)));
        QVERIFY(std::find(commands.begin(), commands.end(), nullptr) == commands.end());

        std::set<std::string> inks;
        std::set<QRgb> drawable;
        for (std::uint32_t c : drawing::settings::PenColors) {
            inks.insert(std::to_string(c));
            drawable.insert(colors::toQColor(c).rgb());
        }
        for (std::uint32_t c : drawing::settings::ScreenColors)
            drawable.insert(colors::toQColor(c).rgb());

        for (int i = 0; i < events; ++i) {
            const unsigned kind = storm() % 8;
            QString what;
            if (kind < 5) { // characters are the commonest input
                const auto code = static_cast<char16_t>(storm() % 256);
                what = QStringLiteral("character %1").arg(int(code));
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                QString(QChar(code)));
                QApplication::sendEvent(form.Picture1, &press);
            } else if (kind < 7) {
                ImageBox* knob = knobs[storm() % 4];
                const Qt::MouseButton button = Buttons[storm() % 5];
                const QPoint at(int(storm() % unsigned(knob->width())),
                                int(storm() % unsigned(knob->height())));
                what = QStringLiteral("press on %1").arg(knob->objectName());
                QTest::mousePress(knob, button, {}, at);
                QTest::mouseRelease(knob, button, {}, at);
            } else {
                QAction* command = commands[storm() % commands.size()];
                what = command->objectName();
                command->trigger();
            }
            const drawing::PenState& pen = form.Pen;
            // 16 bits hold nothing above 32767; a wrap would show as a position below 1.
            const bool penOk = pen.XPos >= 1 && pen.YPos >= 1 &&
                               (pen.PenSpeed == 5 || pen.PenSpeed == 50 || pen.PenSpeed == 100 ||
                                pen.PenSpeed == 200) &&
                               inks.count(pen.InkColor) == 1;
            if (!penOk)
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): pen at %4, %5, step %6, "
                                                "ink \"%7\"")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(what)
                                     .arg(pen.XPos)
                                     .arg(pen.YPos)
                                     .arg(pen.PenSpeed)
                                     .arg(QString::fromStdString(pen.InkColor))));
            if (i % 100 == 0) QCoreApplication::processEvents(); // paint what changed
            if (i % 1000 == 999) {
                const QImage& canvas = form.Picture1->backingImage();
                for (int y = 0; y < canvas.height(); ++y) {
                    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
                    for (int x = 0; x < canvas.width(); ++x)
                        if (drawable.count(line[x] | 0xFF000000u) == 0)
                            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: colour %3 at "
                                                            "%4, %5")
                                                 .arg(seed)
                                                 .arg(i)
                                                 .arg(line[x], 8, 16)
                                                 .arg(x)
                                                 .arg(y)));
                }
            }
        }
    }
};

QTEST_MAIN(EventStormTest)
#include "test_event_storm.moc"
