// The floor under the web page's start: a Qt for WebAssembly program that only shows an empty
// window of the toy's size, built as the toy is, marking its first painted frame as the toy's
// page does.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <emscripten.h>

namespace {
class EmptyWindow : public QWidget {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this,
                               [] { EM_ASM(performance.mark("scribblewick-first-frame");); });
        }
        return QWidget::event(e);
    }

private:
    bool painted_ = false;
};
} // namespace

int main(int argc, char* argv[]) {
    EM_ASM(performance.mark("scribblewick-main"););
    QApplication app(argc, argv);
    EM_ASM(performance.mark("scribblewick-application"););
    EmptyWindow window;
    window.resize(599, 460);
    window.show();
    EM_ASM(performance.mark("scribblewick-shown"););
    return QApplication::exec();
}
