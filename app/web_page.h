#pragma once

#include <QString>
#include <emscripten/val.h>

class Form1;

// The page around the toy in a browser: its canvas takes the main window's size, its language
// and reading direction the toy's; it hears of the first frame and of the end.
namespace web_page {

// The page's calls (window.scribblewick); undefined until its script has run.
emscripten::val page();

// A step of the start on the page's timeline ("scribblewick-" + step), for bench/.
void mark(const char* step);
// Before the language is chosen: the words (and face) of the language the page chose, from the
// file it downloaded beside the program; without it the toy speaks English.
void takeLanguage();
// Before any window is made: the desktop's interface font (Qt's page default is larger, and the
// menu bar would not fit on one line), with the face of `language` where it needs one.
void beforeWindows(const QString& language);
// Before the window is shown: no frame of its own, at the canvas's corner.
void prepare(Form1& form);
// Once it is shown; `language` as the catalogue is named ("pt_BR"), "" for English.
void shown(Form1& form, const QString& language);

} // namespace web_page
