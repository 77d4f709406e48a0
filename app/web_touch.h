#pragma once

class Form1;

// The toy in a browser on a touch screen: knob halves that answer a finger anywhere in a zone
// around each, menu entries and buttons a finger's height, and text typed with the system's
// on-screen keyboard. With a mouse only, nothing changes.
namespace web_touch {

bool touchScreen();
// Before any window is made.
void beforeWindows();
// Once the main window is built.
void prepare(Form1& form);

} // namespace web_touch
