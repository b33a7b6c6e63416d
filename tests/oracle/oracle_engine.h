// The straightforward solver, kept as the reference that the program's solver must match: every
// step recounts the whole grid and works entry by entry, and every pass compares the whole
// candidate cube. Start, the guess, the restart and the output text are the program's own.
#pragma once

#include "events/window_ops.h"
#include "solver/puzzle_state.h"
#include "tests/support/candidate_entries.h"

namespace quodrill::oracle {

// Digit test: the cell text equals the one-character text of `digit`.
inline bool holdsDigit(CellText cell, int digit) {
    return cell == digitText(digit);
}

// Whole-grid checks, recounted from the grid on every call.
bool gridRepeatsDigit(const GridArray& grid);
bool gridHasBlankCell(const GridArray& grid);
bool boxHoldsDigit(const GridArray& grid, int box, int digit);

// The propagation steps of one pass.
void TryCellCandidates(PuzzleState& state, int column, int row);
void PlaceHiddenSinglesInBoxes(PuzzleState& state);
void EliminatePointingInRows(PuzzleState& state);
void ClearSolvedCellCandidates(PuzzleState& state);

// One pass of a solve run, the output field written at its end; returns whether the run stops
// after it.
bool runSolvePass(PuzzleState& state, WindowOps& window);
// The tick of the solve timer: a run of reference passes, then the program's own reaction to
// its outcome.
void TT_Timer(PuzzleState& state, WindowOps& window);

}  // namespace quodrill::oracle
