// quodrill-window: the window of Quodrill, started by the quodrill program with its arguments
// once it has found a display to show it on.
#include "app/window_start.h"

int main(int argc, char* argv[]) {
    return quodrill::runWindow(argc, argv);
}
