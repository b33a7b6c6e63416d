// The ticks of the guess and restart timers: a random guess after a first stall, and a fresh
// set-up from the rows after a second one.
#pragma once

#include "events/window_ops.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill {

// Testt_Timer, the handler of the guess timer Testt: counts the guess, shows the count, writes a
// random candidate digit into a random blank cell and arms the solve run. With no blank cell, or
// a drawn cell without candidates, it places nothing and arms the restart instead. At the
// window's guess limit (32767 guesses) it stops solving, and so it does, before guessing, when a
// cycle has stalled in this state before and no single guess finishes it.
void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random,
                 GuessOutcomes& outcomes);

// SBT_Timer, the handler of the restart timer SBT: sets up again from the rows as they are now.
void SBT_Timer(PuzzleState& state, WindowOps& window);
// The restart with the grid that the rows gave when they last passed (startWithRows).
void restartWithRows(PuzzleState& state, WindowOps& window, const GridArray* rowsGrid);

}  // namespace quodrill
