// The tick of the solve timer: one solve run, with the output field written after every pass,
// then what the run's end calls for.
#pragma once

#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/solve_run.h"

namespace quodrill {

void TT_Timer(PuzzleState& state, WindowOps& window);

// "Status : Complete" over a solved grid, and the timer of the next stage armed.
void showRunOutcome(const RunOutcome& outcome, WindowOps& window);

}  // namespace quodrill
