#include "form1.h"

#include "colors.h"
#include "compact_menu_style.h"
#include "image_box.h"
#include "layout.h"
#include "menu_bar.h"
#include "picture_box.h"
#include "units.h"

#include "drawing/settings.h"

#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <algorithm>
#include <array>

namespace {

constexpr const char* Caption = "Scribblewick!";
constexpr int ClientWidth = 8985; // twips
constexpr int ClientHeight = 6585;
constexpr int ClientLeft = 1020; // first place of the client area on the screen
constexpr int ClientTop = 1260;
constexpr std::uint32_t BackColor = 0x0080FF; // orange, hidden under the background picture
constexpr int MaxMenuTrim = 8;                // pixels off each menu title's padding, at most

using layout::Kind;
constexpr std::uint32_t Default = layout::PlatformDefault;
// name, kind, caption, left, top, width, height, back colour, text colour, picture, announced as
const std::array<layout::Control, 7> Controls{{
    {"Image1", Kind::Image, "", 0, 0, 9000, 6600, Default, Default, ":/assets/background.bmp",
     nullptr},
    {"Picture1", Kind::Canvas, "", 720, 720, 7575, 4575, 0x000000, Default, nullptr,
     "Drawing screen"},
    {"Label1", Kind::Label, "", 240, 240, 8535, 255, 0x0000FF, Default, nullptr, nullptr},
    {"Image2", Kind::Image, "", 720, 5460, 480, 960, Default, Default, ":/assets/knob_left.bmp",
     "Move left"},
    {"Image3", Kind::Image, "", 1200, 5460, 480, 960, Default, Default, ":/assets/knob_right.bmp",
     "Move right"},
    {"Image5", Kind::Image, "", 7320, 5460, 960, 480, Default, Default, ":/assets/knob_up.bmp",
     "Move up"},
    {"Image4", Kind::Image, "", 7320, 5940, 960, 480, Default, Default, ":/assets/knob_down.bmp",
     "Move down"},
}};

} // namespace

Form1::Form1() {
    setWindowTitle(QString::fromUtf8(Caption));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon.bmp")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(units::twipsToPixelsRounded(ClientWidth),
                          units::twipsToPixelsRounded(ClientHeight));
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, colors::toQColor(BackColor));
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    const layout::Controls controls = layout::build(*client_, Controls);
    Image1 = controls.get<ImageBox>(QStringLiteral("Image1"));
    Picture1 = controls.get<PictureBox>(QStringLiteral("Picture1"));
    Label1 = controls.get<QLabel>(QStringLiteral("Label1"));
    Image2 = controls.get<ImageBox>(QStringLiteral("Image2"));
    Image3 = controls.get<ImageBox>(QStringLiteral("Image3"));
    Image4 = controls.get<ImageBox>(QStringLiteral("Image4"));
    Image5 = controls.get<ImageBox>(QStringLiteral("Image5"));

    Picture1->KeyPress = [this](std::int16_t KeyAscii) { Picture1_KeyPress(KeyAscii); };
    Image2->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image2_MouseDown(Button, Shift, X, Y);
    };
    Image3->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image3_MouseDown(Button, Shift, X, Y);
    };
    Image4->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image4_MouseDown(Button, Shift, X, Y);
    };
    Image5->MouseDown = [this](auto Button, auto Shift, float X, float Y) {
        Image5_MouseDown(Button, Shift, X, Y);
    };

    buildMenuBar(*menuBar(), *this, drawing::menuTree<Form1>());
    fitMenuBar();

    // Fixed size: neither the frame nor maximising can change the layout.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(QRect(QPoint(units::twipsToPixelsRounded(ClientLeft),
                             units::twipsToPixelsRounded(ClientTop) - menuHeight),
                      sizeHint()));
    Picture1->setFocus();
}

