// What each single guess from one stalled state leads to. With unchanged rows every cycle stalls
// in the same state, and the run after a guess depends on nothing but that state and the guessed
// cell and digit: it finishes the grid or stalls again. The outcomes are kept for the exact
// stalled state (grid and candidates), found as they are asked for, and unknown for any other.
#pragma once

#include <array>
#include <cstdint>

#include "solver/puzzle_state.h"
#include "solver/random_source.h"
#include "solver/solve_board.h"

namespace quodrill {

enum class GuessResult : std::uint8_t { Unknown, Stalls, Finishes };

// One guess: the run after it, as far as it is known. All zero while unknown.
struct PairOutcome {
    GuessResult result = GuessResult::Unknown;
    bool passesKnown = false;   // the run was followed to its end, not stopped at a dead cell
    std::int16_t passes = 0;    // its passes, when known
    std::int16_t solution = 0;  // for a finishing guess, which of the distinct solutions
};

// The chance that one cycle (a guess and its run) finishes the grid, once every outcome is known:
// the sum over finishing guesses of the chance that the guess draws them (guessChance).
struct FinishChance {
    double perCycle = 0;
    int finishingGuesses = 0;
    int solutions = 0;  // distinct grids the finishing guesses reach
};

class GuessOutcomes {
  public:
    // Whether the outcomes are those of `state`: same grid, same candidates.
    bool isFor(const PuzzleState& state) const;
    // Whether `state` is the stalled state with one guess written into it, and which.
    bool isGuessFrom(const PuzzleState& state, int& column, int& row, int& digit) const;
    // Forgets every outcome and keeps `state` as the stalled state they are for. `stallBoard`,
    // where given, is the board that the run which stalled in `state` ended with; without it one
    // pass over a copy of the state stands for that run's last.
    void startFor(const PuzzleState& state, const SolveBoard* stallBoard = nullptr);
    // Forgets the stalled state: the outcomes are for none.
    void forget() { valid_ = false; }
    bool valid() const { return valid_; }

    // The outcome of writing `digit` into the blank cell (column, row) of the stalled state; null
    // when it is not known yet.
    const PairOutcome* known(int column, int row, int digit) const;
    // The outcome of the guess, found now when it is not known yet.
    const PairOutcome& outcomeOf(int column, int row, int digit);
    // Records a run that followed the guess to its end: its passes and the grid it left.
    void record(int column, int row, int digit, bool finishes, int passes, const GridArray& grid);

    // Whether some guess finishes the grid: outcomes are found until one does or all are known.
    // `coming`, where given, draws what the generator of the coming guesses will draw, and
    // `guessCount` is the guesses made so far: the guesses of the coming cycles, whose outcomes
    // they will ask for anyway, are looked at first; then those likeliest to finish.
    bool someGuessFinishes(RandomSource* coming = nullptr, std::int16_t guessCount = 0);
    // Finds every outcome not known yet.
    void completeAll();
    bool complete() const { return unknown_ == 0; }
    // Only once complete.
    FinishChance chance() const;
    // A grid that a finishing guess reaches (`index` from 0 to chance().solutions - 1).
    const GridArray& solution(int index) const {
        return solutions_[static_cast<std::size_t>(index)];
    }

    // The stalled state.
    const GridArray& grid() const { return grid_; }

  private:
    PairOutcome& at(int column, int row, int digit);
    // Runs the guess on a copy of the stalled state; a run whose grid can no longer be finished
    // is stopped in the first pass that shows it, after the step that does.
    void evaluate(int column, int row, int digit);
    // With one completion, after a guess of its digit stalled on `stalled` (and `board`): every
    // guess of a digit that run wrote stalls as well.
    void stallAlongWith(const GridArray& stalled, const SolveBoard& board);
    // With one completion, during the run after a guess of its digit: whether the run has
    // written a cell whose guess is known to finish the grid; then this guess finishes it too.
    bool reachesFinishingGuess(const SolveBoard& board) const;
    void finishesAsKnown(int column, int row);
    // The outcomes of the guesses that `coming` draws in the stalled state, in turn, until one
    // finishes or a bound is reached.
    void tryComingGuesses(RandomSource& coming, std::int16_t guessCount);
    // With one completion, tries the guess of its digit in every blank cell, those likeliest to
    // finish first, until one does.
    void tryCompletionGuesses();
    int solutionIndex(const GridArray& grid);
    // The completions of the stalled grid, counted once up to two: a finishing guess ends on one.
    void countCompletionsOnce();

    bool completionsCounted_ = false;
    int completions_ = 2;     // 0, 1, or 2 for two or more or not known: only 0 and 1 are used
    GridArray completion_{};  // the first completion found
    // With one completion, per column the cells where a guess of its digit finishes the grid.
    std::array<RowBits, 9> finishingCells_{};

    bool valid_ = false;
    GridArray grid_{};
    CandidateMasks candidates_{};
    SolveBoard board_{};  // the board of the stalled grid, loaded once
    std::array<PairOutcome, kCellCount * 9> pairs_{};
    int unknown_ = 0;
    int finishing_ = 0;
    int solutionCount_ = 0;
    std::array<GridArray, kCellCount * 9> solutions_{};
};

}  // namespace quodrill
