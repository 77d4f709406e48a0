#include "picture_box.h"

#include "colors.h"
#include "drawing/pen.h"
#include "units.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent) {
    // Windows-style sunken panel: always two pixels wide.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const qreal dpr = devicePixelRatioF();
    const QSize device = contentsRect().size() * dpr;
    if (backing_.size() == device) return;
    backing_ = QImage(device, QImage::Format_RGB32);
    backing_.setDevicePixelRatio(dpr);
    backing_.fill(colors::toQColor(backColor_));
}

QPointF PictureBox::toPixelCentre(float x, float y) {
    // Whole logical pixels first, so every device-pixel ratio shows the same picture scaled up;
    // the painter then scales the pixel's centre to device pixels.
    const double px = std::floor(units::twipsToPixels(x) + 0.5);
    const double py = std::floor(units::twipsToPixels(y) + 0.5);
    return {px + 0.5, py + 0.5};
}

void PictureBox::stroke(QPointF from, QPointF to, std::uint32_t color) {
    if (backing_.isNull()) return;
    const qreal width = drawWidth_;
    QPainter painter(&backing_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colors::toQColor(color), width, Qt::SolidLine,
                        drawWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin));
    if (from == to)
        painter.drawPoint(from);
    else
        painter.drawLine(from, to);
    painter.end();

    if (!drawnOn_) {
        drawnOn_ = true;
        emit drawnOnChanged(true);
    }

    const qreal reach = width / 2 + 1;
    const QRectF changed = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
    update(changed.toAlignedRect().translated(contentsRect().topLeft()) & contentsRect());
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::uint32_t color) {
    stroke(toPixelCentre(x1, y1), toPixelCentre(x2, y2), color);
}

void PictureBox::PSet(float x, float y, std::uint32_t color) {
    const QPointF at = toPixelCentre(x, y);
    stroke(at, at, color);
}

void PictureBox::Cls() {
    backing_.fill(colors::toQColor(backColor_));
    update(contentsRect());
    if (drawnOn_) {
        drawnOn_ = false;
        emit drawnOnChanged(false);
    }
}

void PictureBox::setBackColor(std::uint32_t color) {
    backColor_ = color;
    Cls();
}

void PictureBox::setDrawWidth(int pixels) {
    drawWidth_ = pixels < 1 ? 1 : pixels;
}

// The Windows sunken panel, its four shades a logical pixel wide each: Qt's own draws them a
// device pixel wide above ratio 1 and leaves the rest of the border unpainted, which then shows
// whatever lay beneath (on the screen one thing, in a captured picture another).
void PictureBox::drawBorder(QPainter& painter) const {
    const QPalette& p = palette();
    const int x = 0, y = 0, w = width(), h = height();
    painter.fillRect(x, y, 1, h - 1, p.dark());
    painter.fillRect(x, y, w - 1, 1, p.dark());
    painter.fillRect(x, y + h - 1, w, 1, p.light());
    painter.fillRect(x + w - 1, y, 1, h, p.light());
    painter.fillRect(x + 1, y + 1, 1, h - 3, p.shadow());
    painter.fillRect(x + 1, y + 1, w - 3, 1, p.shadow());
    painter.fillRect(x + 1, y + h - 2, w - 2, 1, p.midlight());
    painter.fillRect(x + w - 2, y + 1, 1, h - 2, p.midlight());
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // A stroke repaints only inside the border; the border needs drawing only when exposed.
    if (!contentsRect().contains(event->rect())) drawBorder(painter);
    painter.drawImage(contentsRect().topLeft(), backing_);
}

namespace {

// Qt's arrow keys (the keypad's too, with Num Lock off) as Windows key codes.
std::int16_t windowsKeyCode(int key) {
    switch (key) {
    case Qt::Key_Left:
        return drawing::KeyLeft;
    case Qt::Key_Up:
        return drawing::KeyUp;
    case Qt::Key_Right:
        return drawing::KeyRight;
    case Qt::Key_Down:
        return drawing::KeyDown;
    default:
        return 0;
    }
}

// The keys where a, d, w and x sit on a US keyboard, by their place (the system's scan code),
// as games read them: on a Russian or Arabic layout they type other letters, on AZERTY the
// key at the place of "a" types "q".
struct KeyPlace {
    quint32 scanCode;
    char letter; // cppcheck-suppress unusedStructMember ; read through find_if
};
#ifdef Q_OS_WIN
constexpr KeyPlace MovePlaces[] = {{0x1E, 'a'}, {0x20, 'd'}, {0x11, 'w'}, {0x2D, 'x'}};
#else // X11 and Wayland: the kernel's key code + 8
constexpr KeyPlace MovePlaces[] = {{38, 'a'}, {40, 'd'}, {25, 'w'}, {53, 'x'}};
#endif

// What a typed key means to the pen: the character it types when that moves the pen or
// erases, else the letter of the key's place. Capitals stay capitals, which draw nothing.
std::int16_t keyAscii(const QKeyEvent& event) {
    const QChar character = event.text().at(0);
    const auto typed = static_cast<std::int16_t>(character.unicode());
    if (drawing::keyAction(typed) != drawing::KeyAction::None || character.isUpper() ||
        (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return typed;
    const auto* place =
        std::find_if(std::begin(MovePlaces), std::end(MovePlaces),
                     [&](const KeyPlace& p) { return p.scanCode == event.nativeScanCode(); });
    return place == std::end(MovePlaces) ? typed : place->letter;
}

} // namespace

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty() && KeyPress) KeyPress(keyAscii(*event));
    // A used key stays here: it must not move the focus or reach the window.
    const std::int16_t code = windowsKeyCode(event->key());
    if (code && KeyDown && KeyDown(code, event->modifiers())) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
