// The solve run: propagation passes until the grid is full or a pass changes no candidate, then
// the next stage: completion, a random guess or a restart.
#pragma once

#include "engine/puzzle_state.h"
#include "ui/window_ops.h"

namespace quodrill {

void RunSolvePasses(PuzzleState& state, WindowOps& window);

// Tick of the solve timer: one run, then the timer disarms itself.
void TT_Timer(PuzzleState& state, WindowOps& window);

}  // namespace quodrill
