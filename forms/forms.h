#pragma once

#include <QCloseEvent>
#include <QWidget>
#include <typeindex>

// The window model: one program-wide instance per window class, built on first reference,
// destroyed by unload (which runs Form_Unload); the program ends when no window is loaded.
namespace forms {

class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;
    virtual void Form_Load() {}
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual QWidget& formWidget() = 0;
};

namespace detail {
Form* find(std::type_index type);
void add(std::type_index type, Form* form);
void unload(Form& form);
} // namespace detail

template <class F> F& get() {
    if (Form* form = detail::find(typeid(F))) return static_cast<F&>(*form);
    auto* form = new F;
    detail::add(typeid(F), form);
    form->Form_Load();
    return *form;
}

template <class F> bool isLoaded() {
    return detail::find(typeid(F)) != nullptr;
}

// Does nothing for a window that is not loaded, and never loads it.
template <class F> void unload() {
    if (Form* form = detail::find(typeid(F))) detail::unload(*form);
}

int loadedCount();

// Base of every window: a Qt top-level whose close box unloads it.
template <class QtWindow> class Window : public QtWindow, public Form {
public:
    using QtWindow::QtWindow;
    QWidget& formWidget() override { return *this; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        detail::unload(*this);
    }
};

} // namespace forms
