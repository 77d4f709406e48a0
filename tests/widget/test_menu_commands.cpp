// The menu bar as built on the main window, driven by its real shortcut keys and entries,
// with the pixels read back.
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

using support::canvasImage;
using support::freshForm1;

namespace {

QAction* entry(Form1& form, const char* name) {
    return form.menuBar()->findChild<QAction*>(QString::fromUtf8(name));
}

void press(const Form1&, QKeySequence keys) {
    const QKeyCombination combo = keys[0];
    QTest::keyClick(QApplication::focusWidget(), combo.key(), combo.keyboardModifiers());
}

} // namespace

class MenuCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void menusAsBuilt() {
        Form1& form = freshForm1();
        QStringList titles;
        const auto menus = form.menuBar()->actions();
        for (QAction* menu : menus)
            titles << menu->text();
        QCOMPARE(titles,
                 (QStringList{"&File", "Pen &Colors", "&Background Color", "&Shake", "&Place Pen",
                              "Pen &Width", "Pen &Velocity", "&More Fun", "&About"}));
        int entries = 0;
        for (QAction* menu : menus)
            for (QAction* action : menu->menu()->actions()) {
                ++entries;
                QVERIFY(!action->isCheckable());
                QVERIFY(action->isEnabled());
                QVERIFY(action->isVisible());
            }
        QCOMPARE(entries, 29);
        QCOMPARE(entry(form, "CyanColor")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(entry(form, "AboutPemrod")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(entry(form, "fifty1")->shortcut(), QKeySequence());
        // One line, all nine titles in view: none spills into an overflow button.
        const QRect last = form.menuBar()->actionGeometry(menus.last());
        QVERIFY(last.isValid() && last.right() < form.client().width());
        // The canvas keeps the focus: the menu bar never takes it.
        QCOMPARE(form.menuBar()->focusPolicy(), Qt::NoFocus);
    }

    void everyColourShortcutSetsTheInk() {
        Form1& form = freshForm1();
        const std::pair<Qt::Key, const char*> colours[] = {
            {Qt::Key_K, "0"},       {Qt::Key_R, "255"},      {Qt::Key_B, "16711680"},
            {Qt::Key_G, "65280"},   {Qt::Key_Y, "65535"},    {Qt::Key_M, "16711935"},
            {Qt::Key_O, "33023"},   {Qt::Key_C, "16776960"}, {Qt::Key_E, "8421504"},
            {Qt::Key_W, "16777215"}};
        for (const auto& [key, ink] : colours) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
            QCOMPARE(form.Pen.InkColor, std::string(ink));
        }
        // None of them reached the canvas as a character or moved the pen.
        QCOMPARE(form.Pen.XPos, 3788);
        QCOMPARE(support::countOf(canvasImage(form), 0xFFFFFF), 0);
    }

