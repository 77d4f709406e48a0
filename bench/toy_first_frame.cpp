// The toy's own start-up, ended after the main window's first painted frame.
#include "first_frame.h"

#include "app/startup.h"
#include "forms/picture_box.h"
#include "windows/form1.h"

int main(int argc, char* argv[]) {
    // The canvas is painted last, above the background picture.
    const int status =
        runToy(argc, argv, [](Form1& form) { new QuitAfterFirstPaint(*form.Picture1); });
    printPeakMemory();
    return status;
}
