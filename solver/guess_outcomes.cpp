#include "solver/guess_outcomes.h"

#include <bit>

#include "solver/completions.h"
#include "solver/guess.h"
#include "solver/solve_board.h"
#include "solver/solve_run.h"

namespace quodrill {

namespace {

class PassCounter final : public PassObserver {
  public:
    void afterPass(const PuzzleState&) override { ++passes; }
    int passes = 0;
};

// Whether the grid can no longer be finished, at the end of a pass. No step writes a cell that
// has no candidate, and every pass ends by taking all candidates from the filled cells: from then
// on a filled cell keeps its digit (so a repeated digit stays) and a blank cell without
// candidates stays blank.
bool cannotFinish(const PuzzleState& state, const SolveBoard& board) {
    if (board.unitsWithRepeats > 0) {
        return true;
    }
#pragma GCC unroll 9
    for (std::size_t column = 0; column < 9; ++column) {
        for (unsigned rows = board.blankRows[column]; rows != 0; rows &= rows - 1) {
            const auto row = static_cast<std::size_t>(std::countr_zero(rows));
            if (state.Candidates[column * 9 + row] == 0) {
                return true;
            }
        }
    }
    return false;
}

std::size_t pairIndex(int column, int row, int digit) {
    return static_cast<std::size_t>(cellIndex(column, row) * 9 + digit - 1);
}

}  // namespace

bool GuessOutcomes::isFor(const PuzzleState& state) const {
    return valid_ && state.Grid == grid_ && state.Candidates == candidates_;
}

bool GuessOutcomes::isGuessFrom(const PuzzleState& state, int& column, int& row, int& digit) const {
    if (!valid_ || state.Candidates != candidates_) {
        return false;
    }
    int changed = 0;
    for (int c = kFirst; c <= kLast; ++c) {
        if (state.Grid[c] == grid_[c]) {
            continue;  // a column compared whole: most are as they were
        }
        for (int r = kFirst; r <= kLast; ++r) {
            if (state.Grid[c][r] != grid_[c][r]) {
                ++changed;
                column = c;
                row = r;
            }
        }
    }
    if (changed != 1 || !isBlank(grid_[column][row])) {
        return false;
    }
    const DigitMask held = heldDigit(state.Grid[column][row]);
    digit = std::countr_zero(held);
    return (candidates_[static_cast<std::size_t>(cellIndex(column, row))] & held) != 0;
}

void GuessOutcomes::startFor(const PuzzleState& state, const SolveBoard* stallBoard) {
    valid_ = true;
    grid_ = state.Grid;
    candidates_ = state.Candidates;
    // A stall is where a pass changes nothing, and its board has nothing marked for the steps to
    // look at: the runs after the guesses then look only at what a guess changes. Without the
    // board of the run that stalled, one pass over a copy shows whether the state is a stall;
    // anything else keeps the board as loaded, everything marked.
    if (stallBoard != nullptr) {
        board_ = *stallBoard;
    } else {
        board_ = loadBoard(state);
        PuzzleState settled;
        settled.Grid = grid_;
        settled.Candidates = candidates_;
        SolveBoard board = board_;
        PassCounter counter;
        runSolvePass(settled, board, counter);
        if (settled.Grid == grid_ && settled.Candidates == candidates_) {
            board_ = board;
        }
    }
    board_.filledCellsCleared = false;  // as in a run's first pass, for the guessed cell
    pairs_ = {};                        // every outcome unknown: all zero, cleared at once
    unknown_ = 0;
    finishing_ = 0;
    solutionCount_ = 0;
    completionsCounted_ = false;
    completions_ = 2;
    finishingCells_.fill(0);
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (isBlank(grid_[c][r])) {
                unknown_ += digitCount(candidates_[static_cast<std::size_t>(cellIndex(c, r))]);
            }
        }
    }
}

PairOutcome& GuessOutcomes::at(int column, int row, int digit) {
    return pairs_[pairIndex(column, row, digit)];
}

const PairOutcome& GuessOutcomes::outcomeOf(int column, int row, int digit) {
    if (known(column, row, digit) == nullptr) {
        evaluate(column, row, digit);
    }
    return at(column, row, digit);
}

const PairOutcome* GuessOutcomes::known(int column, int row, int digit) const {
    const PairOutcome& outcome = pairs_[pairIndex(column, row, digit)];
    return outcome.result == GuessResult::Unknown ? nullptr : &outcome;
}

