#include "captioned_frame.h"

#include <QPainter>
#include <QStyle>

namespace {
constexpr int CaptionLeft = 8; // the caption's gap starts this far in, as on Windows
constexpr int CaptionPadding = 2;
} // namespace

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& colours = palette();
    // An etched border: a shadow line with a light line inside it.
    const QRect box(0, topEdge(), width() - 1, height() - topEdge() - 1);
    p.setPen(colours.color(QPalette::Mid));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(colours.color(QPalette::Light));
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const QFontMetrics metrics = fontMetrics();
    // From the end a line starts at: the right in a right-to-left language.
    const QRect caption = QStyle::visualRect(
        layoutDirection(), rect(),
        QRect(CaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding,
              metrics.height()));
    p.fillRect(caption, colours.color(QPalette::Window));
    p.setPen(colours.color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}
