// The random guess after a first stall: one candidate digit drawn for one blank cell drawn.
#pragma once

#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill {

enum class GuessOutcome {
    Placed,          // a digit was written into a blank cell
    NothingToPlace,  // no blank cell, or the drawn cell has no candidate: a restart is due
    CountAtLimit,    // GuessCount already stands at 32767: nothing was drawn or written
};

// A guess written into the grid; digit 0 when none was.
struct GuessCell {
    int column = 0;
    int row = 0;
    int digit = 0;
};

// Counts the guess in GuessCount; draws a blank cell (column, then row, again until blank),
// reseeds the generator (from the clock, or from a fixed value for a reproducible solve), draws a
// candidate digit of that cell and writes it. Candidates are left as they are. With `placed`, it
// is told where the digit went.
GuessOutcome makeRandomGuess(PuzzleState& state, RandomSource& random, GuessCell* placed = nullptr);

// The chance, by those draws, that a guess in the state of `grid` and `candidates` writes one of
// `digits` into the cell (column, row): 1 / blank cells x 1 / candidates of the cell for each of
// them that is a candidate of a blank cell.
double guessChance(const GridArray& grid, const CandidateMasks& candidates, int column, int row,
                   DigitMask digits);

}  // namespace quodrill
