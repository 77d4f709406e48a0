#include "web_touch.h"

#include "web_page.h"

#include "forms/forms.h"
#include "forms/image_box.h"
#include "windows/form1.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QTouchEvent>
#include <algorithm>
#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace web_touch {
namespace {

// The smallest target a finger hits, in CSS pixels (the toy's pixels on a tablet).
constexpr int Finger = 44;

// Menu entries and push buttons (the message boxes') a finger's height.
class FingerStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const bool separator = item && item->menuItemType == QStyleOptionMenuItem::Separator;
        if ((type == CT_MenuItem && !separator) || type == CT_PushButton)
            result.setHeight(std::max(result.height(), Finger));
        return result;
    }
};

// A zone around a knob half, reaching into the red frame, that turns it for a finger (each
// finger its own zone, so two knobs turn at once) or a pointer, until it lets go or slides off.
class KnobZone : public QWidget {
public:
    KnobZone(ImageBox& knob, const QRect& zone)
        : QWidget(knob.parentWidget())
        , knob_(knob) {
        setGeometry(zone);
        setAttribute(Qt::WA_AcceptTouchEvents);
        raise();
        show();
    }

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel: {
            // A finger that comes down here presses, also when Qt counts it into a touch it
            // has not seen end (a lift outside every window is not told).
            const auto& points = static_cast<QTouchEvent*>(event)->points();
            const auto pressedHere =
                std::find_if(points.begin(), points.end(), [this](const QEventPoint& p) {
                    return p.state() == QEventPoint::Pressed &&
                           rect().contains(p.position().toPoint());
                });
            if (pressedHere != points.end())
                press(pressedHere->position());
            else if (!std::any_of(points.begin(), points.end(), [this](const QEventPoint& p) {
                         return p.state() != QEventPoint::Released &&
                                rect().contains(p.position().toPoint());
                     }))
                knob_.letGo();
            event->accept();
            return true;
        }
        case QEvent::MouseButtonPress:
            press(static_cast<QMouseEvent*>(event)->position());
            return true;
        case QEvent::MouseMove:
            if (!rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                knob_.letGo();
            return true;
        case QEvent::MouseButtonRelease:
            knob_.letGo();
            return true;
        default:
            return QWidget::event(event);
        }
    }

private:
    void press(QPointF at) {
        knob_.hold(Qt::LeftButton, Qt::NoModifier, knob_.mapFromGlobal(mapToGlobal(at)));
    }
    ImageBox& knob_;
};

// `half` grown away from its partner to a finger's size, kept inside the window's client area.
QRect zoneFor(const ImageBox& half, const ImageBox& partner, const QRect& client) {
    QRect zone = half.geometry();
    const bool sideBySide = partner.geometry().top() == zone.top();
    if (sideBySide) {
        if (zone.width() < Finger) {
            if (half.x() < partner.x())
                zone.setLeft(zone.right() + 1 - Finger);
            else
                zone.setWidth(Finger);
        }
    } else if (zone.height() < Finger) {
        if (half.y() < partner.y())
            zone.setTop(zone.bottom() + 1 - Finger);
        else
            zone.setHeight(Finger);
    }
    if (zone.bottom() > client.bottom()) zone.moveBottom(client.bottom());
    if (zone.right() > client.right()) zone.moveRight(client.right());
    if (zone.top() < client.top()) zone.moveTop(client.top());
    if (zone.left() < client.left()) zone.moveLeft(client.left());
    return zone;
}

// The toy's own windows on a touch screen: their buttons and text boxes a finger's height,
// grown about their middles, the window grown to hold them.
class FingerSizedWindows : public QObject {
public:
    explicit FingerSizedWindows(QObject* parent)
        : QObject(parent) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && window->isWindow() && dynamic_cast<forms::Form*>(window) &&
            !dynamic_cast<Form1*>(window) && !window->property(Grown).toBool()) {
            window->setProperty(Grown, true);
            grow(*window);
        }
        return false;
    }

private:
    static void grow(QWidget& window) {
        const QList<QWidget*> children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int top = 0;
        int bottom = window.height();
        for (QWidget* child : children) {
            if ((qobject_cast<QPushButton*>(child) || qobject_cast<QLineEdit*>(child)) &&
                child->height() < Finger) {
                const int centre = child->geometry().center().y();
                child->setGeometry(child->x(), centre - Finger / 2, child->width(), Finger);
            }
            top = std::min(top, child->y());
            bottom = std::max(bottom, child->geometry().bottom() + 1);
        }
        for (QWidget* child : children)
            child->move(child->x(), child->y() - top);
        window.setFixedSize(window.width(), bottom - top);
    }
    static constexpr const char* Grown = "scribblewickFingerSized";
};

// A text box typed into with the system's on-screen keyboard: the page lays a browser text
// field of its own over it, which brings that keyboard and takes whole what it commits (swipe,
// suggestions, accents), and the box shows what the field holds. A hardware keyboard types into
// the same field.
QPointer<QLineEdit>& typedInto() {
    static QPointer<QLineEdit> edit;
    return edit;
}

void typed(const std::string& text, int cursor) {
    if (QLineEdit* edit = typedInto()) {
        edit->setText(QString::fromStdString(text));
        edit->setCursorPosition(cursor);
    }
}

void focusMoved(QWidget*, QWidget* now) {
    auto* edit = qobject_cast<QLineEdit*>(now);
    if (edit == typedInto()) return;
    typedInto() = edit;
    if (web_page::page().isUndefined()) return;
    if (!edit) {
        web_page::page().call<void>("stopTyping");
        return;
    }
    // Qt's own hidden field must not take the keyboard from ours.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    const QScreen* screen = edit->screen();
    const QPoint at =
        edit->mapToGlobal(QPoint(0, 0)) - (screen ? screen->geometry().topLeft() : QPoint());
    web_page::page().call<void>("typeInto", at.x(), at.y(), edit->width(), edit->height(),
                                edit->text().toStdString(), edit->cursorPosition());
}

// The page's word that no finger is left on the screen: every knob lets go, also one whose
// finger Qt did not hear lift (outside every window), which would turn on by itself.
void fingersUp() {
    for (QWidget* window : QApplication::topLevelWidgets())
        for (ImageBox* knob : window->findChildren<ImageBox*>())
            knob->letGo();
}

} // namespace

EMSCRIPTEN_BINDINGS(scribblewick_typing) {
    emscripten::function("scribblewickTyped", &typed);
    emscripten::function("scribblewickFingersUp", &fingersUp);
}

bool touchScreen() {
    const emscripten::val navigator = emscripten::val::global("navigator");
    return navigator["maxTouchPoints"].isNumber() && navigator["maxTouchPoints"].as<int>() > 0;
}

void beforeWindows() {
    if (!touchScreen()) return;
    QApplication::setStyle(new FingerStyle);
    new FingerSizedWindows(qApp);
    QObject::connect(qApp, &QApplication::focusChanged, &focusMoved);
}

void prepare(Form1& form) {
    if (!touchScreen()) return;
    const QRect client = form.Image1->parentWidget()->rect();
    new KnobZone(*form.Image2, zoneFor(*form.Image2, *form.Image3, client));
    new KnobZone(*form.Image3, zoneFor(*form.Image3, *form.Image2, client));
    new KnobZone(*form.Image5, zoneFor(*form.Image5, *form.Image4, client));
    new KnobZone(*form.Image4, zoneFor(*form.Image4, *form.Image5, client));
}

} // namespace web_touch
