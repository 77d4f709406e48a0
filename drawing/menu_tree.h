#pragma once

#include <QtGlobal>
#include <array>

// The main window's menu bar as data, in display order. A level-1 row opens a menu; the
// level-2 rows under it are its entries, each with the handler named after it. Captions are
// marked for translation where they stand and translated where the menu is made; the numbers
// read the same in every language.
namespace drawing {

template <class Handlers> struct MenuItem {
    int level;
    const char* name;
    const char* caption;
    const char* shortcut; // in QKeySequence's portable form, "Ctrl+W"; "" for none
    void (Handlers::*click)();
};

template <class H> constexpr std::array<MenuItem<H>, 38> menuTree() {
    return {{
        {1, "file1", QT_TRANSLATE_NOOP("Form1", "&File"), "", nullptr},
        {2, "print1", QT_TRANSLATE_NOOP("Form1", "&Print"), "Ctrl+P", &H::print1_Click},
        {2, "save1", QT_TRANSLATE_NOOP("Form1", "&Save"), "Ctrl+S", &H::save1_Click},
        {2, "exit1", QT_TRANSLATE_NOOP("Form1", "E&xit"), "Ctrl+X", &H::exit1_Click},
        {1, "ColorMenu", QT_TRANSLATE_NOOP("Form1", "Pen &Colors"), "", nullptr},
        {2, "BlackColor", QT_TRANSLATE_NOOP("Form1", "Black"), "Ctrl+K", &H::BlackColor_Click},
        {2, "WhiteColor", QT_TRANSLATE_NOOP("Form1", "White"), "Ctrl+W", &H::WhiteColor_Click},
        {2, "RedColor", QT_TRANSLATE_NOOP("Form1", "Red"), "Ctrl+R", &H::RedColor_Click},
        {2, "BlueColor", QT_TRANSLATE_NOOP("Form1", "Blue"), "Ctrl+B", &H::BlueColor_Click},
        {2, "GreenColor", QT_TRANSLATE_NOOP("Form1", "Green"), "Ctrl+G", &H::GreenColor_Click},
        {2, "YellowColor", QT_TRANSLATE_NOOP("Form1", "Yellow"), "Ctrl+Y", &H::YellowColor_Click},
        {2, "MagentaColor", QT_TRANSLATE_NOOP("Form1", "Magenta"), "Ctrl+M",
         &H::MagentaColor_Click},
        {2, "OrangeColor", QT_TRANSLATE_NOOP("Form1", "Orange"), "Ctrl+O", &H::OrangeColor_Click},
        {2, "CyanColor", QT_TRANSLATE_NOOP("Form1", "Cyan"), "Ctrl+C", &H::CyanColor_Click},
        {2, "GrayColor", QT_TRANSLATE_NOOP("Form1", "Gray"), "Ctrl+E", &H::GrayColor_Click},
        {1, "ScreenColor", QT_TRANSLATE_NOOP("Form1", "&Background Color"), "", nullptr},
        {2, "BlackScreen", QT_TRANSLATE_NOOP("Form1", "&Black"), "F5", &H::BlackScreen_Click},
        {2, "GrayScreen", QT_TRANSLATE_NOOP("Form1", "&Gray"), "F6", &H::GrayScreen_Click},
        {1, "ShakeIt", QT_TRANSLATE_NOOP("Form1", "&Shake"), "", nullptr},
        {2, "ShakeItBaby", QT_TRANSLATE_NOOP("Form1", "&Shake It Baby!"), "F4",
         &H::ShakeItBaby_Click},
        {1, "SetPen", QT_TRANSLATE_NOOP("Form1", "&Place Pen"), "", nullptr},
        {2, "RandomPen", QT_TRANSLATE_NOOP("Form1", "Random"), "F7", &H::RandomPen_Click},
        {1, "PenWidth1", QT_TRANSLATE_NOOP("Form1", "Pen &Width"), "", nullptr},
        {2, "One1", "1", "", &H::One1_Click},
        {2, "two1", "2", "", &H::two1_Click},
        {2, "five1", "5", "", &H::five1_Click},
        {2, "ten1", "10", "", &H::ten1_Click},
        {2, "fifty1", "50", "", &H::fifty1_Click},
        {1, "PSpeed", QT_TRANSLATE_NOOP("Form1", "Pen &Velocity"), "", nullptr},
        {2, "FiveSpeed", "5", "", &H::FiveSpeed_Click},
        {2, "FiftySpeed", "50", "", &H::FiftySpeed_Click},
        {2, "HunSpeed", "100", "", &H::HunSpeed_Click},
        {2, "TwoHunSpeed", "200", "", &H::TwoHunSpeed_Click},
        {1, "MoreFun1", QT_TRANSLATE_NOOP("Form1", "&More Fun"), "", nullptr},
        {2, "AddYourName1", QT_TRANSLATE_NOOP("Form1", "Add Your Name"), "",
         &H::AddYourName1_Click},
        {1, "AboutProgram", QT_TRANSLATE_NOOP("Form1", "&About"), "", nullptr},
        {2, "ControlGame", QT_TRANSLATE_NOOP("Form1", "How to use Scribblewick!"), "F1",
         &H::ControlGame_Click},
        {2, "AboutPemrod", QT_TRANSLATE_NOOP("Form1", "About Scribblewick"), "F2",
         &H::AboutPemrod_Click},
    }};
}

} // namespace drawing
