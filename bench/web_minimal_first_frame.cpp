// The floor under the web page's start: a Qt for WebAssembly program that only shows an empty
// window of the toy's size, built as the toy is, marking its first painted frame as the toy's
// page does. Built a second time with MENU_BAR_FLOOR: the same window with a menu bar of eight
// titles (four entries each, with shortcuts) over one line of text, the least a window with
// words costs.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <emscripten.h>
#ifdef MENU_BAR_FLOOR
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#endif

namespace {
class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this,
                               [] { EM_ASM(performance.mark("scribblewick-first-frame");); });
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool painted_ = false;
};
} // namespace

int main(int argc, char* argv[]) {
    EM_ASM(performance.mark("scribblewick-main"););
    QApplication app(argc, argv);
    EM_ASM(performance.mark("scribblewick-application"););
    FirstPaint first;
#ifdef MENU_BAR_FLOOR
    QMainWindow window;
    char letter = 'A';
    for (const char* title : {"&File", "&Pen Colors", "&Screen Colors", "&Width", "&Step", "&Erase",
                              "&Help", "&Sign"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 1; i <= 4; ++i, letter = letter == 'Z' ? 'A' : char(letter + 1))
            menu->addAction(QStringLiteral("Entry %1").arg(i))
                ->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + QChar::fromLatin1(letter)));
    }
    window.setCentralWidget(new QLabel(QStringLiteral("A line of text under the menu bar.")));
    window.menuBar()->installEventFilter(&first);
#else
    QWidget window;
    window.installEventFilter(&first);
#endif
    window.resize(599, 460);
    window.show();
    EM_ASM(performance.mark("scribblewick-shown"););
    return QApplication::exec();
}
