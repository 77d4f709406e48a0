#include "form2.h"

#include "forms/colors.h"
#include "forms/image_box.h"
#include "forms/layout.h"

#include <array>

namespace {

using colors::ButtonText;
using colors::WindowBackground;
using colors::WindowText;
using layout::Kind;
constexpr std::uint32_t None = layout::PlatformDefault;

const layout::Window Settings{"About Scribblewick!", 2790, 3840, false, 0, 0,
                              WindowBackground,      false};

// In tab order. name, kind, caption, left, top, width, height, back colour, text colour,
// picture, announced as, frame, centred
const std::array<layout::Control, 6> Controls{{
    {"Label1", Kind::Label, "Scribblewick is brought to you by...", 120, 2160, 2535, 255,
     WindowBackground, WindowText},
    {"Label2", Kind::Label, "Pemrod Quill", 840, 2520, 975, 255, WindowBackground, 255},
    {"Command1", Kind::Button, "OK", 900, 3240, 975, 495, 8421631, ButtonText},
    {"Label4", Kind::Label, "Version 1.2", 960, 120, 855, 255, WindowBackground, 12583104},
    {"Label3", Kind::Label, "pemrod@example.com", 360, 2880, 2055, 255, WindowBackground, 16711680,
     nullptr, nullptr, nullptr, true},
    {"Image1", Kind::Image, "", 570, 480, 1620, 1560, None, None, ":/assets/about.bmp",
     "A white bull terrier"},
}};

} // namespace

Form2::Form2() {
    layout::setUpWindow(*this, Settings);
    const layout::Controls controls = layout::build(*this, Controls);
    Command1 = controls.get<QPushButton>(QStringLiteral("Command1"));
    Image1 = controls.get<ImageBox>(QStringLiteral("Image1"));
    QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command1->setFocus();
}

void Form2::Command1_Click() {
    setVisible(false);
}
