#include "web_page.h"

#include "forms/picture_box.h"
#include "windows/form1.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <emscripten/val.h>

namespace web_page {
namespace {

emscripten::val page() {
    return emscripten::val::global("scribblewick");
}

// Tells the page once the canvas has painted: the paint pass is done when the loop turns again.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget& watched)
        : QObject(&watched) {
        watched.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                if (!page().isUndefined()) page().call<void>("firstFrame");
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

void prepare(Form1& form) {
    // The page is the frame: its title names the toy.
    form.setWindowFlag(Qt::FramelessWindowHint, true);
    form.move(0, 0);
}

void shown(Form1& form, const QString& language) {
    emscripten::val html = emscripten::val::global("document")["documentElement"];
    const QString tag = language.isEmpty() ? QStringLiteral("en") : QString(language).replace(
                                                                        QLatin1Char('_'),
                                                                        QLatin1Char('-'));
    html.set("lang", tag.toStdString());
    html.set("dir",
             std::string(QGuiApplication::layoutDirection() == Qt::RightToLeft ? "rtl" : "ltr"));
    new FirstFrame(*form.Picture1);
    QObject::connect(&form, &QObject::destroyed, [] {
        if (!page().isUndefined()) page().call<void>("ended");
    });
    if (!page().isUndefined())
        page().call<void>("fit", form.frameGeometry().width(), form.frameGeometry().height());
}

} // namespace web_page
