// The reference solve run: a full copy and comparison of the candidates in every pass.
#include "tests/oracle/oracle_engine.h"

#include "events/captions.h"

namespace quodrill::oracle {

bool runSolvePass(PuzzleState& state, WindowOps& window) {
    state.CandidateSnapshot = state.Candidates;

    // Down column 1, then column 2, ...; each cell's blank test is made when reached.
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (isBlank(state.Grid[c][r])) {
                oracle::TryCellCandidates(state, c, r);
            }
        }
    }
    oracle::PlaceHiddenSinglesInBoxes(state);
    oracle::EliminatePointingInRows(state);
    oracle::ClearSolvedCellCandidates(state);
    oracle::WriteOutputField(state, window);

    // Only a full grid without a repeated digit is solved; a full grid that repeats a digit
    // goes on to the no-change test like a grid with blank cells.
    const bool solved = !gridHasBlankCell(state.Grid) && !gridRepeatsDigit(state.Grid);
    state.SolvedFlag = solved ? 1 : 0;
    if (solved) {
        return true;
    }
    const bool unchanged = state.CandidateSnapshot == state.Candidates;
    if (unchanged) {
        increaseCounter(state.StallCount);  // stays at 32767
    }
    return unchanged;
}

void RunSolvePasses(PuzzleState& state, WindowOps& window) {
    state.SolvedFlag = 0;
    while (!oracle::runSolvePass(state, window)) {
    }

    if (state.SolvedFlag == 1) {
        window.setStatusCaption(captions::kStatusComplete);
    }
    if (state.StallCount == 2) {
        window.armTimer(TimerId::SBT);
    }
    if (state.StallCount == 1 && state.SolvedFlag == 0) {
        window.armTimer(TimerId::Testt);
    }
}

void TT_Timer(PuzzleState& state, WindowOps& window) {
    oracle::RunSolvePasses(state, window);
    window.disarmTimer(TimerId::TT);
}

}  // namespace quodrill::oracle
