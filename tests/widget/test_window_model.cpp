// The window model with windows of its own: one instance per class, load and unload, close box.
#include "forms/forms.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

int loads = 0;
int unloads = 0;

class Probe : public forms::Window<QWidget> {
public:
    void Form_Load() override { ++loads; }
    void Form_Unload(int&) override { ++unloads; }
};

class Other : public forms::Window<QWidget> {};

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class WindowModelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        forms::unload<Probe>();
        forms::unload<Other>();
        settle();
        loads = unloads = 0;
    }

    void oneInstanceBuiltOnFirstReference() {
        QVERIFY(!forms::isLoaded<Probe>());
        Probe& first = forms::get<Probe>();
        Probe& again = forms::get<Probe>();
        QCOMPARE(&first, &again);
        QCOMPARE(loads, 1);
        QVERIFY(!first.isVisible()); // referencing loads, it does not show
        QVERIFY(!forms::isLoaded<Other>());
    }

    void hidingKeepsTheWindowLoaded() {
        Probe& probe = forms::get<Probe>();
        probe.setVisible(true);
        probe.move(123, 45);
        probe.setVisible(false);
        QVERIFY(forms::isLoaded<Probe>());
        QCOMPARE(&forms::get<Probe>(), &probe);
        QCOMPARE(probe.pos(), QPoint(123, 45));
        QCOMPARE(loads, 1);
    }

    void unloadRunsFormUnloadAndTheNextReferenceBuildsAfresh() {
        Probe* first = &forms::get<Probe>();
        QPointer<QWidget> watch = first;
        forms::unload<Probe>();
        QCOMPARE(unloads, 1);
        QVERIFY(!forms::isLoaded<Probe>());
        settle();
        QVERIFY(watch.isNull()); // destroyed, controls and all
        forms::get<Probe>();
        QCOMPARE(loads, 2);
    }

    void unloadingAWindowThatIsNotLoadedDoesNothing() {
        forms::unload<Probe>();
        QCOMPARE(unloads, 0);
        QVERIFY(!forms::isLoaded<Probe>());
        QCOMPARE(loads, 0);
    }

    void closeBoxUnloads() {
        Probe& probe = forms::get<Probe>();
        probe.setVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        probe.close();
        QCOMPARE(unloads, 1);
        QVERIFY(!forms::isLoaded<Probe>());
    }

    void programEndsWhenNoWindowIsLoaded() {
        forms::get<Probe>().setVisible(true);
        forms::get<Other>().setVisible(true);
        QTimer::singleShot(0, [] { forms::get<Probe>().close(); });
        QTimer::singleShot(50, [] {
            QVERIFY(forms::isLoaded<Other>()); // one window left: still running
            forms::unload<Other>();
        });
        bool timedOut = false;
        QTimer::singleShot(5000, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QCOMPARE(forms::loadedCount(), 0);
    }
};

QTEST_MAIN(WindowModelTest)
#include "test_window_model.moc"
