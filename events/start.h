// Start: validates the nine rows, sets up the grid and candidates and arms the solve run; with a
// set-up already done it only arms the solve run again.
#pragma once

#include "events/window_ops.h"
#include "solver/puzzle_state.h"

namespace quodrill {

// SB_Click: the handler of the Start button SB.
void SB_Click(PuzzleState& state, WindowOps& window);
// Start with the grid that the rows gave when they last passed, for rows known to be unchanged
// since (the headless solver's restarts): they are not read and checked again. Null for Start.
void startWithRows(PuzzleState& state, WindowOps& window, const GridArray* rowsGrid);
void ShowInputFormatError(WindowOps& window);

}  // namespace quodrill
