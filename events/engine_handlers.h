// The handlers that a window runs for Start and its three timers: the program's own, or another
// engine's (the reference engine of the tests) put in their place.
#pragma once

#include "events/guess_restart.h"
#include "events/solve_tick.h"
#include "events/start.h"
#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill {

struct EngineHandlers {
    void (*startClick)(PuzzleState&, WindowOps&) = SB_Click;
    void (*solveTick)(PuzzleState&, WindowOps&) = TT_Timer;
    void (*guessTick)(PuzzleState&, WindowOps&, RandomSource&, GuessOutcomes&) = Testt_Timer;
    void (*restartTick)(PuzzleState&, WindowOps&) = SBT_Timer;

    void runTimer(TimerId timer, PuzzleState& state, WindowOps& window, RandomSource& random,
                  GuessOutcomes& outcomes) const {
        switch (timer) {
            case TimerId::TT:
                solveTick(state, window);
                break;
            case TimerId::Testt:
                guessTick(state, window, random, outcomes);
                break;
            case TimerId::SBT:
                restartTick(state, window);
                break;
        }
    }
};

}  // namespace quodrill
