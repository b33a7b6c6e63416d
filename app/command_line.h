// What the command line asks for: the headless solver, the usage or the version, which this
// program gives without the window toolkit, or the window, which the window program shows.
#pragma once

#include <string>

namespace quodrill {

// The text of --help.
std::string usageText();

// The text of --version: the version, the copyright and the licence.
std::string versionText();

// Runs what the arguments ask for and returns the program's exit status.
int runCommandLine(int argc, char** argv);

}  // namespace quodrill
