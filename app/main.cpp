// Quodrill: a desktop program that solves 9x9 number-placement puzzles.
#include "app/command_line.h"

int main(int argc, char* argv[]) {
    return quodrill::runCommandLine(argc, argv);
}
