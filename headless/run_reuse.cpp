#include "headless/run_reuse.h"

#include "events/output_field.h"
#include "events/solve_tick.h"

namespace quodrill {

namespace {

// What the tick of the solve timer shows after a run of `passes` passes that left `state`.
void showKnownRun(PuzzleState& state, PlainWindow& window, long passes) {
    window.disarmTimer(TimerId::TT);  // the one-shot timer goes off as it ticks
    WriteOutputField(state, window);  // the text of the last pass
    window.outputWrites += passes - 1;
    showRunOutcome(runOutcome(state), window);
    window.disarmTimer(TimerId::TT);
}

}  // namespace

bool RunReuse::replaySetUpRun(PuzzleState& state, PlainWindow& window) const {
    if (!setUpRunKnown_ || state.Grid != setUpGrid_ || state.Candidates != setUpCandidates_) {
        return false;
    }
    state.Grid = stalled_.Grid;
    state.Candidates = stalled_.Candidates;
    state.CandidateSnapshot = stalled_.CandidateSnapshot;
    state.SolvedFlag = 0;
    increaseCounter(state.StallCount);
    showKnownRun(state, window, setUpPasses_);
    return true;
}

void RunReuse::solveTick(PuzzleState& state, PlainWindow& window) {
    if (replaySetUpRun(state, window)) {
        return;
    }
    int column = 0;
    int row = 0;
    int digit = 0;
    const bool afterGuess = outcomes_.isGuessFrom(state, column, row, digit);
    if (afterGuess) {
        const PairOutcome* known = countPasses_ ? outcomes_.known(column, row, digit)
                                                : &outcomes_.outcomeOf(column, row, digit);
        if (known != nullptr && (known->passesKnown || !countPasses_)) {
            // A guess that stalls leaves a state that the restart's set-up overwrites whole: the
            // grid from the rows, and the candidates of every blank cell.
            if (known->result == GuessResult::Finishes) {
                state.Grid = outcomes_.solution(known->solution);
                state.SolvedFlag = 1;
            } else {
                state.SolvedFlag = 0;
                increaseCounter(state.StallCount);
            }
            showKnownRun(state, window, known->passes);
            return;
        }
    }

    const GridArray grid = state.Grid;
    const CandidateMasks candidates = state.Candidates;
    const long before = window.outputWrites;
    window.tick(TimerId::TT);
    const long passes = window.outputWrites - before;
    if (afterGuess) {
        outcomes_.record(column, row, digit, state.SolvedFlag == 1, static_cast<int>(passes),
                         state.Grid);
    } else if (!setUpRunKnown_ && state.SolvedFlag == 0) {
        setUpRunKnown_ = true;
        setUpGrid_ = grid;
        setUpCandidates_ = candidates;
        stalled_ = state;
        setUpPasses_ = passes;
    }
}

}  // namespace quodrill
