#pragma once

#include <array>

// The main window's menu bar as data, in display order. A level-1 row opens a menu; the
// level-2 rows under it are its entries, each with the handler named after it.
namespace drawing {

template <class Handlers> struct MenuItem {
    int level;
    const char* name;
    const char* caption;
    const char* shortcut; // as QKeySequence reads it; "" for none
    void (Handlers::*click)();
};

template <class H> constexpr std::array<MenuItem<H>, 38> menuTree() {
    return {{
        {1, "file1", "&File", "", nullptr},
        {2, "print1", "&Print", "Ctrl+P", &H::print1_Click},
        {2, "save1", "&Save", "Ctrl+S", &H::save1_Click},
        {2, "exit1", "E&xit", "Ctrl+X", &H::exit1_Click},
        {1, "ColorMenu", "Pen &Colors", "", nullptr},
        {2, "BlackColor", "Black", "Ctrl+K", &H::BlackColor_Click},
        {2, "WhiteColor", "White", "Ctrl+W", &H::WhiteColor_Click},
        {2, "RedColor", "Red", "Ctrl+R", &H::RedColor_Click},
        {2, "BlueColor", "Blue", "Ctrl+B", &H::BlueColor_Click},
        {2, "GreenColor", "Green", "Ctrl+G", &H::GreenColor_Click},
        {2, "YellowColor", "Yellow", "Ctrl+Y", &H::YellowColor_Click},
        {2, "MagentaColor", "Magenta", "Ctrl+M", &H::MagentaColor_Click},
        {2, "OrangeColor", "Orange", "Ctrl+O", &H::OrangeColor_Click},
        {2, "CyanColor", "Cyan", "Ctrl+C", &H::CyanColor_Click},
        {2, "GrayColor", "Gray", "Ctrl+E", &H::GrayColor_Click},
        {1, "ScreenColor", "&Background Color", "", nullptr},
        {2, "BlackScreen", "&Black", "F5", &H::BlackScreen_Click},
        {2, "GrayScreen", "&Gray", "F6", &H::GrayScreen_Click},
        {1, "ShakeIt", "&Shake", "", nullptr},
        {2, "ShakeItBaby", "&Shake It Baby!", "F4", &H::ShakeItBaby_Click},
        {1, "SetPen", "&Place Pen", "", nullptr},
        {2, "RandomPen", "Random", "F7", &H::RandomPen_Click},
        {1, "PenWidth1", "Pen &Width", "", nullptr},
        {2, "One1", "1", "", &H::One1_Click},
        {2, "two1", "2", "", &H::two1_Click},
        {2, "five1", "5", "", &H::five1_Click},
        {2, "ten1", "10", "", &H::ten1_Click},
        {2, "fifty1", "50", "", &H::fifty1_Click},
        {1, "PSpeed", "Pen &Velocity", "", nullptr},
        {2, "FiveSpeed", "5", "", &H::FiveSpeed_Click},
        {2, "FiftySpeed", "50", "", &H::FiftySpeed_Click},
        {2, "HunSpeed", "100", "", &H::HunSpeed_Click},
        {2, "TwoHunSpeed", "200", "", &H::TwoHunSpeed_Click},
        {1, "MoreFun1", "&More Fun", "", nullptr},
        {2, "AddYourName1", "Add Your Name", "", &H::AddYourName1_Click},
        {1, "AboutProgram", "&About", "", nullptr},
        {2, "ControlGame", "How to use Scribblewick!", "F1", &H::ControlGame_Click},
        {2, "AboutPemrod", "About Scribblewick", "F2", &H::AboutPemrod_Click},
    }};
}

} // namespace drawing
