// Seeded puzzles of every kind the solver may meet: valid ones from a shuffled solved grid, ones
// without a solution, ones that repeat a digit, nearly empty and nearly full ones.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace quodrill::testing {

using RowTexts = std::array<std::string, 9>;  // T(0) to T(8)

class PuzzleGenerator {
  public:
    explicit PuzzleGenerator(std::uint64_t seed) : engine_(seed) {}

    // A whole number from 0 to bound - 1 (bound > 0), the same on every standard library.
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(bound)); }

    // A solved grid: a fixed one with its digits, rows, bands, columns and stacks shuffled and
    // perhaps transposed.
    RowTexts solvedGrid();
    // A solved grid with `blanks` distinct cells set to "0".
    RowTexts puzzleWithBlanks(int blanks);
    // A puzzle that passes Start's checks: a given digit is replaced by another one that its
    // row, column and box lack, so the puzzle usually has no solution.
    RowTexts unsolvablePuzzle(int blanks);
    // A puzzle in which one row, column or box holds some digit twice.
    RowTexts puzzleRepeatingADigit(int blanks);

  private:
    std::mt19937_64 engine_;
};

}  // namespace quodrill::testing
