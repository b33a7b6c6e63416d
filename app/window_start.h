// Starts the window: Qt, the main window, and the puzzle file named on the command line. The
// quodrill program has checked the arguments and the display before it starts this one.
#pragma once

#include <QStringList>

#include "events/window_ops.h"

namespace quodrill {

// Loads the first regular file among the names of the arguments that Qt has left (the program's
// name first, then no option of Qt's own) as Open loads a file; nothing when there is none.
void openPuzzleFromArguments(WindowOps& window, const QStringList& arguments);

// The window until it is closed; returns the exit status.
int runWindow(int argc, char** argv);

}  // namespace quodrill
