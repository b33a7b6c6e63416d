// The tick of the solve timer: one solve run, with the output field written after every pass,
// then what the run's end calls for.
#pragma once

#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/solve_run.h"

namespace quodrill {

// TT_Timer: the handler of the solve timer TT.
void TT_Timer(PuzzleState& state, WindowOps& window);

// One tick of the solve timer, and the one place a run's end takes effect. Without `known` the
// run's passes are run, the output field written after each; with it (the headless solver's
// shortcut through a run seen before) the state takes the end those passes would leave and the
// output field the text of the last one. Then the window is told the passes, a solved grid shows
// "Status : Complete", the next stage's timer is armed and TT disarmed. A run's passes leave their
// board in `endBoard`, where given.
void solveTick(PuzzleState& state, WindowOps& window, const RunEnd* known,
               SolveBoard* endBoard = nullptr);

// "Status : Complete" over a solved grid, and the timer of the next stage armed.
void showRunOutcome(const RunOutcome& outcome, WindowOps& window);

}  // namespace quodrill
