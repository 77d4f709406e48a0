#include "graphical_button.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

GraphicalButton::GraphicalButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent)
    , face_(face) {
    // Enter presses the focused button, as Space does; it is never a window's default button.
    setAutoDefault(true);
}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, face_);
    const bool down = isDown();
    const QColor light = down ? palette().color(QPalette::Dark) : Qt::white;
    const QColor dark = down ? Qt::white : palette().color(QPalette::Shadow);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    QRect text = r.adjusted(2, 2, -2, -2);
    if (down) text.translate(1, 1);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(3, 3, -3, -3);
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}
