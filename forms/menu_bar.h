#pragma once

#include "drawing/menu_tree.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

// A caption that is a number, in the digits Persian writes its numbers in; other languages,
// Arabic among them, keep the digits as they stand.
inline QString inOwnDigits(const QString& caption) {
    bool number = false;
    const int value = caption.toInt(&number);
    return number && QLocale().language() == QLocale::Persian ? QLocale().toString(value) : caption;
}

// Builds a menu bar from its table, its captions looked up in `context`; each entry's Click runs
// its handler on `handlers`.
template <class H, std::size_t N>
void buildMenuBar(QMenuBar& bar, H& handlers, const std::array<drawing::MenuItem<H>, N>& items,
                  const char* context) {
    QMenu* menu = nullptr;
    for (const drawing::MenuItem<H>& item : items) {
        const QString caption = inOwnDigits(QCoreApplication::translate(context, item.caption));
        if (item.level == 1) {
            menu = bar.addMenu(caption);
            menu->setObjectName(QString::fromUtf8(item.name));
            continue;
        }
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromUtf8(item.name));
        action->setShortcut(
            QKeySequence(QString::fromUtf8(item.shortcut), QKeySequence::PortableText));
        QObject::connect(action, &QAction::triggered, &handlers,
                         [&handlers, click = item.click] { (handlers.*click)(); });
    }
}
