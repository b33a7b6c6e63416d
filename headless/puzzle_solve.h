// One puzzle solved as the window solves it, without the timer waits: the rows written as a load
// writes them, Start, then the chain of solve runs, guesses and restarts to its end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "events/engine_handlers.h"
#include "solver/random_source.h"

namespace quodrill {

enum class SolveEnd {
    Solved,      // "Status : Complete"
    Refused,     // Start showed the input-format message: a digit repeats
    GuessLimit,  // the next guess would have passed the limit
    Unsolved,    // the chain ended some other way
};

struct PuzzleSolve {
    SolveEnd end = SolveEnd::Unsolved;
    std::string grid;  // 81 digits, row after row, "0" for a cell left blank
    long passes = 0;
    int guesses = 0;
    long restarts = 0;
    double seconds = 0;
};

// Solves the 81 cell characters "0" to "9" (as parsePuzzleText gives them), drawing guesses from
// `random`; stops before a guess beyond `maxGuesses` (0 to 32767, where the window stops). The
// handlers are the program's unless another engine's are given.
PuzzleSolve solvePuzzle(std::string_view cells, RandomSource& random, int maxGuesses,
                        EngineHandlers engine = {});

}  // namespace quodrill
