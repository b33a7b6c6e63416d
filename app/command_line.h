// What the command line asks for: the window (with a puzzle file to open), the headless solver,
// the usage or the version.
#pragma once

#include <string>

namespace quodrill {

// The text of --help.
std::string usageText();

// Runs what the arguments ask for and returns the program's exit status.
int runCommandLine(int argc, char** argv);

}  // namespace quodrill
