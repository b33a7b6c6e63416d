#include "headless/run_reuse.h"

#include "events/guess_restart.h"
#include "events/solve_tick.h"
#include "events/start.h"

namespace quodrill {

namespace {

// The tick of the solve timer with the run's end known, counted as any tick is.
void tickKnownRun(PuzzleState& state, PlainWindow& window, const RunEnd& end) {
    window.tickWith(TimerId::TT, [&] { solveTick(state, window, &end); });
}

}  // namespace

void RunReuse::pressStart(PuzzleState& state, PlainWindow& window) {
    forgetIfTickedElsewhere(window);
    const bool setsUp = state.SetUpDone == 0;
    // The program's own Start, as the ticks run its own handlers; it leaves the rows' set-up.
    startClick(state, window, &rowsSetUp_);
    if (setsUp && window.end == SolveEnd::Running) {  // the set-up passed
        learnRows();
    }
    knownAt_ = window.ticksRun();
}

void RunReuse::tick(TimerId timer, PuzzleState& state, PlainWindow& window) {
    forgetIfTickedElsewhere(window);
    switch (timer) {
        case TimerId::TT:
            solveTick(state, window);
            break;
        case TimerId::Testt:
            guessTick(state, window);
            break;
        case TimerId::SBT:
            restartTick(state, window);
            break;
    }
    knownAt_ = window.ticksRun();
}

void RunReuse::forgetIfTickedElsewhere(const PlainWindow& window) {
    if (window.ticksRun() != knownAt_) {  // a tick ran elsewhere: nothing is known any more
        known_ = Known::Nothing;
        outcomesForStall_ = false;
        rowsKnown_ = false;  // the rows may have changed: the next restart reads them
        snapshotIsStall_ = false;
    }
}

void RunReuse::learnRows() {
    rowsKnown_ = true;
    compareStallWithSetUp();
}

void RunReuse::compareStallWithSetUp() {
    stallCandidatesAreSetUps_ = setUpRunKnown_ && stalled_.Candidates == setUpCandidates_;
    restartFromStallIsSetUp_ = setUpRunKnown_ && rowsKnown_ && rowsSetUp_.grid == setUpGrid_ &&
                               setUpCandidates(rowsSetUp_, stalled_.Candidates) == setUpCandidates_;
}

bool RunReuse::replaySetUpRun(PuzzleState& state, PlainWindow& window) {
    if (!setUpRunKnown_) {
        return false;
    }
    // Where the candidates are known to be the stall's, they are the set-up state's only when
    // the two are the same (a run that stalled at once).
    const bool stallCandidates = known_ != Known::Nothing && known_ != Known::SetUp;
    if (stallCandidates && !stallCandidatesAreSetUps_) {
        return false;
    }
    if (known_ != Known::SetUp &&
        (state.Grid != setUpGrid_ || state.Candidates != setUpCandidates_)) {
        return false;
    }
    RunEnd end;
    end.passes = setUpPasses_;
    end.grid = &stalled_.Grid;
    end.candidates = &stalled_.Candidates;
    end.snapshot = snapshotIsStall_ ? nullptr : &stalled_.CandidateSnapshot;
    tickKnownRun(state, window, end);
    known_ = Known::Stalled;
    snapshotIsStall_ = true;
    return true;
}

void RunReuse::solveTick(PuzzleState& state, PlainWindow& window) {
    if (replaySetUpRun(state, window)) {
        return;
    }
    int column = 0;
    int row = 0;
    int digit = 0;
    bool afterGuess = false;
    if (known_ == Known::Guessed && outcomesForStall_) {  // the guess this object drew
        column = guess_.column;
        row = guess_.row;
        digit = guess_.digit;
        afterGuess = true;
    } else {
        afterGuess = outcomes_.isGuessFrom(state, column, row, digit);
    }
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
            // The candidates stay the stall's, where the guess was written in.
            known_ = known_ == Known::Guessed ? Known::StallCands : Known::Nothing;
            return;
        }
    }

    const GridArray grid = state.Grid;
    const CandidateMasks candidates = state.Candidates;
    const long before = window.passes;
    window.tickWith(TimerId::TT, [&] { quodrill::solveTick(state, window, nullptr, &endBoard_); });
    const auto passes = static_cast<int>(window.passes - before);
    known_ = Known::Nothing;
    snapshotIsStall_ = false;
    if (afterGuess) {
        outcomes_.record(column, row, digit, state.SolvedFlag == 1, passes, state.Grid);
    } else if (!setUpRunKnown_ && state.SolvedFlag == 0) {
        setUpRunKnown_ = true;
        setUpGrid_ = grid;
        setUpCandidates_ = candidates;
        stalled_ = state;
        stallBoard_ = endBoard_;
        setUpPasses_ = passes;
        compareStallWithSetUp();
        known_ = Known::Stalled;
        snapshotIsStall_ = true;
    }
}

void RunReuse::guessTick(PuzzleState& state, PlainWindow& window) {
    const bool atStall = known_ == Known::Stalled;
    const bool seenBefore = (atStall && outcomesForStall_) || outcomes_.isFor(state);
    GuessCell placed;
    window.tickWith(TimerId::Testt, [&] {
        placed = quodrill::guessTick(state, window, random_, outcomes_, seenBefore,
                                     atStall ? &stallBoard_ : nullptr);
    });
    // The outcomes are now those of the state the guess was drawn in; a guess not written
    // leaves the grid and candidates as they were.
    outcomesForStall_ = atStall;
    if (placed.digit != 0) {
        known_ = atStall ? Known::Guessed : Known::Nothing;
        guess_ = placed;
    }
}

void RunReuse::restartTick(PuzzleState& state, PlainWindow& window) {
    if (rowsKnown_) {
        const bool fromStall =
            known_ == Known::Stalled || known_ == Known::Guessed || known_ == Known::StallCands;
        // From the stall's candidates the set-up is known to leave the set-up state's.
        const bool toSetUp = fromStall && restartFromStallIsSetUp_;
        const CandidateMasks* const known = toSetUp ? &setUpCandidates_ : nullptr;
        window.tickWith(TimerId::SBT, [&] { restartWithRows(state, window, &rowsSetUp_, known); });
        known_ = toSetUp ? Known::SetUp : Known::Nothing;
        return;
    }
    window.tick(TimerId::SBT);
    known_ = Known::Nothing;
    rowsKnown_ = false;
    if (window.end == SolveEnd::Running) {  // the set-up passed: Grid holds the rows
        rowsSetUp_ = rowsSetUpOf(state.Grid);
        learnRows();
    }
}

}  // namespace quodrill
