// Starts the window program in place of this one: found beside this program, as in the build
// tree, or where the installation puts it, under libexec.
#pragma once

namespace quodrill {

// Replaces this process with the window program, with the same arguments, the name this program
// was started by first; returns the exit status only when it cannot, having said why.
int startWindowProgram(char** argv);

}  // namespace quodrill
