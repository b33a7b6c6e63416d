// Starts the window: Qt, the main window, the seed and the puzzle file named on the command line.
// The quodrill program has checked the arguments before it starts this one; whether the window
// can open, Qt judges here.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "window/main_window.h"

namespace quodrill {

// Sets the window up as the arguments ask that Qt has left after the program's name, given as the
// bytes they were given: the
// guesses drawn from the seed of --seed N, and the first of the names that holds a puzzle loaded
// into the rows, read as a paste is read; why each name before it was refused goes to `errors`,
// a line each. Returns what is wrong with the arguments; empty when nothing is.
std::string applyWindowArguments(MainWindow& window, const std::vector<std::string>& arguments,
                                 std::ostream& errors);

// The window until it is closed; returns the exit status: 1 when it cannot open, with why in one
// line on standard error.
int runWindow(int argc, char** argv);

}  // namespace quodrill
