#include "app/command_line.h"

#include "app/window_start.h"

namespace quodrill {

int runCommandLine(int argc, char** argv) {
    return runWindow(argc, argv);
}

}  // namespace quodrill
