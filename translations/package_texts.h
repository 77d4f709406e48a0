#pragma once

#include <QtGlobal>
#include <array>

// What desktops and software centres say of the toy before it runs: the desktop entry's words
// and the AppStream file's, translated in the catalogues with the rest ("Package"). The build
// writes both files from templates that name these texts as @key@ (packaging/CMakeLists.txt).
namespace package_texts {

struct Text {
    const char* key;
    const char* source;     // in the "Package" context
    bool translated = true; // else the same in every language
};

constexpr const char* Context = "Package";

constexpr std::array<Text, 11> Texts{{
    {"name", "Scribblewick", false},
    //: The desktop menu's name for the kind of program.
    {"generic_name", QT_TRANSLATE_NOOP("Package", "Drawing Toy")},
    //: One line under the toy's name in the desktop menu and the software centre.
    {"summary", QT_TRANSLATE_NOOP("Package", "Draw with two knobs on a red drawing toy")},
    //: Words a desktop search finds the toy by: each one followed by a semicolon, the last too.
    {"keywords", QT_TRANSLATE_NOOP("Package", "draw;sketch;toy;")},
    //: The software centre's description, read by parents and children: its first paragraph.
    {"about", QT_TRANSLATE_NOOP("Package", "Scribblewick is a drawing toy: a red toy with a "
                                           "black screen and two knobs. Each key press or knob "
                                           "click moves the pen one step left, right, up or "
                                           "down and leaves a straight line behind it.")},
    //: The software centre's description: the line above a list of four things to do.
    {"menus", QT_TRANSLATE_NOOP("Package", "Its menus let you:")},
    {"choose", QT_TRANSLATE_NOOP("Package", "choose the pen colour, the screen colour, the line "
                                            "width and the step length")},
    {"erase", QT_TRANSLATE_NOOP("Package", "erase the screen, or drop the pen somewhere at "
                                           "random")},
    {"save", QT_TRANSLATE_NOOP("Package", "save the toy's picture as a BMP file, or print it "
                                          "to fit the page")},
    {"sign", QT_TRANSLATE_NOOP("Package", "sign your drawing with your name")},
    //: The software centre's caption of the toy's picture.
    {"caption", QT_TRANSLATE_NOOP("Package", "A staircase drawn in white on the toy's black "
                                             "screen")},
}};

} // namespace package_texts
