#include "forms.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>
#include <vector>

namespace forms {
namespace {

struct Entry {
    std::type_index type;
    Form* form;
    bool unloading; // cppcheck-suppress unusedStructMember ; read and written through iterators
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

auto findEntry(const Form& form) {
    auto& entries = registry();
    return std::find_if(entries.begin(), entries.end(),
                        [&](const Entry& e) { return e.form == &form; });
}

} // namespace

namespace detail {

Form* find(std::type_index type) {
    const auto& entries = registry();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const Entry& e) { return e.type == type; });
    return it == entries.end() ? nullptr : it->form;
}

void add(std::type_index type, Form* form) {
    registry().push_back({type, form, false});
}

void unload(Form& form) {
    auto it = findEntry(form);
    if (it == registry().end() || it->unloading) return;
    it->unloading = true;
    int Cancel = 0;
    form.Form_Unload(Cancel);
    it = findEntry(form); // Form_Unload may have unloaded other windows
    if (Cancel != 0) {
        it->unloading = false;
        return;
    }
    registry().erase(it);
    // Deleted once the current event is done, since unload often runs inside the window's
    // own handler.
    QWidget& widget = form.formWidget();
    widget.hide();
    widget.deleteLater();
    if (registry().empty() && QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
}

} // namespace detail

int loadedCount() {
    return static_cast<int>(registry().size());
}

} // namespace forms
