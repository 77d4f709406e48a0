#include "web_page.h"

#include "web_touch.h"

#include "forms/forms.h"
#include "forms/picture_box.h"
#include "windows/form1.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPointer>
#include <QResource>
#include <QScreen>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>

namespace web_page {

emscripten::val page() {
    return emscripten::val::global("scribblewick");
}

namespace {

void tellPage(const char* call) {
    if (!page().isUndefined()) page().call<void>(call);
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
            QTimer::singleShot(0, this, [] { tellPage("firstFrame"); });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// The page's screen starts where the canvas lies on the page, not at 0, 0: the main window
// sits at its corner, and the other windows keep their designed places relative to it (those
// with none are centred over it), as on the desktop.
class Placement : public QObject {
public:
    Placement(Form1& form, QPoint designed)
        : QObject(&form)
        , form_(form)
        , designed_(designed) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow() || window == &form_ ||
            !dynamic_cast<forms::Form*>(window) || window->property(Placed).toBool())
            return false;
        window->setProperty(Placed, true);
        if (window->testAttribute(Qt::WA_Moved)) {
            window->setGeometry(
                QRect(form_.geometry().topLeft() + window->geometry().topLeft() - designed_,
                      window->size()));
        } else {
            QRect frame = window->frameGeometry();
            frame.moveCenter(form_.frameGeometry().center());
            window->move(frame.topLeft());
        }
        return false;
    }

private:
    static constexpr const char* Placed = "scribblewickPlaced";
    Form1& form_;
    QPoint designed_;
};

// The keyboard goes back to the drawing screen whenever a menu or another window of the toy
// closes and none is left open, as a desktop gives it back to the main window: the page's
// compositor would leave no window active, and every key would go nowhere.
class KeyboardHome : public QObject {
public:
    explicit KeyboardHome(Form1& form)
        : QObject(&form)
        , form_(form) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Hide) return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && window->isWindow() && window != &form_)
            QTimer::singleShot(0, this, [this] { comeHome(); });
        return false;
    }
    void comeHome() {
        if (QApplication::activePopupWidget()) return;
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool otherOpen = std::any_of(windows.begin(), windows.end(), [this](QWidget* w) {
            return w != &form_ && w->isVisible() && w->windowType() != Qt::ToolTip;
        });
        if (otherOpen || !form_.isVisible()) return;
        form_.activateWindow();
        form_.Picture1->setFocus(Qt::OtherFocusReason);
    }

private:
    Form1& form_;
};

QPoint screenCorner(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().topLeft() : QPoint();
}

// Called by the page once a change of the viewport has settled: the canvas may have been
// cleared by its new size, so every window is painted again.
void repaint() {
    QTimer::singleShot(0, qApp, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            window->update();
            for (QWidget* child : window->findChildren<QWidget*>())
                child->update();
        }
    });
}

} // namespace

EMSCRIPTEN_BINDINGS(scribblewick_page) {
    emscripten::function("scribblewickRepaint", &repaint);
}

void mark(const char* step) {
    emscripten::val::global("performance").call<void>("mark", std::string("scribblewick-") + step);
}

void takeLanguage() {
    if (page().isUndefined()) return;
    const emscripten::val file = page()["languageFile"];
    if (!file.instanceof (emscripten::val::global("Uint8Array"))) return;
    // Qt reads the catalogues from these bytes for as long as the program runs.
    static QByteArray bytes;
    bytes.resize(file["length"].as<qsizetype>());
    emscripten::val(
        emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data())))
        .call<void>("set", file);
    // Qt trusts the offsets in the file's header: a file cut short must not send it beyond.
    const auto offset = [](const char* at) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(at));
    };
    const bool whole = bytes.size() >= 20 && bytes.startsWith("qres") &&
                       std::max({offset(bytes.constData() + 8), offset(bytes.constData() + 12),
                                 offset(bytes.constData() + 16)}) < quint32(bytes.size());
    if (!whole || !QResource::registerResource(reinterpret_cast<const uchar*>(bytes.constData())))
        std::fprintf(stderr,
                     "scribblewick: the language file is damaged; the toy speaks English\n");
}

void beforeWindows(const QString& language) {
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    // Chinese, Japanese and Korean come with a face of their own, the one of that language.
    const int added =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.otf").arg(language));
    if (added >= 0)
        font.setFamilies(QStringList{font.family()} +
                         QFontDatabase::applicationFontFamilies(added));
    QApplication::setFont(font);
    web_touch::beforeWindows();
}

void prepare(Form1& form) {
    // The page is the frame: its title names the toy. (Qt's wasm windows draw a title bar for
    // the title hint even when frameless.)
    form.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    new Placement(form, form.geometry().topLeft());
    web_touch::prepare(form);
    form.move(screenCorner(form));
}

void shown(Form1& form, const QString& language) {
    new FirstFrame(*form.Picture1);
    new KeyboardHome(form);
    QObject::connect(&form, &QObject::destroyed, [] { tellPage("ended"); });
    // A drawing on the screen makes the page ask before it is closed or reloaded.
    QObject::connect(form.Picture1, &PictureBox::drawnOnChanged, [](bool drawn) {
        if (!page().isUndefined()) page().call<void>("drawn", drawn);
    });
    // The canvas moves on the page when the page lays itself out anew.
    if (QScreen* screen = form.screen())
        QObject::connect(screen, &QScreen::geometryChanged, &form,
                         [&form](const QRect& geometry) { form.move(geometry.topLeft()); });
    if (page().isUndefined()) return;
    page().call<void>("language", language.toStdString());
    page().call<void>("fit", form.frameGeometry().width(), form.frameGeometry().height());
}

} // namespace web_page