int GuessOutcomes::solutionIndex(const GridArray& grid) {
    for (int i = 0; i < solutionCount_; ++i) {
        if (solutions_[static_cast<std::size_t>(i)] == grid) {
            return i;
        }
    }
    solutions_[static_cast<std::size_t>(solutionCount_)] = grid;
    return solutionCount_++;
}

void GuessOutcomes::record(int column, int row, int digit, bool finishes, int passes,
                           const GridArray& grid) {
    PairOutcome& outcome = at(column, row, digit);
    if (outcome.result == GuessResult::Unknown) {
        --unknown_;
        if (finishes) {
            ++finishing_;
        }
    }
    if (finishes && outcome.result != GuessResult::Finishes) {
        outcome.solution = static_cast<std::int16_t>(solutionIndex(grid));
    }
    outcome.result = finishes ? GuessResult::Finishes : GuessResult::Stalls;
    outcome.passesKnown = true;
    outcome.passes = static_cast<std::int16_t>(passes);
}

void GuessOutcomes::countCompletionsOnce() {
    if (completionsCounted_) {
        return;
    }
    completionsCounted_ = true;
    // A finishing guess ends on a full grid without a repeat that keeps every digit of the
    // stalled grid (those have lost their candidates, so no step writes them again) and gives
    // every other cell one of its candidates (a step writes a cell only with one of them, and
    // candidates are only ever taken away). A state whose filled cells still have candidates is
    // not relied on.
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (!isBlank(grid_[c][r]) &&
                candidates_[static_cast<std::size_t>(cellIndex(c, r))] != 0) {
                return;
            }
        }
    }
    const int count = countCompletions(grid_, candidates_, 2, completion_);
    if (count != kCompletionsUnknown) {
        completions_ = count;
    }
}

void GuessOutcomes::evaluate(int column, int row, int digit) {
    countCompletionsOnce();
    const auto stalls = [this, column, row, digit] {
        at(column, row, digit).result = GuessResult::Stalls;
        --unknown_;
    };
    if (completions_ == 0) {
        stalls();
        return;
    }
    // With one completion, only its own digit can finish the grid from this cell, unless the
    // cell's row, column or box holds the guessed digit already (a state that is no stall). The
    // digit stands in the completion somewhere else in the cell's row, in a cell that is blank
    // here and has it as a candidate. The first pass tries that cell with the guess in the row,
    // so the digit leaves its candidates for good, and the run cannot end on the completion.
    const CellUnits& units = kCellUnits[static_cast<std::size_t>(cellIndex(column, row))];
    const DigitMask seen = static_cast<DigitMask>(
        board_.present[units.row] | board_.present[units.column] | board_.present[units.box]);
    if (completions_ == 1 && completion_[column][row] != digitText(digit) &&
        (seen & digitBit(digit)) == 0) {
        stalls();
        return;
    }
    PuzzleState trial;
    trial.Grid = grid_;
    trial.Candidates = candidates_;
    trial.StallCount = 1;
    SolveBoard board = board_;
    writeCell(trial, board, column, row, digitText(digit));  // as the guess writes it
    board.stopWhenLost = true;
    if (completions_ == 1) {
        board.expected = &completion_;
        board.watchedColumn = column;
        board.watchedRow = row;
    }
    const bool followsCompletion =
        completions_ == 1 && completion_[column][row] == digitText(digit);
    PassCounter counter;
    while (!runSolvePass(trial, board, counter)) {
        // After a guess of the completion's own digit no step takes a candidate of the
        // completion away: no blank cell is left without one, and no digit is repeated.
        if (followsCompletion) {
            if (reachesFinishingGuess(board)) {
                finishesAsKnown(column, row);
                return;
            }
            continue;
        }
        // With one completion, a digit that departs from it stays and the grid never finishes:
        // the pass stops at one the steps write or the guessed cell keeps (board.expected). The
        // digits of the stalled grid are all in the completion.
        if (cannotFinish(trial, board)) {
            stalls();
            return;
        }
    }
    if (board.lost) {
        stalls();
        return;
    }
    record(column, row, digit, trial.SolvedFlag == 1, counter.passes, trial.Grid);
    if (followsCompletion && trial.SolvedFlag == 0) {
        stallAlongWith(trial.Grid, board);
    }
    if (followsCompletion && trial.SolvedFlag == 1) {
        finishingCells_[static_cast<std::size_t>(column - 1)] |= rowBit(row);
    }
}

