// The propagation steps of one solve pass: cell trial, box hidden singles, pointing elimination
// in rows and the clearing of filled cells' candidates. They work on the puzzle state and the
// board beside it.
#pragma once

#include "solver/puzzle_state.h"
#include "solver/solve_board.h"

namespace quodrill {

// The steps of a solve pass, on a board that was loaded from the state when the run began and
// that every step keeps in step with the cells it writes.

// Trial-places each candidate of the blank cell (column, row) in ascending order against the
// whole grid: a digit that repeats a digit anywhere is removed; a fitting digit with no other
// candidate left solves the cell.
void TryCellCandidates(PuzzleState& state, SolveBoard& board, int column, int row);

// The trial sweep: TryCellCandidates for every cell that is blank when the sweep reaches it, down
// column 1, then down column 2, and so on.
void TryEveryBlankCell(PuzzleState& state, SolveBoard& board);

// Places every digit that a box lacks and that exactly one cell of the box still has as a
// candidate; that cell loses all its candidates.
void PlaceHiddenSinglesInBoxes(PuzzleState& state, SolveBoard& board);

// A digit whose two or three candidate cells in a box lie in one box row is removed from the
// six cells of that grid row outside the box.
void EliminatePointingInRows(PuzzleState& state, SolveBoard& board);

// Every filled cell loses all nine candidates.
void ClearSolvedCellCandidates(PuzzleState& state, SolveBoard& board);

}  // namespace quodrill
