// The About, How-to-use and name windows: their layout, their lifecycles and the signature.
#include "support.h"

#include "forms/image_box.h"
#include "windows/dialog1.h"
#include "windows/form2.h"
#include "windows/form3.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QWindow>

using support::freshForm1;
using support::settle;

namespace {

template <class F> QLabel* label(F& form, const char* name) {
    return form.template findChild<QLabel*>(QString::fromUtf8(name));
}

QColor faceOf(QWidget* button) {
    // A pixel of the face clear of the edges, the focus frame and the caption.
    return button->grab().toImage().pixelColor(button->width() - 5, button->height() / 2);
}

// Titles of the windows shown while it is installed.
class ShownWindows : public QObject {
public:
    QStringList titles;
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow())
                titles << w->windowTitle();
        return false;
    }
};

// Open, put away with the button, reopen in place, close, rebuilt at the default place.
template <class F> void lifecycle(void (Form1::*openCommand)(), Qt::Key putAwayKey) {
    Form1& form = freshForm1();
    QVERIFY(!forms::isLoaded<F>());
    (form.*openCommand)();
    (form.*openCommand)();
    F& window = forms::get<F>();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += w->isVisible() && dynamic_cast<F*>(w) != nullptr;
    QCOMPARE(shown, 1);
    QCOMPARE(QApplication::focusWidget(), window.Command1);

    window.move(321, 123);
    const QPoint moved = window.pos();
    QTest::keyClick(window.Command1, putAwayKey);
    QVERIFY(!window.isVisible());
    QVERIFY(forms::isLoaded<F>());
    (form.*openCommand)();
    QCOMPARE(&forms::get<F>(), &window);
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), moved);

    QPointer<F> old = &window;
    window.close(); // the close box
    QVERIFY(!forms::isLoaded<F>());
    settle();
    QVERIFY(old.isNull());
    (form.*openCommand)();
    QVERIFY(forms::get<F>().pos() != moved);
}

} // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void noneIsLoadedAtStart() {
        freshForm1();
        QVERIFY(!forms::isLoaded<Form2>());
        QVERIFY(!forms::isLoaded<Form3>());
        QVERIFY(!forms::isLoaded<Dialog1>());
    }

    void aboutLifecycle() { lifecycle<Form2>(&Form1::AboutPemrod_Click, Qt::Key_Space); }
    void howToUseLifecycle() { lifecycle<Form3>(&Form1::ControlGame_Click, Qt::Key_Return); }

    void functionKeysOpenThem() {
        Form1& form = freshForm1();
        QTest::keyClick(form.Picture1, Qt::Key_F1);
        QTest::keyClick(form.Picture1, Qt::Key_F2);
        QVERIFY(forms::get<Form3>().isVisible());
        QVERIFY(forms::get<Form2>().isVisible());
        QCOMPARE(forms::get<Form3>().windowTitle(), QStringLiteral("How to use Scribblewick!"));
        QCOMPARE(forms::get<Form2>().windowTitle(), QStringLiteral("About Scribblewick!"));
    }

    void aboutWindowAsLaidOut() {
        freshForm1().AboutPemrod_Click();
        Form2& about = forms::get<Form2>();
        QCOMPARE(about.size(), QSize(186, 256));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(label(about, "Label4")->text(), QStringLiteral("Version 1.2"));
        QCOMPARE(label(about, "Label1")->text(),
                 QStringLiteral("Scribblewick is brought to you by..."));
        QVERIFY(label(about, "Label3")->text().endsWith(QStringLiteral("@example.com")));
        QVERIFY(label(about, "Label3")->alignment() & Qt::AlignHCenter);
        QCOMPARE(label(about, "Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(label(about, "Label4")->palette().color(QPalette::WindowText),
                 QColor(192, 0, 192));
        QCOMPARE(about.Command1->geometry(), QRect(60, 216, 65, 33));
        QCOMPARE(faceOf(about.Command1), QColor(255, 128, 128));
        QCOMPARE(about.Image1->geometry(), QRect(38, 32, 108, 104));
        QCOMPARE(about.Image1->picture().size(), QSize(108, 104));
        // The picture is an 8-bit, 256-colour bitmap: white all round the dog.
        QFile file(QStringLiteral(":/assets/about.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bmp = file.readAll();
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(int(uchar(bmp[28])), 8); // bits per pixel
        QCOMPARE(int(uchar(bmp[30])), 0); // uncompressed
        const QImage picture = QImage::fromData(bmp, "BMP");
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorCount(), 256);
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(107, 0), QColor(Qt::white));
        // Every text is shown whole on one line.
        for (QLabel* l : about.findChildren<QLabel*>())
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                     qPrintable(l->text()));
    }

    void howToUseWindowAsLaidOut() {
        freshForm1().ControlGame_Click();
        Form3& help = forms::get<Form3>();
        QCOMPARE(help.size(), QSize(297, 209));
        auto* frame = help.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QCOMPARE(frame->title(), QStringLiteral("Tip!"));
        QLabel* tip = label(help, "Label1");
        QCOMPARE(tip->parentWidget(), frame);
        QCOMPARE(tip->mapTo(&help, QPoint(0, 0)), QPoint(72, 24));
        QCOMPARE(tip->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        // The tip is as large as the lines below it, using the frame's free room to its right.
        QCOMPARE(tip->font().pointSizeF(), label(help, "Label3")->font().pointSizeF());
        QVERIFY(tip->fontMetrics().horizontalAdvance(tip->text()) < tip->width());
        QVERIFY(tip->geometry().right() < frame->width() - 1);
        const QStringList lines{"Keystrokes:",
                                "A or 4 moves pen left",
                                "D or 6 moves pen right",
                                "W or 8 moves pen up",
                                "X or 2 moves pen down",
                                "Hit the space bar to reset Scribblewick!"};
        for (int i = 0; i < lines.size(); ++i) {
            QLabel* line = label(help, qPrintable(QStringLiteral("Label%1").arg(i + 2)));
            QCOMPARE(line->text(), lines[i]);
            QCOMPARE(line->geometry(), QRect(8, 64 + 16 * i, 281, 17)); // 1-pixel overlaps
        }
        QCOMPARE(help.Command1->text(), QStringLiteral("OK, I Got It!"));
        QCOMPARE(help.Command1->geometry(), QRect(88, 168, 113, 33));
        QCOMPARE(faceOf(help.Command1), QColor(192, 255, 255));
        // The button is the one control that takes the focus.
        for (QWidget* child : help.findChildren<QWidget*>())
            if (child != help.Command1) QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }

    void howToUseFrameHasItsCaptionOnItsTopEdge() {
        freshForm1().ControlGame_Click();
        const QImage shot = forms::get<Form3>().grab().toImage();
        const auto ink = [&](int x, int y) { return shot.pixelColor(x, y) != Qt::white; };
        // The frame's top edge: the first line from the top clear of the caption and the tip.
        int edge = 8;
        while (edge < 60 && !ink(284, edge))
            ++edge;
        QVERIFY2(edge > 8 && edge < 24, qPrintable(QString::number(edge)));
        // "Tip!" stands across that line, in a gap of it, at the frame's left.
        bool above = false, below = false;
        for (int y = 0; y < 40; ++y)
            for (int x = 14; x < 22; ++x)
                if (y != edge && shot.pixelColor(x, y).lightness() < 100)
                    (y < edge ? above : below) = true;
        QVERIFY(above && below);
        // The tip lies inside, below the edge: white between them, navy text in its own box.
        for (int y = edge + 1; y < 24; ++y)
            for (int x = 72; x < 225; ++x)
                QVERIFY2(!ink(x, y), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        bool navy = false;
        for (int y = 24; y < 41; ++y)
            for (int x = 72; x < 225; ++x)
                navy = navy ||
                       (shot.pixelColor(x, y).blue() > 100 && shot.pixelColor(x, y).red() < 100);
        QVERIFY(navy);
        QVERIFY(ink(284, 46) || ink(284, 47) || ink(284, 48)); // the bottom edge
    }

    void nameDialogAsLaidOut() {
        Form1& form = freshForm1();
        form.AddYourName1_Click();
        Dialog1& dialog = forms::get<Dialog1>();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tell Pemrod Your Name"));
        QCOMPARE(dialog.geometry(), QRect(184, 250, 386, 26));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.Text1->geometry(), QRect(0, 0, 225, 25));
        QCOMPARE(dialog.OKButton->geometry(), QRect(224, 0, 81, 25));
        QCOMPARE(dialog.CancelButton->geometry(), QRect(304, 0, 81, 25));
        QCOMPARE(dialog.Text1->palette().color(QPalette::Base), QColor(255, 224, 192));
        QCOMPARE(faceOf(dialog.OKButton), QColor(0, 255, 0));
        QCOMPARE(faceOf(dialog.CancelButton), QColor(255, 0, 0));
        QVERIFY(dialog.Text1->text().isEmpty());
        // Owned by the main window, which keeps it off the taskbar.
        QCOMPARE(dialog.windowHandle()->transientParent(), form.windowHandle());
        // Focus starts in the text box; Tab goes on to OK, then Cancel.
        QTRY_COMPARE(QApplication::focusWidget(), dialog.Text1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.OKButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.CancelButton);
    }

    void signingRules() {
        Form1& form = freshForm1();
        const auto sign = [&](const QString& name) {
            form.AddYourName1_Click();
            Dialog1& dialog = forms::get<Dialog1>();
            QVERIFY(dialog.Text1->text().isEmpty()); // every opening starts empty
            QTest::keyClicks(dialog.Text1, name);
            QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
            QVERIFY(!forms::isLoaded<Dialog1>());
            settle();
        };
        sign(QString());
        QCOMPARE(form.Label1->text(), QStringLiteral(" Made This!"));
        sign(QStringLiteral("  Ada "));
        QCOMPARE(form.Label1->text(), QStringLiteral("  Ada  Made This!"));
        sign(QStringLiteral("Grace"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Grace Made This!")); // replaced

        // Cancel and the close box change nothing.
        form.AddYourName1_Click();
        QTest::keyClicks(forms::get<Dialog1>().Text1, QStringLiteral("Nobody"));
        QTest::mouseClick(forms::get<Dialog1>().CancelButton, Qt::LeftButton);
        QVERIFY(!forms::isLoaded<Dialog1>());
        form.AddYourName1_Click();
        QTest::keyClicks(forms::get<Dialog1>().Text1, QStringLiteral("Nobody"));
        forms::get<Dialog1>().close();
        QVERIFY(!forms::isLoaded<Dialog1>());
        QCOMPARE(form.Label1->text(), QStringLiteral("Grace Made This!"));
    }

    void enterAndEscapeDoNothing() {
        Form1& form = freshForm1();
        form.AddYourName1_Click();
        Dialog1& dialog = forms::get<Dialog1>();
        QTest::keyClicks(dialog.Text1, QStringLiteral("Ada"));
        QTest::keyClick(dialog.Text1, Qt::Key_Return);
        QTest::keyClick(dialog.Text1, Qt::Key_Enter);
        QTest::keyClick(dialog.Text1, Qt::Key_Escape);
        QVERIFY(forms::isLoaded<Dialog1>());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Text1->text(), QStringLiteral("Ada"));
        QCOMPARE(form.Label1->text(), QString());
    }

    void reopeningKeepsTextAndPlace() {
        Form1& form = freshForm1();
        form.AddYourName1_Click();
        Dialog1& dialog = forms::get<Dialog1>();
        QTest::keyClicks(dialog.Text1, QStringLiteral("Half a na"));
        dialog.move(400, 300);
        const QPoint moved = dialog.pos();
        form.AddYourName1_Click();
        QCOMPARE(&forms::get<Dialog1>(), &dialog);
        QCOMPARE(dialog.Text1->text(), QStringLiteral("Half a na"));
        QCOMPARE(dialog.pos(), moved);
        // After it closes, the next one is at its designed place again.
        dialog.close();
        settle();
        form.AddYourName1_Click();
        QCOMPARE(forms::get<Dialog1>().geometry().topLeft(), QPoint(184, 250));
    }

    void drawingGoesOnWhileTheDialogIsOpen() {
        Form1& form = freshForm1();
        form.AddYourName1_Click();
        QVERIFY(forms::get<Dialog1>().isVisible());
        QTest::keyClicks(form.Picture1, QStringLiteral("dd"));
        QTest::mouseClick(form.Image4, Qt::LeftButton);
        QCOMPARE(form.Pen.XPos, 3888);
        QCOMPARE(form.Pen.YPos, 2338);
        QVERIFY(forms::isLoaded<Dialog1>());
    }

    void aVeryLongNameIsTakenWhole() {
        Form1& form = freshForm1();
        form.AddYourName1_Click();
        Dialog1& dialog = forms::get<Dialog1>();
        const QString name(100000, QLatin1Char('n'));
        dialog.Text1->insert(name);               // as a paste would
        QTest::keyClick(dialog.Text1, Qt::Key_Z); // and typing still goes on after it
        QCOMPARE(dialog.Text1->text().size(), 100001);
        QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
        QCOMPARE(form.Label1->text(), name + QStringLiteral("z Made This!"));
        QCOMPARE(form.Label1->height(), 17);
        // A long name in words wraps: the line shows its first line whole and nothing of the
        // next, so the rows holding text are one unbroken band from the top.
        form.Label1->setText(QStringLiteral("Lillibet Hildegard Tidewell-Blackthorpe of Kildare "
                                            "and Dunholt, Keeper of the Tall Hedges Made This!"));
        const QImage line = form.Label1->grab().toImage();
        const QColor band = line.pixelColor(0, 0);
        QList<int> inked;
        for (int y = 0; y < line.height(); ++y)
            for (int x = 0; x < line.width(); ++x)
                if (line.pixelColor(x, y) != band) {
                    inked << y;
                    break;
                }
        QVERIFY(!inked.isEmpty());
        QCOMPARE(inked.last() - inked.first() + 1, inked.size());
    }

    void closingTheMainWindowTakesEveryWindowWithIt() {
        Form1& form = freshForm1();
        form.AboutPemrod_Click();
        form.ControlGame_Click();
        forms::get<Form3>().Command1->click(); // hidden, still loaded
        form.AddYourName1_Click();
        QCOMPARE(forms::loadedCount(), 4);
        form.close();
        QCOMPARE(forms::loadedCount(), 0);
    }

    void exitNeverOpensWhatWasNotOpen() {
        Form1& form = freshForm1();
        ShownWindows shown;
        form.exit1_Click();
        settle();
        QCOMPARE(shown.titles, QStringList());
        QCOMPARE(forms::loadedCount(), 0);
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "test_secondary_windows.moc"
