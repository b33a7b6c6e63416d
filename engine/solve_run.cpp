#include "engine/solve_run.h"

#include <bit>

#include "engine/propagation.h"
#include "ui/captions.h"
#include "ui/output_field.h"

namespace quodrill {

bool runSolvePass(PuzzleState& state, SolveBoard& board, WindowOps& window) {
    board.passStart = board.candidates;

    // Down column 1, then column 2, ...; each cell's blank test is made when reached.
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (isBlank(state.Grid[c][r])) {
                TryCellCandidates(state, board, c, r);
            }
        }
    }
    PlaceHiddenSinglesInBoxes(state, board);
    EliminatePointingInRows(state, board);
    ClearSolvedCellCandidates(state, board);
    WriteOutputField(state, window);

    // Only a full grid without a repeated digit is solved; a full grid that repeats a digit
    // goes on to the no-change test like a grid with blank cells.
    const bool solved = board.blankCells == 0 && board.unitsWithRepeats == 0;
    state.SolvedFlag = solved ? 1 : 0;
    if (solved) {
        return true;
    }
    // Candidates are only ever removed, so the pass changed one exactly when a mask differs.
    const bool unchanged = board.passStart == board.candidates;
    if (unchanged) {
        increaseCounter(state.StallCount);  // stays at 32767
    }
    return unchanged;
}

void writeCandidateSnapshot(PuzzleState& state, const SolveBoard& board) {
    state.CandidateSnapshot = state.Candidates;
    if (board.passStart == board.candidates) {
        return;  // the last pass changed nothing: the usual end of a run that stalls
    }
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const std::size_t cell = static_cast<std::size_t>(cellIndex(c, r));
            unsigned removed = board.passStart[cell] & ~board.candidates[cell];
            while (removed != 0) {
                state.CandidateSnapshot[c][r][std::countr_zero(removed)] = 1;
                removed &= removed - 1;
            }
        }
    }
}

void RunSolvePasses(PuzzleState& state, WindowOps& window) {
    state.SolvedFlag = 0;
    SolveBoard board = loadBoard(state);
    while (!runSolvePass(state, board, window)) {
    }
    writeCandidateSnapshot(state, board);

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
