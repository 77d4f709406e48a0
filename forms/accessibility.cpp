#include "accessibility.h"

#include "forms.h"
#include "image_box.h"

#include <QAccessibleWidget>

namespace {

// A knob half: a button whose press action moves the pen exactly as a mouse press does. It
// still never takes the keyboard focus. Images nobody presses stay pictures.
class ImageBoxAccessible : public QAccessibleWidget {
public:
    explicit ImageBoxAccessible(ImageBox* box)
        : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return box()->MouseDown ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        return box()->MouseDown ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) box()->press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ImageBox* box() const { return static_cast<ImageBox*>(widget()); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* box = qobject_cast<ImageBox*>(widget)) return new ImageBoxAccessible(box);
    // Our secondary windows are plain widgets, which Qt would expose as fillers.
    if (widget->isWindow() && dynamic_cast<forms::Form*>(widget) &&
        widget->metaObject() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(
            widget, widget->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}
