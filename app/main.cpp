#include "startup.h"

// The program takes no command line: argc and argv only reach Qt.
int main(int argc, char* argv[]) {
    return runToy(argc, argv);
}
