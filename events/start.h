// Start: validates the nine rows, sets up the grid and candidates and arms the solve run; with a
// set-up already done it only arms the solve run again.
#pragma once

#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/set_up.h"

namespace quodrill {

// SB_Click: the handler of the Start button SB.
void SB_Click(PuzzleState& state, WindowOps& window);
// SB_Click for a caller that keeps the rows' set-up for its restarts (the headless solver's
// shortcuts): where the rows are read and pass, their set-up is left in `made` as well.
void startClick(PuzzleState& state, WindowOps& window, RowsSetUp* made);
// Start as the restart of the chain of timers makes it. With `rowsSetUp`, the set-up of the rows
// as they were when they last passed, for rows known to be unchanged since (the headless
// solver's restarts): they are not read and checked again. Without it the rows are read: rows that
// pass are set up as SB_Click sets them up; rows that no longer pass stop solving quietly: no
// message, no row emptied, the Ready status, nothing armed, and the next Start checks them again.
// `known` gives the candidates the set-up leaves, where the caller knows them (see putSetUp).
void restartSetUp(PuzzleState& state, WindowOps& window, const RowsSetUp* rowsSetUp,
                  const CandidateMasks* known = nullptr);
void ShowInputFormatError(WindowOps& window);

}  // namespace quodrill
