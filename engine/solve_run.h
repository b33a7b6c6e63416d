// The solve run: propagation passes until the grid is full or a pass changes no candidate, then
// the next stage: completion, a random guess or a restart.
#pragma once

#include "engine/puzzle_state.h"
#include "engine/solve_board.h"
#include "ui/window_ops.h"

namespace quodrill {

void RunSolvePasses(PuzzleState& state, WindowOps& window);

// Tick of the solve timer: one run, then the timer disarms itself.
void TT_Timer(PuzzleState& state, WindowOps& window);

// One pass of a run, on a board loaded from the state when the run began; returns whether the
// run stops after it. The snapshot of the pass is kept as masks on the board.
bool runSolvePass(PuzzleState& state, SolveBoard& board, WindowOps& window);

// Writes CandidateSnapshot as the last pass of the run left it: the candidates at its start.
void writeCandidateSnapshot(PuzzleState& state, const SolveBoard& board);

}  // namespace quodrill
