// Puzzles that the solver cannot finish by propagation and one guess: one with no solution at
// all, and a very hard one that needs many cycles of guess and restart, if it ever ends.
#pragma once

#include <array>
#include <string_view>

namespace quodrill::testing {

// No digit repeats, but row 1 leaves only a 9 for its last cell, and column 9 already holds a 9.
constexpr std::array<std::string_view, 9> kNoSolutionRows = {"123456780", "000000009", "000000000",
                                                             "000000000", "000000000", "000000000",
                                                             "000000000", "000000000", "000000000"};

// A well-known puzzle with one solution and 21 givens that needs deep search.
constexpr std::array<std::string_view, 9> kVeryHardRows = {"800000000", "003600000", "070090200",
                                                           "050007000", "000045700", "000100030",
                                                           "001000068", "008500010", "090000400"};

// A puzzle that a single guess finishes with a chance of 0.0038 a cycle: drawn from SeededRandom
// with seed 136 (kSlowSeed), its guesses go on for 2063 cycles.
constexpr std::array<std::string_view, 9> kSlowRows = {"000000005", "000204980", "000900000",
                                                       "902001700", "100702094", "500008001",
                                                       "800105400", "000000000", "030009020"};
constexpr unsigned kSlowSeed = 136;

// Few digits, and no single guess finishes it: a plain search for the completions of its stall,
// one cell after the other with nothing filled in between, runs past any wait.
constexpr std::array<std::string_view, 9> kUncountedRows = {"123456780", "000000010", "000000000",
                                                            "405080000", "000000405", "080000000",
                                                            "000000000", "000000000", "000000001"};

}  // namespace quodrill::testing
