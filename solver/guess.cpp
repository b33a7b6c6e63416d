#include "solver/guess.h"

#include "solver/grid_check.h"

namespace quodrill {

namespace {

// The cell draw: a column and a row of 1 to 9, drawn again until the cell is blank, so that every
// blank cell is as likely as every other.
void drawBlankCell(const GridArray& grid, RandomSource& random, int& column, int& row) {
    do {
        column = random.nextOneToNine();
        row = random.nextOneToNine();
    } while (!isBlank(grid[column][row]));
}

// The digit draw: a digit of 1 to 9, drawn again until it is one of `candidates` (not empty), so
// that every candidate is as likely as every other.
int drawCandidate(DigitMask candidates, RandomSource& random) {
    int digit = 0;
    do {
        digit = random.nextOneToNine();
    } while ((candidates & digitBit(digit)) == 0);
    return digit;
}

int blankCellCount(const GridArray& grid) {
    int blanks = 0;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            blanks += isBlank(grid[c][r]) ? 1 : 0;
        }
    }
    return blanks;
}

}  // namespace

GuessOutcome makeRandomGuess(PuzzleState& state, RandomSource& random, GuessCell* placed) {
    if (!increaseCounter(state.GuessCount)) {
        return GuessOutcome::CountAtLimit;
    }
    if (!gridHasBlankCell(state.Grid)) {
        return GuessOutcome::NothingToPlace;
    }
    int column = 0;
    int row = 0;
    drawBlankCell(state.Grid, random, column, row);

    random.reseedFromClock();

    const DigitMask candidates = state.Candidates[static_cast<std::size_t>(cellIndex(column, row))];
    if (candidates == 0) {
        return GuessOutcome::NothingToPlace;
    }
    const int digit = drawCandidate(candidates, random);
    state.Grid[column][row] = digitText(digit);
    if (placed != nullptr) {
        *placed = {column, row, digit};
    }
    return GuessOutcome::Placed;
}

double guessChance(const GridArray& grid, const CandidateMasks& candidates, int column, int row,
                   DigitMask digits) {
    const DigitMask mask = candidates[static_cast<std::size_t>(cellIndex(column, row))];
    const int drawn = digitCount(digits & mask);
    if (!isBlank(grid[column][row]) || drawn == 0) {
        return 0;
    }
    return static_cast<double>(drawn) /
           (static_cast<double>(blankCellCount(grid)) * digitCount(mask));
}

}  // namespace quodrill
