#include "whole_lines_label.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

WholeLinesLabel::WholeLinesLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setWordWrap(true);
}

void WholeLinesLabel::paintEvent(QPaintEvent*) {
    const QRect area = contentsRect();
    QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment()) &
                       Qt::AlignHorizontal_Mask);
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::WordWrap);
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        if (y > area.height()) break; // lines below this one are never seen
    }
    layout.endLayout();
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (i > 0 && line.y() + line.height() > area.height()) break;
        line.draw(&p, area.topLeft());
    }
}
