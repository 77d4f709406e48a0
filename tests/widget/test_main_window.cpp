// The main window on the offscreen platform: its layout, focus, and real key and mouse events
// drawing into the canvas.
#include "support.h"

#include "drawing/settings.h"
#include "forms/colors.h"

#include "forms/image_box.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

using support::canvasImage;
using support::freshForm1;

namespace {

const QRgb White = colors::toQColor(drawing::settings::White).rgb() & 0xFFFFFF;
const QRgb Black = colors::toQColor(drawing::settings::Black).rgb() & 0xFFFFFF;

// Pixel of a canvas position in twips: the centre of the nearest whole pixel.
int px(int twips) {
    return (twips + 7) / 15;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void windowSettings() {
        Form1& form = freshForm1();
        QCOMPARE(form.windowTitle(), QStringLiteral("Scribblewick!"));
        QCOMPARE(form.client().size(), QSize(599, 439));
        QCOMPARE(form.client().mapToGlobal(QPoint(0, 0)), QPoint(68, 84));
        QCOMPARE(form.ScaleWidth(), 8985.0f);
        QCOMPARE(form.ScaleHeight(), 6585.0f);
        QCOMPARE(form.minimumSize(), form.maximumSize()); // fixed size
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.KeyPreview);
        const QImage icon = form.windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.pixelColor(16, 0), QColor(255, 0, 255)); // magenta band
        QCOMPARE(icon.pixelColor(16, 16), QColor(0, 0, 0));    // the screen
        QCOMPARE(icon.pixelColor(0, 16), QColor(255, 0, 0));   // the frame
    }

    void controlsSitWhereTheLayoutSays() {
        Form1& form = freshForm1();
        QCOMPARE(form.Image1->geometry(), QRect(0, 0, 600, 440));
        QCOMPARE(form.Image1->picture().size(), QSize(600, 440));
        QCOMPARE(form.Picture1->geometry(), QRect(48, 48, 505, 305));
        QCOMPARE(form.Picture1->contentsRect(), QRect(2, 2, 501, 301));
        QCOMPARE(form.Label1->geometry(), QRect(16, 16, 569, 17));
        QCOMPARE(form.Label1->text(), QString());
        QCOMPARE(form.Image2->geometry(), QRect(48, 364, 32, 64));
        QCOMPARE(form.Image3->geometry(), QRect(80, 364, 32, 64));
        QCOMPARE(form.Image5->geometry(), QRect(488, 364, 64, 32));
        QCOMPARE(form.Image4->geometry(), QRect(488, 396, 64, 32));
        for (ImageBox* knob : {form.Image2, form.Image3, form.Image4, form.Image5})
            QCOMPARE(knob->picture().size(), knob->size());

        // The signature band reads as one even red at start.
        const QImage client = support::clientImage(form);
        for (int x = 16; x < 585; x += 7)
            QCOMPARE(client.pixelColor(x, 24), QColor(255, 0, 0));
        // The canvas starts black.
        QCOMPARE(support::countOf(canvasImage(form), Black), 501 * 301);
    }

    void onlyTheCanvasTakesTheFocus() {
        Form1& form = freshForm1();
        QCOMPARE(QApplication::focusWidget(), form.Picture1);
        const auto children = form.client().findChildren<QWidget*>();
        for (QWidget* child : children)
            if (child != form.Picture1)
                QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
        // A click on a knob leaves the focus where it is.
        QTest::mouseClick(form.Image2, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form.Picture1);
    }

    void typingDrawsWithoutAClickFirst() {
        Form1& form = freshForm1();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("d"));
        QCOMPARE(form.Pen.XPos, 3838);
        const QImage canvas = canvasImage(form);
        QCOMPARE(support::boundsOf(canvas, White),
                 QRect(QPoint(px(3788), px(2288)), QPoint(px(3838), px(2288))));
    }

    void upperCaseDoesNothingAndDigitsMove() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("AWDX"));
        QCOMPARE(support::countOf(canvasImage(form), White), 0);
        QTest::keyClicks(form.Picture1, QStringLiteral("4"));
        QCOMPARE(form.Pen.XPos, 3738);
        QVERIFY(support::countOf(canvasImage(form), White) > 0);
    }

    // The letter keys answer by their place on any layout, as X11 and Wayland number them; the
    // letter typed still counts first.
    void letterKeysMoveByTheirPlaceOnEveryLayout_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("Russian D") << QStringLiteral("\u0432") << 40u << 50 << 0;
        QTest::newRow("Russian W") << QStringLiteral("\u0446") << 25u << 0 << -50;
        QTest::newRow("Arabic A") << QStringLiteral("\u0634") << 38u << -50 << 0;
        QTest::newRow("Arabic X") << QStringLiteral("\u0621") << 53u << 0 << 50;
        QTest::newRow("AZERTY q at a") << QStringLiteral("q") << 38u << -50 << 0;
        QTest::newRow("AZERTY a at q") << QStringLiteral("a") << 24u << -50 << 0;
        QTest::newRow("AZERTY z at w") << QStringLiteral("z") << 25u << 0 << -50;
        QTest::newRow("Dvorak e at d") << QStringLiteral("e") << 40u << 50 << 0;
        QTest::newRow("capital at d") << QStringLiteral("D") << 40u << 0 << 0;
        QTest::newRow("Russian capital at d") << QStringLiteral("\u0412") << 40u << 0 << 0;
        QTest::newRow("another place") << QStringLiteral("\u043a") << 30u << 0 << 0;
    }
    void letterKeysMoveByTheirPlaceOnEveryLayout() {
        QFETCH(QString, typed);
        QFETCH(quint32, scanCode);
        QFETCH(int, dx);
        QFETCH(int, dy);
        Form1& form = freshForm1();
        const int x = form.Pen.XPos, y = form.Pen.YPos;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, scanCode, 0, 0, typed);
        QApplication::sendEvent(form.Picture1, &press);
        QCOMPARE(form.Pen.XPos - x, dx);
        QCOMPARE(form.Pen.YPos - y, dy);
        // With Shift or Ctrl the key is a capital's or a shortcut's, never a move.
        for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
            QKeyEvent shortcut(QEvent::KeyPress, 0, modifier, 40, 0, 0, QStringLiteral("\u0432"));
            QApplication::sendEvent(form.Picture1, &shortcut);
        }
        QCOMPARE(form.Pen.XPos - x, dx);
    }

    void arrowKeysDrawAsTheLettersDoAndKeepTheFocus() {
        Form1& letters = freshForm1();
        QTest::keyClicks(letters.Picture1, QStringLiteral("ddxxaw"));
        const QImage byLetters = canvasImage(letters);
        Form1& arrows = freshForm1();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
            QTest::keyClick(arrows.Picture1, key);
        // the keypad's arrows, with Num Lock off
        QTest::keyClick(arrows.Picture1, Qt::Key_Left, Qt::KeypadModifier);
        QTest::keyClick(arrows.Picture1, Qt::Key_Up, Qt::KeypadModifier);
        QCOMPARE(canvasImage(arrows), byLetters);
        QCOMPARE(QApplication::focusWidget(), arrows.Picture1);
        // with a modifier they are the desktop's
        QTest::keyClick(arrows.Picture1, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(arrows.Picture1, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(canvasImage(arrows), byLetters);
        QCOMPARE(QApplication::focusWidget(), arrows.Picture1);
    }

    void spaceErasesAndTheNextStrokeStartsWhereThePenWas() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("dd "));
        QCOMPARE(support::countOf(canvasImage(form), White), 0);
        QTest::keyClicks(form.Picture1, QStringLiteral("x"));
        QCOMPARE(support::boundsOf(canvasImage(form), White),
                 QRect(QPoint(px(3888), px(2288)), QPoint(px(3888), px(2338))));
    }

    void everyKnobHalfMovesOneStepWithAnyButtonAnywhere() {
        Form1& form = freshForm1();
        // Corners are red art outside the disc, yet they count.
        QTest::mousePress(form.Image3, Qt::RightButton, Qt::ShiftModifier, QPoint(0, 0));
        QTest::mouseRelease(form.Image3, Qt::RightButton, Qt::ShiftModifier, QPoint(0, 0));
        QCOMPARE(form.Pen.XPos, 3838);
        QTest::mouseClick(form.Image4, Qt::MiddleButton, {}, QPoint(63, 31));
        QCOMPARE(form.Pen.YPos, 2338);
        QTest::mouseClick(form.Image2, Qt::LeftButton, Qt::ControlModifier, QPoint(31, 63));
        QCOMPARE(form.Pen.XPos, 3788);
        QTest::mouseClick(form.Image5, Qt::LeftButton, {}, QPoint(0, 31));
        QCOMPARE(form.Pen.YPos, 2288);
        // A press shorter than a held key's first wait moves one step; held, it goes on,
        // and stops where the button comes up.
        QTest::mousePress(form.Image3, Qt::LeftButton);
        QTest::qWait(ImageBox::RepeatDelayMs / 4);
        QTest::mouseRelease(form.Image3, Qt::LeftButton);
        QCOMPARE(form.Pen.XPos, 3838);
        QTest::mousePress(form.Image3, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form.Pen.XPos >= 3838 + 3 * 50, 5000);
        QTest::mouseRelease(form.Image3, Qt::LeftButton);
        const int released = form.Pen.XPos;
        QTest::qWait(ImageBox::RepeatIntervalMs * 3);
        QCOMPARE(form.Pen.XPos, released);
    }

    void strokesSurviveMinimising() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("ddddxxxx"));
        const QImage before = canvasImage(form);
        form.showMinimized();
        QTest::qWait(20);
        form.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(canvasImage(form), before);
    }

    void knobsAndCanvasAreAnnounced() {
        Form1& form = freshForm1();
        const std::pair<QWidget*, const char*> expected[] = {{form.Image2, "Move left"},
                                                             {form.Image3, "Move right"},
                                                             {form.Image4, "Move down"},
                                                             {form.Image5, "Move up"},
                                                             {form.Picture1, "Drawing screen"}};
        for (const auto& [widget, name] : expected) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(name));
        }
    }

    // Run again at 2 and 3: everything grows by the ratio and stays crisp.
    void devicePixelsScaleWithoutBlur() {
        Form1& form = freshForm1();
        const qreal dpr = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(form.devicePixelRatioF(), dpr);
        QCOMPARE(form.Picture1->backingImage().size(), QSize(501, 301) * dpr);
        QCOMPARE(support::clientImage(form).size(), QSize(599, 439) * dpr);
        QCOMPARE(form.CaptureClient(form).image().size(), QSize(599, 439) * dpr);
        QTest::keyClicks(form.Picture1, QStringLiteral("dddxxx"));
        form.Picture1->setDrawWidth(10);
        QTest::keyClicks(form.Picture1, QStringLiteral("xxxxaaa"));
        const QImage canvas = canvasImage(form);
        QCOMPARE(canvas.size(), QSize(501, 301) * dpr);
        // Only the two colours that were drawn: no blended edge pixels.
        const int white = support::countOf(canvas, White);
        QVERIFY(white > 0);
        QCOMPARE(white + support::countOf(canvas, Black), canvas.width() * canvas.height());
        // The width-1 stroke is exactly dpr device pixels thick.
        const QRect first =
            support::boundsOf(canvas.copy(0, 0, canvas.width(), int((px(2288) + 1) * dpr)), White);
        QCOMPARE(first.height(), int(dpr));
    }

    // Run again at 1.5, 2 and 3: each picture is the one drawn for the ratio, at 1.5 the 2x one
    // made smaller; at 1 exactly the files the window has always shown.
    void artworkIsDrawnForTheRatio() {
        Form1& form = freshForm1();
        const qreal dpr = form.devicePixelRatioF();
        const int drawn = dpr <= 1 ? 1 : dpr <= 2 ? 2 : 3;
        const std::pair<ImageBox*, const char*> boxes[] = {{form.Image1, "background"},
                                                           {form.Image2, "knob_left"},
                                                           {form.Image3, "knob_right"},
                                                           {form.Image4, "knob_down"},
                                                           {form.Image5, "knob_up"}};
        for (const auto& [box, name] : boxes) {
            const QString file =
                QStringLiteral(ASSETS_DIR "/%1%2.bmp")
                    .arg(QLatin1String(name),
                         drawn == 1 ? QString() : QStringLiteral("@%1x").arg(drawn));
            QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(expected.size(), box->size() * drawn);
            if (dpr != drawn)
                expected = expected.scaled(box->size() * dpr, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
            const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(shown == expected, qPrintable(file));
        }
        // The icon's larger sizes only where a screen can show them: Qt 6.4 reads each at once.
        QCOMPARE(form.windowIcon().availableSizes().contains(QSize(256, 256)), dpr > 1);
    }

    // Run on two screens, the second of ratio 2: moved there, the window shows the frame drawn
    // for 2 at once, and the 1x one again when it comes back.
    void artworkFollowsTheScreen() {
        if (qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS"))
            QSKIP("run on two screens by widget.test_main_window_two_screens");
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        QCOMPARE(screens[1]->devicePixelRatio(), 2.0);
        Form1& form = freshForm1();
        // The frame's rounded corner, under no other control (offscreen keeps only the top left
        // of a scaled window for grabbing).
        const QRect corner(0, 0, 40, 14);
        for (QScreen* screen : {screens[1], screens[0]}) {
            form.move(screen->geometry().topLeft() + QPoint(68, 84));
            QTRY_COMPARE(form.screen(), screen);
            const int ratio = int(screen->devicePixelRatio());
            const QString file = ratio == 1 ? QStringLiteral(ASSETS_DIR "/background.bmp")
                                            : QStringLiteral(ASSETS_DIR "/background@2x.bmp");
            const QImage drawn = QImage(file).convertToFormat(QImage::Format_RGB32);
            const QPoint client = form.client().mapTo(&form, QPoint(0, 0));
            // What the window system was given, not a fresh rendering.
            const auto shown = [&] {
                return screen->grabWindow(form.winId())
                    .toImage()
                    .convertToFormat(QImage::Format_RGB32)
                    .copy(QRect((client + corner.topLeft()) * ratio, corner.size() * ratio));
            };
            QTRY_COMPARE(shown(),
                         drawn.copy(QRect(corner.topLeft() * ratio, corner.size() * ratio)));
        }
    }

    void closeRequestUnloadsTheWindow() {
        Form1& form = freshForm1();
        QPointer<Form1> watch = &form;
        form.close();
        QVERIFY(!forms::isLoaded<Form1>());
        support::settle();
        QVERIFY(watch.isNull());
    }

    void exitUnloadsTheWindow() {
        freshForm1().exit1_Click();
        QVERIFY(!forms::isLoaded<Form1>());
        QCOMPARE(forms::loadedCount(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
