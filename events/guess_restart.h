// The ticks of the guess and restart timers: a random guess after a first stall, and a fresh
// set-up from the rows after a second one.
#pragma once

#include "events/window_ops.h"
#include "solver/guess.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"
#include "solver/set_up.h"

namespace quodrill {

// Testt_Timer, the handler of the guess timer Testt: counts the guess, shows the count, writes a
// random candidate digit into a random blank cell and arms the solve run. With no blank cell, or
// a drawn cell without candidates, it places nothing and arms the restart instead. At the
// window's guess limit (32767 guesses) it stops solving, and so it does, before guessing, when a
// cycle has stalled in this state before and no single guess finishes it.
void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random,
                 GuessOutcomes& outcomes);
// Testt_Timer for a caller that follows the state (the headless solver's shortcuts): it tells
// whether the outcomes are those of the state (`seenBefore`, outcomes.isFor(state)), may give the
// board that the run which stalled in the state ended with (`stallBoard`), and is told the guess
// written, if any.
GuessCell guessTick(PuzzleState& state, WindowOps& window, RandomSource& random,
                    GuessOutcomes& outcomes, bool seenBefore,
                    const SolveBoard* stallBoard = nullptr);

// SBT_Timer, the handler of the restart timer SBT: sets up again from the rows as they are now;
// rows changed so that they no longer pass stop solving quietly.
void SBT_Timer(PuzzleState& state, WindowOps& window);
// The restart with the set-up of the rows as they were when they last passed, and where known the
// candidates it leaves (see restartSetUp).
void restartWithRows(PuzzleState& state, WindowOps& window, const RowsSetUp* rowsSetUp,
                     const CandidateMasks* known = nullptr);

}  // namespace quodrill
