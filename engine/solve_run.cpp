#include "engine/solve_run.h"

#include "engine/grid_check.h"
#include "engine/propagation.h"
#include "ui/captions.h"
#include "ui/output_field.h"

namespace quodrill {

void RunSolvePasses(PuzzleState& state, WindowOps& window) {
    state.SolvedFlag = 0;
    bool stop = false;
    while (!stop) {
        state.CandidateSnapshot = state.Candidates;

        // Down column 1, then column 2, ...; each cell's blank test is made when reached.
        for (int c = kFirst; c <= kLast; ++c) {
            for (int r = kFirst; r <= kLast; ++r) {
                if (isBlank(state.Grid[c][r])) {
                    TryCellCandidates(state, c, r);
                }
            }
        }
        PlaceHiddenSinglesInBoxes(state);
        EliminatePointingInRows(state);
        ClearSolvedCellCandidates(state);
        WriteOutputField(state, window);

        // Only a full grid without a repeated digit is solved; a full grid that repeats a digit
        // goes on to the no-change test like a grid with blank cells.
        const bool solved = !gridHasBlankCell(state.Grid) && !gridRepeatsDigit(state.Grid);
        state.SolvedFlag = solved ? 1 : 0;
        stop = solved;
        if (!stop) {
            stop = state.CandidateSnapshot == state.Candidates;
            if (stop) {
                increaseCounter(state.StallCount);  // stays at 32767
            }
        }
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
    RunSolvePasses(state, window);
    window.disarmTimer(TimerId::TT);
}

}  // namespace quodrill
