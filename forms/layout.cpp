#include "layout.h"

#include "artwork.h"
#include "captioned_frame.h"
#include "colors.h"
#include "graphical_button.h"
#include "image_box.h"
#include "picture_box.h"
#include "units.h"
#include "whole_lines_label.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <string_view>
#include <vector>

namespace layout {
namespace {

void setColor(QWidget& widget, QPalette::ColorRole role, std::uint32_t value) {
    if (value == PlatformDefault) return;
    QPalette palette = widget.palette();
    palette.setColor(role, colors::toQColor(value));
    widget.setPalette(palette);
}

// Wide desktop fonts would cut single-line texts laid out for narrower ones. Such a label first
// takes free room to its right, inside its parent and over no other control; only what still
// does not fit is drawn in a smaller size of the same font.
void widenIntoFreeRoom(QLabel& label, const QRect& box, std::span<const QRect> others,
                       int parentRight) {
    const int needed = qCeil(QFontMetricsF(label.font()).horizontalAdvance(label.text())) + 1;
    if (needed <= box.width()) return;
    int right = parentRight;
    for (const QRect& other : others)
        if (other.top() <= box.bottom() && other.bottom() >= box.top() &&
            other.right() > box.right())
            right = std::min(right, std::max(other.left(), box.right() + 1));
    label.resize(std::min(needed, right - box.left()), box.height());
}

void shrinkToFit(QLabel& label, int width) {
    constexpr qreal SmallestPoints = 6.0;
    QFont font = label.font();
    qreal points = font.pointSizeF();
    while (points > SmallestPoints &&
           QFontMetricsF(font).horizontalAdvance(label.text()) > width - 1) {
        points -= 0.25;
        font.setPointSizeF(points);
    }
    if (points != label.font().pointSizeF()) label.setFont(font);
}

std::string_view containerName(const Control& c) {
    return c.container ? c.container : "";
}

QRect toPixels(const Twips& box) {
    return {units::twipsToPixelsRounded(box.left), units::twipsToPixelsRounded(box.top),
            units::twipsToPixelsRounded(box.width), units::twipsToPixelsRounded(box.height)};
}

QWidget* make(QWidget& parent, const Control& c, const char* context) {
    const QString caption = QCoreApplication::translate(context, c.caption);
    switch (c.kind) {
    case Kind::Image: {
        auto* image = new ImageBox(&parent);
        const QString picture = QString::fromUtf8(c.picture);
        // The main window's pictures are embedded artwork; others are image files.
        if (picture.startsWith(QLatin1Char(':')))
            image->setPicture(QPixmap(picture));
        else
            image->setArtwork(picture);
        return image;
    }
    case Kind::Canvas: {
        auto* canvas = new PictureBox(&parent);
        canvas->setBackColor(c.backColor == PlatformDefault ? 0 : c.backColor);
        return canvas;
    }
    case Kind::Label: {
        auto* label =
            c.wraps ? new WholeLinesLabel(caption, &parent) : new QLabel(caption, &parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        setColor(*label, QPalette::Window, c.backColor);
        setColor(*label, QPalette::WindowText,
                 c.foreColor == PlatformDefault ? colors::ButtonText : c.foreColor);
        return label;
    }
    case Kind::Button: {
        auto* button = new GraphicalButton(caption, colors::toQColor(c.backColor), &parent);
        button->setFocusPolicy(Qt::StrongFocus);
        setColor(*button, QPalette::ButtonText,
                 c.foreColor == PlatformDefault ? colors::ButtonText : c.foreColor);
        return button;
    }
    case Kind::TextBox: {
        auto* text = new QLineEdit(caption, &parent);
        text->setMaxLength(INT_MAX); // no length limit
        setColor(*text, QPalette::Base, c.backColor);
        setColor(*text, QPalette::Text,
                 c.foreColor == PlatformDefault ? colors::WindowText : c.foreColor);
        return text;
    }
    case Kind::Frame: {
        auto* frame = new CaptionedFrame(caption, &parent);
        frame->setFocusPolicy(Qt::NoFocus);
        frame->setAutoFillBackground(true);
        setColor(*frame, QPalette::Window, c.backColor);
        setColor(*frame, QPalette::WindowText, c.foreColor);
        return frame;
    }
    }
    return nullptr;
}

} // namespace

void build(QWidget& parent, std::span<const Control> table, const char* context) {
    for (const Control& c : table) {
        QWidget* holder =
            c.container ? parent.findChild<QWidget*>(QString::fromUtf8(c.container)) : &parent;
        QWidget* widget = make(*holder, c, context);
        widget->setObjectName(QString::fromUtf8(c.name));
        const QRect box = toPixels(c.box);
        widget->setGeometry(box);
        if (auto* label = qobject_cast<QLabel*>(widget); label && !c.wraps) {
            // The other controls sharing this label's parent, as designed.
            std::vector<QRect> others;
            for (const Control& o : table)
                if (&o != &c && containerName(o) == containerName(c))
                    others.push_back(toPixels(o.box));
            // Inside a frame, the border is not free room.
            const bool framed = qobject_cast<const CaptionedFrame*>(holder) != nullptr;
            widenIntoFreeRoom(*label, box, others,
                              holder->width() - (framed ? CaptionedFrame::BorderWidth : 0));
            shrinkToFit(*label, label->width());
        }
        // Laid out as designed, then turned round for a language read from right to left.
        if (holder->isRightToLeft())
            widget->move(holder->width() - widget->x() - widget->width(), widget->y());
        if (c.accessibleName)
            widget->setAccessibleName(QCoreApplication::translate(context, c.accessibleName));
    }
}

QWidget& setUpWindow(QWidget& window, const Window& settings) {
    window.setWindowTitle(QCoreApplication::translate(settings.context, settings.caption));
    window.setWindowIcon(artwork::icon());
    Qt::WindowFlags flags = settings.type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (settings.minButton) flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags);
    const QSize size(units::twipsToPixelsRounded(settings.clientWidth),
                     units::twipsToPixelsRounded(settings.clientHeight));
    auto* mainWindow = qobject_cast<QMainWindow*>(&window);
    QWidget* inner = &window;
    if (mainWindow) {
        inner = new QWidget(mainWindow);
        inner->setObjectName(QStringLiteral("client"));
        inner->setFixedSize(size);
        mainWindow->setCentralWidget(inner);
        // Fixed size: neither the frame nor maximising can change the layout.
        mainWindow->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        window.setFixedSize(size);
    }
    if (settings.leftToRight) inner->setLayoutDirection(Qt::LeftToRight);
    setColor(*inner, QPalette::Window, settings.backColor);
    inner->setAutoFillBackground(true);
    if (settings.hasPosition) {
        QPoint at(units::twipsToPixelsRounded(settings.clientLeft),
                  units::twipsToPixelsRounded(settings.clientTop));
        if (mainWindow) {
            // Above the inner area, the menu bar as high as the layout makes it, which on
            // Windows is not always its size hint.
            mainWindow->layout()->activate();
            at.ry() -= inner->y();
        }
        window.setGeometry(QRect(at, mainWindow ? window.sizeHint() : size));
    }
    return *inner;
}

} // namespace layout
