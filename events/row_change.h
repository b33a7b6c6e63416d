// The row-change handler: every change of a row box forgets the set-up, and an example keyword
// in the first row fills in that example's rows.
#pragma once

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

// Runs on every change of the text of row box T(index), typed or written by the program.
void T_Change(PuzzleState& state, WindowOps& window, int index);

// After a whole puzzle has come into the rows, whichever way (a keyword, a paste, Open, a drop,
// the command line): the status line reads "Status : Ready (Fill in the numbers)", so that no
// "Status : Complete" or "Stopped" of the puzzle before stands over it.
void showNewPuzzle(WindowOps& window);

}  // namespace quodrill
