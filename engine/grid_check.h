// The whole-grid check: whether any column, row or box holds some digit more than once.
#pragma once

#include "engine/puzzle_state.h"

namespace quodrill {

// Recounts every unit from the grid; stops at the first repeated digit.
bool gridRepeatsDigit(const GridArray& grid);

// Whether some cell of the grid is blank.
bool gridHasBlankCell(const GridArray& grid);

// Presence test: whether some cell of the box holds the digit (all nine cells are looked at).
bool boxHoldsDigit(const GridArray& grid, int box, int digit);

}  // namespace quodrill
