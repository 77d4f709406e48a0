#include "colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace colors {

QColor toQColor(std::uint32_t value) {
    if ((value & SystemColor) == 0)
        return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF)};
    const QPalette palette = QGuiApplication::palette();
    switch (value & ~SystemColor) {
    case 5:
        return palette.color(QPalette::Base);
    case 8:
        return palette.color(QPalette::Text);
    case 9:
        return palette.color(QPalette::HighlightedText);
    case 15:
        return palette.color(QPalette::Button);
    case 18:
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace colors
