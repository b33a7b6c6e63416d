// quodrill-window: the window of Quodrill, which the quodrill program starts in its place with
// its arguments. When the window cannot open, it says why itself.
#include "app/window_start.h"

int main(int argc, char* argv[]) {
    return quodrill::runWindow(argc, argv);
}
