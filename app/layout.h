#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <span>

// Windows are described by tables: the window's own settings and its controls in tab order,
// all positions and sizes in twips relative to the parent's inner area. One builder reads them.
namespace layout {

inline constexpr std::uint32_t PlatformDefault = 0xFFFFFFFFu;

enum class Kind { Image, Canvas, Label };

struct Control {
    const char* name;
    Kind kind;
    const char* caption;
    int left, top, width, height;
    std::uint32_t backColor = PlatformDefault;
    std::uint32_t foreColor = PlatformDefault;
    const char* picture = nullptr;        // resource path, for images
    const char* accessibleName = nullptr; // what a screen reader announces
};

class Controls {
public:
    template <class T> T* get(const QString& name) const {
        return static_cast<T*>(widgets_.value(name));
    }
    void add(const QString& name, QWidget* widget) { widgets_.insert(name, widget); }

private:
    QHash<QString, QWidget*> widgets_;
};

// Creates the controls as children of `parent`, in table order: that is their tab order, and
// later controls stack above earlier ones.
Controls build(QWidget& parent, std::span<const Control> table);

QRect toPixels(int left, int top, int width, int height);

} // namespace layout
