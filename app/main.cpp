// Quodrill: a desktop program that solves 9x9 number-placement puzzles. This is its command, which
// solves without a window itself and starts the window program for the window.
#include "app/command_line.h"

int main(int argc, char* argv[]) {
    return quodrill::runCommandLine(argc, argv);
}
