#include "solver/guess.h"

#include "solver/grid_check.h"

namespace quodrill {

namespace {

bool cellHasCandidate(const PuzzleState& state, int column, int row) {
    for (int d = kFirst; d <= kLast; ++d) {
        if (state.Candidates[column][row][d] == 1) {
            return true;
        }
    }
    return false;
}

}  // namespace

GuessOutcome makeRandomGuess(PuzzleState& state, RandomSource& random) {
    if (!increaseCounter(state.GuessCount)) {
        return GuessOutcome::CountAtLimit;
    }
    if (!gridHasBlankCell(state.Grid)) {
        return GuessOutcome::NothingToPlace;
    }
    int column = 0;
    int row = 0;
    do {
        column = drawOneToNine(random);
        row = drawOneToNine(random);
    } while (!isBlank(state.Grid[column][row]));

    random.reseedFromClock();

    if (!cellHasCandidate(state, column, row)) {
        return GuessOutcome::NothingToPlace;
    }
    int digit = 0;
    do {
        digit = drawOneToNine(random);
    } while (state.Candidates[column][row][digit] != 1);
    state.Grid[column][row] = digitText(digit);
    return GuessOutcome::Placed;
}

}  // namespace quodrill
