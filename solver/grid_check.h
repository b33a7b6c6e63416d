// The whole-grid check: whether any column, row or box holds some digit more than once.
#pragma once

#include "solver/puzzle_state.h"

namespace quodrill {

// Whether some column, row or box holds a digit more than once (by the digit test).
bool gridRepeatsDigit(const GridArray& grid);

// Whether some cell of the grid is blank.
bool gridHasBlankCell(const GridArray& grid);

}  // namespace quodrill
