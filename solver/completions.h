// How many ways the blank cells of a grid can be filled so that every row, column and box holds
// 1 to 9 once, counted up to a limit by a search of bounded length that fills what every
// completion must hold (a cell's only digit, a unit's digit with only one cell) before it tries
// anything. The solver never uses it to solve; it tells which guesses can possibly finish a grid.
#pragma once

#include "solver/puzzle_state.h"

namespace quodrill {

// What countCompletions gives when the search would take too long to tell.
inline constexpr int kCompletionsUnknown = -1;
// How many times the search may choose among digits or cells: a grid with few digits and no
// completion can take it longer than anyone waits. On the stalls of 10,000 qqwing puzzles of every
// difficulty it chose 71 times at most; on the sparse grids of the tests up to 18,411 times,
// about 15 ms, as long as the plain search took for its 200,000 cells.
inline constexpr long kCompletionSearchSteps = 25000;

// Counts the completions of `grid` (its digits kept, each blank cell filled with one of its
// `candidates`), stopping at `limit` (at least 1); one found is written into `first`, which with
// a count below the limit is the only one. A grid that repeats a digit has none. Gives
// kCompletionsUnknown once the search has chosen kCompletionSearchSteps times without an answer.
int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first);

}  // namespace quodrill