bool GuessOutcomes::reachesFinishingGuess(const SolveBoard& board) const {
    // The run after a guess of the completion's own digit writes only the completion's digits
    // and takes away none of its candidates. Once it has written the cell of a guess that
    // finishes the grid, it holds at least what that guess started from, and gets as far.
    unsigned reached = 0;
    for (std::size_t c = 0; c < 9; ++c) {
        reached |= finishingCells_[c] & ~board.blankRows[c];
    }
    return reached != 0;
}

void GuessOutcomes::finishesAsKnown(int column, int row) {
    PairOutcome& outcome = at(column, row, completion_[column][row] - '0');
    outcome.result = GuessResult::Finishes;
    outcome.solution = static_cast<std::int16_t>(solutionIndex(completion_));
    --unknown_;
    ++finishing_;
    finishingCells_[static_cast<std::size_t>(column - 1)] |= rowBit(row);
}

void GuessOutcomes::stallAlongWith(const GridArray& stalled, const SolveBoard& board) {
    // The run after a guess of the completion's own digit takes away no candidate of the
    // completion, and ends where nothing more follows. Where it stalls, the guess of any digit it
    // wrote starts from less than that end shows and cannot get further than it: it stalls too.
    // Only the cells the run filled are looked at.
    for (int c = kFirst; c <= kLast; ++c) {
        const auto column = static_cast<std::size_t>(c - 1);
        for (unsigned rows = board_.blankRows[column] & ~board.blankRows[column]; rows != 0;
             rows &= rows - 1) {
            const int r = std::countr_zero(rows) + 1;
            const CellText text = stalled[c][r];
            if (text == completion_[c][r]) {
                const int digit = text - '0';
                PairOutcome& outcome = at(c, r, digit);
                if (outcome.result == GuessResult::Unknown) {
                    outcome.result = GuessResult::Stalls;
                    --unknown_;
                }
            }
        }
    }
}

void GuessOutcomes::tryCompletionGuesses() {
    // With one completion only its own digit can finish from a cell. Tried first are the cells
    // whose digit, once placed, leaves the most cells of their units with one candidate: cells
    // where it is one of two. Such a guess sets off the most at once and finishes more often.
    // (A cell of the box and the row or column counts twice: the order is only a likelihood.)
    std::array<std::array<std::uint8_t, 10>, kUnitCount> pairsWith{};
    for (std::size_t column = 0; column < 9; ++column) {
        for (unsigned rows = board_.blankRows[column]; rows != 0; rows &= rows - 1) {
            const std::size_t cell = column * 9 + static_cast<std::size_t>(std::countr_zero(rows));
            const DigitMask mask = candidates_[cell];
            if (digitCount(mask) != 2) {
                continue;
            }
            const CellUnits& units = kCellUnits[cell];
            for (DigitMask digits = mask; digits != 0; digits &= digits - 1) {
                const auto digit = static_cast<std::size_t>(std::countr_zero(digits));
                ++pairsWith[units.row][digit];
                ++pairsWith[units.column][digit];
                ++pairsWith[units.box][digit];
            }
        }
    }
    // The cells by that count, most first, by index among equals.
    constexpr int kMostPairs = 3 * 8;
    std::array<std::uint8_t, kCellCount> order{};
    std::array<std::uint8_t, kCellCount> rank{};
    std::array<int, kMostPairs + 2> start{};
    int cells = 0;
    for (std::size_t column = 0; column < 9; ++column) {
        for (unsigned rows = board_.blankRows[column]; rows != 0; rows &= rows - 1) {
            const std::size_t cell = column * 9 + static_cast<std::size_t>(std::countr_zero(rows));
            const CellUnits& units = kCellUnits[cell];
            const auto digit =
                static_cast<std::size_t>(completion_[column + 1][cell % 9 + 1] - '0');
            const bool pair = digitCount(candidates_[cell]) == 2;
            const int pairs = pairsWith[units.row][digit] + pairsWith[units.column][digit] +
                              pairsWith[units.box][digit] - (pair ? 3 : 0);
            rank[cell] = static_cast<std::uint8_t>(kMostPairs - pairs);
            ++start[static_cast<std::size_t>(rank[cell] + 1)];
            ++cells;
        }
    }
    for (std::size_t i = 1; i < start.size(); ++i) {
        start[i] += start[i - 1];
    }
    for (std::size_t column = 0; column < 9; ++column) {
        for (unsigned rows = board_.blankRows[column]; rows != 0; rows &= rows - 1) {
            const std::size_t cell = column * 9 + static_cast<std::size_t>(std::countr_zero(rows));
            order[static_cast<std::size_t>(start[rank[cell]]++)] = static_cast<std::uint8_t>(cell);
        }
    }
    for (int i = 0; i < cells && finishing_ == 0; ++i) {
        const int column = order[static_cast<std::size_t>(i)] / 9 + 1;
        const int row = order[static_cast<std::size_t>(i)] % 9 + 1;
        const int digit = completion_[column][row] - '0';
        if (known(column, row, digit) == nullptr) {
            evaluate(column, row, digit);
        }
    }
}

