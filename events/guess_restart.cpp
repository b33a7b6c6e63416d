#include "events/guess_restart.h"

#include "events/captions.h"
#include "events/start.h"
#include "solver/guess.h"

namespace quodrill {

void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random,
                 GuessOutcomes& outcomes) {
    guessTick(state, window, random, outcomes, outcomes.isFor(state));
}

GuessCell guessTick(PuzzleState& state, WindowOps& window, RandomSource& random,
                    GuessOutcomes& outcomes, bool seenBefore, const SolveBoard* stallBoard) {
    const auto stop = [&window](SolveEnd end) {
        window.showSolveEnd(end);
        window.disarmTimer(TimerId::Testt);
    };
    const bool atLimit = state.GuessCount >= window.guessLimit();
    // With unchanged rows every cycle stalls in this same state, so when no single guess
    // finishes it, no cycle ever will. That is asked from the second stall in the state on (the
    // first guess is made regardless), and at a limit below the counter's, so that the stop gives
    // the one reason; at the counter's own limit the limit is the reason.
    if (!seenBefore) {
        outcomes.startFor(state, stallBoard);
    }
    // The coming guesses are looked at first where the generator's draws are known in advance.
    SeededRandom coming(0);
    if ((seenBefore || atLimit) && state.GuessCount < kCounterLimit &&
        !outcomes.someGuessFinishes(random.copyInto(coming) ? &coming : nullptr,
                                    state.GuessCount)) {
        stop(SolveEnd::NoGuessFinishes);
        return {};
    }
    if (atLimit) {
        stop(SolveEnd::GuessLimit);
        return {};
    }
    GuessCell placed;
    const GuessOutcome outcome = makeRandomGuess(state, random, &placed);
    if (outcome == GuessOutcome::CountAtLimit) {
        stop(SolveEnd::GuessLimit);
        return {};
    }
    window.setRepeatCountCaption(captions::RepeatCountCaption(state.GuessCount).view());
    window.armTimer(outcome == GuessOutcome::Placed ? TimerId::TT : TimerId::SBT);
    window.disarmTimer(TimerId::Testt);
    return placed;
}

void SBT_Timer(PuzzleState& state, WindowOps& window) {
    restartWithRows(state, window, nullptr);
}

void restartWithRows(PuzzleState& state, WindowOps& window, const RowsSetUp* rowsSetUp,
                     const CandidateMasks* known) {
    // Disarmed first so that the restart cannot run inside its own message box.
    window.disarmTimer(TimerId::SBT);
    state.SetUpDone = 0;
    restartSetUp(state, window, rowsSetUp, known);
    window.disarmTimer(TimerId::SBT);
}

}  // namespace quodrill
