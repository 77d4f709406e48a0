#pragma once

#include <QProxyStyle>

// Narrower padding around menu-bar titles, for a fixed-width window whose nine menus would
// otherwise spill into an overflow button with wide desktop fonts.
class CompactMenuStyle : public QProxyStyle {
public:
    explicit CompactMenuStyle(int trimPixels)
        : trim_(trimPixels) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem && !result.isEmpty()) result.rwidth() -= trim_;
        return result;
    }

private:
    int trim_;
};
