#include "layout.h"

#include "colors.h"
#include "image_box.h"
#include "picture_box.h"
#include "units.h"

#include <QLabel>

namespace layout {
namespace {

void setColor(QWidget& widget, QPalette::ColorRole role, std::uint32_t value) {
    if (value == PlatformDefault) return;
    QPalette palette = widget.palette();
    palette.setColor(role, colors::toQColor(value));
    widget.setPalette(palette);
}

QWidget* make(QWidget& parent, const Control& c) {
    switch (c.kind) {
    case Kind::Image: {
        auto* image = new ImageBox(&parent);
        image->setPicture(QPixmap(QString::fromUtf8(c.picture)));
        return image;
    }
    case Kind::Canvas: {
        auto* canvas = new PictureBox(&parent);
        canvas->setBackColor(c.backColor == PlatformDefault ? 0 : c.backColor);
        return canvas;
    }
    case Kind::Label: {
        auto* label = new QLabel(QString::fromUtf8(c.caption), &parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        setColor(*label, QPalette::Window, c.backColor);
        setColor(*label, QPalette::WindowText,
                 c.foreColor == PlatformDefault ? colors::ButtonText : c.foreColor);
        return label;
    }
    }
    return nullptr;
}

} // namespace

QRect toPixels(int left, int top, int width, int height) {
    return {units::twipsToPixelsRounded(left), units::twipsToPixelsRounded(top),
            units::twipsToPixelsRounded(width), units::twipsToPixelsRounded(height)};
}

Controls build(QWidget& parent, std::span<const Control> table) {
    Controls controls;
    for (const Control& c : table) {
        QWidget* widget = make(parent, c);
        widget->setObjectName(QString::fromUtf8(c.name));
        widget->setGeometry(toPixels(c.left, c.top, c.width, c.height));
        if (c.accessibleName) widget->setAccessibleName(QString::fromUtf8(c.accessibleName));
        controls.add(widget->objectName(), widget);
    }
    return controls;
}

} // namespace layout
