#pragma once

#include "forms/picture_box.h"
#include "windows/form1.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

namespace support {

// Lets pending deletes of unloaded windows run.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A freshly loaded, shown and focused main window.
inline Form1& freshForm1() {
    forms::unload<Form1>();
    settle();
    Form1& form = forms::get<Form1>();
    form.setVisible(true);
    if (!QTest::qWaitForWindowActive(&form)) qWarning("main window did not become active");
    return form;
}

// What the toy shows inside its frame, rendered from the widgets themselves.
inline QImage clientImage(const Form1& form) {
    return form.client().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The canvas's inner area as shown, in device pixels.
inline QImage canvasImage(const Form1& form) {
    const QImage client = clientImage(form);
    const qreal dpr = client.devicePixelRatio();
    const QRect inner = form.Picture1->contentsRect().translated(form.Picture1->pos());
    return client.copy(QRect(inner.topLeft() * dpr, inner.size() * dpr));
}

// Bounding box of the pixels of one colour.
inline QRect boundsOf(const QImage& image, QRgb color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
    return box;
}

inline int countOf(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

} // namespace support
