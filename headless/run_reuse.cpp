#include "headless/run_reuse.h"

#include "events/guess_restart.h"
#include "events/solve_tick.h"

namespace quodrill {

namespace {

// The tick of the solve timer with the run's end known: the timer goes off as it ticks.
void tickKnownRun(PuzzleState& state, PlainWindow& window, const RunEnd& end) {
    window.disarmTimer(TimerId::TT);
    solveTick(state, window, &end);
}

}  // namespace

bool RunReuse::replaySetUpRun(PuzzleState& state, PlainWindow& window) const {
    if (!setUpRunKnown_ || state.Grid != setUpGrid_ || state.Candidates != setUpCandidates_) {
        return false;
    }
    RunEnd end;
    end.passes = setUpPasses_;
    end.grid = &stalled_.Grid;
    end.candidates = &stalled_.Candidates;
    end.snapshot = &stalled_.CandidateSnapshot;
    tickKnownRun(state, window, end);
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
            RunEnd end;
            end.solved = known->result == GuessResult::Finishes;
            end.passes = known->passes;
            if (end.solved) {
                end.grid = &outcomes_.solution(known->solution);
            }
            tickKnownRun(state, window, end);
            return;
        }
    }

    const GridArray grid = state.Grid;
    const CandidateMasks candidates = state.Candidates;
    const long before = window.passes;
    window.tick(TimerId::TT);
    const auto passes = static_cast<int>(window.passes - before);
    if (afterGuess) {
        outcomes_.record(column, row, digit, state.SolvedFlag == 1, passes, state.Grid);
    } else if (!setUpRunKnown_ && state.SolvedFlag == 0) {
        setUpRunKnown_ = true;
        setUpGrid_ = grid;
        setUpCandidates_ = candidates;
        stalled_ = state;
        setUpPasses_ = passes;
    }
}

void RunReuse::restartTick(PuzzleState& state, PlainWindow& window) {
    if (rowsKnown_ && window.rows == rows_) {
        window.tickWith(TimerId::SBT, [&] { restartWithRows(state, window, &rowsGrid_); });
        return;
    }
    window.tick(TimerId::SBT);
    rowsKnown_ = window.end == SolveEnd::Running;  // the set-up passed: Grid holds the rows
    if (rowsKnown_) {
        rows_ = window.rows;
        rowsGrid_ = state.Grid;
    }
}

}  // namespace quodrill
