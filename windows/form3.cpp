#include "form3.h"

#include "forms/colors.h"
#include "forms/layout.h"

#include <array>

namespace {

using colors::ButtonText;
using colors::CaptionText;
using colors::WindowBackground;
using colors::WindowText;
using layout::Kind;
constexpr std::uint32_t White = 16777215;
constexpr std::uint32_t Navy = 8388608;

const layout::Window Settings{"How to use Scribblewick!", 4455, 3135, false, 0, 0, White, false};

// In tab order. The key lines overlap by a pixel: each is 17 pixels high, 16 apart.
const std::array<layout::Control, 9> Controls{{
    {"Frame1", Kind::Frame, "Tip!", 120, 120, 4215, 615, White, WindowText},
    {"Label1", Kind::Label, "Use the keyboard for faster play!", 960, 240, 2295, 255, White, Navy,
     nullptr, nullptr, "Frame1"},
    {"Label2", Kind::Label, "Keystrokes:", 120, 960, 4215, 255, CaptionText, ButtonText},
    {"Label3", Kind::Label, "A or 4 moves pen left", 120, 1200, 4215, 255, WindowBackground,
     WindowText},
    {"Label4", Kind::Label, "D or 6 moves pen right", 120, 1440, 4215, 255, WindowBackground,
     WindowText},
    {"Label5", Kind::Label, "W or 8 moves pen up", 120, 1680, 4215, 255, WindowBackground,
     WindowText},
    {"Label6", Kind::Label, "X or 2 moves pen down", 120, 1920, 4215, 255, WindowBackground,
     WindowText},
    {"Label7", Kind::Label, "Hit the space bar to reset Scribblewick!", 120, 2160, 4215, 255,
     WindowBackground, WindowText},
    {"Command1", Kind::Button, "OK, I Got It!", 1320, 2520, 1695, 495, 16777152, ButtonText},
}};

} // namespace

Form3::Form3() {
    layout::setUpWindow(*this, Settings);
    const layout::Controls controls = layout::build(*this, Controls);
    Command1 = controls.get<QPushButton>(QStringLiteral("Command1"));
    QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command1->setFocus();
}

void Form3::Command1_Click() {
    setVisible(false);
}
