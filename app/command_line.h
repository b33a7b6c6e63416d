// What the command line asks for: the window, with a puzzle file to open.
#pragma once

namespace quodrill {

// Runs what the arguments ask for and returns the program's exit status.
int runCommandLine(int argc, char** argv);

}  // namespace quodrill