void Form1::fitMenuBar() {
    // The menu bar stays one line wide: trim the padding between titles just enough.
    QMenuBar& bar = *menuBar();
    const int overflow = bar.sizeHint().width() - client_->width();
    if (overflow <= 0) return;
    const int titles = static_cast<int>(bar.actions().size());
    const int trim = std::min((overflow + titles - 1) / titles, MaxMenuTrim);
    auto* style = new CompactMenuStyle(trim);
    style->setParent(&bar);
    bar.setStyle(style);
}

void Form1::Form_Load() {
    drawing::setStartState(Pen);
    KeyPreview = true;
}

void Form1::Form_Unload(int& Cancel) {
    (void)Cancel;
}

void Form1::Picture1_KeyPress(std::int16_t KeyAscii) {
    drawing::keyPress(Pen, *Picture1, KeyAscii);
}

void Form1::Image2_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveLeft(Pen, *Picture1);
}

void Form1::Image3_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveRight(Pen, *Picture1);
}

void Form1::Image4_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveDown(Pen, *Picture1);
}

void Form1::Image5_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    drawing::moveUp(Pen, *Picture1);
}

void Form1::print1_Click() {}

void Form1::save1_Click() {}

void Form1::exit1_Click() {
    forms::unload<Form1>();
}

namespace settings = drawing::settings;

void Form1::BlackColor_Click() {
    drawing::setInk(Pen, settings::Black);
}
void Form1::WhiteColor_Click() {
    drawing::setInk(Pen, settings::White);
}
void Form1::RedColor_Click() {
    drawing::setInk(Pen, settings::Red);
}
void Form1::BlueColor_Click() {
    drawing::setInk(Pen, settings::Blue);
}
void Form1::GreenColor_Click() {
    drawing::setInk(Pen, settings::Green);
}
void Form1::YellowColor_Click() {
    drawing::setInk(Pen, settings::Yellow);
}
void Form1::MagentaColor_Click() {
    drawing::setInk(Pen, settings::Magenta);
}
void Form1::OrangeColor_Click() {
    drawing::setInk(Pen, settings::Orange);
}
void Form1::CyanColor_Click() {
    drawing::setInk(Pen, settings::Cyan);
}
void Form1::GrayColor_Click() {
    drawing::setInk(Pen, settings::Gray);
}

// Setting the screen colour wipes the canvas, as erasing does.
void Form1::BlackScreen_Click() {
    Picture1->setBackColor(settings::Black);
}
void Form1::GrayScreen_Click() {
    Picture1->setBackColor(settings::Gray);
}

void Form1::ShakeItBaby_Click() {
    drawing::erase(*Picture1);
}

void Form1::RandomPen_Click() {
    drawing::placeAtRandom(Pen, *Picture1, ScaleWidth(), ScaleHeight(), Random);
}

void Form1::One1_Click() {
    Picture1->setDrawWidth(1);
}
void Form1::two1_Click() {
    Picture1->setDrawWidth(2);
}
void Form1::five1_Click() {
    Picture1->setDrawWidth(5);
}
void Form1::ten1_Click() {
    Picture1->setDrawWidth(10);
}
void Form1::fifty1_Click() {
    Picture1->setDrawWidth(50);
}

void Form1::FiveSpeed_Click() {
    Pen.PenSpeed = 5;
}
void Form1::FiftySpeed_Click() {
    Pen.PenSpeed = 50;
}
void Form1::HunSpeed_Click() {
    Pen.PenSpeed = 100;
}
void Form1::TwoHunSpeed_Click() {
    Pen.PenSpeed = 200;
}

void Form1::AddYourName1_Click() {}

void Form1::ControlGame_Click() {}

void Form1::AboutPemrod_Click() {}

float Form1::ScaleWidth() const {
    return static_cast<float>(units::pixelsToTwips(client_->width()));
}

float Form1::ScaleHeight() const {
    return static_cast<float>(units::pixelsToTwips(client_->height()));
}
