#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <span>

// Windows are described by tables: the window's own settings and its controls in tab order,
// all positions and sizes in twips relative to the parent's inner area. One builder reads them.
// Texts stand in English, marked for translation in the window's context, and are translated
// as the builder makes the widgets. In a right-to-left language the builder mirrors the
// controls within their parent.
namespace layout {

inline constexpr std::uint32_t PlatformDefault = 0xFFFFFFFFu;

enum class Kind { Image, Canvas, Label, Button, TextBox, Frame };

// A rectangle in twips: left, top, width, height.
struct Twips {
    int left, top, width, height;
};

// One control; rows name what they set (designated initialisers) and leave the rest.
struct Control {
    const char* name;
    Kind kind;
    const char* caption = "";
    Twips box;
    std::uint32_t backColor = PlatformDefault;
    std::uint32_t foreColor = PlatformDefault;
    const char* picture = nullptr;        // for images: an artwork name, or a resource path
    const char* accessibleName = nullptr; // what a screen reader announces
    const char* container = nullptr;      // a frame earlier in the table holding this control
    bool centred = false;                 // label text centred instead of left-aligned
    // Labels show one line; wider text takes free room to the right, then is drawn smaller,
    // unless it wraps at word boundaries inside the box instead.
    bool wraps = false;
};

// A window's own settings. Sizes and positions in twips; the position is the inner area's
// top-left corner on the screen, or the system's choice when absent.
struct Window {
    const char* context; // where the window's texts are found in the catalogues
    const char* caption;
    int clientWidth, clientHeight;
    bool hasPosition = false;
    int clientLeft = 0, clientTop = 0;
    std::uint32_t backColor;
    bool minButton = false;
    Qt::WindowType type = Qt::Window; // Qt::Dialog for a dialog frame
    // The inner area is a picture, laid out the same in every language, never mirrored.
    bool leftToRight = false;
};

// Applies the settings to a top-level window: type, title, icon, a fixed size, close box (and
// minimise button when asked), background, position. Returns the inner area the controls go
// in: the window itself, or for a main window a new central widget under its menu bar, which
// must be built before.
QWidget& setUpWindow(QWidget& window, const Window& settings);

// Creates the controls as children of `parent` (or of their frame), in table order: that is
// their tab order, and later controls stack above earlier ones. Only the canvas, buttons and
// text boxes take the focus. Each is named as in its row, for findChild. Texts are looked up in
// `context`.
void build(QWidget& parent, std::span<const Control> table, const char* context);

} // namespace layout
