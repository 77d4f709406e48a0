#include "form3.h"

#include "drawing/settings.h"
#include "forms/colors.h"
#include "forms/layout.h"

#include <array>

namespace {

using colors::ButtonText;
using colors::CaptionText;
using colors::WindowBackground;
using colors::WindowText;
using drawing::settings::White;
using layout::Kind;
constexpr std::uint32_t Navy = 8388608;

const layout::Window Settings{.context = "Form3",
                              .caption = QT_TRANSLATE_NOOP("Form3", "How to use Scribblewick!"),
                              .clientWidth = 4455,
                              .clientHeight = 3135,
                              .backColor = White};

// In tab order. The key lines overlap by a pixel: each is 17 pixels high, 16 apart.
constexpr layout::Control Line(const char* name, const char* caption, int top, std::uint32_t back,
                               std::uint32_t text) {
    return {.name = name,
            .kind = Kind::Label,
            .caption = caption,
            .box = {120, top, 4215, 255},
            .backColor = back,
            .foreColor = text};
}
const std::array<layout::Control, 9> Controls{{
    {.name = "Frame1",
     .kind = Kind::Frame,
     .caption = QT_TRANSLATE_NOOP("Form3", "Tip!"),
     .box = {120, 120, 4215, 615},
     .backColor = White,
     .foreColor = WindowText},
    {.name = "Label1",
     .kind = Kind::Label,
     .caption = QT_TRANSLATE_NOOP("Form3", "Use the keyboard for faster play!"),
     .box = {960, 240, 2295, 255},
     .backColor = White,
     .foreColor = Navy,
     .container = "Frame1"},
    Line("Label2", QT_TRANSLATE_NOOP("Form3", "Keystrokes:"), 960, CaptionText, ButtonText),
    //: The keys are the keys on the keyboard: keep the letter and the digit as they are.
    Line("Label3", QT_TRANSLATE_NOOP("Form3", "A or 4 moves pen left"), 1200, WindowBackground,
         WindowText),
    Line("Label4", QT_TRANSLATE_NOOP("Form3", "D or 6 moves pen right"), 1440, WindowBackground,
         WindowText),
    Line("Label5", QT_TRANSLATE_NOOP("Form3", "W or 8 moves pen up"), 1680, WindowBackground,
         WindowText),
    Line("Label6", QT_TRANSLATE_NOOP("Form3", "X or 2 moves pen down"), 1920, WindowBackground,
         WindowText),
    Line("Label7", QT_TRANSLATE_NOOP("Form3", "Hit the space bar to reset Scribblewick!"), 2160,
         WindowBackground, WindowText),
    {.name = "Command1",
     .kind = Kind::Button,
     .caption = QT_TRANSLATE_NOOP("Form3", "OK, I Got It!"),
     .box = {1320, 2520, 1695, 495},
     .backColor = 16777152,
     .foreColor = ButtonText},
}};

} // namespace

Form3::Form3() {
    layout::setUpWindow(*this, Settings);
    layout::build(*this, Controls, Settings.context);
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command1->setFocus();
}

void Form3::Command1_Click() {
    setVisible(false);
}