    void orangeLinesJoinWhiteOnes() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("d"));
        press(form, QKeySequence(QStringLiteral("Ctrl+O")));
        QTest::keyClicks(form.Picture1, QStringLiteral("x"));
        const QImage canvas = canvasImage(form);
        const QRect white = support::boundsOf(canvas, 0xFFFFFF);
        const QRect orange = support::boundsOf(canvas, qRgb(255, 128, 0));
        QVERIFY(!white.isEmpty());
        QVERIFY(!orange.isEmpty());
        QVERIFY(white.width() > 1 && white.height() == 1);   // the earlier line stays white
        QVERIFY(orange.width() == 1 && orange.height() > 1); // the new one is orange
    }

    void grayScreenWipesAndKeepsThePen() {
        Form1& form = freshForm1();
        QTest::keyClicks(form.Picture1, QStringLiteral("ddx"));
        entry(form, "five1")->trigger();
        press(form, QKeySequence(QStringLiteral("Ctrl+R")));
        const drawing::PenState before = form.Pen;
        press(form, QKeySequence(Qt::Key_F6));
        QCOMPARE(support::countOf(canvasImage(form), qRgb(128, 128, 128)), 501 * 301);
        QCOMPARE(form.Pen.XPos, before.XPos);
        QCOMPARE(form.Pen.YPos, before.YPos);
        QCOMPARE(form.Pen.InkColor, before.InkColor);
        QCOMPARE(form.Pen.PenSpeed, before.PenSpeed);
        QCOMPARE(form.Picture1->DrawWidth(), 5);
        // Erasing now clears to grey, and F5 brings the black screen back.
        QTest::keyClicks(form.Picture1, QStringLiteral("d"));
        press(form, QKeySequence(Qt::Key_F4));
        QCOMPARE(support::countOf(canvasImage(form), qRgb(128, 128, 128)), 501 * 301);
        press(form, QKeySequence(Qt::Key_F5));
        QCOMPARE(support::countOf(canvasImage(form), 0), 501 * 301);
    }

    void thickShortStroke() {
        Form1& form = freshForm1();
        entry(form, "fifty1")->trigger();
        entry(form, "FiveSpeed")->trigger();
        QCOMPARE(form.Pen.PenSpeed, 5);
        QTest::keyClicks(form.Picture1, QStringLiteral("d"));
        const QRect stroke = support::boundsOf(canvasImage(form), 0xFFFFFF);
        // Five twips is a third of a pixel: a round dot, 50 pixels across, barely stretched.
        QVERIFY2(stroke.height() >= 49 && stroke.height() <= 51,
                 qPrintable(QString::number(stroke.height())));
        QVERIFY(stroke.width() >= 49 && stroke.width() <= 52);
        // Round ends: the corners of the box stay black.
        QCOMPARE(canvasImage(form).pixel(stroke.topLeft()) & 0xFFFFFF, 0u);
    }

    void velocitiesAndWidthsFromTheirEntries() {
        Form1& form = freshForm1();
        const std::pair<const char*, int> speeds[] = {
            {"FiveSpeed", 5}, {"FiftySpeed", 50}, {"HunSpeed", 100}, {"TwoHunSpeed", 200}};
        for (const auto& [name, speed] : speeds) {
            entry(form, name)->trigger();
            const int x = form.Pen.XPos;
            QTest::keyClicks(form.Picture1, QStringLiteral("d"));
            QCOMPARE(form.Pen.XPos - x, speed);
        }
        const std::pair<const char*, int> widths[] = {
            {"two1", 2}, {"five1", 5}, {"ten1", 10}, {"fifty1", 50}, {"One1", 1}};
        for (const auto& [name, width] : widths) {
            entry(form, name)->trigger();
            QCOMPARE(form.Picture1->DrawWidth(), width);
        }
    }

    void randomDropsABigDotWhenWide() {
        Form1& form = freshForm1();
        entry(form, "fifty1")->trigger();
        // Find a seed whose first spot lies well inside the canvas, so the dot is whole.
        for (unsigned seed = 1; seed < 1000; ++seed) {
            form.Random.seed(seed);
            press(form, QKeySequence(Qt::Key_F7));
            const int x = form.Pen.XPos / 15, y = form.Pen.YPos / 15;
            if (x > 40 && x < 460 && y > 40 && y < 260) break;
            press(form, QKeySequence(Qt::Key_F4));
        }
        const QRect dot = support::boundsOf(canvasImage(form), 0xFFFFFF);
        QVERIFY(dot.width() >= 49 && dot.width() <= 51);
        QVERIFY(dot.height() >= 49 && dot.height() <= 51);
        QCOMPARE(dot.center(), QPoint((form.Pen.XPos + 7) / 15, (form.Pen.YPos + 7) / 15));
    }

    void ctrlCSetsCyanAndCopiesNothing() {
        Form1& form = freshForm1();
        QApplication::clipboard()->setText(QStringLiteral("left alone"));
        press(form, QKeySequence(QStringLiteral("Ctrl+C")));
        QCOMPARE(form.Pen.InkColor, std::string("16776960"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("left alone"));
    }

    void altAndAccessKeysOpenMenus() {
        Form1& form = freshForm1();
        QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QWidget* menu = QApplication::activePopupWidget();
        QCOMPARE(menu->objectName(), QStringLiteral("PenWidth1"));
        // The first entry is selected on opening; one down is "2".
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(form.Picture1->DrawWidth(), 2);
        QTRY_COMPARE(QApplication::focusWidget(), form.Picture1);
    }

    void ctrlXExits() {
        Form1& form = freshForm1();
        press(form, QKeySequence(QStringLiteral("Ctrl+X")));
        QVERIFY(!forms::isLoaded<Form1>());
    }
};

QTEST_MAIN(MenuCommandsTest)
#include "test_menu_commands.moc"
