// How many ways the blank cells of a grid can be filled so that every row, column and box holds
// 1 to 9 once, counted up to a limit by a plain search. The solver never uses it to solve; it
// tells which guesses can possibly finish a grid.
#pragma once

#include "solver/puzzle_state.h"

namespace quodrill {

// Counts the completions of `grid` (its digits kept, each blank cell filled with one of its
// `candidates`), stopping at `limit`; the first one found is written into `first`. A grid that
// repeats a digit has none.
int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first);

}  // namespace quodrill
