// The propagation steps that work on a solve run's board, called once on their own, each on a
// board counted for that call, as the tests of a single step use them.
#pragma once

#include "solver/propagation.h"
#include "solver/solve_board.h"

namespace quodrill::testing {

inline void TryCellCandidates(PuzzleState& state, int column, int row) {
    SolveBoard board = loadBoard(state);
    quodrill::TryCellCandidates(state, board, column, row);
}

inline void PlaceHiddenSinglesInBoxes(PuzzleState& state) {
    SolveBoard board = loadBoard(state);
    quodrill::PlaceHiddenSinglesInBoxes(state, board);
}

inline void EliminatePointingInRows(PuzzleState& state) {
    SolveBoard board = loadBoard(state);
    quodrill::EliminatePointingInRows(state, board);
}

inline void ClearSolvedCellCandidates(PuzzleState& state) {
    SolveBoard board = loadBoard(state);
    quodrill::ClearSolvedCellCandidates(state, board);
}

}  // namespace quodrill::testing
