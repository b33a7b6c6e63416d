#include "events/guess_restart.h"

#include "events/captions.h"
#include "events/start.h"
#include "solver/guess.h"

namespace quodrill {

void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random,
                 GuessOutcomes& outcomes) {
    // With unchanged rows every cycle stalls in this same state, so when no single guess
    // finishes it, no cycle ever will. (At the guess limit, the limit stops it.)
    if (!outcomes.isFor(state)) {
        outcomes.startFor(state);
    } else if (state.GuessCount < kCounterLimit && !outcomes.someGuessFinishes()) {
        window.setStatusCaption(captions::kStatusNoGuessFinishes);
        window.disarmTimer(TimerId::Testt);
        return;
    }
    const GuessOutcome outcome = makeRandomGuess(state, random);
    if (outcome == GuessOutcome::CountAtLimit) {
        window.setStatusCaption(captions::kStatusStopped);
        window.disarmTimer(TimerId::Testt);
        return;
    }
    window.setRepeatCountCaption(captions::RepeatCountCaption(state.GuessCount).view());
    window.armTimer(outcome == GuessOutcome::Placed ? TimerId::TT : TimerId::SBT);
    window.disarmTimer(TimerId::Testt);
}

void SBT_Timer(PuzzleState& state, WindowOps& window) {
    // Disarmed first so that the restart cannot run inside its own message box.
    window.disarmTimer(TimerId::SBT);
    state.SetUpDone = 0;
    restartSetUp(state, window);
    window.disarmTimer(TimerId::SBT);
}

}  // namespace quodrill
