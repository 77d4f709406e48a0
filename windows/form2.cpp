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

const layout::Window Settings{.context = "Form2",
                              .caption = QT_TRANSLATE_NOOP("Form2", "About Scribblewick!"),
                              .clientWidth = 2790,
                              .clientHeight = 3840,
                              .backColor = WindowBackground};

// In tab order. The author's name and address read the same in every language.
const std::array<layout::Control, 6> Controls{{
    {.name = "Label1",
     .kind = Kind::Label,
     .caption = QT_TRANSLATE_NOOP("Form2", "Scribblewick is brought to you by..."),
     .box = {120, 2160, 2535, 255},
     .backColor = WindowBackground,
     .foreColor = WindowText},
    {.name = "Label2",
     .kind = Kind::Label,
     .caption = "Pemrod Quill",
     .box = {840, 2520, 975, 255},
     .backColor = WindowBackground,
     .foreColor = 255},
    {.name = "Command1",
     .kind = Kind::Button,
     .caption = QT_TRANSLATE_NOOP("Form2", "OK"),
     .box = {900, 3240, 975, 495},
     .backColor = 8421631,
     .foreColor = ButtonText},
    {.name = "Label4",
     .kind = Kind::Label,
     .caption = QT_TRANSLATE_NOOP("Form2", "Version 1.2"),
     .box = {960, 120, 855, 255},
     .backColor = WindowBackground,
     .foreColor = 12583104},
    {.name = "Label3",
     .kind = Kind::Label,
     .caption = "pemrod@example.com",
     .box = {360, 2880, 2055, 255},
     .backColor = WindowBackground,
     .foreColor = 16711680,
     .centred = true},
    {.name = "Image1",
     .kind = Kind::Image,
     .box = {570, 480, 1620, 1560},
     .picture = ":/assets/about.bmp",
     .accessibleName = QT_TRANSLATE_NOOP("Form2", "A white bull terrier")},
}};

} // namespace

Form2::Form2() {
    layout::setUpWindow(*this, Settings);
    layout::build(*this, Controls, Settings.context);
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    Image1 = findChild<ImageBox*>(QStringLiteral("Image1"));
    QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command1->setFocus();
}

void Form2::Command1_Click() {
    setVisible(false);
}
