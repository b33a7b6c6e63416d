// Small helpers for building puzzle states from row strings and checking solved grids in tests.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "solver/puzzle_state.h"

namespace quodrill::testing {

using Rows = std::array<std::string_view, 9>;

// Grid(c, r) <- character c of rows[r - 1]; candidates untouched.
void fillGrid(PuzzleState& state, const Rows& rows);
// Every cell "0" with all nine candidates, as a set-up of nine blank rows leaves it.
void setAllBlank(PuzzleState& state);
void setCandidates(PuzzleState& state, int column, int row, std::initializer_list<int> digits);
std::string candidateDigits(const PuzzleState& state, int column, int row);  // e.g. "26"
// Whether the grid is full with every unit holding 1 to 9 once.
bool isSolvedGrid(const GridArray& grid);
// Whether every given digit (non-"0" character) of the rows stands in the grid.
bool keepsGivens(const GridArray& grid, const Rows& rows);

}  // namespace quodrill::testing
