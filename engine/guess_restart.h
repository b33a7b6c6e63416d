// The random guess after a first stall, and the restart from the rows after a second one.
#pragma once

#include "engine/puzzle_state.h"
#include "engine/random_source.h"
#include "ui/window_ops.h"

namespace quodrill {

// Counts the guess, shows the count, writes a random candidate digit into a random blank cell
// and arms the solve run. With no blank cell, or a drawn cell without candidates, it places
// nothing and arms the restart instead. At 32767 guesses it stops solving.
void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random);

// Sets up again from the rows as they are now.
void SBT_Timer(PuzzleState& state, WindowOps& window);

}  // namespace quodrill
