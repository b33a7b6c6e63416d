// The reference solve run: a full copy and comparison of the candidates in every pass.
#include "events/output_field.h"
#include "events/solve_tick.h"
#include "tests/oracle/oracle_engine.h"

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
    WriteOutputField(state, window);

    // Only a full grid without a repeated digit is solved; a full grid that repeats a digit
    // goes on to the no-change test like a grid with blank cells.
    const bool solved = !gridHasBlankCell(state.Grid) && !gridRepeatsDigit(state.Grid);
    state.SolvedFlag = solved ? 1 : 0;
    if (solved) {
        return true;
    }
    bool unchanged = true;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            for (int d = kFirst; d <= kLast; ++d) {
                if (candidateEntry(state.CandidateSnapshot, c, r, d) !=
                    candidateEntry(state.Candidates, c, r, d)) {
                    unchanged = false;
                }
            }
        }
    }
    if (unchanged) {
        increaseCounter(state.StallCount);  // stays at 32767
    }
    return unchanged;
}

void TT_Timer(PuzzleState& state, WindowOps& window) {
    state.SolvedFlag = 0;
    while (!oracle::runSolvePass(state, window)) {
    }
    showRunOutcome(runOutcome(state), window);
    window.disarmTimer(TimerId::TT);
}

}  // namespace quodrill::oracle
