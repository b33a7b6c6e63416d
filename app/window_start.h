// Starts the window: the display check, Qt, the main window, and the puzzle file named on the
// command line.
#pragma once

#include <QStringList>

#include "app/window_arguments.h"
#include "events/window_ops.h"

namespace quodrill {

// Loads the first regular file among the arguments that Qt has left (the program's name first,
// then no option of Qt's own) as Open loads a file; nothing when there is none.
void openPuzzleFromArguments(WindowOps& window, const QStringList& arguments);

// The window until it is closed, or the no-display message when the display that `arguments`
// and the environment ask for is not there; returns the exit status.
int runWindow(int argc, char** argv, const WindowArguments& arguments);

}  // namespace quodrill
