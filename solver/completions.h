// How many ways the blank cells of a grid can be filled so that every row, column and box holds
// 1 to 9 once, counted up to a limit by a plain search of bounded length. The solver never uses it
// to solve; it tells which guesses can possibly finish a grid.
#pragma once

#include "solver/puzzle_state.h"

namespace quodrill {

// What countCompletions gives when the search would take too long to tell.
inline constexpr int kCompletionsUnknown = -1;
// How many cells the search may try to fill. A grid with few digits and no completion can take
// the search longer than anyone waits; on 300 intermediate and expert puzzles it tried 6,922 cells
// at most.
inline constexpr long kCompletionSearchSteps = 200000;

// Counts the completions of `grid` (its digits kept, each blank cell filled with one of its
// `candidates`), stopping at `limit`; the first one found is written into `first`. A grid that
// repeats a digit has none. Gives kCompletionsUnknown once the search has tried
// kCompletionSearchSteps cells without an answer.
int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first);

}  // namespace quodrill