void GuessOutcomes::tryComingGuesses(RandomSource& coming, std::int16_t guessCount) {
    // Each cycle restarts, stalls in this same state and draws its guess there. Most grids have a
    // finishing guess within the first few dozen draws; past those, the likeliest guesses find
    // one for less.
    constexpr int kComingGuesses = 64;
    PuzzleState draw;
    for (int i = 0; i < kComingGuesses && finishing_ == 0 && unknown_ > 0; ++i) {
        draw.Grid = grid_;
        draw.Candidates = candidates_;
        draw.GuessCount = guessCount;
        GuessCell guess;
        if (makeRandomGuess(draw, coming, &guess) != GuessOutcome::Placed) {
            return;
        }
        guessCount = draw.GuessCount;
        outcomeOf(guess.column, guess.row, guess.digit);
    }
}

bool GuessOutcomes::someGuessFinishes(RandomSource* coming, std::int16_t guessCount) {
    if (coming != nullptr && finishing_ == 0 && unknown_ > 0) {
        tryComingGuesses(*coming, guessCount);
    }
    if (finishing_ == 0 && unknown_ > 0) {
        countCompletionsOnce();
        if (completions_ == 1) {
            tryCompletionGuesses();
        }
    }
    // Any guess not known yet: cells with fewer candidates first, as each of their digits is
    // likelier to be the right one.
    for (int count = 1; count <= 9 && finishing_ == 0 && unknown_ > 0; ++count) {
        for (int c = kFirst; c <= kLast && finishing_ == 0; ++c) {
            for (int r = kFirst; r <= kLast && finishing_ == 0; ++r) {
                const DigitMask mask = candidates_[static_cast<std::size_t>(cellIndex(c, r))];
                if (!isBlank(grid_[c][r]) || digitCount(mask) != count) {
                    continue;
                }
                for (int d = kFirst; d <= kLast && finishing_ == 0; ++d) {
                    if ((mask & digitBit(d)) != 0 && known(c, r, d) == nullptr) {
                        evaluate(c, r, d);
                    }
                }
            }
        }
    }
    return finishing_ > 0;
}

void GuessOutcomes::completeAll() {
    for (int c = kFirst; c <= kLast && unknown_ > 0; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask mask = candidates_[static_cast<std::size_t>(cellIndex(c, r))];
            if (!isBlank(grid_[c][r])) {
                continue;
            }
            for (int d = kFirst; d <= kLast; ++d) {
                if ((mask & digitBit(d)) != 0 && known(c, r, d) == nullptr) {
                    evaluate(c, r, d);
                }
            }
        }
    }
}

FinishChance GuessOutcomes::chance() const {
    FinishChance chance;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (!isBlank(grid_[c][r])) {
                continue;
            }
            DigitMask finishing = 0;
            for (int d = kFirst; d <= kLast; ++d) {
                const PairOutcome* outcome = known(c, r, d);
                if (outcome != nullptr && outcome->result == GuessResult::Finishes) {
                    finishing |= digitBit(d);
                }
            }
            chance.finishingGuesses += digitCount(finishing);
            chance.perCycle += guessChance(grid_, candidates_, c, r, finishing);
        }
    }
    chance.solutions = solutionCount_;
    return chance;
}

}  // namespace quodrill
