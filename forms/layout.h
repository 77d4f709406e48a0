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

enum class Kind { Image, Canvas, Label, Button, TextBox, Frame };

struct Control {
    const char* name;
    Kind kind;
    const char* caption;
    int left, top, width, height;
    std::uint32_t backColor = PlatformDefault;
    std::uint32_t foreColor = PlatformDefault;
    const char* picture = nullptr;        // for images: an artwork name, or a resource path
    const char* accessibleName = nullptr; // what a screen reader announces
    const char* container = nullptr;      // a frame earlier in the table holding this control
    bool centred = false;                 // label text centred instead of left-aligned
    // Labels show one line; wider text is drawn smaller to fit the box, unless it wraps at
    // word boundaries inside the box instead.
    bool wraps = false;
};

// A window's own settings. Sizes and positions in twips; the position is the inner area's
// top-left corner on the screen, or the system's choice when absent.
struct Window {
    const char* caption;
    int clientWidth, clientHeight;
    bool hasPosition;
    int clientLeft, clientTop;
    std::uint32_t backColor;
    bool minButton;
};

// Applies the settings to a top-level window: title, icon, a fixed size, close box (and
// minimise button when asked), background, position.
void setUpWindow(QWidget& window, const Window& settings);

class Controls {
public:
    template <class T> T* get(const QString& name) const {
        return static_cast<T*>(widgets_.value(name));
    }
    void add(const QString& name, QWidget* widget) { widgets_.insert(name, widget); }

private:
    QHash<QString, QWidget*> widgets_;
};

// Creates the controls as children of `parent` (or of their frame), in table order: that is
// their tab order, and later controls stack above earlier ones. Only the canvas, buttons and
// text boxes take the focus.
Controls build(QWidget& parent, std::span<const Control> table);

} // namespace layout
