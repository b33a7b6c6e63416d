// One puzzle solved as the window solves it, without the timer waits: the rows written as a load
// writes them, Start, then the chain of solve runs, guesses and restarts to its end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "events/engine_handlers.h"
#include "events/solve_end.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

namespace quodrill {

struct SolveSettings {
    int maxGuesses = kCounterLimit;  // the guess tick stops before a guess beyond this (0 to 32767)
    // A run from a state seen before takes its known end instead of running again; the passes,
    // guesses, restarts, grid and draws are those of the plain chain.
    bool reuseRuns = true;
    // Find the outcome of every guess at the end, for the exact chance of a cycle.
    bool exactChance = false;
    // Count the passes of every run. Without it, the run after a guess is followed only until it
    // is clear whether it finishes the grid, and `passes` is -1; the rest is the same.
    bool countPasses = true;
    EngineHandlers engine{};  // the program's handlers unless another engine's are given
};

struct PuzzleSolve {
    SolveEnd end = SolveEnd::Ready;  // as the handlers left it when the chain ended
    std::string grid;                // 81 digits, row after row, "0" for a cell left blank
    long passes = 0;                 // -1 when not counted
    int guesses = 0;
    long restarts = 0;
    double seconds = 0;
    // With exactChance, for a puzzle that stalled: what one cycle's guess does.
    std::optional<FinishChance> chance;
};

// Solves the 81 cell characters "0" to "9" (as parsePuzzleText gives them), drawing guesses from
// `random`; `outcomes` holds the outcomes of guesses while it solves (kept by the caller so that
// one serves many puzzles).
PuzzleSolve solvePuzzle(std::string_view cells, RandomSource& random, const SolveSettings& settings,
                        GuessOutcomes& outcomes);

}  // namespace quodrill
