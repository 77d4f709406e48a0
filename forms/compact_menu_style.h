#pragma once

#include <QProxyStyle>

// Narrower padding around menu-bar titles, for a fixed-width window whose nine menus would
// otherwise spill into an overflow button with wide desktop fonts; and, for a script whose
// letters join (Arabic, Persian), titles and entries without the access key's underline, which
// Qt draws by cutting the word at that letter and so breaks its joining (the key still works).
class CompactMenuStyle : public QProxyStyle {
public:
    explicit CompactMenuStyle(int trimPixels, bool underlineKeys = true)
        : trim_(trimPixels)
        , underlineKeys_(underlineKeys) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_UnderlineShortcut && !underlineKeys_) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem && !result.isEmpty()) result.rwidth() -= trim_;
        return result;
    }

private:
    int trim_;
    bool underlineKeys_;
};
