#include "solver/guess.h"

#include "solver/grid_check.h"

namespace quodrill {

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

    const DigitMask candidates = state.Candidates[static_cast<std::size_t>(cellIndex(column, row))];
    if (candidates == 0) {
        return GuessOutcome::NothingToPlace;
    }
    int digit = 0;
    do {
        digit = drawOneToNine(random);
    } while ((candidates & digitBit(digit)) == 0);
    state.Grid[column][row] = digitText(digit);
    return GuessOutcome::Placed;
}

}  // namespace quodrill
