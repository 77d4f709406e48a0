#pragma once

#include <functional>

class Form1;

// Starts the toy: checks for a display, builds the application, shows the main window and
// runs until the last window is unloaded. `shown` runs once the main window is shown (the
// start-up benchmark uses it to stop after the first frame); the program itself passes none.
int runToy(int argc, char* argv[], const std::function<void(Form1&)>& shown = {});
